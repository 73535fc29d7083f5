#include "bookmarks/CardIcons.h"

#include <QString>

QIcon CardIcon(int n) {
    if (n < 1 || n > kCardIconCount) return {};
    // QIcon finds the @2x picture beside it by itself.
    return QIcon(QStringLiteral(":/art/card-%1.png").arg(n, 3, 10, QLatin1Char('0')));
}
