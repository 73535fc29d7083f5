#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/MainMenus.h"
#include "app/WindowProbe.h"
#include "bookmarks/BookmarkView.h"
#include "bookmarks/Bookmarks.h"
#include "bookmarks/DesktopCards.h"
#include "bookmarks/FormProperties.h"
#include "bookmarks/NetscapeBookmarks.h"
#include "browse/Browsers.h"
#include "browse/History.h"
#include "browse/PageEvents.h"
#include "decor/PointerGestures.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>

// The bookmark list in a window on scripted pages, and its file.
class TestBookmarkList : public QObject {
    Q_OBJECT

    static QByteArray file() {
        QFile f(App().Prefs.Values().BookmarkFile);
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
        page->Begin(QStringLiteral("http://elves.example/"));
        page->Commit(QStringLiteral("http://elves.example/"));
        w.ui->TabMain->setCurrentIndex(1);
        w.mod->HistoryList->List()->setCurrentRow(0); // the newest line
        w.ui->Menus->ItemSurfAddToBookmarks->trigger();
        QCOMPARE(list.Record(1).Name, QStringLiteral("http://elves.example/"));
        // In the bookmark list itself: nothing.
        w.ui->TabMain->setCurrentIndex(0);
        w.ui->Menus->ItemSurfAddToBookmarks->trigger();
        QCOMPARE(list.Count(), 2);
    }

    void addingAPageTwiceSaysSoAndSelectsIt() {
        FakeWindow w;
        Bookmarks& list = *w.mod->BookmarkList;
        FakeBrowser* page = static_cast<FakeBrowser*>(w.mod->Pages->Current());
        list.AddBookmark(QStringLiteral("Elves"), QStringLiteral("http://elves.example/"), 2);
        page->Begin(QStringLiteral("http://carols.example/"));
        page->Commit(QStringLiteral("http://carols.example/"));
        page->Title(QStringLiteral("Carols"));
        QAction* add = w.ui->Menus->ItemSurfAddToBookmarks;
        add->trigger();
        QCOMPARE(list.Count(), 2);
        QCOMPARE(w.mod->Events->StatusBarText(), QStringLiteral("Added to bookmarks"));
        add->trigger();
        QCOMPARE(list.Count(), 2);
        QCOMPARE(w.mod->Events->StatusBarText(), QStringLiteral("Already in bookmarks"));
        QCOMPARE(list.SelectedRow(), 1);
        // The same page by another spelling of its address, from the history list.
        page->Begin(QStringLiteral("http://Elves.example"));
        page->Commit(QStringLiteral("http://Elves.example"));
        w.ui->TabMain->setCurrentIndex(1);
        w.mod->HistoryList->List()->setCurrentRow(0);
        add->trigger();
        QCOMPARE(list.Count(), 2);
        QCOMPARE(list.SelectedRow(), 0);
        QCOMPARE(LoadBookmarkFile(App().Prefs.Values().BookmarkFile).Records.size(), 2);
        // A card's "Add to bookmarks" follows the same rule.
        emit w.mod->CardRules->bookmarkRequested(QStringLiteral("Carols card"),
                                                 QStringLiteral("http://carols.example/"), 4);
        QCOMPARE(list.Count(), 2);
    }

