// The names downloads are offered under, whatever the page or server suggested.
#include "browse/DownloadName.h"
#include "browse/Downloads.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

class TestDownloadNames : public QObject {
    Q_OBJECT

private slots:
    void namesAreMadeSafe_data() {
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QString>("offered");
        QTest::newRow("plain") << "carols.pdf"
                               << "carols.pdf";
        QTest::newRow("letters of other scripts") << "Weihnachtsmärkte – 聖誕.pdf"
                                                  << "Weihnachtsmärkte – 聖誕.pdf";
        QTest::newRow("right-to-left override")
            << QString::fromUtf8("invoice\u202Efdp.exe") << "invoicefdp.exe";
        QTest::newRow("isolates and marks")
            << QString::fromUtf8("a\u2066b\u2069c\u200Fd\u061C.txt") << "abcd.txt";
        QTest::newRow("line breaks") << "report\nfinal\r.txt"
                                     << "reportfinal.txt";
        QTest::newRow("line separator") << QString::fromUtf8("a\u2028b.txt") << "ab.txt";
        QTest::newRow("controls and tab") << QString::fromLatin1("a\x01\x1b\tb\x7f.txt") << "ab.txt";
        QTest::newRow("folders") << "../../.bashrc"
                                 << ".bashrc";
        QTest::newRow("windows folders") << "..\\..\\evil.bat"
                                         << "evil.bat";
        QTest::newRow("spaces around") << "  song.mid  "
                                       << "song.mid";
        QTest::newRow("nothing left") << QString::fromUtf8("\u202E\n") << "download";
        QTest::newRow("dots") << ".."
                              << "download";
        QTest::newRow("empty") << ""
                               << "download";
    }
    void namesAreMadeSafe() {
        QFETCH(QString, suggested);
        QTEST(SafeDownloadName(suggested), "offered");
    }

    void longNamesKeepTheirExtensionWithin255Bytes() {
        const QString ascii = SafeDownloadName(QString(5000, u'a') + QStringLiteral(".tar.gz"));
        QVERIFY(ascii.endsWith(QLatin1String("a.gz")));
        QCOMPARE(ascii.toUtf8().size(), 255);
        // Characters of several bytes are never cut in half.
        const QString wide = SafeDownloadName(QString(400, QChar(0x8056)) + QStringLiteral(".pdf"));
        QVERIFY(wide.endsWith(QLatin1String(".pdf")));
        QVERIFY(wide.toUtf8().size() <= 255 && wide.toUtf8().size() > 250);
        QCOMPARE(QString::fromUtf8(wide.toUtf8()), wide);
        const QString emoji = SafeDownloadName(QString::fromUtf8("🎄").repeated(100) + QStringLiteral(".png"));
        QVERIFY(emoji.toUtf8().size() <= 255);
        QVERIFY(!emoji.contains(QChar::ReplacementCharacter));
        QCOMPARE(emoji.right(4), QStringLiteral(".png"));
        // A name without an extension is cut the same way.
        QCOMPARE(SafeDownloadName(QString(300, u'b')).size(), 255);
        // The page's downloads leave room for the engine's ".crdownload" while they arrive.
        QCOMPARE(Downloads::SuggestedPath(QStringLiteral("/d"), QString(300, u'c') + QStringLiteral(".pdf"))
                     .mid(3)
                     .toUtf8()
                     .size(),
                 255 - 11);
        QCOMPARE(ShortDisplayName(QString(300, u'c') + QStringLiteral(".pdf")).size(), 59);
        QVERIFY(
            ShortDisplayName(QString(300, u'c') + QStringLiteral(".pdf")).endsWith(QLatin1String(".pdf")));
    }

    void theDownloadFolderIsOfferedAndMadeWhenMissing() {
        QTemporaryDir home;
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral(".config")).toLocal8Bit());
        const QString folder = Downloads::DownloadFolder();
        QCOMPARE(folder, QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
        QVERIFY(folder != home.path());
        QVERIFY(QFileInfo(folder).isDir());
        QCOMPARE(Downloads::SuggestedPath(folder, QStringLiteral("a/b\n.txt")),
                 folder + QStringLiteral("/b.txt"));
    }
};

QTEST_GUILESS_MAIN(TestDownloadNames)
#include "test_download_names.moc"
