#pragma once

#include <QByteArray>
#include <QString>

class FormMain;

// The window's side of the light string: a bulb hung for every navigation, pending bulbs blinking
// while the current page loads, and the busy count that goes with them.
class LightString {
public:
    explicit LightString(FormMain& window);

    // Reads the background choice; part of the window's start-up, before the layout.
    void CreateBulbBackgrounds();
    void AddBulb(int page, const QString& address, int flags, const QString& targetFrame,
                 const QByteArray& postData, const QString& headers);
    void BeginPageBusy(int page);
    void MarkBulbLoaded(int page, const QString& address);
    void SettlePendingBulbs(int page);
    // One tick of the bulb flasher.
    void TimerBulbFlasher_Timer();

    // Painting of the current page's bulbs.
    void DrawBulb(int slot);
    void DrawAll();
    void RestoreStripBackgrounds();

private:
    FormMain& w_;
};
