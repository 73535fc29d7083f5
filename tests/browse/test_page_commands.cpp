#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/FormMain.h"
#include "app/MainMenus.h"
#include "app/ProductProfile.h"
#include "browse/Browsers.h"
#include "browse/FindBar.h"
#include "browse/FormOpen.h"
#include "browse/LinksMenu.h"
#include "browse/PageCommands.h"
#include "browse/WinShell.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

class TestPageCommands : public QObject {
    Q_OBJECT

    static FakeBrowser* page(FakeWindow& w, int slot) {
        return static_cast<FakeBrowser*>(w.form->Pages->Control(slot));
    }
    QList<QUrl> opened;

private slots:
    void init() {
        opened.clear();
        WinShell::SetOpenerForTesting([this](const QUrl& url) {
            opened << url;
            return true;
        });
    }

    void onlyWebAndMailAddressesLeaveTheProgram_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("handedOver");
        QTest::newRow("http") << "http://example.org/a?b=c"
                              << "http://example.org/a?b=c";
        QTest::newRow("https") << " https://example.org/ "
                               << "https://example.org/";
        QTest::newRow("ftp") << "ftp://files.example.org/x"
                             << "ftp://files.example.org/x";
        QTest::newRow("mail") << "mailto:santa@example.org"
                              << "mailto:santa@example.org";
        QTest::newRow("bare host") << "example.org"
                                   << "http://example.org";
        QTest::newRow("upper case") << "HTTPS://EXAMPLE.ORG/"
                                    << "https://example.org/";
        QTest::newRow("local file") << "file:///usr/bin/xterm"
                                    << "";
        QTest::newRow("path") << "/usr/bin/xterm"
                              << "";
        QTest::newRow("desktop file") << "/usr/share/applications/xterm.desktop"
                                      << "";
        QTest::newRow("script") << "javascript:alert(1)"
                                << "";
        QTest::newRow("other scheme") << "smb://server/share"
                                      << "";
        QTest::newRow("command") << "sh -c 'rm -rf ~'"
                                 << "";
        QTest::newRow("empty") << "   "
                               << "";
        QTest::newRow("no host") << "http://"
                                 << "";
    }
    void onlyWebAndMailAddressesLeaveTheProgram() {
        QFETCH(QString, address);
        QFETCH(QString, handedOver);
        QCOMPARE(WinShell::OpenExternal(address), !handedOver.isEmpty());
        if (handedOver.isEmpty())
            QVERIFY(opened.isEmpty());
        else
            QCOMPARE(opened, QList<QUrl>{QUrl(handedOver)});
    }

    void openDialogSendsTheAddressWhereChosen() {
        FakeWindow w;
        QString typed = QStringLiteral("http://open.example/");
        int choice = 0;
        bool closeBox = false;
        w.form->Commands->RunOpenDialog = [&](FormOpen& dialog) {
            QCOMPARE(dialog.EditUrl->text(), QStringLiteral("http://"));
            QCOMPARE(dialog.EditUrl->cursorPosition(), 7);
            dialog.EditUrl->setText(typed);
            QRadioButton* options[] = {dialog.OptCurrentWindow, dialog.OptNewWindow,
                                       dialog.OptExternalWindow};
            options[choice]->setChecked(true);
            if (closeBox)
                dialog.close();
            else
                dialog.ButOK->click();
        };
        w.form->Menus->ItemFileOpen->trigger();
        QCOMPARE(page(w, 1)->navigations.last(), typed);
        choice = 1;
        w.form->Menus->ItemFileOpen->trigger();
        QCOMPARE(w.factory->created.size(), 2);
        QCOMPARE(w.factory->created[1]->navigations, QStringList{typed});
        choice = 2;
        closeBox = true; // the close box acts as OK
        w.form->Menus->ItemFileOpen->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl(typed)});

        // With no page left, "current window" opens a new one.
        w.form->Pages->CloseCurrentPage();
        w.form->Pages->CloseCurrentPage();
        w.form->TabMain->setCurrentIndex(0);
        FormOpen dialog;
        dialog.EditUrl->setText(typed);
        dialog.ButOK->click();
        w.form->Pages->CurInterface = 3;
        w.form->Commands->OpenFromDialog(dialog);
        QCOMPARE(w.factory->created.size(), 3);

        FormOpen cancelled;
        cancelled.ButCancel->click();
        w.form->Commands->OpenFromDialog(cancelled);
        FormOpen empty;
        empty.EditUrl->clear();
        empty.ButOK->click();
        w.form->Commands->OpenFromDialog(empty);
        QCOMPARE(w.factory->created.size(), 3);
    }

    void productPagesOpenInNewPages() {
        FakeWindow w;
        w.form->Menus->ItemFileTellAFriend->trigger();
        w.form->Menus->ItemHelpWeb->trigger();
        QCOMPARE(w.factory->created[1]->navigations, QStringList{ProductProfile().Product_TellAFriendPage()});
        QCOMPARE(w.factory->created[2]->navigations, QStringList{ProductProfile().Product_HelpPage()});
        w.form->EditUrl->setText(QStringLiteral("file:///etc/passwd"));
        w.form->Menus->ItemFileOpenExternal->trigger();
        QVERIFY(opened.isEmpty());
        w.form->EditUrl->setText(QStringLiteral("https://outside.example/"));
        w.form->Menus->ItemTabOpenExternal->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://outside.example/"))});
    }

    void linksMenuListsTextLinksOfTheCurrentPage() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        MainMenus& m = *w.form->Menus;
        w.form->Links->PopulateLinksMenu();
        QVERIFY(m.ItemLinksNone->isVisible());
        const QVariantList answer{
            QVariantList{QStringLiteral("  Padded text  "), QStringLiteral("http://a.example/")},
            QVariantList{QString(), QStringLiteral("http://image-only.example/")},
            QVariantList{QStringLiteral("Fish & Chips"), QStringLiteral("http://b.example/")},
            QVariantList{QStringLiteral("Padded text"), QStringLiteral("http://a.example/")},
            QVariantList{QStringLiteral("broken")},
        };
        p->pendingScripts.clear();
        w.form->Links->PopulateLinksMenu();
        p->AnswerScript(answer);
        QCOMPARE(w.form->Links->LinkCount(), 3);
        QVERIFY(!m.ItemLinksNone->isVisible());
        QCOMPARE(w.form->Links->Item(1)->text(), QStringLiteral("Padded text"));
        QCOMPARE(w.form->Links->Item(2)->text(), QStringLiteral("Fish && Chips"));
        w.form->Links->Item(2)->trigger();
        QCOMPARE(p->navigations.last(), QStringLiteral("http://b.example/"));

        // Only image links: the placeholder stays.
        w.form->Links->PopulateLinksMenu();
        p->AnswerScript(
            QVariantList{QVariantList{QStringLiteral("   "), QStringLiteral("http://img.example/")}});
        QCOMPARE(w.form->Links->LinkCount(), 0);
        QVERIFY(m.ItemLinksNone->isVisible());

        // An answer that arrives after another page became current is dropped.
        p->pendingScripts.clear();
        w.form->Links->PopulateLinksMenu();
        w.form->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        p->AnswerScript(answer);
        QCOMPARE(w.form->Links->LinkCount(), 0);
    }

    void readingThePageSpeaksSelectionOrWholePage() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        p->pendingScripts.clear(); // the Links menu's own request
        w.form->Links->ReadThePage();
        QCOMPARE(w.agent->said.last(), QStringLiteral("interrupt"));
        p->AnswerScript(QVariantMap{{QStringLiteral("selType"), QStringLiteral("Range")},
                                    {QStringLiteral("selText"), QStringLiteral("just this")},
                                    {QStringLiteral("title"), QStringLiteral("T")},
                                    {QStringLiteral("body"), QStringLiteral("B")}});
        QCOMPARE(w.agent->said.last(), QStringLiteral("speak:Selected text: just this"));
        w.form->Links->ReadThePage();
        p->AnswerScript(QVariantMap{{QStringLiteral("selType"), QStringLiteral("Caret")},
                                    {QStringLiteral("title"), QStringLiteral("Carols")},
                                    {QStringLiteral("body"), QStringLiteral("Deck the halls")}});
        QCOMPARE(w.agent->said.mid(w.agent->said.size() - 2),
                 (QStringList{QStringLiteral("speak:Page title: Carols"),
                              QStringLiteral("speak:Page text: Deck the halls")}));
        // Not in the list panes.
        w.form->TabMain->setCurrentIndex(1);
        const int before = w.agent->said.size();
        w.form->Links->ReadThePage();
        QCOMPARE(w.agent->said.size(), before);
    }

    void findPrintAndZoomReachThePage() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        w.form->Menus->ItemEditFind->trigger();
        QVERIFY(!w.form->Commands->Finder()->isHidden());
        QTest::keyClicks(w.form->Commands->Finder()->Edit(), QStringLiteral("ho"));
        QCOMPARE(p->commands.last(), QStringLiteral("find:ho"));
        QTest::keyClick(w.form->Commands->Finder(), Qt::Key_Escape);
        QVERIFY(w.form->Commands->Finder()->isHidden());
        QCOMPARE(p->commands.last(), QStringLiteral("find:")); // highlight cleared
        w.form->Menus->ItemFilePrint->trigger();
        QCOMPARE(p->commands.last(), QStringLiteral("print"));
        w.form->Menus->KeyZoomIn->trigger();
        QCOMPARE(p->zoom, 1.1);
        w.form->Menus->KeyZoomOut->trigger();
        w.form->Menus->KeyZoomOut->trigger();
        QCOMPARE(p->zoom, 0.9);
        w.form->Menus->KeyZoomReset->trigger();
        QCOMPARE(p->zoom, 1.0);
        // Find is off in the list panes.
        w.form->TabMain->setCurrentIndex(0);
        QVERIFY(!w.form->Menus->ItemEditFind->isEnabled());
    }
};

QTEST_MAIN(TestPageCommands)
#include "test_page_commands.moc"
