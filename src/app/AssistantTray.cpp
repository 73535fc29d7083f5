#include "app/AssistantTray.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QSystemTrayIcon>

AssistantTray::AssistantTray(QObject* parent)
    : QObject(parent)
    , menu_(new QMenu) {
    show_ = menu_->addAction(QStringLiteral("&Show the Assistant"));
    hide_ = menu_->addAction(QStringLiteral("&Hide the Assistant"));
    connect(show_, &QAction::triggered, this, &AssistantTray::showRequested);
    connect(hide_, &QAction::triggered, this, &AssistantTray::hideRequested);
}

AssistantTray::~AssistantTray() {
    delete icon_;
    delete menu_;
}

void AssistantTray::Update(bool on, bool hidden, const QString& name) {
    show_->setEnabled(on && hidden);
    hide_->setEnabled(on && !hidden);
    if (!name.isEmpty()) {
        show_->setText(QStringLiteral("&Show %1").arg(name));
        hide_->setText(QStringLiteral("&Hide %1").arg(name));
    }
    // A tray that appeared after the start is used too.
    if (!on || !QSystemTrayIcon::isSystemTrayAvailable()) {
        if (icon_) icon_->hide();
        return;
    }
    if (!icon_) {
        icon_ = new QSystemTrayIcon(QIcon(QStringLiteral(":/art/icon-64.png")));
        icon_->setContextMenu(menu_);
        connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
            if (why == QSystemTrayIcon::Trigger && show_->isEnabled()) emit showRequested();
        });
    }
    icon_->setToolTip(name.isEmpty() ? QStringLiteral("Glisterwood 99 assistant")
                                     : QStringLiteral("%1, the Glisterwood 99 assistant").arg(name));
    icon_->show();
}

bool AssistantTray::Shown() const {
    return icon_ && icon_->isVisible();
}
