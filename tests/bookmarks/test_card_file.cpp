#include "bookmarks/CardFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

Q_DECLARE_METATYPE(CardLoadStatus)

namespace {

QByteArray le16(int v) {
    char b[2];
    qToLittleEndian(qint16(v), b);
    return QByteArray(b, 2);
}

QByteArray le32(qint32 v) {
    char b[4];
    qToLittleEndian(v, b);
    return QByteArray(b, 4);
}

QByteArray record(int icon, const QByteArray& address, const QByteArray& name, int left, int top) {
    return le16(icon) + le32(qint32(address.size())) + address + le32(qint32(name.size())) + name +
           le16(left) + le16(top);
}

const QByteArray kHeader("Varnholt Software Glisterwood 1.0\r\n");

CardRecord card(int icon, const QString& address, const QString& name, int left, int top) {
    return {true, icon, address, name, left, top};
}

} // namespace

// sites.gws, the desktop cards' file.
class TestCardFile : public QObject {
    Q_OBJECT

private slots:
    void handWrittenFileLoads() {
        const QByteArray bytes = kHeader + le16(2) + record(5, "http://a/", "Card A", 10, 20) +
                                 record(100, "http://b/",
                                        "Gr\xC3\xBC\xC3\x9F"
                                        "e",
                                        -3, 32767);
        QCOMPARE(bytes.size(), 35 + 2 + (14 + 9 + 6) + (14 + 9 + 7));
        const CardLoad load = ParseCards(bytes);
        QCOMPARE(load.Status, CardLoadStatus::Ok);
        const QList<CardRecord> expected{card(5, "http://a/", "Card A", 10, 20),
                                         card(100, "http://b/", "Grüße", -3, 32767)};
        QCOMPARE(load.Cards, expected);
        QCOMPARE(FormatCards(expected), bytes);
    }

    void roundTripSkipsFreeSlots() {
        const QList<CardRecord> inSlots{card(1, "http://one/", "One", 0, 0),
                                        {false, 9, "http://freed/", "Freed", 5, 5},
                                        card(42, "", "", -32768, 500),
                                        card(7, "http://ü/€", "🎄 Tree\r\nwith a break", 640, 480)};
        QTemporaryDir dir;
        const QString path = dir.filePath("sites.gws");
        QVERIFY(SaveCardFile(path, inSlots));
        const CardLoad load = LoadCardFile(path);
        QCOMPARE(load.Status, CardLoadStatus::Ok);
        QCOMPARE(load.Cards, (QList<CardRecord>{inSlots[0], inSlots[2], inSlots[3]}));

        QVERIFY(SaveCardFile(path, {}));
        QCOMPARE(LoadCardFile(path).Status, CardLoadStatus::Ok);
        QCOMPARE(LoadCardFile(path).Cards.size(), 0);
    }

    void valuesBeyond16BitsAreClamped() {
        const CardLoad load = ParseCards(FormatCards({card(70000, "a", "b", -40000, 40000)}));
        QCOMPARE(load.Cards, (QList<CardRecord>{card(32767, "a", "b", -32768, 32767)}));
    }

    void tooManyCardsFailsTheSave() {
        QTemporaryDir dir;
        const QString path = dir.filePath("sites.gws");
        QVERIFY(SaveCardFile(path, {card(1, "http://kept/", "Kept", 1, 1)}));
        QList<CardRecord> many(32768, card(1, "x", "y", 0, 0));
        QVERIFY(FormatCards(many).isEmpty());
        QVERIFY(!SaveCardFile(path, many));
        QCOMPARE(LoadCardFile(path).Cards, (QList<CardRecord>{card(1, "http://kept/", "Kept", 1, 1)}));
        many.removeLast();
        QCOMPARE(ParseCards(FormatCards(many)).Cards.size(), 32767);
    }

