// The options dialog's side of the window: the ways in, and what the dialog may touch.
#include "agent/AgentController.h"
#include "agent/AgentInfo.h"
#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/MainMenus.h"
#include "browse/PageEvents.h"
#include "dialogs/FormOptions.h"
#include "dialogs/OptionsCharacter.h"
#include "dialogs/OptionsEditor.h"

#include <QAction>

namespace {

// The program's character as the options dialog sees it. The character can be gone (at shut-down),
// so each call looks it up afresh.
class ControllerCharacter : public OptionsCharacter {
public:
    bool UseAgent() const override { return agent() && agent()->UseAgent(); }
    void SetUseAgent(bool use) override {
        if (agent()) agent()->SetUseAgent(use);
    }
    QString CurName() const override { return agent() ? agent()->CurName() : QString(); }
    QString CurBaseName() const override { return agent() ? agent()->CurBaseName() : QString(); }
    int SizeFactor() const override { return agent() ? agent()->SizeFactor() : 4; }
    void SetSizeFactor(int factor) override {
        if (agent()) agent()->SetSizeFactor(factor);
    }
    void RememberCurSizeFactor() override {
        if (agent()) agent()->RememberCurSizeFactor();
    }
    void RecallSizeFactor() override {
        if (agent()) agent()->RecallSizeFactor();
    }
    void SaveSizeFactor() override {
        if (agent()) agent()->SaveSizeFactor();
    }
    void SelectAgent(const QString& name) override {
        if (agent()) agent()->SelectAgent(name, false);
    }
    void BringBack() override {
        if (agent()) agent()->BringBack();
    }
    void Script(const QString& name, bool immediately) override {
        if (agent()) agent()->Script(name, immediately);
    }
    QStringList CharacterFolders() const override {
        return agent() ? agent()->Info().Folders() : AgentInfo::DefaultFolders();
    }
    void ShowStandardProperties() override {
        if (agent()) agent()->ShowStandardProperties();
    }

private:
    static AgentController* agent() { return App().Agent.get(); }
};

} // namespace

void FormMain::connectOptions() {
    static ControllerCharacter character; // holds nothing of its own, so one serves every window
    OptionsHost host;
    host.DrawBackground = [this](int n) { DrawBackground(n); };
    host.StatusText = [this](const QString& text) { m_.Events->SetStatusBarText(text); };
    host.Character = &character;
    host.Prefs = &App().Prefs;
    m_.Options = std::make_unique<OptionsEditor>(std::move(host), this);

    const MainMenus& m = *ui_.Menus;
    connect(m.ItemEditOptions, &QAction::triggered, this, [this] { EditOptions(FormOptions::PageGeneral); });
    connect(this, &FormMain::musicPropertiesRequested, this, [this] { EditOptions(FormOptions::PageMusic); });
}

void FormMain::EditOptions(FormOptions::Page page) {
    m_.Options->EditOptions(page);
}
