#include "TestEnvironment.h"
#include "base/Preferences.h"
#include "base/ProductProfile.h"
#include "base/RegUtil.h"

#include <QSignalSpy>
#include <QTest>

using namespace RegUtil;

// The preferences as start-up reads them and the options dialog stores them.
class TestPreferences : public QObject {
    Q_OBJECT

private slots:
    void loadReadsTheStoredChoicesAndTheDataFiles() {
        TestEnvironment env;
        SetRegString(kProductKey, kSearchPage, QStringLiteral("  http://find.example/  "));
        SetRegString(kProductKey, kBackground, QStringLiteral("9"));
        PreferencesStore store;
        store.Load();
        const Preferences& p = store.Values();
        const ProductProfile product;
        QCOMPARE(p.StartupPage, product.Product_StartupPage()); // nothing stored: the product's
        QCOMPARE(p.SearchPage, QStringLiteral("http://find.example/"));
        QCOMPARE(p.WelcomePage, product.Product_WelcomePage());
        QCOMPARE(p.BackgroundIndex, 9);
        QVERIFY(p.BookmarkFile.startsWith(env.Home()) &&
                p.BookmarkFile.endsWith(QStringLiteral("/BookMark.gwb")));
        QVERIFY(p.SitesFile.endsWith(QStringLiteral("/Glisterwood 99/sites.gws")));
        QVERIFY(p.DataFolderProblem.isEmpty());
        for (int stored : {0, 15, -2})
            QCOMPARE(PreferencesStore::BackgroundFromSetting(stored), 1);
    }

    void saveStoresOnlyWhatDiffersFromTheProductAndTellsListeners() {
        TestEnvironment env;
        PreferencesStore store;
        store.Load();
        QSignalSpy changed(&store, &PreferencesStore::changed);
        Preferences chosen = store.Values();
        chosen.StartupPage = QStringLiteral(" http://home.example/ ");
        chosen.SearchPage = ProductProfile().Product_SearchPage();
        chosen.BackgroundIndex = 4;
        store.Save(chosen);
        QCOMPARE(changed.size(), 1);
        QCOMPARE(GetRegString(kProductKey, kStartupPage), QStringLiteral("http://home.example/"));
        QCOMPARE(GetRegString(kProductKey, kSearchPage), QString());
        QCOMPARE(GetRegString(kProductKey, kBackground), QStringLiteral("4"));

        // Back to the product's own page: the stored value goes, and a new run reads the product's.
        chosen.StartupPage = ProductProfile().Product_StartupPage();
        store.Save(chosen);
        QCOMPARE(GetRegString(kProductKey, kStartupPage), QString());
        PreferencesStore again;
        again.Load();
        QCOMPARE(again.Values().StartupPage, ProductProfile().Product_StartupPage());
        QCOMPARE(again.Values().BackgroundIndex, 4);

        // An edition that does not let the user edit a page keeps it whatever is chosen.
        Preferences fixed = store.Values();
        fixed.StartupPageEditable = false;
        store.Replace(fixed);
        chosen.StartupPage = QStringLiteral("http://elsewhere.example/");
        store.Save(chosen);
        QCOMPARE(store.Values().StartupPage, ProductProfile().Product_StartupPage());
        QCOMPARE(GetRegString(kProductKey, kStartupPage), QString());
    }
};

QTEST_GUILESS_MAIN(TestPreferences)
#include "test_preferences.moc"
