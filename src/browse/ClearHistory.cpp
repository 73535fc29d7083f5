#include "browse/ClearHistory.h"

#include <QInputDialog>
#include <QStringList>

namespace ClearHistory {

qint64 Since(Range range, qint64 now) {
    constexpr qint64 hour = 60 * 60 * 1000;
    switch (range) {
    case LastHour:
        return now - hour;
    case LastDay:
        return now - 24 * hour;
    case Everything:
        break;
    }
    return 0;
}

bool Ask(QWidget* parent, Range* chosen) {
    const QStringList ranges{QStringLiteral("The last hour"), QStringLiteral("The last day"),
                             QStringLiteral("Everything")};
    bool ok = false;
    const QString answer =
        QInputDialog::getItem(parent, QStringLiteral("Clear History"),
                              QStringLiteral("Remove the pages visited in:"), ranges, 0, false, &ok);
    if (!ok) return false;
    *chosen = static_cast<Range>(std::max<qsizetype>(0, ranges.indexOf(answer)));
    return true;
}

} // namespace ClearHistory