    void renameTakesEnterAndClicksLeaveDeleteToTheBookmark() {
        FakeWindow w;
        Bookmarks& list = *w.mod->BookmarkList;
        for (const char* name : {"Holly", "Ivy"})
            list.AddBookmark(QString::fromLatin1(name), QStringLiteral("http://%1.example/").arg(name), 1);
        w.mod->Pages->SelectTab(1);
        w.form->show();
        QTreeView* details = list.List()->DetailsView();
        const int pages = w.mod->Pages->BrowserCount();
        // F2, a new name and Enter: renamed, and nothing opened.
        list.SelectRow(0);
        QTest::keyClick(details, Qt::Key_F2);
        QVERIFY(list.List()->Renaming());
        auto* editor = details->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("Holly and Ivy"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTRY_COMPARE(list.Record(0).Name, QStringLiteral("Holly and Ivy"));
        QVERIFY(!list.List()->Renaming());
        QCOMPARE(w.mod->Pages->BrowserCount(), pages);
        QCOMPARE(LoadBookmarkFile(App().Prefs.Values().BookmarkFile).Records.first().Name,
                 QStringLiteral("Holly and Ivy"));
        // Escape gives up a rename, also without opening anything.
        QTest::keyClick(details, Qt::Key_F2);
        editor = details->viewport()->findChild<QLineEdit*>();
        QTest::keyClicks(editor, QStringLiteral("lost"));
        QTest::keyClick(editor, Qt::Key_Escape);
        QTRY_VERIFY(!list.List()->Renaming());
        QCOMPARE(list.Record(0).Name, QStringLiteral("Holly and Ivy"));

        // A slow second click on the selected bookmark starts no rename, so Delete deletes it.
        for (QAbstractItemView* face : {static_cast<QAbstractItemView*>(details),
                                        static_cast<QAbstractItemView*>(list.List()->IconView())}) {
            list.SetViewMode(face == details ? BookmarkView::Details : BookmarkView::SmallIcons);
            const QPoint on = face->visualRect(face->model()->index(0, 0)).center();
            QTest::mouseClick(face->viewport(), Qt::LeftButton, {}, on);
            QTest::qWait(QApplication::doubleClickInterval() + 50);
            QTest::mouseClick(face->viewport(), Qt::LeftButton, {}, on);
            QTest::qWait(QApplication::doubleClickInterval() + 50);
            QVERIFY(!list.List()->Renaming());
            QCOMPARE(list.SelectedRow(), 0);
            const int before = list.Count();
            QTest::keyClick(face, Qt::Key_Delete);
            QCOMPARE(list.Count(), before - 1);
        }
        QCOMPARE(list.Count(), 0);
    }

    void longTitlesStayInTheirPlaceInEveryView() {
        FakeWindow w;
        Bookmarks& list = *w.mod->BookmarkList;
        for (int i = 0; i < 6; ++i)
            list.AddBookmark(QStringLiteral("Bookmark %1 with a title far too long for any list view to show "
                                            "in one piece, as pages like to have")
                                 .arg(i),
                             QStringLiteral("http://long%1.example/").arg(i), 1);
        w.mod->Pages->SelectTab(1);
        w.form->show();
        QListView* icons = list.List()->IconView();
        for (const int mode : {BookmarkView::LargeIcons, BookmarkView::SmallIcons, BookmarkView::List}) {
            list.SetViewMode(mode);
            icons->doItemsLayout();
            for (int a = 0; a < list.Count(); ++a) {
                const QRect first = icons->visualRect(icons->model()->index(a, 0));
                QVERIFY(first.width() <= icons->gridSize().width());
                for (int b = a + 1; b < list.Count(); ++b)
                    QVERIFY2(!first.intersects(icons->visualRect(icons->model()->index(b, 0))),
                             qPrintable(QStringLiteral("view %1: %2 and %3").arg(mode).arg(a).arg(b)));
            }
        }
    }

    void copyGivesTheAddressAndPasteTakesLinks() {
        FakeWindow w;
        Bookmarks& list = *w.mod->BookmarkList;
        MainMenus& m = *w.ui->Menus;
        list.AddBookmark(QStringLiteral("Carols & more"), QStringLiteral("http://carols.example/"), 1);
        w.mod->Pages->SelectTab(1);
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->clear();
        // Nothing selected: nothing to cut or copy, and nothing to paste yet.
        QVERIFY(!m.ItemEditCut->isEnabled() && !m.ItemEditCopy->isEnabled() && !m.ItemEditPaste->isEnabled());
        list.SelectRow(0);
        QVERIFY(m.ItemEditCut->isEnabled() && m.ItemEditCopy->isEnabled());
        // Ctrl+C on the list and Edit > Copy give the same: the address, and the title as a link.
        QTest::keyClick(list.List()->DetailsView(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard->text(), QStringLiteral("http://carols.example/"));
        QCOMPARE(clipboard->mimeData()->html(),
                 QStringLiteral("<a href=\"http://carols.example/\">Carols &amp; more</a>"));
        clipboard->clear();
        m.ItemEditCopy->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("http://carols.example/"));
        QCOMPARE(list.Count(), 1);
        // Words cannot be pasted as a bookmark; an address can, once.
        clipboard->setText(QStringLiteral("silent night"));
        QVERIFY(!m.ItemEditPaste->isEnabled());
        clipboard->setText(QStringLiteral("https://snow.example/flakes"));
        QVERIFY(m.ItemEditPaste->isEnabled());
        m.ItemEditPaste->trigger();
        QCOMPARE(list.Count(), 2);
        QCOMPARE(list.Record(1).Address, QStringLiteral("https://snow.example/flakes"));
        QCOMPARE(w.mod->Events->StatusBarText(), QStringLiteral("Added to bookmarks"));
        m.ItemEditPaste->trigger();
        QCOMPARE(list.Count(), 2);
        QCOMPARE(w.mod->Events->StatusBarText(), QStringLiteral("Already in bookmarks"));
        // Cut: on the clipboard, and out of the list and its file.
        list.SelectRow(0);
        m.ItemEditCut->trigger();
        QCOMPARE(clipboard->text(), QStringLiteral("http://carols.example/"));
        QCOMPARE(list.Count(), 1);
        QCOMPARE(LoadBookmarkFile(App().Prefs.Values().BookmarkFile).Records.size(), 1);
        // And back in with Ctrl+V, title and all.
        QTest::keyClick(list.List()->DetailsView(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(list.Count(), 2);
        QCOMPARE(list.Record(1).Name, QStringLiteral("Carols & more"));
    }

    void theEditItemsFollowTheAddressBoxAndThePage() {
        FakeWindow w;
        MainMenus& m = *w.ui->Menus;
        FakeBrowser* page = static_cast<FakeBrowser*>(w.mod->Pages->Current());
        QVERIFY(m.ItemEditCut->isVisible() && m.ItemEditCopy->isVisible() && m.ItemEditPaste->isVisible());
        // The page: what the engine allows.
        page->canEdit[BrowserControl::EditCopy] = true;
        emit page->EditStateChanged();
        QVERIFY(!m.ItemEditCut->isEnabled() && m.ItemEditCopy->isEnabled() && !m.ItemEditPaste->isEnabled());
        m.ItemEditCopy->trigger();
        QCOMPARE(page->edits, QList<int>{BrowserControl::EditCopy});
        // The address box, with the focus: its selection and the clipboard.
        w.form->show();
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        QLineEdit* address = w.ui->EditUrl;
        address->setText(QStringLiteral("http://holly.example/"));
        address->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), address);
        address->setSelection(7, 5);
        QVERIFY(m.ItemEditCut->isEnabled() && m.ItemEditCopy->isEnabled());
        m.ItemEditCut->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("holly"));
        QCOMPARE(address->text(), QStringLiteral("http://.example/"));
        QVERIFY(!m.ItemEditCopy->isEnabled() && m.ItemEditPaste->isEnabled());
        address->setCursorPosition(7);
        m.ItemEditPaste->trigger();
        QCOMPARE(address->text(), QStringLiteral("http://holly.example/"));
        QCOMPARE(page->edits.size(), 1); // the page was left alone
    }

