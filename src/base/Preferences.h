#pragma once

#include <QObject>
#include <QString>

// What the program remembers of the user's choices beside the product's own pages, and where its data
// files live: one typed value, read at start-up and changed by the options dialog.
struct Preferences {
    QString StartupPage;
    QString SearchPage;
    QString WelcomePage;
    bool StartupPageEditable = false;
    bool SearchPageEditable = false;
    int BackgroundIndex = 1; // 1..14
    // Where words typed into the address box are looked up: an address with {searchTerms} where the
    // words go (Surf > Search Page still opens SearchPage).
    QString SearchAddress;
    // At start: false shows the start page, true opens the pages that were open last time.
    bool RestorePages = false;

    QString BookmarkFile;
    QString SitesFile;
    QString HistoryFile; // every visit, kept between runs
    QString SessionFile; // the pages open now, for the next start
    // Why the data folder cannot be used, or "" when it is fine; told to the user once.
    QString DataFolderProblem;
};

// The preferences in use, their reading from the product profile and the settings store, their
// storing, and a signal for everyone who shows them.
class PreferencesStore : public QObject {
    Q_OBJECT
public:
    const Preferences& Values() const { return values_; }

    // The product's pages, replaced by the stored ones where the edition lets the user edit them; the
    // background; the data files in the per-user data folder (created when missing).
    void Load();
    // Keeps the user's choices: a typed page different from the product's own is stored, typing the
    // product's page again returns to it; a changed background is stored. Tells the listeners.
    void Save(const Preferences& chosen);
    // Takes the values as they are, storing nothing (tests, and editions without a settings file).
    void Replace(const Preferences& values);

    // A stored background number as the program uses it: 1..14, anything else reads as 1.
    static int BackgroundFromSetting(int stored);
    // The placeholder a search address holds where the words go.
    static constexpr const char* kSearchTerms = "{searchTerms}";
    // True for an address that can take the words: a web or local address with {searchTerms}.
    static bool IsSearchAddress(const QString& text);

signals:
    void changed();

private:
    Preferences values_;
};
