#include "browse/Tab.h"

void TabOrder::TouchTab(int position) {
    if (position < 1 || position >= 256) return;
    const QChar c(position);
    order_.remove(c);
    order_.prepend(c);
}

void TabOrder::RemoveTabFromOrder(int position) {
    if (position < 1 || position >= 256) return;
    order_.remove(QChar(position));
    for (QChar& c : order_)
        if (c.unicode() > position) c = QChar(c.unicode() - 1);
}

int TabOrder::MostRecentTab() const {
    return order_.isEmpty() ? 1 : order_.at(0).unicode();
}
