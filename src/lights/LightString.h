#pragma once

#include "lights/Bulbs.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <memory>

class BulbPainter;
class Browsers;
class PageEvents;
class QTimer;

// The pages' strings of light bulbs: each page's string kept here from its creation to its close, a
// bulb hung for every navigation, pending bulbs blinking while the current page loads, and the
// current page's string on show.
class LightString : public QObject {
    Q_OBJECT
public:
    // Follows the pages: a string for every new page, the string on show for the current one.
    explicit LightString(Browsers& pages);
    ~LightString() override;

    // Follows the pages' navigations: a bulb hung when one starts, lit when it commits, the newest
    // bulb named by the page's title; a page whose flasher found it stopped is settled there too.
    void Follow(PageEvents& events);

    // How many slots the string has, and what paints them on the window (none in some tests); set by
    // the layout, and again when the window's size changes. Every page keeps its bulbs in their
    // slots: those beyond a shorter string are kept, and shown again when it grows.
    void Place(const SlotCounts& counts, std::unique_ptr<BulbPainter> painter);
    void Place(const SlotCounts& counts);
    // The window's background was painted anew: the strips keep what lies under them, and the
    // current page's string is drawn over it again.
    void CaptureStripBackgrounds();

    QTimer* Flasher() const { return flasher_; }
    // A page's string, or null when there is no such page.
    const PageString* StringOf(int page) const;

    void AddBulb(int page, const QString& address, int flags, const QString& targetFrame,
                 const QByteArray& postData, const QString& headers);
    void MarkBulbLoaded(int page, const QString& address);
    // The page's title names its newest bulb.
    void SetBulbTitle(int page, const QString& title);
    void SettlePendingBulbs(int page);
    // One tick of the bulb flasher.
    void TimerBulbFlasher_Timer();

    // What happens to the pages: the flasher runs exactly while the current page is busy.
    void PageBusy(int page);
    void PageIdle(int page);
    void ShowPage(int page);
    void PageClosed(int page, bool wasCurrent);
    // The window goes: the flasher stops for good.
    void Stop();

    // Painting of the current page's bulbs.
    void DrawBulb(int slot);
    void DrawAll();
    void RestoreStripBackgrounds();

signals:
    // The flasher found the current page no longer loading; its pending bulbs are lit.
    void currentPageSettled(int page);

private:
    bool isCurrent(int page) const;
    PageString* stringOf(int page);
    void pageCreated(int page);

    Browsers& pages_;
    SlotCounts counts_;
    std::unique_ptr<BulbPainter> painter_;
    QTimer* flasher_;
    QHash<int, PageString> strings_; // by page slot
};
