// The character's side of the window: what its scripts point at, and its commands.
#include "agent/AgentController.h"
#include "agent/commands/CommandMailbox.h"
#include "agent/voice/VoiceListener.h"
#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/Widgets.h"
#include "bookmarks/BookmarkView.h"
#include "bookmarks/Cards.h"
#include "bookmarks/DesktopCards.h"
#include "browse/LinksMenu.h"
#include "browse/PageEvents.h"
#include "music/box/MusicBox.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>

void FormMain::connectAgent() {
    AgentController& agent = *App().Agent;
    agent.ClientToScreen = [this](QPoint client) { return mapToGlobal(client); };

    ScriptSurroundings& at = agent.Surroundings;
    at.TabBorder = [this] { return ui_.PicTabBorder->size(); };
    at.SelectedBookmark = [this]() -> std::optional<ScriptSurroundings::Bookmark> {
        QAbstractItemView* view = ui_.ListBookmarks->CurrentView();
        const QModelIndex item = view->currentIndex();
        if (!ui_.ListBookmarks->isVisible() || !item.isValid() || !view->selectionModel()->isSelected(item))
            return std::nullopt;
        return ScriptSurroundings::Bookmark{view->visualRect(item), item.data().toString()};
    };
    at.BookmarkList = [this](QPoint p) {
        return ui_.ListBookmarks->CurrentView()->viewport()->mapToGlobal(p);
    };
    at.ContextCard = [this]() -> std::optional<QPoint> {
        const int index = m_.CardRules->MenuCard();
        if (!m_.Desktop->InUse(index)) return std::nullopt;
        const CardRecord& card = m_.Desktop->Card(index);
        return QPoint(card.Left, card.Top);
    };
    at.MusicBox = [this] { return ui_.ImgRadio->geometry(); };
    at.TopBulbRegion = [this] { return layout_.regionBulbs[0]; };
    at.TopBulbBackground = [this] { return layout_.regionBulbs[0]; };
    at.BrowserArea = [this] { return layout_.pane(); };
    at.CornerButtonAt = [this](ScriptSurroundings::CornerButton which) {
        const ImageButton* buttons[] = {ui_.ImgGoBack, ui_.ImgGoForward, ui_.ImgStop, ui_.ImgReload};
        const ImageButton* button = buttons[which];
        return ScriptSurroundings::Corner{button->geometry(), button->isVisible()};
    };

    // A chosen command waits for the next tick, after the character's event has returned.
    m_.AgentCommands = std::make_unique<CommandMailbox>();
    CommandMailbox* mailbox = m_.AgentCommands.get();
    connect(&agent, &AgentController::command, mailbox, &CommandMailbox::Post);
    connect(mailbox, &CommandMailbox::commandDue, this, [](const QString& key) {
        if (App().Agent) App().Agent->Command(key);
    });
    connect(mailbox, &CommandMailbox::propertiesRequested, this,
            [this] { EditOptions(FormOptions::PageAgent); });
    connect(&agent, &AgentController::readThePageRequested, this, [this] { m_.Links->ReadThePage(); });
    // A character folder that was refused says why where the user looks; one refused while the
    // program started is told now.
    connect(&agent, &AgentController::characterRefused, m_.Events.get(), &PageEvents::SetStatusBarText);
    if (!agent.LastRefusal().isEmpty()) m_.Events->SetStatusBarText(agent.LastRefusal());

    // The same commands by voice, while the listening key is held.
    m_.Voice = std::make_unique<VoiceListener>(
        agent, [events = m_.Events.get()](const QString& text) { events->SetStatusBarText(text); });
}

void FormMain::disconnectAgent() {
    m_.Voice.reset();
    if (!App().Agent) return;
    App().Agent->ClientToScreen = nullptr; // the character may outlive the window
    App().Agent->Surroundings = {};
}
