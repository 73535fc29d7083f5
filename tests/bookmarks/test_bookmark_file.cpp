#include "base/TextEncoding.h"
#include "bookmarks/BookmarkFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(BookmarkLoadStatus)

namespace {
QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

// BookMark.gwb and the decoding of text files.
class TestBookmarkFile : public QObject {
    Q_OBJECT

private slots:
    void decodesUtf8WithWindows1252Fallback_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("utf-8") << QByteArray("Caf\xC3\xA9 \xE2\x82\xAC") << QStringLiteral("Café €");
        QTest::newRow("astral") << QByteArray("\xF0\x9F\x8E\x84") << QStringLiteral("🎄");
        QTest::newRow("windows-1252")
            << QByteArray("Caf\xE9 \x80 \x93x\x94") << QStringLiteral("Caf\u00E9 \u20AC \u201Cx\u201D");
        QTest::newRow("mixed") << QByteArray("\xC3\xA9\xE9") << QStringLiteral("éé");
        QTest::newRow("overlong") << QByteArray("\xC0\xAF") << QStringLiteral("À¯");
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QStringLiteral("í\u00A0€");
        QTest::newRow("cut sequence") << QByteArray("a\xE2\x82") << QStringLiteral("a\u00E2\u201A");
    }
    void decodesUtf8WithWindows1252Fallback() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(DecodeText(bytes), text);
    }

    void iconNumbers_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("icon"); // -99999: too large
        QTest::newRow("plain") << QByteArray("7") << 7;
        QTest::newRow("half up to even") << QByteArray("3.5") << 4;
        QTest::newRow("half down to even") << QByteArray("2.5") << 2;
        QTest::newRow("trailing text") << QByteArray("12abc") << 12;
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("text") << QByteArray("abc") << 0;
        QTest::newRow("no nan") << QByteArray("nan") << 0;
        QTest::newRow("negative") << QByteArray("-3") << -3;
        QTest::newRow("tiny") << QByteArray("1e-400") << 0;
        QTest::newRow("16-bit top") << QByteArray("32767.4") << 32767;
        QTest::newRow("16-bit bottom") << QByteArray("-32768.5") << -32768;
        QTest::newRow("just over") << QByteArray("32767.5") << -99999;
        QTest::newRow("huge") << QByteArray("99999999999999999999999") << -99999;
        QTest::newRow("overflowing exponent") << QByteArray("1e400") << -99999;
    }
    void iconNumbers() {
        QFETCH(QByteArray, text);
        QFETCH(int, icon);
        const std::optional<int> got = IconFromText(text);
        QCOMPARE(got.value_or(-99999), icon);
    }

    void loadRules_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<BookmarkLoadStatus>("status");
        QTest::addColumn<QStringList>("names");
        const QByteArray h("Glisterwood 97 Bookmarks\r\n");
        const QByteArray one = h + "1\r\nOne\r\nhttp://one/\r\n";
        using S = BookmarkLoadStatus;
        QTest::newRow("empty file") << QByteArray() << S::BadHeader << QStringList();
        QTest::newRow("header only") << h << S::Ok << QStringList();
        QTest::newRow("header without line end") << h.chopped(2) << S::Ok << QStringList();
        QTest::newRow("header in other case") << h.toLower() << S::BadHeader << QStringList();
        QTest::newRow("header ended by LF")
            << QByteArray("Glisterwood 97 Bookmarks\n1\r\na\r\nb\r\n") << S::BadHeader << QStringList();
        QTest::newRow("CR only") << QByteArray("Glisterwood 97 Bookmarks\r2\rTwo\rhttp://two/\r") << S::Ok
                                 << QStringList{"Two"};
        QTest::newRow("last line unended") << one.chopped(2) << S::Ok << QStringList{"One"};
        QTest::newRow("lone LF stays in the line") << h + "1\r\nA\nB\r\nx\r\n"
                                                   << S::Ok << QStringList{"A\nB"};
        QTest::newRow("empty lines are a record") << h + "\r\n\r\n\r\n" << S::Ok << QStringList{""};
        QTest::newRow("cut after the icon") << one + "2\r\n" << S::CutShort << QStringList{"One"};
        QTest::newRow("cut after the name") << one + "2\r\nTwo\r\n" << S::CutShort << QStringList{"One"};
        QTest::newRow("cut at the address") << one + "2\r\nTwo\r" << S::CutShort << QStringList{"One"};
        QTest::newRow("number too large") << one + "40000\r\nBig\r\nhttp://big/\r\n1\r\nLater\r\nx\r\n"
                                          << S::NumberTooLarge << QStringList{"One"};
        QTest::newRow("windows-1252 name") << h + "1\r\nM\xFCller \x80\r\nhttp://m/\r\n"
                                           << S::Ok << QStringList{"Müller €"};
    }
    void loadRules() {
        QFETCH(QByteArray, bytes);
        QFETCH(BookmarkLoadStatus, status);
        QFETCH(QStringList, names);
        const BookmarkLoad load = ParseBookmarks(bytes);
        QCOMPARE(load.Status, status);
        QStringList got;
        for (const BookmarkRecord& r : load.Records)
            got << r.Name;
        QCOMPARE(got, names);
    }

    void missingFileIsUnreadable() {
        QTemporaryDir dir;
        QCOMPARE(LoadBookmarkFile(dir.filePath("BookMark.gwb")).Status, BookmarkLoadStatus::Unreadable);
        QCOMPARE(LoadBookmarkFile(dir.path()).Status, BookmarkLoadStatus::Unreadable); // a folder
    }

    void handWrittenFileLoads() {
        QTemporaryDir dir;
        const QString path = dir.filePath("BookMark.gwb");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Glisterwood 97 Bookmarks\r\n"
                   "7\r\nSanta's page\r\nhttp://north.pole/\r\n"
                   "\r\nNo icon\r\nhttp://x/?a=1&b=2\r\n"
                   "100\r\n\xE6\x97\xA5\xE6\x9C\xAC\r\nfile:///tmp/a b\r\n");
        file.close();
        const BookmarkLoad load = LoadBookmarkFile(path);
        QCOMPARE(load.Status, BookmarkLoadStatus::Ok);
        const QList<BookmarkRecord> expected{{"Santa's page", "http://north.pole/", 7, true},
                                             {"No icon", "http://x/?a=1&b=2", 0, false},
                                             {"日本", "file:///tmp/a b", 100, true}};
        QCOMPARE(load.Records, expected);
    }

    void roundTrip() {
        const QList<BookmarkRecord> records{{"Plain", "http://a/", 1, true},
                                            {"", "", 0, false},
                                            {"Schöne Grüße 🎄", "http://ü.example/ä?x=€", 42, true},
                                            {"  spaced  ", "http://b/", -7, true}};
        QTemporaryDir dir;
        const QString path = dir.filePath("BookMark.gwb");
        QVERIFY(SaveBookmarkFile(path, records));
        QCOMPARE(readAll(path), FormatBookmarks(records));
        QVERIFY(
            readAll(path).startsWith("Glisterwood 97 Bookmarks\r\n1\r\nPlain\r\nhttp://a/\r\n\r\n\r\n\r\n"));
        const BookmarkLoad load = LoadBookmarkFile(path);
        QCOMPARE(load.Status, BookmarkLoadStatus::Ok);
        QCOMPARE(load.Records, records);

        QVERIFY(SaveBookmarkFile(path, {}));
        QCOMPARE(readAll(path), QByteArray("Glisterwood 97 Bookmarks\r\n"));
    }

    void lineBreaksBecomeSpaces() {
        const QList<BookmarkRecord> records{{"Two\r\nlines", "http://a/\rb", 1, true},
                                            {"Line\nfeed", "http://c/\n", 2, true},
                                            {"After", "http://after/", 3, true}};
        const BookmarkLoad load = ParseBookmarks(FormatBookmarks(records));
        QCOMPARE(load.Status, BookmarkLoadStatus::Ok);
        const QList<BookmarkRecord> expected{{"Two  lines", "http://a/ b", 1, true},
                                             {"Line feed", "http://c/ ", 2, true},
                                             {"After", "http://after/", 3, true}};
        QCOMPARE(load.Records, expected);
    }
};

QTEST_GUILESS_MAIN(TestBookmarkFile)
#include "test_bookmark_file.moc"
