#pragma once

#include <QString>

// The order in which tabs were last used, most recent first; only positions 1..255 are tracked.
class TabOrder {
public:
    void TouchTab(int position);
    // Forgets a closed tab; the tabs after it move one position down.
    void RemoveTabFromOrder(int position);
    // The most recently used tab, or 1 (the bookmark list) when none is known.
    int MostRecentTab() const;
    const QString& Order() const { return order_; }

private:
    QString order_;
};
