#pragma once

#include "base/OkCancel.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QGroupBox;
class QPushButton;
class QRadioButton;

// The Open dialog: an address and where to open it.
class FormOpen : public QDialog {
    Q_OBJECT
public:
    explicit FormOpen(QWidget* parent = nullptr);

    enum Destination { CurrentWindow, NewWindow, ExternalWindow };
    Destination Chosen() const;
    QString Address() const;
    DialogResult Result = ResultCancel;

    QLabel* Label1;
    QLineEdit* EditUrl;
    QGroupBox* Frame1;
    QRadioButton *OptCurrentWindow, *OptNewWindow, *OptExternalWindow;
    QPushButton *ButOK, *ButCancel;

protected:
    void closeEvent(QCloseEvent* event) override;
};
