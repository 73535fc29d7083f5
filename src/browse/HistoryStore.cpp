#include "browse/HistoryStore.h"

#include "browse/PageScheme.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUrl>
#include <QVariant>
#include <algorithm>

namespace {

// Longer addresses (a page's whole state in its query) are not worth keeping.
constexpr int kMaxAddress = 64 * 1024;

// SQLite's primary result codes as the driver reports them.
enum SqliteCode { Perm = 3, ReadOnly = 8, IoError = 10, Corrupt = 11, Full = 13, CantOpen = 14, NotADb = 26 };

const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS pages(id INTEGER PRIMARY KEY, url TEXT NOT NULL UNIQUE, host_key TEXT NOT "
    "NULL,"
    " title TEXT NOT NULL DEFAULT '', visit_count INTEGER NOT NULL DEFAULT 0,"
    " last_visit INTEGER NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS pages_by_host_key ON pages(host_key)",
    "CREATE INDEX IF NOT EXISTS pages_by_last_visit ON pages(last_visit)",
    "CREATE TABLE IF NOT EXISTS visits(id INTEGER PRIMARY KEY, page_id INTEGER NOT NULL, time INTEGER NOT "
    "NULL)",
    "CREATE INDEX IF NOT EXISTS visits_by_time ON visits(time)",
    "CREATE INDEX IF NOT EXISTS visits_by_page ON visits(page_id)",
};

// The word index follows the pages table by itself.
const char* const kWordIndex[] = {
    "CREATE VIRTUAL TABLE IF NOT EXISTS page_words USING fts5(url, title, content='pages', "
    "content_rowid='id')",
    "CREATE TRIGGER IF NOT EXISTS page_words_insert AFTER INSERT ON pages BEGIN"
    " INSERT INTO page_words(rowid, url, title) VALUES (new.id, new.url, new.title); END",
    "CREATE TRIGGER IF NOT EXISTS page_words_delete AFTER DELETE ON pages BEGIN"
    " INSERT INTO page_words(page_words, rowid, url, title) VALUES ('delete', old.id, old.url, old.title); "
    "END",
    "CREATE TRIGGER IF NOT EXISTS page_words_title AFTER UPDATE OF title ON pages BEGIN"
    " INSERT INTO page_words(page_words, rowid, url, title) VALUES ('delete', old.id, old.url, old.title);"
    " INSERT INTO page_words(rowid, url, title) VALUES (new.id, new.url, new.title); END",
};

const QString kColumns = QStringLiteral("url, title, visit_count, last_visit");

} // namespace

HistoryStore::HistoryStore(const QString& file, QObject* parent)
    : QObject(parent)
    , file_(file)
    , connection_(QStringLiteral("history-%1").arg(quintptr(this), 0, 16)) {
    Now = [] { return QDateTime::currentMSecsSinceEpoch(); };
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    if (!file_.isEmpty()) {
        onDisk_ = open(file_);
        if (!onDisk_ && damaged_)
            recover(); // starts afresh on the file, or in memory
        else if (!onDisk_)
            tell(QStringLiteral("The history cannot be kept in %1 (%2); it is kept for this run only.")
                     .arg(QDir::toNativeSeparators(file_), db_.lastError().text()));
    }
    if (!onDisk_ && db_.databaseName() != QLatin1String(":memory:") && !open(QStringLiteral(":memory:")))
        tell(QStringLiteral("The history cannot be kept in this run."));
}

void HistoryStore::tell(const QString& text) {
    // Said once the caller is back in the event loop, so that listeners connected after
    // construction hear it too.
    QTimer::singleShot(0, this, [this, text] { emit problem(text); });
}

HistoryStore::~HistoryStore() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

bool HistoryStore::open(const QString& name) {
    db_.close();
    db_.setDatabaseName(name);
    damaged_ = unwritable_ = false;
    return db_.open() && createSchema();
}

