#include "agent/scripts/ScriptEngine.h"

#include "agent/scripts/ScriptCounters.h"
#include "agent/scripts/ScriptStage.h"

#include <QRandomGenerator>

namespace {
const QString kMidi = QStringLiteral(R"(\Map="middy"="MIDI"\)");
const QChar kQuote = QLatin1Char('"');

QString first(const QVariantList& extra) {
    return extra.isEmpty() ? QString() : extra.first().toString();
}
} // namespace

ScriptEngine::ScriptEngine(ScriptStage& stage, const ScriptSurroundings& surroundings)
    : Random([] { return QRandomGenerator::global()->generateDouble(); })
    , stage_(stage)
    , at_(surroundings) {
    addScripts();
    addTips();
}

void ScriptEngine::Perform(const QString& key, const QVariantList& extra) {
    const auto found = scripts_.constFind(key);
    if (found != scripts_.constEnd()) (*found)(extra);
}

int ScriptEngine::randomPercent() const {
    return int(Random() * 100);
}

QRect ScriptEngine::musicBox() const {
    return at_.MusicBox ? at_.MusicBox() : QRect();
}

void ScriptEngine::addScripts() {
    ScriptStage& s = stage_;
    // A script that plays an animation, says its lines and plays the animation's return.
    auto framed = [&s](const QString& animation, QStringList lines) {
        return [&s, animation, lines](const QVariantList&) {
            s.Play(animation);
            for (const QString& line : lines)
                s.Speak(line);
            s.Play(animation + QStringLiteral("Return"));
        };
    };
    auto limited = [](const QString& name, int limit, Performance performance) {
        return [name, limit, performance](const QVariantList& extra) {
            if (ScriptCounters::NotExpired(name, limit)) performance(extra);
        };
    };

    scripts_.insert(QStringLiteral("startup"), [this](const QVariantList&) { startup(); });
    scripts_.insert(QStringLiteral("page_loaded"),
                    [&s](const QVariantList&) { s.Play(QStringLiteral("Acknowledge")); });
    scripts_.insert(QStringLiteral("bulb_dropped"),
                    limited(QStringLiteral("bulb_dropped"), 4, [&s](const QVariantList&) {
                        s.Speak(QStringLiteral("You are creating a RivadOvov that you can later click on to "
                                               "return to the site represented by the bulb."));
                        s.Speak(QStringLiteral("Please choose an icon design, or press Escape to cancel."));
                    }));
    scripts_.insert(
        QStringLiteral("bulb_dropped_bad"),
        framed(QStringLiteral("Alert"), {QStringLiteral("You cannot create a RivadOvov there. Try "
                                                        "dropping the bulb on some open space.")}));
    scripts_.insert(
        QStringLiteral("bulb_dropped_cancel"),
        limited(QStringLiteral("bulb_dropped_cancel"), 25,
                framed(QStringLiteral("Decline"), {QStringLiteral("No RivadOvov has been created.")})));
    scripts_.insert(
        QStringLiteral("bulb_dropped_success"),
        limited(QStringLiteral("bulb_dropped_success"), 25,
                framed(QStringLiteral("Pleased"), {QStringLiteral("A new RivadOvov has been created.")})));
    scripts_.insert(
        QStringLiteral("desktop_not_loaded"),
        framed(QStringLiteral("Sad"), {QStringLiteral("The desktop RivadOvovs could not be loaded.")}));
    scripts_.insert(QStringLiteral("desktop_not_saved"), [&s](const QVariantList& extra) {
        s.Play(QStringLiteral("Sad"));
        s.Speak(QStringLiteral("The following error occurred while trying to save the desktop RivadOvovs to "
                               "disk:  ") +
                first(extra));
        s.Play(QStringLiteral("SadReturn"));
    });
    scripts_.insert(
        QStringLiteral("help_about"),
        framed(QStringLiteral("Explain"),
               {QStringLiteral("You are running Varnholt Software Glisterwood 99, version 1.0.")}));
    scripts_.insert(QStringLiteral("midi_busy"), [&s](const QVariantList& extra) {
        s.Play(QStringLiteral("Sad"));
        s.Speak(QStringLiteral("I'm sorry, but I cannot play ") + kQuote + first(extra) + kQuote +
                QStringLiteral(" while another program is playing a ") + kMidi + QStringLiteral(" file."));
        s.Play(QStringLiteral("SadReturn"));
    });
    scripts_.insert(QStringLiteral("music_start"), [this, &s](const QVariantList&) {
        if (randomPercent() > 50) s.Speak(QStringLiteral("Let's rock!|Sing along!"));
    });
    scripts_.insert(QStringLiteral("music_song_skipped"), [&s](const QVariantList& extra) {
        s.Play(QStringLiteral("Decline"));
        s.Speak(QStringLiteral("I skipped ") + kQuote + first(extra) + kQuote + QStringLiteral(": ") +
                extra.value(1).toString() + QStringLiteral("."));
    });
    scripts_.insert(
        QStringLiteral("music_none_playable"),
        framed(QStringLiteral("Sad"), {QStringLiteral("None of the songs in your music folders "
                                                      "can be played, so the music box is off.")}));
    scripts_.insert(QStringLiteral("music_downloading"), [&s](const QVariantList&) {
        s.Play(QStringLiteral("Processing"));
        s.Speak(QStringLiteral("Downloading file, please wait..."));
    });
    scripts_.insert(QStringLiteral("music_download_failed"),
                    framed(QStringLiteral("Sad"),
                           {QStringLiteral("Sorry, but the file could not be downloaded for some reason.")}));
    scripts_.insert(
        QStringLiteral("music_newsongfilename"),
        limited(QStringLiteral("music_newsongfilename"), 3, [&s](const QVariantList&) {
            s.Speak(QStringLiteral("Please provide a file name for this song."));
            s.Speak(QStringLiteral(
                "A good choice is to use the name of the song.|I recommend using the name of the song."));
        }));
    scripts_.insert(QStringLiteral("opt_agent_restore"), [&s](const QVariantList&) {
        s.Play(QStringLiteral("Announce"));
        s.Speak(QStringLiteral("I have a number of scripts that I use to explain parts of the Glisterwood "
                               "interface and other commands."));
        s.Play(QStringLiteral("AnnounceReturn"));
        s.Speak(QStringLiteral(
            "Some of these scripts are only used a few times because otherwise you'd get tired of them."));
        s.Play(QStringLiteral("Explain"));
        s.Speak(QStringLiteral("If you restore the scripts, then I'll start to use them again."));
        s.Play(QStringLiteral("ExplainReturn"));
        s.Speak(QStringLiteral("Are you sure that you want to restore the scripts?"));
    });
    scripts_.insert(
        QStringLiteral("opt_agent_restore_done"),
        framed(QStringLiteral("Announce"), {QStringLiteral("All Agent scripts have been restored.")}));
    scripts_.insert(
        QStringLiteral("opt_agent_restore_cancel"),
        framed(QStringLiteral("Announce"), {QStringLiteral("The Agent scripts have not been restored.")}));
    scripts_.insert(QStringLiteral("opt_bg_dblclick"),
                    limited(QStringLiteral("opt_bg_dblclick"), 2, [&s](const QVariantList&) {
                        s.Speak(
                            QStringLiteral("You can also double click on a background style to preview it."));
                    }));
    scripts_.insert(QStringLiteral("opt_music_folder_add"),
                    limited(QStringLiteral("opt_music_folder_add"), 3,
                            framed(QStringLiteral("Wave"),
                                   {QStringLiteral("Please select the folder that contains the ") + kMidi +
                                    QStringLiteral(" songs you'd like to hear.")})));
    scripts_.insert(
        QStringLiteral("opt_music_folder_open"),
        limited(
            QStringLiteral("opt_music_folder_open"), 4,
            framed(QStringLiteral("Suggest"),
                   {QStringLiteral("All ") + kMidi +
                        QStringLiteral(" files in this folder can be played by Glisterwood."),
                    QStringLiteral("You can add songs to the folder, or remove songs from the folder.")})));
    scripts_.insert(QStringLiteral("opt_noagent"),
                    framed(QStringLiteral("Sad"),
                           {QStringLiteral("Bummer!|I hate being turned off!|This sucks!|Bye bye!")}));
    scripts_.insert(QStringLiteral("opt_useagent"),
                    framed(QStringLiteral("Pleased"),
                           {QStringLiteral("Cool!|Thanks for turning me back on!|Joy!|I feel so alive!")}));
    scripts_.insert(QStringLiteral("whatsthis_bookmarks"),
                    [this](const QVariantList&) { whatsThisBookmarks(); });
    scripts_.insert(QStringLiteral("whatsthis_card"),
                    [this](const QVariantList& extra) { whatsThisCard(extra); });
    scripts_.insert(QStringLiteral("whatsthis_music"), [this](const QVariantList&) { whatsThisMusic(); });
    scripts_.insert(QStringLiteral("whatsthis_tab"), [this](const QVariantList&) { whatsThisTab(); });
}

