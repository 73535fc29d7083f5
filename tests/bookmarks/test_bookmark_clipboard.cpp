#include "bookmarks/BookmarkClipboard.h"

#include <QTest>

// Which addresses name the same page: without a window.
class TestBookmarkClipboard : public QObject {
    Q_OBJECT

private slots:
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
