// The address box: what typed text becomes (an address or a search), the pages it offers while the
// user types, and Escape.
#include "FakeBrowser.h"
#include "TestEnvironment.h"
#include "app/AppGlobals.h"
#include "app/WindowProbe.h"
#include "bookmarks/Bookmarks.h"
#include "browse/AddressBox.h"
#include "browse/AddressSuggestions.h"
#include "browse/Browsers.h"
#include "browse/HistoryStore.h"
#include "browse/SurfCommands.h"
#include "browse/TypedAddress.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCompleter>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTest>

namespace {
const QString kSearch = QStringLiteral("http://127.0.0.1:9/find?q={searchTerms}&from=box");
}

class TestAddressBox : public QObject {
    Q_OBJECT

    static FakeBrowser* page(FakeWindow& w, int slot) {
        return static_cast<FakeBrowser*>(w.mod->Pages->Control(slot));
    }
    static void useSearchAddress(const QString& address) {
        Preferences prefs = App().Prefs.Values();
        prefs.SearchAddress = address;
        App().Prefs.Replace(prefs);
    }
    // A visit as the pages report it: the page arrives at the address and shows its title.
    static void visit(FakeWindow& w, int slot, const QString& address, const QString& title) {
        page(w, slot)->Begin(address);
        page(w, slot)->Commit(address);
        page(w, slot)->Title(title);
        page(w, slot)->Finish();
    }
    static QStringList offered(FakeWindow& w) {
        QStringList rows;
        const QStandardItemModel* model = w.mod->Address->Offered();
        for (int row = 0; row < model->rowCount(); ++row)
            rows << model->item(row)->data(AddressBox::kAddressRole).toString();
        return rows;
    }

private slots:
    void typedTextIsAnAddressOrWords_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("target");
        const int search = TypedAddress::Search, address = TypedAddress::Address;
        QTest::newRow("words") << "python decorators" << search
                               << "http://127.0.0.1:9/find?q=python%20decorators&from=box";
        QTest::newRow("host and port") << "localhost:8080" << address << "localhost:8080";
        QTest::newRow("one-letter top label") << "a.b" << search << "http://127.0.0.1:9/find?q=a.b&from=box";
        QTest::newRow("words then a host")
            << "foo bar.com" << search << "http://127.0.0.1:9/find?q=foo%20bar.com&from=box";
        QTest::newRow("scheme") << "http://x" << address << "http://x";
        QTest::newRow("IPv6 in brackets") << "[::1]:8080" << address << "[::1]:8080";
        QTest::newRow("bare IPv6") << "2001:db8::1" << address << "http://[2001:db8::1]/";
        QTest::newRow("blanks") << "  \t " << int(TypedAddress::Blank) << QString();
        QTest::newRow("empty") << QString() << int(TypedAddress::Blank) << QString();
        QTest::newRow("host") << " example.org " << address << "example.org";
        QTest::newRow("host with path")
            << "example.org/a b" << search << "http://127.0.0.1:9/find?q=example.org%2Fa%20b&from=box";
        QTest::newRow("version number")
            << "python3.11" << search << "http://127.0.0.1:9/find?q=python3.11&from=box";
        QTest::newRow("IPv4") << "10.0.0.1/x" << address << "10.0.0.1/x";
        QTest::newRow("intranet name with port") << "wiki:8080/start" << address << "wiki:8080/start";
        QTest::newRow("one word") << "decorators" << search
                                  << "http://127.0.0.1:9/find?q=decorators&from=box";
        QTest::newRow("signs are encoded")
            << "c++ & c# ?" << search << "http://127.0.0.1:9/find?q=c%2B%2B%20%26%20c%23%20%3F&from=box";
        QTest::newRow("word and colon")
            << "note:this" << search << "http://127.0.0.1:9/find?q=note%3Athis&from=box";
        QTest::newRow("a port too big keeps its page")
            << "example.org:99999" << int(TypedAddress::NotAnAddress) << "example.org:99999";
        QTest::newRow("scheme with words")
            << "https://example.org/?q=a b" << address << "https://example.org/?q=a b";
        QTest::newRow("about") << "about:blank" << address << "about:blank";
        QTest::newRow("local file") << "/usr/share/doc" << address << "/usr/share/doc";
    }
    void typedTextIsAnAddressOrWords() {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QString, target);
        const TypedAddress resolved = TypedAddress::Resolve(typed, kSearch);
        QCOMPARE(int(resolved.kind), kind);
        QCOMPARE(resolved.target, target);
    }

    void withoutAUsableSearchAddressWordsAreNoAddress() {
        for (const QString& address : {QString(), QStringLiteral("http://find.example/?q="),
                                       QStringLiteral("not an address {searchTerms}")})
            QCOMPARE(int(TypedAddress::Resolve(QStringLiteral("python decorators"), address).kind),
                     int(TypedAddress::NotAnAddress));
        // Every placeholder takes the words.
        QCOMPARE(TypedAddress::SearchUrl(QStringLiteral("http://s.example/{searchTerms}/?q={searchTerms}"),
                                         QStringLiteral(" snow ")),
                 QStringLiteral("http://s.example/snow/?q=snow"));
    }

    void enterSearchesWordsAndLoadsAddresses() {
        FakeWindow w;
        useSearchAddress(kSearch);
        QLineEdit* edit = w.ui->EditUrl;
        edit->setText(QStringLiteral("python decorators"));
        QTest::keyClick(edit, Qt::Key_Return);
        edit->setText(QStringLiteral("localhost:8080"));
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(page(w, 1)->navigations,
                 QStringList({QStringLiteral("http://127.0.0.1:9/find?q=python%20decorators&from=box"),
                              QStringLiteral("localhost:8080")}));
        // Surf > Search Page still opens the search page itself.
        w.mod->Surf->ItemSurfSearchPage_Click();
        QCOMPARE(page(w, 1)->navigations.last(), App().Prefs.Values().SearchPage);
    }

    void escapePutsThePagesAddressBackAndThenStops() {
        FakeWindow w;
        FakeBrowser* one = page(w, 1);
        one->Begin(QStringLiteral("http://one.example/"));
        one->Commit(QStringLiteral("http://one.example/"));
        QLineEdit* edit = w.ui->EditUrl;
        w.form->show();
        w.form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.form.get()));
        edit->setFocus();
        edit->setText(QStringLiteral("half typed"));
        QTest::keyClick(edit, Qt::Key_Escape);
        QCOMPARE(edit->text(), QStringLiteral("http://one.example/"));
        QCOMPARE(edit->selectedText(), edit->text());
        QVERIFY(!one->commands.contains(QStringLiteral("stop"))); // the first Escape only undid the typing
        // With nothing to put back, Escape is the window's again: the loading page stops.
        QTest::keyClick(edit, Qt::Key_Escape);
        QVERIFY(one->commands.contains(QStringLiteral("stop")));
    }

    void suggestionsRankAddressesFirstThenBookmarksVisitsAndRecency() {
        auto entry = [](const char* address, const char* title, int visits, qint64 last) {
            return HistoryEntry{QString::fromLatin1(address), QString::fromLatin1(title), visits, last};
        };
        const QList<HistoryEntry> history{
            entry("https://docs.example/snowflakes", "Snow guide", 9, 50), // words only
            entry("https://snow.example/old", "Old", 2, 10),               // address, fewer visits
            entry("https://www.snow.example/", "Snow home", 5, 20),        // address, most visits
            entry("https://snow.example/new", "New", 2, 30),               // address, as often but later
        };
        const QList<Suggestion> bookmarks{
            {QStringLiteral("https://snow.example/old"), QStringLiteral("My snow"), true, 0, 0},
            {QStringLiteral("https://other.example/snowman"), QStringLiteral("Snowman"), true, 0, 0},
        };
        const QList<Suggestion> ranked =
            AddressSuggestions::Rank(QStringLiteral("snow"), history, bookmarks, 8);
        QStringList order;
        for (const Suggestion& s : ranked)
            order << s.address;
        QCOMPARE(order, QStringList({"https://snow.example/old", "https://www.snow.example/",
                                     "https://snow.example/new", "https://other.example/snowman",
                                     "https://docs.example/snowflakes"}));
        // The bookmarked page was visited too: once, with its bookmark's name and its visits.
        QCOMPARE(ranked.first().title, QStringLiteral("My snow"));
        QCOMPARE(ranked.first().visits, 2);
        QCOMPARE(AddressSuggestions::Rank(QStringLiteral("snow"), history, bookmarks, 2).size(), 2);

        QVERIFY(AddressSuggestions::Matches(QStringLiteral("www.sno"), QStringLiteral("http://snow.example/"),
                                            {}));
        QVERIFY(AddressSuggestions::Matches(QStringLiteral("gui sno"), QStringLiteral("http://x.example/"),
                                            QStringLiteral("Snow guide")));
        QVERIFY(!AddressSuggestions::Matches(QStringLiteral("now"), QStringLiteral("http://x.example/"),
                                             QStringLiteral("Snow guide")));
    }

    void typingOffersKeptPagesAndDownEnterOpensOne() {
        FakeWindow w;
        qint64 clock = 1000;
        w.mod->Kept->Now = [&clock] { return clock += 1000; };
        visit(w, 1, QStringLiteral("http://carols.example/jingle"), QStringLiteral("Jingle Bells"));
        visit(w, 1, QStringLiteral("http://carols.example/jingle#refrain"), QStringLiteral("Jingle Bells"));
        visit(w, 1, QStringLiteral("http://carols.example/jingle"), QStringLiteral("Jingle Bells"));
        visit(w, 1, QStringLiteral("http://carols.example/silent-night"), QStringLiteral("Silent Night"));
        w.mod->BookmarkList->AddBookmark(QStringLiteral("Carol index"),
                                         QStringLiteral("http://index.example/carols"), 1);
        w.form->show();
        QLineEdit* edit = w.ui->EditUrl;
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("car"));
        // Addresses that start with the text come first, the most visited of them first, then the
        // latest; the bookmark has a word that starts so.
        QCOMPARE(offered(w),
                 QStringList({"http://carols.example/jingle", "http://carols.example/silent-night",
                              "http://carols.example/jingle#refrain", "http://index.example/carols"}));
        QAbstractItemView* popup = w.mod->Address->Completer()->popup();
        QTRY_VERIFY(popup->isVisible());
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(page(w, 1)->navigations.last(), QStringLiteral("http://carols.example/silent-night"));
        QVERIFY(!popup->isVisible());

        // Words of a title find the page too; Enter with nothing chosen takes the typed words.
        useSearchAddress(kSearch);
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("silent"));
        QCOMPARE(offered(w), QStringList({"http://carols.example/silent-night"}));
        QTRY_VERIFY(popup->isVisible());
        popup->setCurrentIndex({});
        QTest::keyClick(popup, Qt::Key_Return);
        QCOMPARE(page(w, 1)->navigations.last(), QStringLiteral("http://127.0.0.1:9/find?q=silent&from=box"));
        // Down in the box opens the list again.
        edit->setText(QStringLiteral("jingle"));
        QTest::keyClick(edit, Qt::Key_Down);
        QTRY_VERIFY(popup->isVisible());
        QCOMPARE(offered(w).size(), 2);
    }
};

QTEST_MAIN(TestAddressBox)
#include "test_address_box.moc"