bool HistoryStore::createSchema() {
    QSqlQuery q(db_);
    // WAL: a visit costs no wait for the disk; secure_delete: cleared history leaves nothing behind.
    for (const char* pragma :
         {"PRAGMA journal_mode=WAL", "PRAGMA synchronous=NORMAL", "PRAGMA secure_delete=ON"})
        if (!prepare(q, QLatin1String(pragma)) || !run(q)) return false;
    for (const char* statement : kSchema)
        if (!prepare(q, QLatin1String(statement)) || !run(q)) return false;
    wordIndex_ = true;
    for (const char* statement : kWordIndex)
        if (!q.exec(QLatin1String(statement))) {
            // An SQLite without its full-text module: plain matching instead.
            wordIndex_ = false;
            break;
        }
    return true;
}

bool HistoryStore::run(QSqlQuery& query) {
    if (query.exec()) return true;
    note(query.lastError());
    return false;
}

bool HistoryStore::prepare(QSqlQuery& query, const QString& statement) {
    // A damaged file often shows already here, when SQLite reads the schema.
    if (query.prepare(statement)) return true;
    note(query.lastError());
    return false;
}

void HistoryStore::note(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    if (code == Corrupt || code == NotADb) damaged_ = true;
    if (code == Perm || code == ReadOnly || code == IoError || code == Full || code == CantOpen)
        unwritable_ = true;
}

bool HistoryStore::recover() {
    if (unwritable_ && onDisk_ && !toldUnwritable_) {
        toldUnwritable_ = true; // once a run: every later visit would say it again
        tell(QStringLiteral("The history could not be written to %1: %2.")
                 .arg(QDir::toNativeSeparators(file_), db_.lastError().text()));
    }
    unwritable_ = false;
    if (!damaged_ || file_.isEmpty()) return false;
    damaged_ = false;
    db_.close();
    // Set aside, never deleted: the user may still want what is in it.
    QString aside = file_ + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(aside); ++n)
        aside = file_ + QStringLiteral(".damaged-%1").arg(n);
    const bool moved = QFile::rename(file_, aside);
    for (const QString& part : {QStringLiteral("-wal"), QStringLiteral("-shm")})
        if (QFileInfo::exists(file_ + part) && !(moved && QFile::rename(file_ + part, aside + part)))
            QFile::remove(file_ + part);
    onDisk_ = moved && open(file_);
    if (!onDisk_) {
        open(QStringLiteral(":memory:"));
        tell(QStringLiteral("The history file %1 is damaged and cannot be replaced; the history is kept for "
                            "this run only.")
                 .arg(QDir::toNativeSeparators(file_)));
        return true;
    }
    tell(QStringLiteral("The history file was damaged. It was set aside as %1 and a new history started.")
             .arg(QDir::toNativeSeparators(aside)));
    return true;
}

bool HistoryStore::Keeps(const QString& address) {
    if (address.isEmpty() || address.size() > kMaxAddress) return false;
    const QUrl url(address);
    const QString scheme = url.scheme().toLower();
    for (const char* passing : {"about", "data", "javascript", "blob", "view-source", "chrome", "devtools"})
        if (scheme == QLatin1String(passing)) return false;
    return !(scheme == QLatin1String(PageSchemeHandler::kScheme) &&
             url.path() == QLatin1String(PageSchemeHandler::kNotAnAddressPath));
}

QStringList HistoryStore::Words(const QString& text) {
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}]+"));
    return text.split(separators, Qt::SkipEmptyParts);
}

QString HistoryStore::HostKey(const QString& address) {
    QString key = address.trimmed().toLower();
    static const QRegularExpression scheme(QStringLiteral("^[a-z][a-z0-9+.-]*://"));
    key.remove(scheme);
    if (key.startsWith(QLatin1String("www."))) key.remove(0, 4);
    return key;
}

