#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/MainMenus.h"
#include "app/WindowProbe.h"
#include "bookmarks/Bookmarks.h"
#include "bookmarks/FormProperties.h"
#include "browse/Browsers.h"
#include "browse/History.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

// The bookmark list in a window on scripted pages, and its file.
class TestBookmarkList : public QObject {
    Q_OBJECT

    static QByteArray file() {
        QFile f(App().BookmarkFile);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QStringList names(Bookmarks& list) {
        QStringList out;
        for (int row = 0; row < list.Count(); ++row)
            out << list.Record(row).Name;
        return out;
    }

private slots:
    void addToBookmarksTakesWhatThePaneShows() {
        FakeWindow w;
        Bookmarks& list = *w.mod->BookmarkList;
        FakeBrowser* page = static_cast<FakeBrowser*>(w.mod->Pages->Current());
        page->Begin(QStringLiteral("http://carols.example/"));
        page->Commit(QStringLiteral("http://carols.example/"));
        page->Title(QStringLiteral("Carols"));
        w.ui->Menus->ItemSurfAddToBookmarks->trigger();
        QCOMPARE(list.Count(), 1);
        QCOMPARE(list.Record(0).Name, QStringLiteral("Carols"));
        QCOMPARE(list.Record(0).Address, QStringLiteral("http://carols.example/"));
        QCOMPARE(list.Record(0).Icon, 1);
        QCOMPARE(file(), QByteArray("Glisterwood 97 Bookmarks\r\n1\r\nCarols\r\nhttp://carols.example/\r\n"));
        // From the history: the selected line, as name and address.
        w.ui->TabMain->setCurrentIndex(1);
        w.mod->HistoryList->List()->setCurrentRow(0);
        w.ui->Menus->ItemSurfAddToBookmarks->trigger();
        QCOMPARE(list.Record(1).Name, QStringLiteral("http://carols.example/"));
        // In the bookmark list itself: nothing.
        w.ui->TabMain->setCurrentIndex(0);
        w.ui->Menus->ItemSurfAddToBookmarks->trigger();
        QCOMPARE(list.Count(), 2);
    }

    void editsAreSavedAndSurviveARestart() {
        TestEnvironment env;
        env.InitGlobalsWithRecorder();
        FakeFactory factory;
        {
            FormMain form(factory);
            QVERIFY(form.DoInit());
            Bookmarks& list = *FormMainProbe::Modules(form).BookmarkList;
            for (const char* name : {"Beta", "alpha", "Gamma"})
                list.AddBookmark(QString::fromLatin1(name), QStringLiteral("http://%1.example/").arg(name),
                                 2);
            // A rename to nothing is kept.
            list.List()->topLevelItem(1)->setText(0, QString());
            QCOMPARE(LoadBookmarkFile(App().BookmarkFile).Records.at(1).Name, QString());
            list.List()->topLevelItem(1)->setText(0, QStringLiteral("alpha"));
            // The first click on a column sorts by it, the second reverses; the file follows.
            emit list.List()->header()->sectionClicked(0);
            QCOMPARE(names(list),
                     (QStringList{QStringLiteral("alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")}));
            emit list.List()->header()->sectionClicked(0);
            QCOMPARE(names(list),
                     (QStringList{QStringLiteral("Gamma"), QStringLiteral("Beta"), QStringLiteral("alpha")}));
            QCOMPARE(LoadBookmarkFile(App().BookmarkFile).Records.first().Name, QStringLiteral("Gamma"));
            // Properties: trimmed, and the URL column shows the new address at once.
            list.RunPropertiesDialog = [](FormProperties& dialog) {
                dialog.EditUrl->setText(QStringLiteral("  http://new.example/ "));
                dialog.IconIndex = 9;
                dialog.ButOK->click();
            };
            list.EditBookmarkProperties(0);
            QCOMPARE(list.List()->topLevelItem(0)->text(1), QStringLiteral("http://new.example/"));
            QCOMPARE(list.Record(0).Icon, 9);
            form.FileExit();
        }
        env.InitGlobalsWithRecorder();
        FormMain again(factory);
        QVERIFY(again.DoInit());
        Bookmarks& list = *FormMainProbe::Modules(again).BookmarkList;
        QCOMPARE(names(list),
                 (QStringList{QStringLiteral("Gamma"), QStringLiteral("Beta"), QStringLiteral("alpha")}));
        QCOMPARE(list.Record(0).Address, QStringLiteral("http://new.example/"));
        // Deleting every bookmark leaves the header line alone.
        for (int i = 0; i < 3; ++i) {
            list.List()->setCurrentItem(list.List()->topLevelItem(0));
            list.DeleteSelected();
        }
        QCOMPARE(file(), QByteArray("Glisterwood 97 Bookmarks\r\n"));
        again.FileExit();
    }
};

QTEST_MAIN(TestBookmarkList)
#include "test_bookmark_list.moc"