void ScriptEngine::startup() {
    ScriptStage& s = stage_;
    const QSize screen = s.ScreenSize();
    const QSize figure = s.CharSize();
    // Near the middle of the screen, then near its lower right corner, where nothing is hidden.
    s.MoveToFreePlace(screen.width() / 2 - figure.width() / 2, screen.height() / 3);
    s.Show();
    s.Play(QStringLiteral("Pleased"));
    s.Speak(QStringLiteral("Merry Christmas!|Hello!|Thanks for using Varnholt Software Glisterwood 99!"));
    s.MoveToFreePlace(screen.width() - figure.width() - 32, screen.height() - figure.height() - 32);
    if (!ScriptCounters::NotExpired(QStringLiteral("startup"), 2)) return;
    s.Play(QStringLiteral("Announce"));
    s.Speak(QStringLiteral("Howdy!  My name is ") + s.CharName() +
            QStringLiteral("!  I'm here to add to your enjoyment while surfing the web."));
    s.Play(QStringLiteral("AnnounceReturn"));
    s.Speak(QStringLiteral("You can right-click on me at any time to see some extra commands."));
    s.Play(QStringLiteral("Explain"));
    s.Speak(QStringLiteral("Glisterwood has a unique interface, so feel free to explore."));
    s.Play(QStringLiteral("Suggest"));
    s.Speak(
        QStringLiteral("Here's a tip:  The Back and Forward buttons, when visible, appear as fingers at the "
                       "top corners of the browser window."));
    s.Play(QStringLiteral("SuggestReturn"));
    s.Speak(
        QStringLiteral("Almost everything in Glisterwood has a ToolTip, so you can hover the mouse over any "
                       "object to get a brief description of it."));
    s.Play(QStringLiteral("Pleased"));
    s.Speak(QStringLiteral("I hope you enjoy using Glisterwood 99!"));
    s.Play(QStringLiteral("PleasedReturn"));
}

