// The music box and its menu on the window, connected to the jukebox and the song downloads.
#include "app/CharacterRequests.h"
#include "app/FormMain.h"
#include "app/MainMenus.h"
#include "base/ProductProfile.h"
#include "browse/Browsers.h"
#include "browse/PageEvents.h"
#include "decor/PointerGestures.h"
#include "music/Jukebox.h"
#include "music/Midi.h"
#include "music/SongDownload.h"
#include "music/VolumeControl.h"
#include "music/box/MusicBox.h"

#include <QAction>
#include <QMenu>

void FormMain::connectMusic() {
    using Music::MusicCommand;
    MainMenus& m = *ui_.Menus;
    Music::Jukebox* music = m_.Jukebox.get();
    Music::SongDownload* downloads = m_.SongDownloads.get();
    CharacterRequests* character = m_.Character.get();
    Music::MusicBox* box = ui_.ImgRadio;
    auto on = [this](QAction* action, auto handler) { connect(action, &QAction::triggered, this, handler); };

    on(m.ItemMusicPlay, [music] { music->Run(MusicCommand::Play); });
    on(m.ItemMusicPause, [music] { music->Run(MusicCommand::Pause); });
    on(m.ItemMusicResume, [music] { music->Run(MusicCommand::Resume); });
    on(m.ItemMusicStop, [music] { music->Run(MusicCommand::Stop); });
    on(m.ItemMusicNextSong, [music] { music->Run(MusicCommand::NextTune); });
    on(m.ItemMusicGetMoreTunes, [this] {
        if (const QString address = ProductProfile().Product_GetMoreTunesPage(); !address.isEmpty())
            m_.Pages->OpenInNewBrowser(address);
    });
    on(m.ItemMusicVolume, [this] {
        if (!Music::OpenVolumeControl()) m_.Events->SetStatusBarText(Music::NoVolumeControlText());
    });
    on(m.ItemMusicWhatsThis, [character] { character->Script(QStringLiteral("whatsthis_music"), true); });
    // The options dialog connects to this signal to open on its Music page.
    on(m.ItemMusicProperties, [this] { emit musicPropertiesRequested(); });

    connect(box, &Music::MusicBox::clicked, music, &Music::Jukebox::Click);
    connect(box, &Music::MusicBox::filesDropped, music, &Music::Jukebox::FilesDropped);
    // The download starts once the drop is over, so the dragging program is not kept waiting.
    connect(box, &Music::MusicBox::textDropped, downloads, &Music::SongDownload::DownloadSong,
            Qt::QueuedConnection);
    connect(music, &Music::Jukebox::boxSwitched, box, &Music::MusicBox::ShowSwitchedOn);
    connect(music, &Music::Jukebox::menuChanged, this, [this](const Music::MusicMenuState& menu) {
        MainMenus& items = *ui_.Menus;
        items.ItemMusicPlay->setVisible(menu.play);
        items.ItemMusicPause->setVisible(menu.pause);
        items.ItemMusicResume->setVisible(menu.resume);
        items.ItemMusicStop->setVisible(menu.stop);
        items.ItemMusicNextSong->setVisible(menu.nextTune);
        ui_.ImgRadio->setToolTip(menu.toolTip);
    });
    connect(m_.Gestures.get(), &PointerGestures::menuRequested, this, [this](int kind, int, QPoint at) {
        if (kind == PointerGestures::KindMusicBox) showMusicMenu(at);
    });
}

void FormMain::showMusicMenu(QPoint globalAt) {
    MainMenus& m = *ui_.Menus;
    QAction* items[] = {m.ItemMusicPlay, m.ItemMusicPause, m.ItemMusicResume, m.ItemMusicStop,
                        m.ItemMusicNextSong};
    m.MenuMusic->setDefaultAction(items[int(Music::DefaultMusicItem(Midi::MusicState()))]);
    m.MenuMusic->popup(globalAt);
}
