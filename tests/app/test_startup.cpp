#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "agent/AgentController.h"
#include "app/AppGlobals.h"
#include "app/Startup.h"
#include "app/Widgets.h"
#include "app/WindowProbe.h"
#include "base/ProductProfile.h"
#include "base/RegUtil.h"
#include "browse/Browsers.h"
#include "dialogs/FormAboutSplash.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace RegUtil;

namespace {
bool anyVisibleWindowTitled(const QString& part) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle().contains(part)) return true;
    return false;
}
} // namespace

class TestStartup : public QObject {
    Q_OBJECT
    std::unique_ptr<TestEnvironment> env;

private slots:
    void init() { env = std::make_unique<TestEnvironment>(); }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QMessageBox*>(w)) w->deleteLater();
        env.reset();
    }

    void startAndSearchPagesFollowTheStoredValues_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("useProduct");
        QTest::newRow("missing") << QString() << true;
        QTest::newRow("only spaces") << QStringLiteral("    ") << true;
        QTest::newRow("padded") << QStringLiteral("  http://home.example/  ") << false;
    }
    void startAndSearchPagesFollowTheStoredValues() {
        QFETCH(QString, stored);
        QFETCH(bool, useProduct);
        if (!stored.isNull()) {
            SetRegString(kProductKey, QStringLiteral("Startup page"), stored);
            SetRegString(kProductKey, QStringLiteral("Search page"), stored);
        }
        InitGlobals();
        const ProductProfile profile;
        QCOMPARE(App().Prefs.Values().StartupPage,
                 useProduct ? profile.Product_StartupPage() : stored.trimmed());
        QCOMPARE(App().Prefs.Values().SearchPage,
                 useProduct ? profile.Product_SearchPage() : stored.trimmed());
        QCOMPARE(App().Prefs.Values().WelcomePage, profile.Product_StartupPage());
        QVERIFY(App().Prefs.Values().BookmarkFile.endsWith(
            QStringLiteral("/.local/share/Varnholt Software/Glisterwood 99/BookMark.gwb")));
        QVERIFY(App().Prefs.Values().SitesFile.endsWith(QStringLiteral("/Glisterwood 99/sites.gws")));
        QVERIFY(App().Prefs.Values().DataFolderProblem.isEmpty());
    }

    void successfulStartOpensTheStartPage() {
        FakeFactory factory;
        FormMain* form = Main(factory);
        QVERIFY(form);
        QVERIFY(form->isVisible());
        QCOMPARE(factory.created.size(), 1);
        QCOMPARE(factory.created[0]->navigations, QStringList{App().Prefs.Values().StartupPage});
        QCOMPARE(FormMainProbe::Modules(*form).Pages->CurBrowser(), 1);
        QCOMPARE(FormMainProbe::Modules(*form).Pages->CurInterface(), InterfaceBrowser);
        QVERIFY(!anyVisibleWindowTitled(QStringLiteral("About Glisterwood 99"))); // the splash has gone
        form->FileExit();
        delete form;
    }

    void failedFirstPageReportsAndLeavesNoWindow() {
        FakeFactory factory;
        factory.fail = true;
        QString title, text;
        StartupHooks hooks;
        hooks.reportFailure = [&](const QString& t, const QString& m) {
            title = t;
            text = m;
            // At the moment of the message, the splash is already closed.
            QVERIFY(!anyVisibleWindowTitled(QStringLiteral("About Glisterwood 99")));
        };
        QVERIFY(!Main(factory, hooks));
        QCOMPARE(title, QStringLiteral("Varnholt Software Glisterwood 99"));
        QVERIFY(text.startsWith(QStringLiteral("Glisterwood cannot startup!\n\nPlease make sure")));
        QCOMPARE(text.count(QStringLiteral("\n\n")), 2);
        QVERIFY(!anyVisibleWindowTitled(QStringLiteral("Glisterwood")));
        QVERIFY(!App().Agent && !App().Profile);
    }

    void strangeSettingsStartWithDefaults_data() {
        QTest::addColumn<QString>("value");
        for (const char* v : {"", " ", "abc", "0", "15", "-3", "99999999999999", "1e9", "3.5"})
            QTest::newRow(v) << QString::fromLatin1(v);
        QTest::newRow("very long") << QString(5000, QLatin1Char('7'));
    }
    void strangeSettingsStartWithDefaults() {
        QFETCH(QString, value);
        for (const char* name : {"Background", "Use agent", "Agent size", "Play theme", "Music state",
                                 "Music folders", "Startup page", "Search page", "Agent name"})
            SetRegString(kProductKey, QString::fromLatin1(name), value);
        FakeFactory factory;
        FormMain* form = Main(factory);
        QVERIFY(form);
        const int background = RegNumber(value);
        QCOMPARE(App().Prefs.Values().BackgroundIndex,
                 background >= 1 && background <= 14 && value.size() <= kMaxValueLength ? background : 1);
        const QString page = value.size() <= kMaxValueLength ? value.trimmed() : QString();
        QCOMPARE(App().Prefs.Values().StartupPage,
                 page.isEmpty() ? ProductProfile().Product_StartupPage() : page);
        form->FileExit();
        delete form;
    }

    void unusableDataFolderIsToldAndTheProgramRuns() {
        // A file where the data folder's parent should be: the folder cannot be created.
        const QString blocker = env->Home() + QStringLiteral("/blocked");
        QFile file(blocker);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        qputenv("XDG_DATA_HOME", blocker.toLocal8Bit());
        FakeFactory factory;
        FormMain* form = Main(factory);
        QVERIFY(form);
        QVERIFY(App().Prefs.Values().DataFolderProblem.contains(QStringLiteral("cannot be created")));
        QVERIFY(FormMainProbe::Controls(*form).PicStatusBar->Text().contains(
            QStringLiteral("cannot be created")));
        QVERIFY(anyVisibleWindowTitled(QStringLiteral("Glisterwood 99")));
        form->FileExit();
        delete form;
    }

    void exitRunsOnceWhicheverWayTheWindowCloses() {
        FakeWindow w;
        w.form->show();
        FakeBrowser* page = w.factory->created.first();
        QPointer<FakeBrowser> guard(page);
        w.form->FileExit();
        QVERIFY(!App().Agent && !App().Profile);
        QVERIFY(!w.form->isVisible());
        QVERIFY(!guard); // pages are gone, so none of their events can reach the released character
        // The window's own close and a second exit find nothing left to do.
        w.form->close();
        w.form->FileExit();
        QVERIFY(!App().Agent);
    }

    void splashIsCutAtTheButtonAndHidesItself() {
        FormAboutSplash splash;
        splash.Init(false);
        splash.show();
        QVERIFY(splash.ButOK->isHidden());
        QVERIFY(splash.height() <= splash.ButOK->geometry().top());
        QVERIFY(splash.windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(splash.TimerSplash->interval(), 10000);
        QVERIFY(splash.TimerSplash->isActive());
        splash.TimerSplash->start(1); // ten seconds, shortened
        QTRY_VERIFY(!splash.isVisible());

        FormAboutSplash about;
        about.Init(true);
        about.show();
        QVERIFY(!about.ButOK->isHidden());
        QVERIFY(!about.TimerSplash->isActive());
        QCOMPARE(about.Label1->text(), QStringLiteral("Version 1.0"));
        QCOMPARE(about.Image1->pixmap().size(), QSize(314, 158));
        about.close(); // the close box acts as OK
        QVERIFY(!about.isVisible());
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
