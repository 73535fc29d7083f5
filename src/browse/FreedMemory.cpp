#include "browse/FreedMemory.h"

#include <QCoreApplication>
#include <QTimer>
#include <malloc.h>

namespace FreedMemory {

void ReleaseSoon() {
    static QTimer* timer = nullptr;
    if (!timer) {
        timer = new QTimer(QCoreApplication::instance());
        timer->setSingleShot(true);
        timer->setInterval(2000); // after a burst of closes, once
        QObject::connect(timer, &QTimer::timeout, [] { malloc_trim(0); });
    }
    timer->start();
}

} // namespace FreedMemory