    void loadRules_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<CardLoadStatus>("status");
        QTest::addColumn<int>("cards");
        const QByteArray a = record(1, "http://a/", "A", 1, 2);
        using S = CardLoadStatus;
        QTest::newRow("empty") << QByteArray() << S::BadHeader << 0;
        QTest::newRow("part of the header") << kHeader.left(20) << S::BadHeader << 0;
        QTest::newRow("other header")
            << QByteArray("Varnholt Software Glisterwood 2.0\r\n") + le16(0) << S::BadHeader << 0;
        QTest::newRow("header ended by LF") << kHeader.chopped(2) + "\n" + le16(0) << S::BadHeader << 0;
        QTest::newRow("no count") << kHeader << S::Damaged << 0;
        QTest::newRow("zero cards") << kHeader + le16(0) << S::Ok << 0;
        QTest::newRow("bytes after the records") << kHeader + le16(1) + a + "junk" << S::Ok << 1;
        QTest::newRow("negative count") << kHeader + le16(-1) + a << S::Damaged << 0;
        QTest::newRow("count beyond the records") << kHeader + le16(30000) + a + a << S::Damaged << 2;
        QTest::newRow("cut in the last record") << kHeader + le16(2) + a + a.chopped(1) << S::Damaged << 1;
        QTest::newRow("length of 2 GB")
            << kHeader + le16(2) + a + le16(1) + le32(0x7FFFFFFF) + "http://" << S::Damaged << 1;
        QTest::newRow("name length beyond the file")
            << kHeader + le16(1) + le16(1) + le32(1) + "x" + le32(3) + "ab" << S::Damaged << 0;
        QTest::newRow("negative length")
            << kHeader + le16(1) + le16(1) + le32(-5) + "xxxxxxxxxxxxxx" << S::Damaged << 0;
        QTest::newRow("windows-1252 name")
            << kHeader + le16(1) + record(1, "a", "Caf\xE9", 0, 0) << S::Ok << 1;
    }
    void loadRules() {
        QFETCH(QByteArray, bytes);
        QFETCH(CardLoadStatus, status);
        QFETCH(int, cards);
        const CardLoad load = ParseCards(bytes);
        QCOMPARE(load.Status, status);
        QCOMPARE(load.Cards.size(), cards);
        for (const CardRecord& c : load.Cards) {
            QVERIFY(c.InUse);
            if (c.Name.startsWith(u"Caf")) QCOMPARE(c.Name, QStringLiteral("Café"));
        }
    }

    // A reader that trusted a damaged length would ask for gigabytes; here it has 256 MiB of address
    // space to spare and must still finish.
    void damagedLengthsAllocateNothing() {
        QByteArray bytes = kHeader + le16(32767);
        for (int i = 0; i < 200; ++i)
            bytes += record(1, "http://a/", "A", 0, 0);
        bytes += le16(1) + le32(0x7FFFFFF0) + QByteArray(64, 'x');
        const pid_t child = fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            rlimit tight{};
            // The address space in use now, from /proc, plus the allowance.
            QFile statm(QStringLiteral("/proc/self/statm"));
            if (!statm.open(QIODevice::ReadOnly)) _exit(3);
            const qint64 pages = statm.readAll().split(' ').value(0).toLongLong();
            tight.rlim_cur = tight.rlim_max = rlim_t(pages * sysconf(_SC_PAGESIZE) + (256 << 20));
            if (setrlimit(RLIMIT_AS, &tight) != 0) _exit(3);
            const CardLoad load = ParseCards(bytes);
            _exit(load.Status == CardLoadStatus::Damaged && load.Cards.size() == 200 ? 0 : 1);
        }
        int status = 0;
        QCOMPARE(waitpid(child, &status, 0), child);
        QVERIFY2(WIFEXITED(status), "the reader died");
        QCOMPARE(WEXITSTATUS(status), 0);
    }

    void missingAndUnreadable() {
        QTemporaryDir dir;
        QCOMPARE(LoadCardFile(dir.filePath("sites.gws")).Status, CardLoadStatus::Missing);
        QCOMPARE(LoadCardFile(dir.path()).Status, CardLoadStatus::Unreadable); // a folder
    }
};

QTEST_GUILESS_MAIN(TestCardFile)
#include "test_card_file.moc"
