// End to end: the built program, started as a user would on its own X display, looked at on the screen.
// The program runs with a private home; what it shows is judged from a screenshot of the whole display
// and from the top-level windows the X server knows.
#include "app/MainLayout.h"
#include "base/RegUtil.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace {

const QString kProgram = QStringLiteral(GW_PROGRAM);
const QString kOutputDir = QStringLiteral(GW_E2E_OUTPUT_DIR);
const QString kFailureTitle = QStringLiteral("Varnholt Software Glisterwood 99");

// ---- The X server's view of the windows ----

struct TopWindow {
    QString title;
    QRect geometry;
    qint64 pid = 0;
};

template <typename T> using XReply = std::unique_ptr<T, decltype(&std::free)>;

QByteArray windowProperty(xcb_connection_t* c, xcb_window_t w, xcb_atom_t property, xcb_atom_t type) {
    XReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(c, xcb_get_property(c, 0, w, property, type, 0, 4096), nullptr), std::free);
    if (!reply || reply->type == XCB_ATOM_NONE) return {};
    return QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                      xcb_get_property_value_length(reply.get()));
}

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    XReply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, uint16_t(qstrlen(name)), name), nullptr), std::free);
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The windows shown on the display (mapped children of the root: the display has no window manager).
QList<TopWindow> shownWindows() {
    QList<TopWindow> found;
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> c(xcb_connect(nullptr, nullptr),
                                                                   xcb_disconnect);
    if (xcb_connection_has_error(c.get())) return found;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c.get())).data->root;
    const xcb_atom_t netName = atom(c.get(), "_NET_WM_NAME");
    const xcb_atom_t utf8 = atom(c.get(), "UTF8_STRING");
    const xcb_atom_t netPid = atom(c.get(), "_NET_WM_PID");

    XReply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(c.get(), xcb_query_tree(c.get(), root), nullptr),
                                        std::free);
    if (!tree) return found;
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const xcb_window_t w = children[i];
        XReply<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(c.get(), xcb_get_window_attributes(c.get(), w), nullptr),
            std::free);
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) continue;
        XReply<xcb_get_geometry_reply_t> geometry(
            xcb_get_geometry_reply(c.get(), xcb_get_geometry(c.get(), w), nullptr), std::free);
        TopWindow window;
        if (geometry) window.geometry = QRect(geometry->x, geometry->y, geometry->width, geometry->height);
        QByteArray title = windowProperty(c.get(), w, netName, utf8);
        if (title.isEmpty()) title = windowProperty(c.get(), w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
        window.title = QString::fromUtf8(title);
        const QByteArray pid = windowProperty(c.get(), w, netPid, XCB_ATOM_CARDINAL);
        if (pid.size() == 4) window.pid = *reinterpret_cast<const quint32*>(pid.constData());
        found.append(window);
    }
    return found;
}

QList<TopWindow> shownWindowsOf(qint64 pid) {
    QList<TopWindow> mine;
    for (const TopWindow& w : shownWindows())
        if (w.pid == pid) mine.append(w);
    return mine;
}

QString describe(const QList<TopWindow>& windows) {
    QStringList lines;
    for (const TopWindow& w : windows)
        lines << QStringLiteral("\"%1\" %2x%3+%4+%5")
                     .arg(w.title)
                     .arg(w.geometry.width())
                     .arg(w.geometry.height())
                     .arg(w.geometry.x())
                     .arg(w.geometry.y());
    return lines.isEmpty() ? QStringLiteral("(none)") : lines.join(QStringLiteral(", "));
}

// ---- Reading the screenshot ----

