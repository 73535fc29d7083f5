#include "TestEnvironment.h"
#include "bookmarks/CardFile.h"
#include "bookmarks/Cards.h"
#include "bookmarks/DesktopCards.h"
#include "decor/PointerGestures.h"

#include <QSignalSpy>
#include <QTest>
#include <QWidget>

// The card rules without a window: what a drop makes, what is saved, what a card opens.
class TestDesktopCards : public QObject {
    Q_OBJECT

    struct Desk {
        Desk()
            : cards(area, gestures, env.Home() + QStringLiteral("/sites.gws"))
            , rules(cards) {
            area.resize(800, 600);
            cards.SetDesktop(QRect(0, 21, 800, 579));
            rules.AskForIcon = [this](int initial) {
                asked << initial;
                return icon;
            };
        }
        int saved() const {
            return int(LoadCardFile(env.Home() + QStringLiteral("/sites.gws")).Cards.size());
        }
        TestEnvironment env;
        QWidget area;
        PointerGestures gestures;
        Cards cards;
        DesktopCards rules;
        QList<int> asked;
        int icon = 5;
    };

private slots:
    void everyNewCardIsSavedAtOnce() {
        Desk d;
        QSignalSpy scripts(&d.rules, &DesktopCards::scriptRequested);
        d.rules.BulbDropped(QPoint(100, 200), QStringLiteral("http://bulb.example/"), QStringLiteral("Bulb"));
        QCOMPARE(d.saved(), 1);
        d.rules.TextDropped(QPoint(300, 200), QStringLiteral("  http://text.example/\n  more  "));
        QCOMPARE(d.saved(), 2);
        const CardRecord& text = d.cards.Card(2);
        QCOMPARE(text.Address, QStringLiteral("http://text.example/ more")); // one line, as typed
        QCOMPARE(QPoint(text.Left, text.Top), QPoint(284, 184));             // centred on the drop
        QCOMPARE(d.asked, (QList<int>{1, 1}));
        QStringList names;
        for (const QList<QVariant>& s : scripts)
            names << s[0].toString();
        QCOMPARE(names, (QStringList{QStringLiteral("bulb_dropped"), QStringLiteral("bulb_dropped_success"),
                                     QStringLiteral("card_new")}));
    }

    void aCancelledChooserMakesAndSavesNothing() {
        Desk d;
        d.icon = 0;
        QSignalSpy scripts(&d.rules, &DesktopCards::scriptRequested);
        d.rules.BulbDropped(QPoint(100, 200), QStringLiteral("http://bulb.example/"), QStringLiteral("Bulb"));
        d.rules.TextDropped(QPoint(100, 200), QStringLiteral("words"));
        d.rules.TextDropped(QPoint(100, 200), QStringLiteral(" \n ")); // blank: not even asked
        QCOMPARE(d.cards.CardCount(), 0);
        QVERIFY(!QFile::exists(d.env.Home() + QStringLiteral("/sites.gws")));
        QCOMPARE(d.asked.size(), 2);
        QCOMPARE(scripts.last()[0].toString(), QStringLiteral("bulb_dropped_cancel"));
    }

    void theMenuCardsCommandsActOnIt() {
        Desk d;
        d.rules.TextDropped(QPoint(100, 200), QStringLiteral("http://one.example/"));
        d.rules.TextDropped(QPoint(300, 200), QStringLiteral("http://two.example/"));
        QSignalSpy open(&d.rules, &DesktopCards::openRequested);
        QSignalSpy openNew(&d.rules, &DesktopCards::openInNewPageRequested);
        QSignalSpy bookmark(&d.rules, &DesktopCards::bookmarkRequested);
        d.rules.SetMenuCard(2);
        d.rules.OpenMenuCard();
        d.rules.OpenMenuCardInNewPage();
        d.rules.AddMenuCardToBookmarks();
        QCOMPARE(open.last()[0].toString(), QStringLiteral("http://two.example/"));
        QCOMPARE(openNew.last()[0].toString(), QStringLiteral("http://two.example/"));
        QCOMPARE(bookmark.last(), (QVariantList{QStringLiteral("http://two.example/"),
                                                QStringLiteral("http://two.example/"), 5}));
        d.rules.DeleteMenuCard();
        QCOMPARE(d.saved(), 1);
        // A card that has gone does nothing when its menu is used again.
        d.rules.OpenMenuCard();
        d.rules.AddMenuCardToBookmarks();
        QCOMPARE(open.size(), 1);
        QCOMPARE(bookmark.size(), 1);
    }
};

QTEST_MAIN(TestDesktopCards)
#include "test_desktop_cards.moc"
