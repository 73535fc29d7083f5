#include "browse/ClosedPages.h"

void ClosedPages::Push(const SavedPage& page, qint64 closedAt) {
    if (page.address.trimmed().isEmpty()) return;
    pages_.prepend({page, closedAt});
    if (pages_.size() > kKept) pages_.resize(kKept);
}

SavedPage ClosedPages::Pop() {
    return pages_.isEmpty() ? SavedPage() : pages_.takeFirst().page;
}

void ClosedPages::ForgetSince(qint64 since) {
    pages_.removeIf([since](const Closed& closed) { return closed.at >= since; });
}
