#include "app/DialogWatch.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>

DialogWatch::DialogWatch(std::function<void(const QRect&)> shown, QObject* parent)
    : QObject(parent)
    , shown_(std::move(shown)) {
    qApp->installEventFilter(this);
}

DialogWatch::~DialogWatch() {
    qApp->removeEventFilter(this);
}

QList<QRect> DialogWatch::OpenDialogs() {
    QList<QRect> open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(window) && window->isVisible()) open << window->frameGeometry();
    return open;
}

bool DialogWatch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show) return false;
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (!dialog || !dialog->isWindow()) return false;
    // A dialog is centred on its parent while it shows; its place is final a moment later.
    QTimer::singleShot(0, this, [this, dialog = QPointer<QDialog>(dialog)] {
        if (dialog && dialog->isVisible()) shown_(dialog->frameGeometry());
    });
    return false;
}
