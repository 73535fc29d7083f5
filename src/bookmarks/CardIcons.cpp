#include "bookmarks/CardIcons.h"

#include <QFile>
#include <QString>

QIcon CardIcon(int n) {
    if (n < 1 || n > kCardIconCount) return {};
    // QIcon finds the @2x picture beside it by itself.
    const QString picture = QStringLiteral(":/art/card-%1.png").arg(n, 3, 10, QLatin1Char('0'));
    // Until a card's own picture is drawn it wears the program's icon, so it is never invisible.
    return QIcon(QFile::exists(picture) ? picture : QStringLiteral(":/art/icon-32.png"));
}
