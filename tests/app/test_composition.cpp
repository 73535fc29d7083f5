#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/MainModules.h"
#include "browse/Browsers.h"
#include "browse/History.h"
#include "browse/PageEvents.h"
#include "decor/DesktopSurface.h"
#include "lights/LightString.h"

#include <QListWidget>
#include <QMenuBar>
#include <QTest>

// The modules composed over controls on a bare widget: no main window, the same connections.
class TestComposition : public QObject {
    Q_OBJECT

private slots:
    void aNavigationReachesEveryModuleWithoutAWindow() {
        TestEnvironment env;
        RecordingAgent& agent = env.InitGlobalsWithRecorder();
        QWidget owner;
        auto* surface = new DesktopSurface(&owner);
        QMenuBar bar;
        FakeFactory factory;
        MainControls ui = CreateMainControls(*surface, bar, owner);
        MainModules m;
        ComposeModules(m, ui, factory, App().Prefs, owner);
        m.Lights->Place({4, 3, 7, 11, 14});

        const int slot = m.Pages->NewBrowser(TabImageBrowser);
        m.Pages->SelectInterface_Browser();
        m.Pages->ActivateBrowser(slot);
        auto* page = static_cast<FakeBrowser*>(m.Pages->Control(slot));
        page->Begin(QStringLiteral("http://a.example/"));
        page->Title(QStringLiteral("A"));
        page->Commit(QStringLiteral("http://a.example/"));
        page->Finish();

        QCOMPARE(m.HistoryList->List()->count(), 1);
        QCOMPARE(m.Lights->StringOf(slot)->BulbSlots[1].Title, QStringLiteral("A"));
        QCOMPARE(m.Events->Shown(slot)->Busy.Count(), 0);
        QVERIFY(agent.said.contains(QStringLiteral("script:page_loaded")));
        QVERIFY(agent.said.contains(QStringLiteral("voice:read=1")));

        // The character's sink drops requests once the character has gone.
        App().Agent.reset();
        page->Begin(QStringLiteral("http://b.example/"));
        page->Finish();
        QCOMPARE(m.HistoryList->List()->count(), 2);
        m.Pages.reset();
    }
};

QTEST_MAIN(TestComposition)
#include "test_composition.moc"
