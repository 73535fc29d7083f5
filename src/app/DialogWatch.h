#pragma once

#include <QObject>
#include <QRect>
#include <functional>

// Tells where each of the program's dialogs appears on the screen (options, icons, properties,
// about, message boxes), once the dialog has been placed.
class DialogWatch : public QObject {
    Q_OBJECT
public:
    explicit DialogWatch(std::function<void(const QRect&)> shown, QObject* parent = nullptr);
    ~DialogWatch() override;

    // Every dialog on show now.
    static QList<QRect> OpenDialogs();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QRect&)> shown_;
};