QImage grabDisplay() {
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

bool near(QRgb a, QRgb b, int tolerance) {
    return qAbs(qRed(a) - qRed(b)) <= tolerance && qAbs(qGreen(a) - qGreen(b)) <= tolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= tolerance;
}

// The pale grey of menus, tabs and dialogs.
bool uiGrey(QRgb c) {
    const int low = qMin(qRed(c), qMin(qGreen(c), qBlue(c)));
    const int high = qMax(qRed(c), qMax(qGreen(c), qBlue(c)));
    return low >= 200 && high - low <= 12;
}

bool ink(QRgb c) {
    return qGray(c) < 110;
}

// The warm off-white of the welcome page's cards: plain white does not count.
bool cream(QRgb c) {
    const int warmth = qRed(c) - qBlue(c);
    return qRed(c) >= 235 && qGreen(c) >= 225 && qBlue(c) >= 195 && warmth >= 8 && warmth <= 50;
}

// The window's desktop: the default holiday tile, laid from the desktop's top-left corner.
const QImage& defaultTile() {
    static const QImage tile =
        QImage(QStringLiteral(":/art/bg-01.png")).convertToFormat(QImage::Format_RGB32);
    return tile;
}

QRgb desktopColourAt(const QRect& desktop, int x, int y) {
    const QImage& tile = defaultTile();
    if (tile.isNull()) return qRgb(0, 0, 0);
    const int tx = ((x - desktop.left()) % tile.width() + tile.width()) % tile.width();
    const int ty = ((y - desktop.top()) % tile.height() + tile.height()) % tile.height();
    return tile.pixel(tx, ty);
}

bool desktopAt(const QRect& desktop, int x, int y, QRgb c) {
    return near(c, desktopColourAt(desktop, x, y), 10);
}

// The welcome page's night sky: dark, blue above all, and not the desktop's own picture.
bool pageNight(const QRect& desktop, int x, int y, QRgb c) {
    return qMax(qRed(c), qMax(qGreen(c), qBlue(c))) < 120 && qBlue(c) >= qRed(c) + 15 &&
           qBlue(c) >= qGreen(c) + 10 && !near(c, desktopColourAt(desktop, x, y), 12);
}

template <typename Test> double share(const QImage& image, const QRect& area, int step, Test test) {
    int hits = 0, all = 0;
    for (int y = area.top(); y <= area.bottom(); y += step)
        for (int x = area.left(); x <= area.right(); x += step, ++all)
            if (test(x, y, image.pixel(x, y))) ++hits;
    return all ? double(hits) / all : 0.0;
}

// What the main window should look like on a display of the screenshot's size, with the program's
// own layout arithmetic, once the menu bar's height is read off the screen.
struct MainWindowShot {
    explicit MainWindowShot(const QImage& shot)
        : image(shot) {
        // Down the right half, past the tabs: menu bar and tab border are grey, then the desktop's
        // picture starts.
        const int tabBorder = ComputeMainLayout({}).tabBorder.height();
        for (int y = 0; y < image.height() / 4 && menuBarHeight < 0; ++y) {
            const double grey = share(image, QRect(image.width() / 2, y, image.width() / 2 - 4, 1), 5,
                                      [](int, int, QRgb c) { return uiGrey(c); });
            if (grey < 0.3) menuBarHeight = y - tabBorder;
        }
        if (menuBarHeight <= 0) return;
        LayoutInput in;
        in.innerWidth = image.width();
        in.innerHeight = image.height() - menuBarHeight;
        in.screenHeightPx = image.height();
        const MainLayout layout = ComputeMainLayout(in);
        desktop = layout.desktop.translated(0, menuBarHeight);
        pane = layout.pane().translated(0, menuBarHeight);
        tabStrip = layout.tabMain.translated(0, menuBarHeight);
    }
    bool found() const { return menuBarHeight > 0; }

    double menuBarGrey() const {
        return share(image, QRect(0, 1, image.width(), menuBarHeight - 3), 3,
                     [](int, int, QRgb c) { return uiGrey(c); });
    }
    double tabStripGrey() const {
        return share(image, tabStrip, 2, [](int, int, QRgb c) { return uiGrey(c); });
    }
    double tabStripInk() const {
        return share(image, tabStrip.adjusted(0, 2, 0, -2), 1, [](int, int, QRgb c) { return ink(c); });
    }
    double pageNightShare() const {
        return share(image, pane.adjusted(4, 4, -4, -4), 8,
                     [this](int x, int y, QRgb c) { return pageNight(desktop, x, y, c); });
    }
    double pageCreamShare() const {
        return share(image, pane.adjusted(4, 4, -4, -4), 8, [](int, int, QRgb c) { return cream(c); });
    }
    // How much of an area shows the desktop's picture (snowflakes cover a little of it).
    double desktopShare(const QRect& area) const {
        return share(image, area, 2, [this](int x, int y, QRgb c) { return desktopAt(desktop, x, y, c); });
    }
    // The band left of the browser area and its light bulbs, down the height of the browser area.
    double leftDesktopShare() const {
        return desktopShare(QRect(4, pane.top(), pane.left() - kBulbSize - 8, pane.height()));
    }
    bool pageShown() const { return found() && pageNightShare() > 0.15 && pageCreamShare() > 0.10; }

    QImage image;
    int menuBarHeight = -1;
    QRect desktop, pane, tabStrip;
};

// How closely a 16x16 cell of the screenshot shows a lit bulb of the given colour on the top strip,
// over the desktop's picture: the share of its pixels that match the bulb composed as the program does.
double bulbMatch(const QImage& shot, const QRect& desktop, const QPoint& cell, int colour) {
    static const QImage frames =
        QImage(QStringLiteral(":/art/bulbs.png")).convertToFormat(QImage::Format_ARGB32);
    static const QImage mask =
        QImage(QStringLiteral(":/art/bulbmask.png")).convertToFormat(QImage::Format_RGB32);
    if (frames.isNull() || mask.isNull()) return 0;
    const int frame = (colour - 1) * 8 + 0 * 2 + 1; // top strip, lit
    int hits = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb bg = desktopColourAt(desktop, cell.x() + x, cell.y() + y);
            const QRgb fg = frames.pixel(frame * 16 + x, y);
            const double a = qAlpha(fg) / 255.0 * (255 - qGray(mask.pixel(frame * 16 + x, y))) / 255.0;
            auto mix = [a](int f, int b) { return int(f * a + b * (1 - a) + 0.5); };
            const QRgb expected =
                qRgb(mix(qRed(fg), qRed(bg)), mix(qGreen(fg), qGreen(bg)), mix(qBlue(fg), qBlue(bg)));
            if (near(shot.pixel(cell.x() + x, cell.y() + y), expected, 24)) ++hits;
        }
    return hits / 256.0;
}

