#include "agent/scripts/ScriptEngine.h"
#include "agent/scripts/ScriptStage.h"

#include <algorithm>

// The eleven tips the character gives when asked. They never wear out, but a tip does not come
// back until four others have been given. After a tip the character stands where it hides nothing.

void ScriptEngine::GiveTip() {
    int tip = 0;
    do {
        tip = 1 + int(Random() * 11);
    } while (std::find(std::begin(RecentTips), std::end(RecentTips), tip) != std::end(RecentTips));
    std::copy(std::begin(RecentTips) + 1, std::end(RecentTips), std::begin(RecentTips));
    RecentTips[3] = tip;
    stage_.Stop(); // the tip cuts off whatever the character was doing
    performTip(tip);
    stage_.ReturnToFreePlace(); // out of the way again after pointing at something
}

void ScriptEngine::performTip(int tip) {
    const auto found = tips_.constFind(tip);
    if (found != tips_.constEnd()) (*found)();
}

void ScriptEngine::addTips() {
    ScriptStage& s = stage_;
    auto rect = [](const std::function<QRect()>& of) { return of ? of() : QRect(); };

    tips_.insert(1, [this, &s, rect] {
        const QRect strip = rect(at_.TopBulbRegion);
        s.MoveToGestureAt(strip.left(), strip.top(), 1024, 16);
        s.Speak(
            QStringLiteral("The string of bulbs around the browser window grows as you visit each new site.  "
                           "It's a visual history list."));
    });
    tips_.insert(2, [this, &s, rect] {
        const QRect strip = rect(at_.TopBulbBackground);
        s.PointAt(QRectF(strip.left(), strip.top(), 32, 16));
        s.Speak(QStringLiteral("You can drag a bulb from around the browser window..."));
        const QRect browser = rect(at_.BrowserArea);
        s.MoveTo(browser.left() - s.CharSize().width(), browser.height() / 2);
        s.Play(QStringLiteral("GestureDown"));
        s.Speak(QStringLiteral("...and drop it on the desktop to create a permanent 'RivadOvov' bookmark."));
        s.Play(QStringLiteral("Explain"));
        s.Speak(QStringLiteral(
            "You can single-click on a RivadOvov at any later time to return to that web page."));
        s.Play(QStringLiteral("RestPose"));
        s.Speak(QStringLiteral("RivadOvovs are saved when you exit Glisterwood.  Bulbs are not."));
    });
    tips_.insert(3, [&s] {
        s.RandomizePosition(75);
        s.Play(QStringLiteral("Greet"));
        s.Speak(QStringLiteral("If you want to hide me, just right-click on me and choose Hide."));
        s.Play(QStringLiteral("Explain"));
        s.Speak(QStringLiteral("To get me back, right-click on the Agent icon in the system tray."));
    });
    tips_.insert(4, [&s] {
        s.RandomizePosition(75);
        s.Play(QStringLiteral("Suggest"));
        s.Speak(QStringLiteral(
            "Almost everything in Glisterwood works with just a single click of the left mouse "
            "button."));
        s.Speak(QStringLiteral("You can also right-click on most things to get a pop-up menu."));
    });
    tips_.insert(5, [this, &s] {
        s.PointAt(musicBox());
        s.Speak(QStringLiteral(
            "Use the Music Box to play cheery holiday music.  A single click is all it takes to "
            "start or stop the music!"));
        s.PointReturn();
    });
    tips_.insert(6, [&s] {
        s.RandomizePosition(75);
        s.Play(QStringLiteral("Announce"));
        s.Speak(QStringLiteral("You can easily add new songs to the Music Box.  Just drag the "
                               R"(\Map="middy"="MIDI"\)"
                               " file from a web page, drop it onto the Music Box, and presto!"));
        s.Play(QStringLiteral("DoMagic1"));
        s.Play(QStringLiteral("DoMagic2"));
        s.Speak(QStringLiteral("the song file is automatically downloaded and played."));
    });
    tips_.insert(7, [this] { cornerTip(); });
    tips_.insert(8, [this, &s] {
        s.RandomizePosition(75);
        s.Play(QStringLiteral("Suggest"));
        s.Speak(QStringLiteral("It's easy to get some new music for Glisterwood to play."));
        s.PointAt(musicBox());
        s.Speak(QStringLiteral("Just right-click on the Music Box and choose the 'Get more music' command."));
        s.Play(QStringLiteral("RestPose"));
    });
    tips_.insert(9, [&s] {
        s.RandomizePosition(75);
        s.Play(QStringLiteral("Surprised"));
        s.Speak(QStringLiteral("Have you seen the Links menu?"));
        s.Speak(QStringLiteral("It shows you all of the links available on the current web page."));
        s.Play(QStringLiteral("Pleased"));
        s.Speak(QStringLiteral("Just another innovative feature of Glisterwood 99!"));
    });
    tips_.insert(10, [this, &s] {
        s.RandomizePosition(25);
        s.Play(QStringLiteral("Announce"));
        s.Speak(QStringLiteral("Varnholt Software offers custom versions of Glisterwood!"));
        s.Play(QStringLiteral("Explain"));
        s.Speak(
            QStringLiteral("We can change just about every aspect of the browser, including the graphics, "
                           "various interface elements, and the start-up page."));
        s.Play(QStringLiteral("Pleased"));
        s.Speak(QStringLiteral("For more information, just send email to ") +
                QStringLiteral(R"(\ctx="E-mail"\)") + MakerEmail + QLatin1Char('.'));
        s.Play(QStringLiteral("RestPose"));
    });
    tips_.insert(11, [&s] {
        s.RandomizePosition(100);
        s.Play(QStringLiteral("Sad"));
        s.Speak(QStringLiteral("There are many people less fortunate than you or I this Christmas season."));
        s.Play(QStringLiteral("Suggest"));
        s.Speak(QStringLiteral(
            "Why not consider donating some time or money to a worthy cause in your community?"));
        s.Play(QStringLiteral("RestPose"));
    });
}

void ScriptEngine::cornerTip() {
    struct Button {
        ScriptSurroundings::CornerButton Which;
        QString Shown, Hidden;
    };
    const Button buttons[] = {
        {ScriptSurroundings::Back, QStringLiteral("The hand pointing left is the Back button."),
         QStringLiteral(
             "A hand pointing to the left will appear in this corner when you can go Back to a prior "
             "page.")},
        {ScriptSurroundings::Forward, QStringLiteral("The hand pointing right is the Forward button."),
         QStringLiteral(
             "When you can go Forward to the next page, a hand pointing to the right will appear.  "
             "Click on the hand to go Forward.")},
        {ScriptSurroundings::Stop,
         QStringLiteral("You can click on the Stop button while a page is loading."),
         QStringLiteral("A clickable Stop button will appear in this corner while a page is loading.")},
        {ScriptSurroundings::Reload,
         QStringLiteral(R"(You can click on the \map="re load"="Reload"\ button to force this page to )"
                        R"(\map="re load"="reload"\.)"),
         QStringLiteral("A Reload button will appear in this corner after a page has loaded.  Click on the "
                        "button to force the current page to reload.")},
    };
    for (const Button& button : buttons) {
        const ScriptSurroundings::Corner corner =
            at_.CornerButtonAt ? at_.CornerButtonAt(button.Which) : ScriptSurroundings::Corner{};
        stage_.PointAt(corner.Rect);
        stage_.Speak(corner.Visible ? button.Shown : button.Hidden);
    }
    stage_.RandomizePosition(100);
}
