#include "bookmarks/NetscapeBookmarks.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Shaped like the files Firefox and Chrome export: nested folders, dates and icons, descriptions,
// entities, a Firefox query entry, and titles in three scripts.
QByteArray exportedFile() {
    QFile file(QStringLiteral(GW_TEST_DATA "/exported_bookmarks.html"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList titles(const NetscapeImport& in) {
    QStringList list;
    for (const BookmarkRecord& b : in.Bookmarks)
        list << b.Name;
    return list;
}

QStringList addresses(const NetscapeImport& in) {
    QStringList list;
    for (const BookmarkRecord& b : in.Bookmarks)
        list << b.Address;
    return list;
}

} // namespace

// Import and export of the browsers' bookmark file.
class TestNetscapeBookmarks : public QObject {
    Q_OBJECT

private slots:
    void importsAnExportedFile() {
        const NetscapeImport in =
            ParseNetscapeBookmarks(exportedFile(), {QStringLiteral("https://known.example/")});
        QCOMPARE(in.Problem, QString());
        QCOMPARE(titles(in), (QStringList{"Search & find <all>", "Weihnachtsmärkte in Köln",
                                          "日本語のページ 🎄", "It's a \"test\"", "Spread over lines",
                                          "https://empty-title.example/", "Новый год"}));
        QCOMPARE(addresses(in),
                 (QStringList{"https://example.com/search?q=a&b=c", "https://weihnachtsmarkt.de/",
                              "https://xn--wgv71a.example/", "https://quotes.example/?say=\"hi\"",
                              "https://unquoted.example/", "https://empty-title.example/",
                              "https://ru.example/"}));
        QCOMPARE(in.Duplicates, 2); // the known address, and the page met again in another folder
        for (const BookmarkRecord& b : in.Bookmarks)
            QCOMPARE(b.Icon, 1);
    }

    void entities_data() {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("text");
        QTest::newRow("named") << "&amp;&lt;&gt;&quot;&#39;&apos;"
                               << "&<>\"''";
        QTest::newRow("decimal") << "caf&#233;"
                                 << "café";
        QTest::newRow("hex") << "caf&#xE9;&#XE9;"
                             << "caféé";
        QTest::newRow("astral") << "&#x1F384;"
                                << "🎄";
        QTest::newRow("windows-1252 range") << "&#150;&#128;"
                                            << "\u2013\u20AC";
        QTest::newRow("no character") << "&#0;&#xD800;&#x110000;&#99999999999999;"
                                      << "\uFFFD\uFFFD\uFFFD\uFFFD";
        QTest::newRow("unknown name") << "&bogus; &copy;"
                                      << "&bogus; &copy;";
        QTest::newRow("bare ampersand") << "a & b &amp"
                                        << "a & b &amp";
        QTest::newRow("not a number") << "&#; &#x; &#12a;"
                                      << "&#; &#x; &#12a;";
    }
    void entities() {
        QFETCH(QString, html);
        QFETCH(QString, text);
        QCOMPARE(DecodeHtmlEntities(html), text);
    }

    void charsets_data() {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<QString>("expected");
        const QByteArray w1252 =
            "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=windows-1252\">";
        QTest::newRow("utf-8 by default") << QByteArray() << QByteArray("K\xC3\xB6ln") << "Köln";
        QTest::newRow("old bytes without a charset")
            << QByteArray() << QByteArray("K\xF6ln \x80") << "Köln €";
        QTest::newRow("windows-1252") << w1252 << QByteArray("K\xF6ln \x93x\x94") << "Köln \u201Cx\u201D";
        QTest::newRow("windows-1252 wins over utf-8 look")
            << w1252 << QByteArray("\xC3\xA9") << "\u00C3\u00A9";
        QTest::newRow("utf-8 mark") << QByteArray("\xEF\xBB\xBF") << QByteArray("\xC3\xA9") << "é";
    }
    void charsets() {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, title);
        QFETCH(QString, expected);
        const QByteArray html = head +
                                "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><A HREF=\"http://k/\">" +
                                title + "</A>\n</DL><p>\n";
        const NetscapeImport in = ParseNetscapeBookmarks(html, {});
        QCOMPARE(in.Problem, QString());
        QCOMPARE(titles(in), QStringList{expected});
    }

    // Damaged files give what could be read before the damage, and say so.
    void damagedFiles_data() {
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QStringList>("titles");
        QTest::addColumn<QString>("problem"); // a word of the message
        const QByteArray h =
            "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n<DL><p>\n<DT><A HREF=\"http://a/\">A</A>\n";
        QTest::newRow("whole") << h + "</DL>" << QStringList{"A"} << QString();
        QTest::newRow("cut in a tag") << h + "<DT><A HREF=\"http://b/" << QStringList{"A"} << "inside a tag";
        QTest::newRow("cut in a comment") << h + "<!-- x" << QStringList{"A"} << "inside a tag";
        QTest::newRow("cut in a title")
            << h + "<DT><A HREF=\"http://b/\">B tit" << QStringList{"A", "B tit"} << "inside a bookmark";
        QTest::newRow("end tag lost")
            << h + "<DT><A HREF=\"http://b/\">B\n<DT><A HREF=\"http://c/\">C</A></DL>"
            << QStringList{"A", "B", "C"} << "inside a bookmark";
        QTest::newRow("folder not closed") << h << QStringList{"A"} << "folder";
        QTest::newRow("stray angle") << h + "<DT><A HREF=\"http://b/\">1 < 2</A></DL>"
                                     << QStringList{"A", "1 < 2"} << QString();
        QTest::newRow("no header") << QByteArray("<DL><DT><A HREF=\"http://a/\">A</A></DL>")
                                   << QStringList{"A"} << "links found";
        QTest::newRow("not bookmarks")
            << QByteArray("just some text\n\0\1\2", 18) << QStringList() << "not a bookmark";
        QTest::newRow("no address") << h + "<DT><A NAME=\"x\">X</A><DT><A HREF=\"\">Y</A></DL>"
                                    << QStringList{"A"} << QString();
        static const char controls[] = "<DT><A HREF=\"http://\tb/\n\">B\0\x7F"
                                       "B</A></DL>";
        QTest::newRow("controls in title")
            << h + QByteArray(controls, sizeof controls - 1) << QStringList{"A", "B B"} << QString();
    }
    void damagedFiles() {
        QFETCH(QByteArray, html);
        QFETCH(QStringList, titles);
        QFETCH(QString, problem);
        const NetscapeImport in = ParseNetscapeBookmarks(html, {});
        QCOMPARE(::titles(in), titles);
        if (problem.isEmpty())
            QCOMPARE(in.Problem, QString());
        else
            QVERIFY2(in.Problem.contains(problem), qPrintable(in.Problem));
        for (const BookmarkRecord& b : in.Bookmarks)
            QVERIFY(!b.Address.contains(u'\t') && !b.Address.contains(u'\n'));
    }

    void hugeAndMissingFiles() {
        QCOMPARE(
            ParseNetscapeBookmarks(QByteArray(kNetscapeMaxBytes + 1, ' '), {}).Problem.contains("64 MiB"),
            true);
        QTemporaryDir dir;
        QFile huge(dir.filePath("huge.html"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(kNetscapeMaxBytes + 1)); // sparse: nothing is written
        huge.close();
        const NetscapeImport in = ImportNetscapeFile(huge.fileName(), {});
        QVERIFY(in.Bookmarks.isEmpty());
        QVERIFY(in.Problem.contains("64 MiB"));
        QVERIFY(ImportNetscapeFile(dir.filePath("missing.html"), {}).Problem.contains("cannot be read"));
    }

    void exportImportRoundTrip() {
        const QList<BookmarkRecord> records{
            {"Plain", "http://a/", 1, true},
            {"Tom & Jerry <3 \"quotes\" 'single'", "http://b/?x=1&y=\"2\"", 1, true},
            {"Frohe Weihnachten 🎄 日本", "http://ü.example/ä", 1, true},
            {"</A><script>alert(1)</script>", "javascript:alert('&lt;')", 1, true},
            {"&amp; stays as written", "http://c/#&amp;", 1, true}};
        QTemporaryDir dir;
        const QString path = dir.filePath("bookmarks.html");
        QVERIFY(ExportNetscapeFile(path, records));
        const NetscapeImport in = ImportNetscapeFile(path, {});
        QCOMPARE(in.Problem, QString());
        QCOMPARE(in.Bookmarks, records);
        QCOMPARE(in.Duplicates, 0);
        // Importing again adds nothing that is already there.
        QSet<QString> known;
        for (const BookmarkRecord& r : records)
            known.insert(r.Address);
        const NetscapeImport again = ImportNetscapeFile(path, known);
        QVERIFY(again.Bookmarks.isEmpty());
        QCOMPARE(again.Duplicates, records.size());

        const QByteArray html = FormatNetscapeBookmarks({{"Two\r\nlines", "http://a/\r\n", 1, true}});
        QVERIFY(html.startsWith("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"));
        QVERIFY(html.contains("<DT><A HREF=\"http://a/\">Two lines</A>\n"));
    }
};

QTEST_GUILESS_MAIN(TestNetscapeBookmarks)
#include "test_netscape_bookmarks.moc"
