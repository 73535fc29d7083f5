// The figure on a real X display: it shows where it stands, and a click beside it reaches the
// window below, because the window is shaped to the figure.
#include "TestCharacter.h"
#include "agent/engine/AgentCharacter.h"
#include "agent/engine/BalloonWindow.h"
#include "agent/engine/CharacterEngine.h"
#include "agent/engine/CharacterWindow.h"
#include "agent/engine/SilentVoice.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

namespace {
// A plain window under the figure that counts the clicks it gets.
class Below : public QWidget {
public:
    QList<QPoint> clicks;

protected:
    void mousePressEvent(QMouseEvent* event) override { clicks << event->globalPosition().toPoint(); }
};

bool click(QPoint at) {
    return QProcess::execute(QStringLiteral("xdotool"),
                             {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
                              QStringLiteral("click"), QStringLiteral("1")}) == 0;
}
} // namespace

class TestCharacterWindow : public QObject {
    Q_OBJECT

private slots:
    void showsTheFigureAndLetsClicksBesideItThrough() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) QSKIP("needs an X display");
        if (QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) QSKIP("needs xdotool");
        Below below;
        below.setStyleSheet(QStringLiteral("background: white"));
        below.setGeometry(0, 0, 800, 600);
        below.show();
        QVERIFY(QTest::qWaitForWindowExposed(&below));

        QTemporaryDir dir;
        AgentCharacter character(LoadCharacterFolder(WriteTestCharacter(dir)).Character,
                                 std::make_unique<SilentVoice>());
        character.Engine().SetSize(QSize(160, 240)); // 400 %: the figure covers x 40..120 of the window
        character.Engine().SetPosition(QPoint(200, 100));
        character.Show();
        QTRY_VERIFY(character.Window().isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&character.Window()));
        QTRY_VERIFY(!character.Engine().Busy());
        QTest::qWait(300);

        // The figure's blue is on the screen where it stands, the white of the window below beside it.
        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const QColor figure = screen.pixelColor(200 + 80, 100 + 120);
        QVERIFY2(figure.blue() > 150 && figure.red() < 100, qPrintable(figure.name()));
        QCOMPARE(screen.pixelColor(200 + 10, 100 + 120), QColor(Qt::white));

        // A click beside the figure, inside its window's rectangle, reaches the window below.
        QVERIFY(click(QPoint(200 + 10, 100 + 120)));
        QTRY_COMPARE(below.clicks.size(), 1);
        QCOMPARE(below.clicks.first(), QPoint(210, 220));
        // One on the figure does not; the figure's window takes it.
        QVERIFY(click(QPoint(200 + 80, 100 + 120)));
        QTest::qWait(300);
        QCOMPARE(below.clicks.size(), 1);
        // It never took the keyboard from the window below.
        QVERIFY(!character.Window().isActiveWindow());
    }

    void theBalloonFitsOnTheScreen() {
        if (QGuiApplication::platformName() != QStringLiteral("xcb")) QSKIP("needs an X display");
        BalloonWindow balloon;
        const QString text = QStringLiteral("Greetings! I will keep you company while you browse the web "
                                            "this festive season, and read pages to you.");
        balloon.Start(false, text);
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        // A figure in the top right corner: the balloon goes below it and stays inside the screen.
        balloon.PlaceBeside(QRect(area.right() - 60, area.top(), 60, 80));
        QVERIFY(area.contains(balloon.geometry()));
        QVERIFY(balloon.geometry().top() >= area.top() + 70);
        // Every line of the text has room.
        const QFontMetrics metrics(balloon.font());
        const int inner = balloon.width() - 20;
        QVERIFY(metrics.boundingRect(QRect(0, 0, inner, 10000), Qt::TextWordWrap, text).height() <=
                balloon.height() - 36);
        balloon.Reveal(3);
        QCOMPARE(balloon.ShownText(), QStringLiteral("Greetings! I will"));

        // A whole page read aloud: a balloonful on the screen, turning pages as the words come.
        QStringList words;
        for (int i = 0; i < 3000; ++i)
            words << QStringLiteral("word%1").arg(i);
        balloon.Start(false, words.join(u' '));
        QVERIFY(balloon.height() < 300);
        balloon.PlaceBeside(QRect(area.center(), QSize(60, 80)));
        QVERIFY(area.contains(balloon.geometry()));
        const int pageWidth = balloon.width() - 20;
        QStringList pages;
        for (int n = 1; n <= 200; ++n) {
            balloon.Reveal(n);
            const QString page = balloon.PageText();
            QVERIFY2(page.endsWith(words[n - 1]), qPrintable(page));
            QVERIFY(metrics.boundingRect(QRect(0, 0, pageWidth, 10000), Qt::TextWordWrap, page).height() <=
                    balloon.height() - 36);
            if (page == words[n - 1]) pages << page;
        }
        QVERIFY(pages.size() >= 3); // turned to fresh pages, each starting with the newest word
        balloon.Reveal(3000);       // the end: the last balloonful, not the last word alone
        QVERIFY(balloon.PageText().endsWith(QStringLiteral("word2999")));
        QVERIFY(balloon.PageText().split(u' ').size() > 10);
        QCOMPARE(balloon.ShownText().split(u' ').size(), 3000);
    }
};

QTEST_MAIN(TestCharacterWindow)
#include "test_character_window.moc"