// ---- Starting the program ----

// A home of its own for each run: settings, data, caches and runtime files all live in it.
QProcessEnvironment privateEnvironment(const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString runtime = home + QStringLiteral("/runtime");
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const char* inherited :
         {"GLISTERWOOD_BENCH", "GLISTERWOOD_BENCH_HOLD_MS", "QTWEBENGINEPROCESS_PATH"})
        env.remove(QString::fromLatin1(inherited));
    return env;
}

} // namespace

class TestE2EStartup : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<QProcess> program_;
    QByteArray out_, err_;

    void launch(const QProcessEnvironment& env) {
        out_.clear();
        err_.clear();
        program_ = std::make_unique<QProcess>();
        program_->setProcessEnvironment(env);
        program_->setWorkingDirectory(home_->path());
        connect(program_.get(), &QProcess::readyReadStandardOutput, this,
                [this] { out_ += program_->readAllStandardOutput(); });
        connect(program_.get(), &QProcess::readyReadStandardError, this,
                [this] { err_ += program_->readAllStandardError(); });
        program_->start(kProgram, {});
        QVERIFY2(program_->waitForStarted(30000), qPrintable(program_->errorString()));
    }
    bool running() const { return program_->state() != QProcess::NotRunning; }
    QString outcome() const {
        QString text = QStringLiteral("exit code %1").arg(program_->exitCode());
        if (running())
            text = QStringLiteral("still running");
        else if (program_->exitStatus() == QProcess::CrashExit)
            text = QStringLiteral("crashed");
        return text + QStringLiteral("; output: ") + QString::fromLocal8Bit(out_).trimmed() +
               QStringLiteral("; errors: ") + QString::fromLocal8Bit(err_.right(1500)).trimmed();
    }
    static QString keep(const QImage& shot, const QString& name) {
        const QString path = kOutputDir + QLatin1Char('/') + name;
        return shot.save(path) ? path : QStringLiteral("(not saved: %1)").arg(path);
    }