void HistoryStore::AddVisit(const QString& address) {
    if (!Keeps(address)) return;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const qint64 now = Now();
        db_.transaction();
        QSqlQuery q(db_);
        if (prepare(q, QStringLiteral(
                           "INSERT INTO pages(url, host_key, visit_count, last_visit) VALUES (?, ?, 1, ?)"
                           " ON CONFLICT(url) DO UPDATE SET visit_count = visit_count + 1,"
                           " last_visit = excluded.last_visit RETURNING id"))) {
            q.addBindValue(address);
            q.addBindValue(HostKey(address));
            q.addBindValue(now);
        }
        if (run(q) && q.next()) {
            const qint64 page = q.value(0).toLongLong();
            q.finish();
            QSqlQuery visit(db_);
            if (prepare(visit, QStringLiteral("INSERT INTO visits(page_id, time) VALUES (?, ?)"))) {
                visit.addBindValue(page);
                visit.addBindValue(now);
                if (run(visit) && db_.commit()) return;
            }
        }
        q.finish();
        db_.rollback();
        if (!recover()) return;
    }
}

void HistoryStore::SetTitle(const QString& address, const QString& title) {
    if (!Keeps(address)) return;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QSqlQuery q(db_);
        if (prepare(q, QStringLiteral("UPDATE pages SET title = ? WHERE url = ? AND title <> ?"))) {
            q.addBindValue(title);
            q.addBindValue(address);
            q.addBindValue(title);
            if (run(q)) return;
        }
        if (!recover()) return;
    }
}

QString HistoryStore::wordMatch(const QString& text, QList<QString>* likeWords) const {
    const QStringList words = Words(text);
    if (wordIndex_) {
        QStringList terms;
        for (const QString& word : words)
            terms << QStringLiteral("\"%1\"*").arg(word);
        return terms.join(QLatin1Char(' '));
    }
    QStringList conditions;
    for (const QString& word : words) {
        likeWords->append(QLatin1Char('%') + word + QLatin1Char('%')); // letters and digits only
        conditions << QStringLiteral("(url LIKE ? OR title LIKE ?)");
    }
    return conditions.join(QStringLiteral(" AND "));
}

QList<HistoryEntry> HistoryStore::entries(QSqlQuery& query) {
    QList<HistoryEntry> found;
    while (query.next())
        found.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toInt(),
                      query.value(3).toLongLong()});
    return found;
}

QList<HistoryEntry> HistoryStore::Complete(const QString& typed, int limit) {
    QList<HistoryEntry> best;
    const QString key = HostKey(typed);
    if (key.isEmpty() || limit < 1) return best;
    for (int attempt = 0; attempt < 2; ++attempt) {
        best.clear();
        // Addresses that start with the text come first.
        QSqlQuery q(db_);
        if (prepare(q, QStringLiteral("SELECT %1 FROM pages WHERE host_key >= ? AND host_key < ?"
                                      " ORDER BY visit_count DESC, last_visit DESC LIMIT ?")
                           .arg(kColumns))) {
            q.addBindValue(key);
            q.addBindValue(key.chopped(1) + QChar(key.back().unicode() + 1));
            q.addBindValue(limit);
        }
        if (!run(q)) {
            if (recover()) continue;
            return {};
        }
        best = entries(q);
        if (best.size() >= limit) return best;

        // Then pages with words that start with the typed words (a typed scheme is no word).
        QList<QString> likeWords;
        const QString match = wordMatch(key, &likeWords);
        if (match.isEmpty()) return best;
        QSqlQuery w(db_);
        prepare(w, wordIndex_ ? QStringLiteral(
                                    "SELECT %1 FROM pages WHERE id IN (SELECT rowid FROM page_words WHERE "
                                    "page_words MATCH ?) ORDER BY visit_count DESC, last_visit DESC LIMIT ?")
                                    .arg(kColumns)
                              : QStringLiteral("SELECT %1 FROM pages WHERE %2 ORDER BY visit_count DESC,"
                                               " last_visit DESC LIMIT ?")
                                    .arg(kColumns, match));
        if (wordIndex_) {
            w.addBindValue(match);
        } else {
            for (const QString& like : likeWords) {
                w.addBindValue(like);
                w.addBindValue(like);
            }
        }
        w.addBindValue(limit + int(best.size()));
        if (!run(w)) {
            if (recover()) continue;
            return best;
        }
        for (const HistoryEntry& entry : entries(w)) {
            if (best.size() >= limit) break;
            const bool known = std::any_of(best.cbegin(), best.cend(), [&entry](const HistoryEntry& b) {
                return b.address == entry.address;
            });
            if (!known) best.append(entry);
        }
        return best;
    }
    return best;
}

