#pragma once

#include "bookmarks/Bulbs.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <memory>

class BulbPainter;
class Browsers;
class QTimer;

// The pages' strings of light bulbs: a bulb hung for every navigation, pending bulbs blinking
// while the current page loads, and the current page's string on show.
class LightString : public QObject {
    Q_OBJECT
public:
    explicit LightString(Browsers& pages);
    ~LightString() override;

    // Reads the background choice; part of the window's start-up, before the layout.
    void CreateBulbBackgrounds();
    // How many slots the string has, and what paints them on the window (none in some tests);
    // fixed by the layout.
    void Place(const SlotCounts& counts, std::unique_ptr<BulbPainter> painter);
    void Place(const SlotCounts& counts);
    // The window's background was painted anew: the strips keep what lies under them, and the
    // current page's string is drawn over it again.
    void CaptureStripBackgrounds();

    QTimer* Flasher() const { return flasher_; }

    void AddBulb(int page, const QString& address, int flags, const QString& targetFrame,
                 const QByteArray& postData, const QString& headers);
    void MarkBulbLoaded(int page, const QString& address);
    void SettlePendingBulbs(int page);
    // One tick of the bulb flasher.
    void TimerBulbFlasher_Timer();

    // What happens to the pages: the flasher runs exactly while the current page is busy.
    void PageBusy(int page);
    void PageIdle(int page);
    void ShowPage(int page);
    void PageClosed(int page, bool wasCurrent);

    // Painting of the current page's bulbs.
    void DrawBulb(int slot);
    void DrawAll();
    void RestoreStripBackgrounds();

signals:
    // The flasher found the current page no longer loading; its pending bulbs are lit.
    void currentPageSettled(int page);

private:
    bool isCurrent(int page) const;

    Browsers& pages_;
    SlotCounts counts_;
    std::unique_ptr<BulbPainter> painter_;
    QTimer* flasher_;
};