private slots:
    void initTestCase() {
        QVERIFY2(QFileInfo(kProgram).isExecutable(), qPrintable(kProgram));
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "needs an X display to share with the program (run it under xvfb-run)");
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QVERIFY2(screen.width() >= 800 && screen.height() >= 600, "the display is too small for the window");
    }

    void init() {
        home_ = std::make_unique<QTemporaryDir>();
        QVERIFY(home_->isValid());
    }

    void cleanup() {
        if (program_ && running()) {
            program_->kill();
            program_->waitForFinished(15000);
        }
        program_.reset();
        home_.reset();
    }

    void startsFullScreenWithTheWelcomePage() {
        QProcessEnvironment env = privateEnvironment(home_->path());
        env.insert(QStringLiteral("GLISTERWOOD_BENCH"), QStringLiteral("1"));
        env.insert(QStringLiteral("GLISTERWOOD_BENCH_HOLD_MS"), QStringLiteral("4000"));
        launch(env);
        if (QTest::currentTestFailed()) return;

        QTRY_VERIFY_WITH_TIMEOUT(out_.contains("bench: loaded") || !running(), 90000);
        QVERIFY2(out_.contains("bench: loaded"), qPrintable(outcome()));
        QVERIFY2(out_.indexOf("bench: shown") >= 0 &&
                     out_.indexOf("bench: shown") < out_.indexOf("bench: loaded"),
                 "the window was not reported shown before the start page loaded");

        // The engine paints a moment after the load; look again until the page is there or the
        // program closes by itself, keeping the last look taken while its window was up.
        QTest::qWait(700);
        MainWindowShot shot(grabDisplay());
        QList<TopWindow> windows = shownWindowsOf(program_->processId());
        for (int look = 0; look < 120 && !shot.pageShown() && running(); ++look) {
            QTest::qWait(250);
            MainWindowShot next(grabDisplay());
            const QList<TopWindow> nowShown = shownWindowsOf(program_->processId());
            if (nowShown.isEmpty() || !running()) break;
            shot = next;
            windows = nowShown;
        }
        const QString png = keep(shot.image, QStringLiteral("e2e_startup.png"));
        const QString where = QStringLiteral(" (see %1)").arg(png);

        // The main window covers the display.
        const QRect display(QPoint(0, 0), shot.image.size());
        auto covering = [&display](const TopWindow& w) { return w.geometry == display; };
        QVERIFY2(std::any_of(windows.begin(), windows.end(), covering),
                 qPrintable(QStringLiteral("windows: ") + describe(windows)));

        // Menu bar across the top, the tab strip under it.
        QVERIFY2(shot.found(), qPrintable(QStringLiteral("no desktop below a menu bar") + where));
        QVERIFY2(shot.menuBarHeight >= 12 && shot.menuBarHeight <= 60,
                 qPrintable(QStringLiteral("menu bar %1 px high").arg(shot.menuBarHeight) + where));
        QVERIFY2(shot.menuBarGrey() > 0.8, qPrintable(QStringLiteral("menu bar not grey") + where));
        QVERIFY2(shot.tabStripGrey() > 0.6, qPrintable(QStringLiteral("tab strip not grey") + where));
        QVERIFY2(shot.tabStripInk() > 0.01, qPrintable(QStringLiteral("tab strip without labels") + where));

        // The welcome page in the browser area: night sky and cream cards, nothing blank or white.
        QVERIFY2(
            shot.pageNightShare() > 0.15,
            qPrintable(QStringLiteral("no night sky in the browser area: %1").arg(shot.pageNightShare()) +
                       where));
        QVERIFY2(shot.pageCreamShare() > 0.10,
                 qPrintable(QStringLiteral("no cards in the browser area: %1").arg(shot.pageCreamShare()) +
                            where));

        // Beside it, the window's desktop: the page stays in its area.
        QVERIFY2(
            shot.leftDesktopShare() > 0.85,
            qPrintable(QStringLiteral("left of the page: %1 desktop").arg(shot.leftDesktopShare()) + where));
        const QRect corner(shot.image.width() - 40, shot.image.height() - 40, 40, 40);
        QVERIFY2(shot.desktopShare(corner) > 0.8,
                 qPrintable(QStringLiteral("the desktop does not reach the bottom right corner") + where));

        // The page's title reaches the caption.
        QVERIFY2(std::any_of(windows.begin(), windows.end(),
                             [&](const TopWindow& w) {
                                 return covering(w) &&
                                        w.title.contains(QLatin1String("Welcome to Glisterwood 99"));
                             }),
                 qPrintable(QStringLiteral("windows: ") + describe(windows)));

        // Closes by itself after the hold, cleanly, having made its data folder.
        QTRY_VERIFY_WITH_TIMEOUT(!running(), 60000);
        QCOMPARE(program_->exitStatus(), QProcess::NormalExit);
        QVERIFY2(program_->exitCode() == 0, qPrintable(outcome()));
        QVERIFY(QFileInfo(home_->filePath(QStringLiteral(".local/share/Varnholt Software/Glisterwood 99")))
                    .isDir());
    }

    void hangsABulbForEveryNavigation() {
        // A start page that goes on twice by itself: three navigations in all.
        const QString site = home_->filePath(QStringLiteral("site"));
        QDir().mkpath(site);
        const char* pages[][2] = {
            {"one.html", "two.html"}, {"two.html", "three.html"}, {"three.html", nullptr}};
        for (const auto& page : pages) {
            QFile file(site + QLatin1Char('/') + QLatin1String(page[0]));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray("<html><body style='background:#fff'><h1>") + page[0] + "</h1>" +
                       (page[1] ? QByteArray("<script>setTimeout(function(){location.href='") + page[1] +
                                      "';},400);</script>"
                                : QByteArray()) +
                       "</body></html>");
        }
        RegUtil::SetSettingsFilePathForTesting(
            home_->filePath(QStringLiteral(".config/Varnholt Software/Glisterwood 97.conf")));
        RegUtil::SetRegString(RegUtil::kProductKey, RegUtil::kStartupPage,
                              QUrl::fromLocalFile(site + QStringLiteral("/one.html")).toString());
        RegUtil::SetSettingsFilePathForTesting(QString());
        launch(privateEnvironment(home_->path()));
        if (QTest::currentTestFailed()) return;

        // The first three cells of the top strip fill with lit bulbs; the fourth stays empty.
        auto bulbIn = [](const MainWindowShot& shot, int slot) {
            const QPoint cell(shot.pane.left() + (slot - 1) * kBulbSize, shot.pane.top() - kBulbSize);
            double best = 0;
            for (int colour = 1; colour <= 5; ++colour)
                best = std::max(best, bulbMatch(shot.image, shot.desktop, cell, colour));
            return best;
        };
        auto emptyCell = [](const MainWindowShot& shot, int slot) {
            return shot.desktopShare(QRect(shot.pane.left() + (slot - 1) * kBulbSize,
                                           shot.pane.top() - kBulbSize, kBulbSize, kBulbSize));
        };
        auto threeBulbs = [&](const MainWindowShot& shot) {
            return shot.found() && bulbIn(shot, 1) > 0.85 && bulbIn(shot, 2) > 0.85 &&
                   bulbIn(shot, 3) > 0.85 && emptyCell(shot, 4) > 0.85;
        };
        MainWindowShot shot(grabDisplay());
        for (int look = 0; look < 240 && !threeBulbs(shot) && running(); ++look) {
            QTest::qWait(250);
            shot = MainWindowShot(grabDisplay());
        }
        const QString where =
            QStringLiteral(" (see %1)").arg(keep(shot.image, QStringLiteral("e2e_bulbs.png")));
        QVERIFY2(running(), qPrintable(outcome()));
        QVERIFY2(shot.found(), qPrintable(QStringLiteral("no desktop below a menu bar") + where));
        for (int slot = 1; slot <= 3; ++slot)
            QVERIFY2(
                bulbIn(shot, slot) > 0.85,
                qPrintable(QStringLiteral("cell %1 holds no lit bulb: %2").arg(slot).arg(bulbIn(shot, slot)) +
                           where));
        QVERIFY2(emptyCell(shot, 4) > 0.85, qPrintable(QStringLiteral("cell 4 is not empty") + where));
    }

    void reportsAMissingEngineInsteadOfOpening() {
        QProcessEnvironment env = privateEnvironment(home_->path());
        env.insert(QStringLiteral("QTWEBENGINEPROCESS_PATH"),
                   QStringLiteral("/nonexistent/QtWebEngineProcess"));
        launch(env);
        if (QTest::currentTestFailed()) return;

        auto boxShown = [this] {
            for (const TopWindow& w : shownWindowsOf(program_->processId()))
                if (w.title == kFailureTitle) return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(!running() || boxShown(), 90000);
        QVERIFY2(running(), qPrintable(QStringLiteral("ended without telling the user: ") + outcome()));

        // The box stays up, alone: neither the main window nor the splash.
        QTest::qWait(700);
        const QList<TopWindow> windows = shownWindowsOf(program_->processId());
        QVERIFY2(windows.size() == 1 && windows.first().title == kFailureTitle,
                 qPrintable(QStringLiteral("windows: ") + describe(windows)));
        const QRect box = windows.first().geometry;

        QImage shot = grabDisplay();
        const QRect middle(box.center() - QPoint(box.width() / 4, box.height() / 4), box.size() / 2);
        auto painted = [&middle](const QImage& image) {
            return share(image, middle, 3, [](int, int, QRgb c) { return uiGrey(c); }) > 0.5;
        };
        for (int look = 0; look < 120 && !painted(shot) && running(); ++look) {
            QTest::qWait(250);
            shot = grabDisplay();
        }
        const QString where =
            QStringLiteral(" (see %1)").arg(keep(shot, QStringLiteral("e2e_startup_failure.png")));
        QVERIFY2(box.width() < shot.width() / 2 && box.height() < shot.height() / 2,
                 qPrintable(QStringLiteral("the box is %1x%2").arg(box.width()).arg(box.height()) + where));
        QVERIFY2(painted(shot), qPrintable(QStringLiteral("the box is not painted") + where));
    }
};

QTEST_MAIN(TestE2EStartup)
#include "test_e2e_startup.moc"
