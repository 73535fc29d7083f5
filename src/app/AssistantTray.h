#pragma once

#include <QObject>
#include <QString>

class QAction;
class QMenu;
class QSystemTrayIcon;

// The assistant's icon in the desktop's system tray, where the desktop has one. It is there while
// the assistant is switched on; a click on it, or its menu, brings back an assistant the user hid.
class AssistantTray : public QObject {
    Q_OBJECT
public:
    explicit AssistantTray(QObject* parent = nullptr);
    ~AssistantTray() override;

    // What the assistant is doing now: switched on (a character loaded) and whether it is hidden.
    void Update(bool on, bool hidden, const QString& name);
    bool Shown() const;

signals:
    void showRequested();
    void hideRequested();

private:
    QSystemTrayIcon* icon_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* show_ = nullptr;
    QAction* hide_ = nullptr;
};