    void aListChosenFromTheKeyboardTakesTheKeys() {
        FakeWindow w;
        Bookmarks& list = *w.mod->BookmarkList;
        for (const char* name : {"Holly", "Ivy"})
            list.AddBookmark(QString::fromLatin1(name), QStringLiteral("http://%1.example/").arg(name), 1);
        w.form->show();
        MainMenus& m = *w.ui->Menus;
        m.KeyPreviousTab->trigger(); // the history list
        QCOMPARE(w.form->focusWidget(), w.mod->HistoryList->List());
        m.KeyPreviousTab->trigger(); // the bookmarks
        QCOMPARE(w.form->focusWidget(), list.List()->DetailsView());
        m.ItemBmView[0]->trigger(); // another face keeps the keys
        QCOMPARE(w.form->focusWidget(), list.List()->IconView());
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
            list.Rename(1, QString());
            QCOMPARE(LoadBookmarkFile(App().Prefs.Values().BookmarkFile).Records.at(1).Name, QString());
            list.Rename(1, QStringLiteral("alpha"));
            // The first click on a column sorts by it, the second reverses; the file follows.
            QHeaderView* header = list.List()->DetailsView()->header();
            emit header->sectionClicked(0);
            QCOMPARE(names(list),
                     (QStringList{QStringLiteral("alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma")}));
            emit header->sectionClicked(0);
            QCOMPARE(names(list),
                     (QStringList{QStringLiteral("Gamma"), QStringLiteral("Beta"), QStringLiteral("alpha")}));
            QCOMPARE(LoadBookmarkFile(App().Prefs.Values().BookmarkFile).Records.first().Name,
                     QStringLiteral("Gamma"));
            // Properties: trimmed, and the URL column shows the new address at once.
            list.RunPropertiesDialog = [](FormProperties& dialog) {
                dialog.EditUrl->setText(QStringLiteral("  http://new.example/ "));
                dialog.IconIndex = 9;
                dialog.ButOK->click();
            };
            list.EditBookmarkProperties(0);
            QCOMPARE(list.List()->DetailsView()->model()->index(0, 1).data().toString(),
                     QStringLiteral("http://new.example/"));
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
            list.SelectRow(0);
            list.DeleteSelected();
        }
        QCOMPARE(file(), QByteArray("Glisterwood 97 Bookmarks\r\n"));
        again.FileExit();
    }

    void aSortedListStaysSorted() {
        FakeWindow w;
        Bookmarks& list = *w.mod->BookmarkList;
        for (const char* name : {"mistletoe", "Holly", "ivy"})
            list.AddBookmark(QString::fromLatin1(name), QStringLiteral("http://%1.example/").arg(name), 1);
        list.SortByColumn(0);
        list.SortByColumn(0); // descending
        // Another key keeps the direction; new and renamed bookmarks find their place.
        list.SortByColumn(1);
        QCOMPARE(names(list), (QStringList{"mistletoe", "ivy", "Holly"}));
        list.AddBookmark(QStringLiteral("Angel"), QStringLiteral("http://zz.example/"), 1);
        QCOMPARE(names(list).first(), QStringLiteral("Angel"));
        list.Rename(0, QStringLiteral("Angel, renamed"));
        QCOMPARE(names(list).first(), QStringLiteral("Angel, renamed"));
        QCOMPARE(LoadBookmarkFile(App().Prefs.Values().BookmarkFile).Records.first().Name,
                 QStringLiteral("Angel, renamed"));
    }

    void fourViewsShareOneSelection() {
        FakeWindow w;
        Bookmarks& list = *w.mod->BookmarkList;
        MainMenus& m = *w.ui->Menus;
        for (const char* name : {"one", "two", "three"})
            list.AddBookmark(QString::fromLatin1(name), QStringLiteral("http://%1.example/").arg(name), 1);
        BookmarkView& view = *list.List();
        QCOMPARE(view.Mode(), int(BookmarkView::Details));
        QVERIFY(m.ItemBmView[3]->isChecked() && !m.ItemBmViewAutoArrange->isEnabled());
        list.SelectRow(1);
        struct Face {
            int mode;
            QListView::ViewMode viewMode;
            int iconSize;
            bool arrangeable;
        };
        for (const Face face :
             {Face{0, QListView::IconMode, 32, true}, Face{1, QListView::ListMode, 16, true},
              Face{2, QListView::ListMode, 16, false}}) {
            m.ItemBmView[face.mode]->trigger();
            QCOMPARE(view.CurrentView(), view.IconView());
            QCOMPARE(view.IconView()->viewMode(), face.viewMode);
            QCOMPARE(view.IconView()->iconSize(), QSize(face.iconSize, face.iconSize));
            QCOMPARE(m.ItemBmViewAutoArrange->isEnabled(), face.arrangeable);
            for (int other = 0; other < 4; ++other)
                QCOMPARE(m.ItemBmView[other]->isChecked(), other == face.mode);
            QCOMPARE(list.SelectedRow(), 1);
        }
        // Auto Arrange: large icons stay where the user put them until it is on, then flow in rows.
        m.ItemBmView[0]->trigger();
        QCOMPARE(view.IconView()->movement(), QListView::Free);
        m.ItemBmViewAutoArrange->trigger();
        QVERIFY(view.AutoArrange() && m.ItemBmViewAutoArrange->isChecked());
        QCOMPARE(view.IconView()->movement(), QListView::Static);
        QCOMPARE(view.IconView()->flow(), QListView::LeftToRight);
        m.ItemBmView[1]->trigger();
        QCOMPARE(view.IconView()->flow(), QListView::TopToBottom); // arranged from the left
        m.ItemBmView[3]->trigger();
        QCOMPARE(view.CurrentView(), view.DetailsView());
        QCOMPARE(list.SelectedRow(), 1);
    }

    void theMenuFollowsTheSelectionAndOpensOnRelease() {
        FakeWindow w;
        Bookmarks& list = *w.mod->BookmarkList;
        MainMenus& m = *w.ui->Menus;
        list.AddBookmark(QStringLiteral("Carols"), QStringLiteral("http://carols.example/"), 1);
        w.mod->Pages->SelectTab(1);
        QTreeView* details = list.List()->DetailsView();
        const int pages = w.mod->Pages->BrowserCount();
        // Empty space: only the view sub-menu, What's This and the exchange with other browsers.
        const QPoint empty(details->viewport()->width() / 2, details->viewport()->height() - 4);
        QTest::mousePress(details->viewport(), Qt::RightButton, {}, empty);
        QVERIFY(!m.MenuBookmarks->isVisible()); // not on the press
        QTest::mouseRelease(details->viewport(), Qt::RightButton, {}, empty);
        QTRY_VERIFY(m.MenuBookmarks->isVisible());
        QVERIFY(!m.ItemBookmarksOpenNew->isVisible() && !m.ItemBookmarksDelete->isVisible());
        QVERIFY(m.MenuBmView->menuAction()->isVisible() && m.ItemBookmarksWhatsThis->isVisible());
        QVERIFY(m.ItemBookmarksImport->isVisible() && m.ItemBookmarksExport->isVisible());
        QVERIFY(!m.MenuBookmarks->defaultAction());
        m.MenuBookmarks->hide();
        // A double click on empty space opens nothing.
        QTest::mouseDClick(details->viewport(), Qt::LeftButton, {}, empty);
        QCOMPARE(w.mod->Pages->BrowserCount(), pages);
        // On a bookmark: the whole menu, "Open in New Window" in bold.
        const QPoint onItem = details->visualRect(details->model()->index(0, 0)).center();
        QTest::mouseClick(details->viewport(), Qt::RightButton, {}, onItem);
        QTRY_VERIFY(m.MenuBookmarks->isVisible());
        QVERIFY(m.ItemBookmarksOpenNew->isVisible() && m.ItemBookmarksProperties->isVisible());
        QCOMPARE(m.MenuBookmarks->defaultAction(), m.ItemBookmarksOpenNew);
        m.MenuBookmarks->hide();
        // Enter opens the selected bookmark in a new page.
        QTest::keyClick(details, Qt::Key_Return);
        QCOMPARE(w.mod->Pages->BrowserCount(), pages + 1);
    }

    void importsFromOtherBrowsersWithoutLosingAnything() {
        FakeWindow w;
        Bookmarks& list = *w.mod->BookmarkList;
        list.AddBookmark(QStringLiteral("Mine"), QStringLiteral("https://weihnachtsmarkt.de/"), 7);
        const QString exported = QStringLiteral(GW_TEST_DATA "/exported_bookmarks.html");
        const QString said = list.ImportFrom(exported);
        QVERIFY2(said.startsWith(QStringLiteral("7 bookmarks were imported. 2 were in the list already.")),
                 qPrintable(said));
        QCOMPARE(list.Count(), 8);
        QCOMPARE(list.Record(0).Name, QStringLiteral("Mine")); // kept, with its own icon
        QCOMPARE(list.Record(0).Icon, 7);
        QCOMPARE(LoadBookmarkFile(App().Prefs.Values().BookmarkFile).Records.size(), 8);
        // Twice the same file adds nothing.
        QVERIFY(list.ImportFrom(exported).startsWith(QStringLiteral("0 bookmarks were imported.")));
        QCOMPARE(list.Count(), 8);
        // A file that is no bookmark file says so, and the list stays as it was.
        QTemporaryDir dir;
        const QString junk = dir.filePath(QStringLiteral("junk.html"));
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("just words") > 0);
        f.close();
        QVERIFY(list.ImportFrom(junk).contains(QStringLiteral("not a bookmark")));
        QVERIFY(
            list.ImportFrom(dir.filePath(QStringLiteral("missing.html"))).startsWith(QStringLiteral("0 ")));
        QCOMPARE(list.Count(), 8);
        // And out again: another browser reads every one back.
        const QString out = dir.filePath(QStringLiteral("out.html"));
        QVERIFY(list.ExportTo(out));
        QCOMPARE(ImportNetscapeFile(out, {}).Bookmarks.size(), 8);
        QVERIFY(!list.ExportTo(dir.filePath(QStringLiteral("no/such/folder/out.html"))));
    }
};

QTEST_MAIN(TestBookmarkList)
#include "test_bookmark_list.moc"