void ScriptEngine::whatsThisBookmarks() {
    ScriptStage& s = stage_;
    const std::optional<ScriptSurroundings::Bookmark> item =
        at_.SelectedBookmark ? at_.SelectedBookmark() : std::nullopt;
    if (item) {
        s.PointAt(QRectF(item->Rect.left(), item->Rect.top(), 32, 32), at_.BookmarkList);
        s.SpeakAndAutoHide(QStringLiteral("Double click on this bookmark to go to ") + kQuote + item->Text +
                           kQuote + QLatin1Char('.'));
        s.PointReturn();
    } else {
        s.Play(QStringLiteral("RestPose"));
        s.Speak(QStringLiteral("This is your list of bookmarks."));
        s.Speak(QStringLiteral("Bookmarks are a handy way to keep track of web sites that you like."));
        s.Speak(
            QStringLiteral("You can change a bookmark's icon by right-clicking on the bookmark and choosing "
                           "the Properties command from the pop-up menu."));
    }
    s.PointReturn();
}

void ScriptEngine::whatsThisCard(const QVariantList& extra) {
    ScriptStage& s = stage_;
    const QPoint card = at_.ContextCard ? at_.ContextCard().value_or(QPoint()) : QPoint();
    s.PointAt(QRectF(card.x(), card.y(), 32, 32));
    const QString target = kQuote + first(extra) + kQuote + QLatin1Char('.');
    if (ScriptCounters::NotExpired(QStringLiteral("whatsthis_card"), 5)) {
        s.Speak(
            QStringLiteral("This is a RivadOvov which gives you single-click access to a particular site on "
                           "the World Wide Web."));
        s.Speak(QStringLiteral("A single click on it will take you to ") + target);
    } else {
        s.Speak(QStringLiteral("A single click on this RivadOvov will take you to ") + target);
    }
    s.PointReturn();
}

void ScriptEngine::whatsThisMusic() {
    ScriptStage& s = stage_;
    const QRect box = musicBox();
    s.PointAt(QRectF(box.left(), box.top(), 32, 32));
    s.Speak(QStringLiteral("This is the Music Box."));
    s.PointReturn();
    s.Play(QStringLiteral("StartListening"));
    switch (at_.MusicState ? at_.MusicState() : 0) {
    case 0:
    case 1:
        s.Speak(QStringLiteral(
            "I don't hear any music playing.  Click once on it to start playing Christmas music."));
        break;
    case 2:
        s.Speak(QStringLiteral(
            "I hear that Christmas music is playing.  Click once on the Music Box to stop the music."));
        break;
    case 3:
        s.Speak(QStringLiteral(
            "I hear that you've paused the music.  Click once on the Music Box to resume the music."));
        break;
    case 4:
        s.Speak(QStringLiteral(
            "It sounds like it's taking a slight delay before it plays another song.  If you'd "
            "like to hear another song immediately, just click once on it."));
        break;
    default:
        break;
    }
    s.Play(QStringLiteral("StartListeningReturn"));
    s.Speak(QStringLiteral("You can also right-click on it to get more options."));
}

void ScriptEngine::whatsThisTab() {
    ScriptStage& s = stage_;
    const QSize bar = at_.TabBorder ? at_.TabBorder() : QSize();
    s.PointAt(QRectF(0, 0, bar.width() / 2.0, bar.height()));
    s.Speak(QStringLiteral("This is the Button Bar."));
    s.Speak(QStringLiteral(
        "Click once on any button to view your bookmarks, your history list, or any open browser window."));
    s.PointReturn();
}
