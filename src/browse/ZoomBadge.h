#pragma once

#include <QLabel>

class Browsers;

// The zoom of the page on show, in the page's lower right corner, whenever it is not 100 %; a click
// puts the page back to 100 %.
class ZoomBadge : public QLabel {
    Q_OBJECT
public:
    ZoomBadge(Browsers& pages, QWidget* area);

    void Show(double factor);
    static QString Text(double factor);

signals:
    void resetRequested();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void place();
    Browsers& pages_;
};
