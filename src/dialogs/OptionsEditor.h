#pragma once

#include "dialogs/OptionsHost.h"

#include <QObject>
#include <QPointer>

class FormOptions;
class QWidget;

// Edit > Options and the other ways in: opens the options dialog on a page, and when the user is
// done applies and stores the choices (OK) or undoes the previews (Cancel).
class OptionsEditor : public QObject {
    Q_OBJECT
public:
    OptionsEditor(OptionsHost host, QWidget* owner);
    ~OptionsEditor() override;

    // page: 1 General, 2 Music, 3 Agent. While the dialog is open it only comes to the front.
    void EditOptions(int page);
    bool OptionsOpen() const;
    // The open dialog, or null.
    FormOptions* Dialog() const;

    static QString SaveFailedText();
    static QString SearchAddressRefusedText();

signals:
    // The dialog is gone and its choices applied or undone.
    void done();

private:
    void dialogFinished(FormOptions& dialog);
    void applyOK(FormOptions& dialog);
    void undoCancel(FormOptions& dialog);

    OptionsHost host_;
    QWidget* owner_;
    QPointer<FormOptions> dialog_;
};