QList<HistoryEntry> HistoryStore::Search(const QString& words, int limit) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        QList<QString> likeWords;
        const QString match = wordMatch(words, &likeWords);
        QSqlQuery q(db_);
        if (match.isEmpty())
            prepare(q, QStringLiteral("SELECT %1 FROM pages ORDER BY last_visit DESC LIMIT ?").arg(kColumns));
        else if (wordIndex_)
            prepare(q, QStringLiteral(
                           "SELECT %1 FROM pages WHERE id IN (SELECT rowid FROM page_words WHERE page_words"
                           " MATCH ?) ORDER BY last_visit DESC LIMIT ?")
                           .arg(kColumns));
        else
            prepare(q, QStringLiteral("SELECT %1 FROM pages WHERE %2 ORDER BY last_visit DESC LIMIT ?")
                           .arg(kColumns, match));
        if (!match.isEmpty() && wordIndex_) q.addBindValue(match);
        for (const QString& like : likeWords) {
            q.addBindValue(like);
            q.addBindValue(like);
        }
        q.addBindValue(limit);
        if (run(q)) return entries(q);
        if (!recover()) return {};
    }
    return {};
}

void HistoryStore::ClearSince(qint64 since) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        db_.transaction();
        QSqlQuery q(db_);
        bool ok = true;
        const QString steps[] = {
            QStringLiteral("DELETE FROM visits WHERE time >= ?"),
            QStringLiteral(
                "DELETE FROM pages WHERE last_visit >= ? AND id NOT IN (SELECT page_id FROM visits)"),
            QStringLiteral(
                "UPDATE pages SET visit_count = (SELECT count(*) FROM visits WHERE page_id = pages.id),"
                " last_visit = (SELECT max(time) FROM visits WHERE page_id = pages.id)"
                " WHERE last_visit >= ?"),
        };
        for (const QString& step : steps) {
            if (!(ok = prepare(q, step))) break;
            q.addBindValue(since);
            if (!(ok = run(q))) break;
        }
        if (ok && db_.commit()) {
            // Nothing of what was removed stays in the log or in free pages of the file.
            q.exec(since <= 0 ? QStringLiteral("VACUUM") : QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
            emit cleared(since);
            return;
        }
        q.finish();
        db_.rollback();
        if (!recover()) return;
    }
}

int HistoryStore::Visits() {
    QSqlQuery q(db_);
    return q.exec(QStringLiteral("SELECT count(*) FROM visits")) && q.next() ? q.value(0).toInt() : 0;
}

int HistoryStore::Pages() {
    QSqlQuery q(db_);
    return q.exec(QStringLiteral("SELECT count(*) FROM pages")) && q.next() ? q.value(0).toInt() : 0;
}

void HistoryStore::DropWordIndexForTesting() {
    QSqlQuery q(db_);
    for (const char* drop :
         {"DROP TRIGGER IF EXISTS page_words_insert", "DROP TRIGGER IF EXISTS page_words_delete",
          "DROP TRIGGER IF EXISTS page_words_title", "DROP TABLE IF EXISTS page_words"})
        q.exec(QLatin1String(drop));
    wordIndex_ = false;
}
