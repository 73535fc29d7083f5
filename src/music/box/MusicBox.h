#pragma once

#include <QImage>
#include <QLabel>
#include <QStringList>

class PointerGestures;

namespace Music {

// The music box on the window's desktop: a little radio, switched off or on. It can be dragged
// about like a card, it is clicked, right-clicked and pointed at through the shared pointer rules,
// and it takes dropped song files and song addresses.
class MusicBox : public QLabel {
    Q_OBJECT
public:
    MusicBox(PointerGestures& gestures, QWidget* parent);

    void ShowSwitchedOn(bool on);
    bool SwitchedOn() const { return on_; }

signals:
    // A real click, not the end of a drag or of a right-click.
    void clicked();
    // Local files dropped on the box, in their order.
    void filesDropped(const QStringList& files);
    // Text or a web address dropped on the box.
    void textDropped(const QString& text);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void showPicture();

    PointerGestures& gestures_;
    QImage pictures_[2]; // off, on
    bool on_ = false;
};

} // namespace Music
