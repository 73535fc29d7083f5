#include "FakeBrowser.h"
#include "RecordingAgent.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/MainMenus.h"
#include "app/WindowProbe.h"
#include "base/ProductProfile.h"
#include "browse/Browsers.h"
#include "browse/Downloads.h"
#include "browse/FindBar.h"
#include "browse/FormOpen.h"
#include "browse/LinksMenu.h"
#include "browse/PageCommands.h"
#include "browse/PageScheme.h"
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
        return static_cast<FakeBrowser*>(w.mod->Pages->Control(slot));
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

    void ownPagesServeOnlyTheirFolder_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("resource");
        QTest::newRow("page") << "glisterwood://pages/help.html"
                              << ":/pages/help.html";
        QTest::newRow("folder") << "glisterwood://pages/"
                                << ":/pages/welcome.html";
        QTest::newRow("no path") << "glisterwood://pages"
                                 << ":/pages/welcome.html";
        QTest::newRow("other host") << "glisterwood://art/icon-64.png"
                                    << "";
        QTest::newRow("no host") << "glisterwood:///etc/passwd"
                                 << "";
        QTest::newRow("up") << "glisterwood://pages/../art/icon-64.png"
                            << "";
        QTest::newRow("encoded up") << "glisterwood://pages/%2e%2e/art/icon-64.png"
                                    << "";
        QTest::newRow("encoded slash") << "glisterwood://pages/..%2fart/icon-64.png"
                                       << "";
        QTest::newRow("backslash") << "glisterwood://pages/..\\art"
                                   << "";
    }
    void ownPagesServeOnlyTheirFolder() {
        QFETCH(QString, address);
        QFETCH(QString, resource);
        QCOMPARE(PageSchemeHandler::ResourcePath(QUrl(address)), resource);
    }

    void downloadsSaveUnderTheChosenFolderOnly_data() {
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << "carols.mid"
                               << "/home/u/Downloads/carols.mid";
        QTest::newRow("absolute") << "/etc/cron.d/evil"
                                  << "/home/u/Downloads/evil";
        QTest::newRow("up") << "../../.bashrc"
                            << "/home/u/Downloads/.bashrc";
        QTest::newRow("dot dot") << ".."
                                 << "/home/u/Downloads/download";
        QTest::newRow("empty") << ""
                               << "/home/u/Downloads/download";
        QTest::newRow("folder") << "sub/"
                                << "/home/u/Downloads/download";
    }
    void downloadsSaveUnderTheChosenFolderOnly() {
        QFETCH(QString, suggested);
        QFETCH(QString, path);
        QCOMPARE(Downloads::SuggestedPath(QStringLiteral("/home/u/Downloads"), suggested), path);
    }

    void openDialogSendsTheAddressWhereChosen() {
        FakeWindow w;
        QString typed = QStringLiteral("http://open.example/");
        int choice = 0;
        bool closeBox = false;
        w.mod->Commands->RunOpenDialog = [&](FormOpen& dialog) {
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
        w.ui->Menus->ItemFileOpen->trigger();
        QCOMPARE(page(w, 1)->navigations.last(), typed);
        choice = 1;
        w.ui->Menus->ItemFileOpen->trigger();
        QCOMPARE(w.factory->created.size(), 2);
        QCOMPARE(w.factory->created[1]->navigations, QStringList{typed});
        choice = 2;
        closeBox = true; // the close box acts as OK
        w.ui->Menus->ItemFileOpen->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl(typed)});

        // With no page left, "current window" opens a new one.
        w.mod->Pages->CloseCurrentPage();
        w.mod->Pages->CloseCurrentPage();
        w.ui->TabMain->setCurrentIndex(0);
        FormOpen dialog;
        dialog.EditUrl->setText(typed);
        dialog.ButOK->click();
        w.mod->Pages->SelectInterface_Browser();
        w.mod->Commands->OpenFromDialog(dialog);
        QCOMPARE(w.factory->created.size(), 3);

        FormOpen cancelled;
        cancelled.ButCancel->click();
        w.mod->Commands->OpenFromDialog(cancelled);
        FormOpen empty;
        empty.EditUrl->clear();
        empty.ButOK->click();
        w.mod->Commands->OpenFromDialog(empty);
        QCOMPARE(w.factory->created.size(), 3);
    }

    void productPagesOpenInNewPages() {
        FakeWindow w;
        w.ui->Menus->ItemFileTellAFriend->trigger();
        w.ui->Menus->ItemHelpWeb->trigger();
        QCOMPARE(w.factory->created[1]->navigations, QStringList{ProductProfile().Product_TellAFriendPage()});
        QCOMPARE(w.factory->created[2]->navigations, QStringList{ProductProfile().Product_HelpPage()});
        w.ui->EditUrl->setText(QStringLiteral("file:///etc/passwd"));
        w.ui->Menus->ItemFileOpenExternal->trigger();
        QVERIFY(opened.isEmpty());
        w.ui->EditUrl->setText(QStringLiteral("https://outside.example/"));
        w.ui->Menus->ItemTabOpenExternal->trigger();
        QCOMPARE(opened, QList<QUrl>{QUrl(QStringLiteral("https://outside.example/"))});
    }

    void linksMenuListsTextLinksOfTheCurrentPage() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        MainMenus& m = *w.ui->Menus;
        w.mod->Links->PopulateLinksMenu();
        QVERIFY(m.ItemLinksNone->isVisible());
        const QVariantList answer{
            QVariantList{QStringLiteral("  Padded text  "), QStringLiteral("http://a.example/")},
            QVariantList{QString(), QStringLiteral("http://image-only.example/")},
            QVariantList{QStringLiteral("Fish & Chips"), QStringLiteral("http://b.example/")},
            QVariantList{QStringLiteral("Padded text"), QStringLiteral("http://a.example/")},
            QVariantList{QStringLiteral("broken")},
        };
        p->pendingScripts.clear();
        w.mod->Links->PopulateLinksMenu();
        p->AnswerScript(answer);
        QCOMPARE(w.mod->Links->LinkCount(), 3);
        QVERIFY(!m.ItemLinksNone->isVisible());
        QCOMPARE(w.mod->Links->Item(1)->text(), QStringLiteral("Padded text"));
        QCOMPARE(w.mod->Links->Item(2)->text(), QStringLiteral("Fish && Chips"));
        w.mod->Links->Item(2)->trigger();
        QCOMPARE(p->navigations.last(), QStringLiteral("http://b.example/"));

        // Only image links: the placeholder stays.
        w.mod->Links->PopulateLinksMenu();
        p->AnswerScript(
            QVariantList{QVariantList{QStringLiteral("   "), QStringLiteral("http://img.example/")}});
        QCOMPARE(w.mod->Links->LinkCount(), 0);
        QVERIFY(m.ItemLinksNone->isVisible());

        // An answer that arrives after another page became current is dropped.
        p->pendingScripts.clear();
        w.mod->Links->PopulateLinksMenu();
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        p->AnswerScript(answer);
        QCOMPARE(w.mod->Links->LinkCount(), 0);
    }

    void twoLinkRequestsForOnePageGiveOneCopy() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        p->pendingScripts.clear();
        w.mod->Links->PopulateLinksMenu();
        w.mod->Links->PopulateLinksMenu();
        const QVariantList answer{QVariantList{QStringLiteral("One"), QStringLiteral("http://one.example/")}};
        p->AnswerScript(answer);
        p->AnswerScript(answer);
        QCOMPARE(w.mod->Links->LinkCount(), 1);
        QCOMPARE(w.ui->Menus->MenuLinks->actions().size(), 2); // the placeholder and one link
    }

    void readingThePageSpeaksSelectionOrWholePage() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        p->pendingScripts.clear(); // the Links menu's own request
        w.mod->Links->ReadThePage();
        QCOMPARE(w.agent->said.last(), QStringLiteral("interrupt"));
        p->AnswerScript(QVariantMap{{QStringLiteral("selType"), QStringLiteral("Range")},
                                    {QStringLiteral("selText"), QStringLiteral("just this")},
                                    {QStringLiteral("title"), QStringLiteral("T")},
                                    {QStringLiteral("body"), QStringLiteral("B")}});
        QCOMPARE(w.agent->said.last(), QStringLiteral("say:Selected text: just this"));
        w.mod->Links->ReadThePage();
        p->AnswerScript(QVariantMap{{QStringLiteral("selType"), QStringLiteral("Caret")},
                                    {QStringLiteral("title"), QStringLiteral("Carols")},
                                    {QStringLiteral("body"), QStringLiteral("Deck the halls")}});
        QCOMPARE(w.agent->said.mid(w.agent->said.size() - 2),
                 (QStringList{QStringLiteral("say:Page title: Carols"),
                              QStringLiteral("say:Page text: Deck the halls")}));
        // Not in the list panes.
        w.ui->TabMain->setCurrentIndex(1);
        const int before = w.agent->said.size();
        w.mod->Links->ReadThePage();
        QCOMPARE(w.agent->said.size(), before);
    }

    void findPrintAndZoomReachThePage() {
        FakeWindow w;
        FakeBrowser* p = page(w, 1);
        w.ui->Menus->ItemEditFind->trigger();
        QVERIFY(!w.mod->Commands->Finder()->isHidden());
        QTest::keyClicks(w.mod->Commands->Finder()->Edit(), QStringLiteral("ho"));
        QCOMPARE(p->commands.last(), QStringLiteral("find:ho"));
        QTest::keyClick(w.mod->Commands->Finder(), Qt::Key_Escape);
        QVERIFY(w.mod->Commands->Finder()->isHidden());
        QCOMPARE(p->commands.last(), QStringLiteral("find:")); // highlight cleared
        w.ui->Menus->ItemFilePrint->trigger();
        QCOMPARE(p->commands.last(), QStringLiteral("print"));
        w.ui->Menus->KeyZoomIn->trigger();
        QCOMPARE(p->zoom, 1.1);
        w.ui->Menus->KeyZoomOut->trigger();
        w.ui->Menus->KeyZoomOut->trigger();
        QCOMPARE(p->zoom, 0.9);
        w.ui->Menus->KeyZoomReset->trigger();
        QCOMPARE(p->zoom, 1.0);
        // The steps end at 30 % and 300 %; a zoom between steps moves to the next one.
        p->zoom = 3.0;
        w.ui->Menus->KeyZoomIn->trigger();
        QCOMPARE(p->zoom, 3.0);
        p->zoom = 0.3;
        w.ui->Menus->KeyZoomOut->trigger();
        QCOMPARE(p->zoom, 0.3);
        p->zoom = 1.05;
        w.ui->Menus->KeyZoomIn->trigger();
        QCOMPARE(p->zoom, 1.1);
        p->zoom = 1.05;
        w.ui->Menus->KeyZoomOut->trigger();
        QCOMPARE(p->zoom, 1.0);
        // Find is off in the list panes.
        w.ui->TabMain->setCurrentIndex(0);
        QVERIFY(!w.ui->Menus->ItemEditFind->isEnabled());
    }
};

QTEST_MAIN(TestPageCommands)
#include "test_page_commands.moc"
