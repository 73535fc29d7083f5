#include "dialogs/OptionsEditor.h"

#include "base/Preferences.h"
#include "base/ProductProfile.h"
#include "base/RegUtil.h"
#include "browse/WinShell.h"
#include "dialogs/FormOptions.h"
#include "dialogs/OptionsAgentPage.h"
#include "dialogs/OptionsCharacter.h"
#include "dialogs/OptionsGeneralPage.h"
#include "dialogs/OptionsMusicPage.h"
#include "music/MusicSettings.h"

#include <QMessageBox>

OptionsEditor::OptionsEditor(OptionsHost host, QWidget* owner)
    : host_(std::move(host))
    , owner_(owner) {
    if (!host_.BrowseForFolder) host_.BrowseForFolder = WinShell::BrowseForFolder;
    if (!host_.OpenFolder) host_.OpenFolder = WinShell::OpenFolder;
    if (!host_.AskYesNo)
        host_.AskYesNo = [](QWidget* owner, const QString& question) {
            return QMessageBox::question(owner, ProductProfile().Product_Name(), question,
                                         QMessageBox::Yes | QMessageBox::No,
                                         QMessageBox::Yes) == QMessageBox::Yes;
        };
}

OptionsEditor::~OptionsEditor() {
    delete dialog_.data();
}

bool OptionsEditor::OptionsOpen() const {
    return !dialog_.isNull();
}

FormOptions* OptionsEditor::Dialog() const {
    return dialog_.data();
}

QString OptionsEditor::SaveFailedText() {
    return QStringLiteral("Your options could not be saved: the settings file cannot be written.");
}

void OptionsEditor::EditOptions(int page) {
    if (dialog_) {
        // A character command can ask again while the dialog is up.
        dialog_->raise();
        dialog_->activateWindow();
        return;
    }
    auto* dialog = new FormOptions(host_, owner_);
    dialog_ = dialog;
    connect(dialog, &QDialog::finished, this, [this, dialog] { dialogFinished(*dialog); });
    dialog->Init(page);
    dialog->ShowDialog(1);
}

void OptionsEditor::dialogFinished(FormOptions& dialog) {
    if (dialog.Result == ResultOK)
        applyOK(dialog);
    else
        undoCancel(dialog);
    dialog_.clear();
    dialog.deleteLater();
    // The keys go back to the window, also where no window manager hands them on.
    if (owner_) owner_->activateWindow();
    emit done();
}

void OptionsEditor::undoCancel(FormOptions& dialog) {
    const int background = host_.Prefs->Values().BackgroundIndex;
    if (dialog.General->fgGenBackgroundIndex != background && host_.DrawBackground)
        host_.DrawBackground(background);
    host_.Character->RecallSizeFactor();
}

void OptionsEditor::applyOK(FormOptions& dialog) {
    // Only a previewed background is on show, so only that one is kept.
    Preferences chosen = host_.Prefs->Values();
    chosen.StartupPage = dialog.General->ChosenStartupPage();
    chosen.SearchPage = dialog.General->ChosenSearchPage();
    chosen.BackgroundIndex = dialog.General->fgGenBackgroundIndex;
    host_.Prefs->Save(chosen);

    Music::Settings& music = Music::MusicSettings();
    music.MusicFrequency = dialog.Music->MusicOptFreq_Value;
    music.MusicFolders = dialog.Music->ChosenFolders();
    music.PlayTheme = dialog.Music->PlayThemeChecked() ? 1 : 0;
    Music::SaveMusicSettings();

    OptionsCharacter& agent = *host_.Character;
    agent.SetUseAgent(dialog.Agent->UseAgentChecked());
    if (dialog.Agent->ChosenAgentName != agent.CurBaseName())
        agent.SelectAgent(dialog.Agent->ChosenAgentName);
    // Switched off and on again: a character the user hid comes back.
    if (dialog.Agent->UseAgentChecked() && dialog.Agent->UseAgentTicked) agent.BringBack();
    agent.SaveSizeFactor();

    if (!RegUtil::SettingsWritable() && host_.StatusText) host_.StatusText(SaveFailedText());
}
