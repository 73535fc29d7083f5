#pragma once

#include "base/OkCancel.h"

#include <QDialog>

struct OptionsHost;
class OptionsAgentPage;
class OptionsGeneralPage;
class OptionsMusicPage;
class QListWidget;
class QPushButton;
class QTabWidget;

// Every user setting on three pages. The dialog only gathers the choices (and previews the
// background and the character's size); its caller applies them after OK.
class FormOptions : public QDialog {
    Q_OBJECT
public:
    enum Page { PageGeneral = 1, PageMusic = 2, PageAgent = 3 };

    explicit FormOptions(OptionsHost& host, QWidget* parent = nullptr);

    // Fills every page from the current settings and shows the page asked for.
    void Init(int page);
    // Shows the dialog; it hides itself when the user is done.
    void ShowDialog(int modal);
    // Adds the text at the end unless an item has exactly that text; true when added.
    static bool AddUniqueToList(QListWidget& list, const QString& text);

    void ButOK_Click();
    void ButCancel_Click();

    DialogResult Result = ResultCancel;
    QTabWidget* TabMain;
    OptionsGeneralPage* General;
    OptionsMusicPage* Music;
    OptionsAgentPage* Agent;
    QPushButton* ButOK;
    QPushButton* ButCancel;

protected:
    // The close box counts as OK.
    void closeEvent(QCloseEvent* event) override;
    // Escape is Cancel.
    void reject() override;
};
