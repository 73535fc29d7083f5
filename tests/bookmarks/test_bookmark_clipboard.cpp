#include "bookmarks/BookmarkClipboard.h"

#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <memory>

// Bookmarks on the clipboard and back, and which addresses name the same page: without a window.
class TestBookmarkClipboard : public QObject {
    Q_OBJECT

private slots:
    void aCopiedBookmarkIsItsAddressWithItsTitleForRichText() {
        const std::unique_ptr<QMimeData> data(
            BookmarkMimeData({{QStringLiteral("Carols & <Songs>"),
                               QStringLiteral("http://carols.example/?a=1&b=2"), 3, true}}));
        QCOMPARE(data->text(), QStringLiteral("http://carols.example/?a=1&b=2"));
        QCOMPARE(
            data->html(),
            QStringLiteral("<a href=\"http://carols.example/?a=1&amp;b=2\">Carols &amp; &lt;Songs&gt;</a>"));
        QCOMPARE(data->urls(), QList<QUrl>{QUrl(QStringLiteral("http://carols.example/?a=1&b=2"))});
        // Without a title, the link shows its address.
        const std::unique_ptr<QMimeData> bare(
            BookmarkMimeData({{QString(), QStringLiteral("http://x.example/"), 1, true}}));
        QCOMPARE(bare->html(), QStringLiteral("<a href=\"http://x.example/\">http://x.example/</a>"));
    }

    void copiedAndPastedBackItIsTheSameBookmark() {
        const BookmarkRecord carols{QStringLiteral("Carols & <Songs>"),
                                    QStringLiteral("http://carols.example/?a=1&b=2"), 1, true};
        const std::unique_ptr<QMimeData> data(BookmarkMimeData({carols}));
        QCOMPARE(BookmarksFromMimeData(*data), QList<BookmarkRecord>{carols});
    }

    void pastedLinksBecomeBookmarks_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QStringList>("expected"); // name|address
        QTest::newRow("an address typed somewhere")
            << "  https://elves.example/workshop  "
            << "" << QStringList{}
            << QStringList{"https://elves.example/workshop|https://elves.example/workshop"};
        QTest::newRow("a www name") << "www.example.org"
                                    << "" << QStringList{}
                                    << QStringList{"http://www.example.org|http://www.example.org"};
        QTest::newRow("words are not an address") << "Jingle bells, jingle bells"
                                                  << "" << QStringList{} << QStringList{};
        QTest::newRow("a word is not one either") << "carols"
                                                  << "" << QStringList{} << QStringList{};
        QTest::newRow("one address and a word") << "http://a.example/\nhello"
                                                << "" << QStringList{} << QStringList{};
        QTest::newRow("a link from a page, titled by its text")
            << "Reindeer"
            << "<p>see <a class=x href='http://deer.example/'>Rein<b>deer</b>  games</a></p>"
            << QStringList{"http://deer.example/"} << QStringList{"Reindeer games|http://deer.example/"};
        QTest::newRow("rich text without a URL list")
            << "Snow"
            << "<a href=\"https://snow.example/\">Snow</a>" << QStringList{}
            << QStringList{"Snow|https://snow.example/"};
        QTest::newRow("two files from a file manager, once each")
            << ""
            << "" << QStringList{"file:///home/me/a.html", "file:///home/me/b.html", "file:///home/me/a.html"}
            << QStringList{"file:///home/me/a.html|file:///home/me/a.html",
                           "file:///home/me/b.html|file:///home/me/b.html"};
        QTest::newRow("a script link is no bookmark") << "javascript:alert(1)"
                                                      << "" << QStringList{} << QStringList{};
    }
    void pastedLinksBecomeBookmarks() {
        QFETCH(QString, text);
        QFETCH(QString, html);
        QFETCH(QStringList, urls);
        QFETCH(QStringList, expected);
        QMimeData data;
        if (!text.isEmpty()) data.setText(text);
        if (!html.isEmpty()) data.setHtml(html);
        QList<QUrl> list;
        for (const QString& url : urls)
            list << QUrl(url);
        if (!list.isEmpty()) data.setUrls(list);
        QStringList got;
        for (const BookmarkRecord& b : BookmarksFromMimeData(data))
            got << b.Name + QLatin1Char('|') + b.Address;
        QCOMPARE(got, expected);
    }

    void sameAddressIgnoresWhatBrowsersIgnore() {
        QVERIFY(
            SameAddress(QStringLiteral("http://Carols.Example/"), QStringLiteral("http://carols.example")));
        QVERIFY(SameAddress(QStringLiteral("HTTP://carols.example/a/../b/"),
                            QStringLiteral("http://carols.example/b")));
        QVERIFY(SameAddress(QStringLiteral(" glisterwood://pages/welcome.html"),
                            QStringLiteral("glisterwood://pages/welcome.html")));
        QVERIFY(!SameAddress(QStringLiteral("http://carols.example/a"),
                             QStringLiteral("http://carols.example/b")));
        QVERIFY(!SameAddress(QStringLiteral("http://carols.example/?q=1"),
                             QStringLiteral("http://carols.example/?q=2")));
        QVERIFY(!SameAddress(QStringLiteral("https://carols.example/"),
                             QStringLiteral("http://carols.example/")));
    }
};

QTEST_MAIN(TestBookmarkClipboard)
#include "test_bookmark_clipboard.moc"
