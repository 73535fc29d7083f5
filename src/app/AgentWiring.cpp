// The character's side of the window: what its scripts point at, and its commands.
#include "agent/AgentController.h"
#include "agent/commands/CommandMailbox.h"
#include "agent/voice/VoiceListener.h"
#include "app/AppGlobals.h"
#include "app/AssistantTray.h"
#include "app/CharacterRequests.h"
#include "app/DialogWatch.h"
#include "app/FormMain.h"
#include "app/MainMenus.h"
#include "app/Widgets.h"
#include "bookmarks/BookmarkView.h"
#include "bookmarks/Cards.h"
#include "bookmarks/DesktopCards.h"
#include "browse/LinksMenu.h"
#include "browse/PageEvents.h"
#include "decor/DesktopSurface.h"
#include "music/box/MusicBox.h"

#include <QAbstractItemView>
#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QTabBar>

namespace {
QRect onScreen(const QWidget* widget) {
    return {widget->mapToGlobal(QPoint(0, 0)), widget->size()};
}
} // namespace

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
    at.StandingGround = [this] { return standingGround(); };
    agent.Settle(); // a character loaded before the window was there may stand in its way

    // Out of the way of every dialog that opens, and of those open already.
    CharacterRequests* character = m_.Character.get();
    auto* dialogs = new DialogWatch(
        [character = QPointer(character)](const QRect& dialog) {
            if (character) character->StepAside(dialog); // the watch outlives the modules by a moment
        },
        this);
    for (const QRect& open : dialogs->OpenDialogs())
        agent.StepAside(open);

    // A way back for a character the user hid: the Help menu, and the system tray where there is one.
    auto* tray = new AssistantTray(this);
    auto presence = [this, tray] {
        const AgentController* a = App().Agent.get();
        const bool hidden = a && a->Hidden();
        ui_.Menus->ItemHelpShowAssistant->setEnabled(hidden);
        tray->Update(a && a->CharLoaded(), hidden, a ? a->CurName() : QString());
    };
    connect(&agent, &AgentController::presenceChanged, this, presence);
    presence();
    connect(ui_.Menus->ItemHelpShowAssistant, &QAction::triggered, character, &CharacterRequests::BringBack);
    connect(tray, &AssistantTray::showRequested, character, &CharacterRequests::BringBack);
    connect(tray, &AssistantTray::hideRequested, character, &CharacterRequests::Hide);

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

FreePlace::Ground FormMain::standingGround() const {
    FreePlace::Ground ground;
    if (isMinimized()) return ground; // nothing of the window to keep clear of
    if (const QScreen* shownOn = screen()) ground.WorkArea = shownOn->availableGeometry();
    ground.Window = frameGeometry();
    ground.Avoid << onScreen(menuBar()) << onScreen(ui_.PicTabBorder) << onScreen(ui_.TabMain)
                 << onScreen(ui_.EditUrl) << onScreen(ui_.PicStatusBar);
    // The corners are kept clear also while empty: their buttons come and go with the page.
    for (const ImageButton* corner : {ui_.ImgGoBack, ui_.ImgGoForward, ui_.ImgStop, ui_.ImgReload})
        ground.Avoid << onScreen(corner);
    if (ui_.ImgRadio->isVisible()) ground.Avoid << onScreen(ui_.ImgRadio);
    for (int card = 1; card <= m_.Desktop->CardSlots(); ++card)
        if (const QLabel* image = m_.Desktop->Image(card);
            image && m_.Desktop->InUse(card) && image->isVisible())
            ground.Avoid << onScreen(image);
    ground.Avoid << DialogWatch::OpenDialogs();

    // The free surface: the snow columns left and right of the bulb strips, below the tab strip.
    const QWidget* surface = ui_.Surface;
    const int top = ui_.PicTabBorder->geometry().bottom() + 1;
    const int height = surface->height() - top;
    const int leftWidth = ui_.RegionBulbs[3]->x();
    const int rightStart = ui_.RegionBulbs[1]->geometry().right() + 1;
    for (const QRect& column :
         {QRect(0, top, leftWidth, height), QRect(rightStart, top, surface->width() - rightStart, height)})
        if (column.isValid())
            ground.Preferred << QRect(surface->mapToGlobal(column.topLeft()), column.size());
    return ground;
}
