#pragma once

#include <QtGlobal>

class QWidget;

// History > Clear history...: the visits of the last hour, the last day, or all of them.
namespace ClearHistory {

enum Range { LastHour, LastDay, Everything };

// The first moment whose visits go (milliseconds since the epoch); 0 for everything.
qint64 Since(Range range, qint64 now);
// Asks the user which visits to remove; false when the question was cancelled.
bool Ask(QWidget* parent, Range* chosen);

} // namespace ClearHistory
