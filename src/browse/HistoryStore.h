#pragma once

#include <QList>
#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <functional>

class QSqlQuery;

// One page of the kept history.
struct HistoryEntry {
    QString address;
    QString title;
    int visits = 0;
    qint64 lastVisit = 0; // milliseconds since the epoch
};

// Every visit of every page, kept between runs in an SQLite file in the data folder: what the address
// box offers while the user types, and what Search history finds. A damaged file is set aside and a
// fresh one started; a file that cannot be written at all leaves the history in memory for the run.
class HistoryStore : public QObject {
    Q_OBJECT
public:
    explicit HistoryStore(const QString& file, QObject* parent = nullptr);
    ~HistoryStore() override;

    // True for addresses worth keeping: not blank pages, scripts, inline data or the program's own
    // "not an address" page.
    static bool Keeps(const QString& address);
    // The address as completion compares it: no scheme, no "www.", lower case.
    static QString HostKey(const QString& address);
    // The words of a title or address: runs of letters and digits.
    static QStringList Words(const QString& text);

    // Records a visit of the address now.
    void AddVisit(const QString& address);
    // The page's title as it is now; words of it are found from then on.
    void SetTitle(const QString& address, const QString& title);
    // Pages for what the user has typed, best first: those whose address (without scheme and "www.")
    // starts with the text, then those with words starting with the typed words; each group by
    // visits, then the latest first.
    QList<HistoryEntry> Complete(const QString& typed, int limit = 8);
    // Pages whose title or address has every word (as the start of a word), newest first; the most
    // recent pages when the words are blank.
    QList<HistoryEntry> Search(const QString& words, int limit = 500);
    // Removes every visit at or after the moment (milliseconds since the epoch; 0 removes all) and
    // the pages left without visits.
    void ClearSince(qint64 since);
    int Visits();
    int Pages();

    // Where the history lives: false when only in memory for this run.
    bool OnDisk() const { return onDisk_; }
    // False where SQLite lacks its word index; words are then matched anywhere in the text.
    bool WordIndex() const { return wordIndex_; }
    // The clock, in milliseconds since the epoch; tests set it.
    std::function<qint64()> Now;
    // Tests take the word index away to check the plain matching.
    void DropWordIndexForTesting();

signals:
    // Something the user should know: the file was damaged and set aside, or cannot be written.
    void problem(const QString& text);
    // Visits at or after the moment were removed.
    void cleared(qint64 since);

private:
    bool open(const QString& name);
    bool createSchema();
    // Runs a prepared query; notes a damaged file so that the caller's step can start afresh.
    bool run(QSqlQuery& query);
    bool prepare(QSqlQuery& query, const QString& statement);
    // Notes what a failure says of the file: damaged, or not writable.
    void note(const class QSqlError& error);
    // After a failure: when the file was damaged, sets it aside, starts afresh and says so. True when
    // the step is worth trying again.
    bool recover();
    QList<HistoryEntry> entries(QSqlQuery& query);
    void tell(const QString& text);
    QString wordMatch(const QString& text, QList<QString>* likeWords) const;

    QString file_;
    QString connection_;
    QSqlDatabase db_;
    bool onDisk_ = false;
    bool wordIndex_ = false;
    bool damaged_ = false;
    bool unwritable_ = false;
    bool toldUnwritable_ = false;
};
