#include "bookmarks/FormIcons.h"
#include "bookmarks/FormProperties.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

// The icon chooser and the properties dialog, as a user answers them.
class TestIconDialogs : public QObject {
    Q_OBJECT

private slots:
    void theChooserReturnsOnlyAPickedIcon() {
        FormIcons chooser;
        chooser.Init(0);
        QCOMPARE(chooser.ListIcons->count(), 100);
        QCOMPARE(chooser.ListIcons->item(41)->text(), QStringLiteral("42"));
        chooser.show();
        chooser.ButOK->click(); // nothing picked: the chooser stays open
        QVERIFY(chooser.isVisible());
        QCOMPARE(chooser.Result, ResultCancel);
        chooser.close(); // the close box, still with nothing picked
        QVERIFY(chooser.isVisible());
        chooser.ListIcons->setCurrentRow(41);
        chooser.close(); // now it acts as OK
        QVERIFY(!chooser.isVisible());
        QCOMPARE(chooser.Result, ResultOK);
        QCOMPARE(chooser.IconIndex, 42);

        FormIcons preset;
        preset.Init(7);
        QCOMPARE(preset.ListIcons->currentRow(), 6);
        preset.show();
        QTest::keyClick(preset.ListIcons, Qt::Key_Right);
        QTest::keyClick(preset.ListIcons, Qt::Key_Return);
        QCOMPARE(preset.Result, ResultOK);
        QCOMPARE(preset.IconIndex, 8);

        FormIcons cancelled;
        cancelled.Init(3);
        cancelled.show();
        QTest::keyClick(cancelled.ListIcons, Qt::Key_Escape);
        QCOMPARE(cancelled.Result, ResultCancel);
    }

    void propertiesKeepTheirEditsOnTheCloseBox() {
        FormProperties card;
        card.Init(3, QStringLiteral("Name"), QStringLiteral("http://a.example/"), 4);
        QCOMPARE(card.windowTitle(), QStringLiteral("RivadOvov Properties"));
        FormProperties bookmark;
        bookmark.Init(8, QString(), QString(), 1);
        QCOMPARE(bookmark.windowTitle(), QStringLiteral("Bookmark Properties"));
        FormProperties other;
        other.Init(5, QString(), QString(), 1);
        QCOMPARE(other.windowTitle(), QStringLiteral("Properties"));

        int offered = -1;
        card.ChooseIcon = [&](int initial) {
            offered = initial;
            return 0; // cancelled
        };
        card.ButChangeIcon->click();
        QCOMPARE(offered, 4);
        QCOMPARE(card.IconIndex, 4);
        card.ChooseIcon = [](int) { return 101; }; // not an icon
        card.ButChangeIcon->click();
        QCOMPARE(card.IconIndex, 4);
        card.ChooseIcon = [](int) { return 12; };
        card.ButChangeIcon->click();
        QCOMPARE(card.IconIndex, 12);
        card.show();
        card.EditTitle->setText(QStringLiteral("Renamed"));
        card.close();
        QCOMPARE(card.Result, ResultOK);
    }
};

QTEST_MAIN(TestIconDialogs)
#include "test_icon_dialogs.moc"
