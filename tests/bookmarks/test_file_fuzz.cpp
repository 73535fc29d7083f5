#include "bookmarks/BookmarkFile.h"
#include "bookmarks/CardFile.h"
#include "bookmarks/NetscapeBookmarks.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

// Every reader on damaged copies of valid files: it must not crash, must not make up more than the
// bytes hold, and what it returns must save and read back unchanged.

namespace {

constexpr int kCases = 3000;

// Flips, overwrites, inserts, deletes, copies and cuts bytes, with a fixed seed.
class Mutator {
public:
    explicit Mutator(quint32 seed)
        : random_(seed) {}
    QByteArray operator()(QByteArray bytes) {
        const int edits = 1 + int(random_.bounded(4));
        for (int e = 0; e < edits; ++e) {
            const qsizetype pos = bytes.isEmpty() ? 0 : qsizetype(random_.bounded(quint32(bytes.size())));
            switch (random_.bounded(7)) {
            case 0:
                if (!bytes.isEmpty()) bytes[pos] = char(bytes[pos] ^ (1 << random_.bounded(8)));
                break;
            case 1:
                if (!bytes.isEmpty()) bytes[pos] = interesting();
                break;
            case 2:
                for (int i = 1 + int(random_.bounded(8)); i > 0; --i)
                    bytes.insert(pos, interesting());
                break;
            case 3:
                bytes.remove(pos, 1 + random_.bounded(16));
                break;
            case 4:
                bytes.truncate(pos);
                break;
            case 5: { // a piece of the file again elsewhere
                const QByteArray piece = bytes.mid(pos, 1 + random_.bounded(64));
                bytes.insert(qsizetype(random_.bounded(quint32(bytes.size() + 1))), piece);
                break;
            }
            default: { // a length or count that the file cannot hold
                static const quint32 big[] = {0x7FFFFFFF, 0xFFFFFFFF, 0x00010000, 0x80000000, 0x7FFF};
                const quint32 v = big[random_.bounded(5)];
                const char le[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
                bytes.replace(pos, qMin<qsizetype>(4, bytes.size() - pos), QByteArray(le, 4));
            }
            }
        }
        return bytes;
    }

private:
    char interesting() {
        static const char bytes[] = "\r\n<>\"'&;#/=x09\x80\xC3\xE2\xF0\xFF\x00";
        return random_.bounded(2) ? bytes[random_.bounded(quint32(sizeof bytes))]
                                  : char(random_.bounded(256));
    }
    QRandomGenerator random_;
};

template <typename Records> qsizetype textSize(const Records& records) {
    qsizetype size = 0;
    for (const auto& r : records)
        size += r.Name.size() + r.Address.size();
    return size;
}

QList<BookmarkRecord> sampleBookmarks() {
    return {{"Nordpol", "http://north.pole/", 7, true},
            {"Grüße 🎄", "https://ü.example/?a=1&b=2", 100, true},
            {"", "", 0, false},
            {"Last", "file:///tmp/x", 12, true}};
}

QByteArray sampleHtml() {
    QFile file(QStringLiteral(GW_TEST_DATA "/small_bookmarks.html"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileFuzz : public QObject {
    Q_OBJECT

private slots:
    void bookmarkFile() {
        const QList<QByteArray> seeds{FormatBookmarks(sampleBookmarks()),
                                      QByteArray("Glisterwood 97 Bookmarks\r3.5\rCaf\xE9\rhttp://x/\r")};
        Mutator mutate(20251224);
        for (int i = 0; i < kCases; ++i) {
            const QByteArray bytes = mutate(seeds[i % seeds.size()]);
            const BookmarkLoad load = ParseBookmarks(bytes);
            QVERIFY(textSize(load.Records) <= bytes.size());
            QVERIFY(load.Records.size() * 3 <= bytes.count('\r') + 1);
            // Saved and read again, only the line breaks inside a text change.
            QList<BookmarkRecord> expected = load.Records;
            for (BookmarkRecord& r : expected) {
                r.Name.replace(u'\n', u' ');
                r.Address.replace(u'\n', u' ');
            }
            const BookmarkLoad again = ParseBookmarks(FormatBookmarks(load.Records));
            QCOMPARE(again.Status, BookmarkLoadStatus::Ok);
            QVERIFY2(again.Records == expected, qPrintable(QString::number(i)));
        }
    }

    void cardFile() {
        const QList<CardRecord> cards{{true, 5, "http://a/", "Card A", 10, 20},
                                      {true, 100, "https://ü.example/", "Grüße ❄", -3, 32767},
                                      {true, 1, "", "", 0, 0}};
        const QByteArray seed = FormatCards(cards);
        Mutator mutate(1225);
        for (int i = 0; i < kCases; ++i) {
            const QByteArray bytes = mutate(seed);
            const CardLoad load = ParseCards(bytes);
            QVERIFY(textSize(load.Cards) <= bytes.size());
            QVERIFY(load.Cards.size() * 14 <= bytes.size());
            for (const CardRecord& c : load.Cards)
                QVERIFY(c.InUse);
            QVERIFY2(ParseCards(FormatCards(load.Cards)).Cards == load.Cards, qPrintable(QString::number(i)));
        }
    }

    void netscapeFile() {
        const QList<QByteArray> seeds{sampleHtml(), FormatNetscapeBookmarks(sampleBookmarks())};
        QVERIFY(!seeds[0].isEmpty());
        const QSet<QString> known{QStringLiteral("https://b.example/")};
        Mutator mutate(19991224);
        for (int i = 0; i < kCases; ++i) {
            const QByteArray bytes = mutate(seeds[i % seeds.size()]);
            const NetscapeImport in = ParseNetscapeBookmarks(bytes, known);
            QVERIFY(in.Bookmarks.size() * 10 <= bytes.size());
            QSet<QString> addresses;
            for (const BookmarkRecord& b : in.Bookmarks) {
                QVERIFY(!b.Name.isEmpty() && !b.Address.isEmpty());
                QVERIFY(b.Name.size() + b.Address.size() <= 2 * bytes.size());
                QVERIFY(!known.contains(b.Address));
                QVERIFY(!addresses.contains(b.Address));
                addresses.insert(b.Address);
            }
            // What was imported exports and imports again unchanged.
            const NetscapeImport again = ParseNetscapeBookmarks(FormatNetscapeBookmarks(in.Bookmarks), {});
            QCOMPARE(again.Problem, QString());
            QVERIFY2(again.Bookmarks == in.Bookmarks, qPrintable(QString::number(i)));
        }
    }
};

QTEST_GUILESS_MAIN(TestFileFuzz)
#include "test_file_fuzz.moc"
