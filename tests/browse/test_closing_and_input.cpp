// On scripted pages: closing asks the page first and a page kept open wins; dead pages are named;
// what the address box takes; find answers of earlier searches are dropped.
#include "FakeBrowser.h"
#include "TestEnvironment.h"
#include "app/MainMenus.h"
#include "app/Widgets.h"
#include "app/WindowProbe.h"
#include "browse/AddressInput.h"
#include "browse/Browsers.h"
#include "browse/FindBar.h"
#include "browse/PageCommands.h"
#include "browse/PageEvents.h"
#include "browse/SurfCommands.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

namespace {
FakeBrowser* page(FakeWindow& w, int slot) {
    return static_cast<FakeBrowser*>(w.mod->Pages->Control(slot));
}
} // namespace

class TestClosingAndInput : public QObject {
    Q_OBJECT

private slots:
    void closingATabWaitsForThePageAndAPageKeptOpenStays() {
        FakeWindow w;
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        FakeBrowser* two = page(w, 2);
        two->keepOpen = true;
        w.ui->Menus->ItemFileClose->trigger();
        QCOMPARE(two->closeRequests, 1);
        QVERIFY(w.mod->Pages->InUse(2)); // its beforeunload kept it

        // An answer that comes later closes the page then, and only once however often Ctrl+W is pressed.
        two->keepOpen = false;
        two->answerLater = true;
        w.ui->Menus->ItemFileClose->trigger();
        w.ui->Menus->ItemFileClose->trigger();
        QCOMPARE(two->closeRequests, 2);
        QVERIFY(w.mod->Pages->InUse(2));
        emit two->CloseAnswered(true);
        QVERIFY(!w.mod->Pages->InUse(2));
        QCOMPARE(w.mod->Pages->CurBrowser(), 1);
        QCOMPARE(w.ui->TabMain->count(), 3);

        // A page inside its own dialog is closed without being asked.
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://nag.example/"));
        FakeBrowser* nag = page(w, 2);
        nag->dialogOpen = true;
        nag->answerLater = true;
        w.ui->Menus->ItemFileClose->trigger();
        QVERIFY(!w.mod->Pages->InUse(2));
        QCOMPARE(nag->closeRequests, 0);
    }

    void exitAsksEveryPageAndOneKeptOpenCancelsIt() {
        FakeWindow w;
        w.form->show();
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        FakeBrowser* one = page(w, 1);
        FakeBrowser* two = page(w, 2);
        two->answerLater = true;
        w.form->FileExit();
        QCOMPARE(one->closeRequests, 1);
        QCOMPARE(two->closeRequests, 1);
        QVERIFY(w.form->isVisible()); // still waiting for the second page
        emit two->CloseAnswered(false);
        QTest::qWait(10);
        QVERIFY(w.form->isVisible());
        QVERIFY(w.mod->Pages->InUse(1) && w.mod->Pages->InUse(2));
        QVERIFY(w.ui->PicStatusBar->Text().contains(QStringLiteral("stay open")));

        // The close box goes the same way; this time both agree.
        w.form->close();
        QVERIFY(w.form->isVisible());
        emit two->CloseAnswered(true);
        QTRY_VERIFY(!w.form->isVisible());
    }

    void aDeadPageIsClosedAndNamed() {
        FakeWindow w;
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://two.example/"));
        FakeBrowser* two = page(w, 2);
        two->location = QStringLiteral("http://two.example/");
        two->Title(QStringLiteral("Second page"));
        two->alive = false;
        two->crashed = true;
        w.mod->Pages->CleanupBadWindows();
        QVERIFY(!w.mod->Pages->InUse(2));
        const QString said = w.ui->PicStatusBar->Text();
        QVERIFY2(said.contains(QStringLiteral("Second page (http://two.example/)")) &&
                     said.contains(QStringLiteral("stopped working")),
                 qPrintable(said));

        // A page that closed itself goes without a word.
        w.mod->Pages->OpenInNewBrowser(QStringLiteral("http://three.example/"));
        page(w, 2)->location = QStringLiteral("http://three.example/");
        page(w, 2)->alive = false;
        w.mod->Pages->CleanupBadWindows();
        QVERIFY(!w.mod->Pages->InUse(2));
        QVERIFY(!w.ui->PicStatusBar->Text().contains(QStringLiteral("three.example")));
    }

    void whatTheAddressBoxTakes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::newRow("empty") << QString() << int(AddressInput::Blank);
        QTest::newRow("blanks") << QStringLiteral("  \t ") << int(AddressInput::Blank);
        QTest::newRow("words") << QStringLiteral("hello world") << int(AddressInput::NotAnAddress);
        QTest::newRow("port too big")
            << QStringLiteral("example.org:99999") << int(AddressInput::NotAnAddress);
        QTest::newRow("port too big, scheme")
            << QStringLiteral("http://example.org:65536/x") << int(AddressInput::NotAnAddress);
        QTest::newRow("port at the limit")
            << QStringLiteral("example.org:65535") << int(AddressInput::Address);
        QTest::newRow("bare host") << QStringLiteral("example.org") << int(AddressInput::Address);
        QTest::newRow("query with spaces")
            << QStringLiteral("https://example.org/?q=a b") << int(AddressInput::Address);
        QTest::newRow("2 MB") << QStringLiteral("http://e.org/") + QString(AddressInput::kMaxLength - 13, 'a')
                              << int(AddressInput::Address);
        QTest::newRow("over 2 MB") << QStringLiteral("http://e.org/") + QString(AddressInput::kMaxLength, 'a')
                                   << int(AddressInput::TooLong);
    }
    void whatTheAddressBoxTakes() {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QCOMPARE(int(AddressInput::Classify(text).kind), kind);
    }

    void enterOnNothingDoesNothingAndTooLongIsRefused() {
        FakeWindow w;
        QStringList messages;
        w.form->ShowMessage = [&messages](const QString&, const QString& text) { messages << text; };
        FakeBrowser* one = page(w, 1);
        const int before = int(one->navigations.size());
        w.mod->Surf->EditUrl_Enter(QStringLiteral("   "));
        QCOMPARE(int(one->navigations.size()), before);

        // A long paste is neither cut short by the box nor loaded.
        const QString huge = QStringLiteral("http://e.org/") + QString(AddressInput::kMaxLength + 10, 'a');
        w.ui->EditUrl->setText(huge);
        QCOMPARE(w.ui->EditUrl->text().size(), AddressInput::kMaxLength + 1);
        QTest::keyClick(w.ui->EditUrl, Qt::Key_Return);
        QCOMPARE(int(one->navigations.size()), before);
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages.first().contains(QStringLiteral("at most")));
    }

    void findShowsOnlyTheLatestSearchesCount() {
        FakeWindow w;
        FakeBrowser* one = page(w, 1);
        QList<std::function<void(int, int)>> answers;
        one->deferFind = [&answers](std::function<void(int, int)> done) { answers << done; };
        w.mod->Commands->ItemEditFind_Click();
        FindBar* bar = w.mod->Commands->Finder();
        bar->Edit()->setText(QStringLiteral("a"));
        bar->Edit()->setText(QStringLiteral("ab"));
        QCOMPARE(answers.size(), 2);
        answers[1](3, 7); // the current search answers first
        answers[0](0, 0); // the earlier one, late: dropped
        QCOMPARE(bar->findChildren<QLabel*>().last()->text(), QStringLiteral("3 of 7"));
    }
};

QTEST_MAIN(TestClosingAndInput)
#include "test_closing_and_input.moc"
