#pragma once

#include <QObject>
#include <QString>

class Browsers;
class PageEvents;

// Each site keeps its zoom: a page arriving at a site takes the site's zoom, and zooming a page
// zooms every open page of its site and is remembered between runs (100 % is not stored).
class SiteZoom : public QObject {
    Q_OBJECT
public:
    SiteZoom(Browsers& pages, PageEvents& events);

    // The site of an address: its host and port, or its scheme where it has no host ("file:").
    static QString SiteOf(const QString& address);
    // The zoom kept for a site; 1.0 when none.
    static double ZoomFor(const QString& site);

    // The user zoomed the page to the factor: its site keeps it, its other pages follow.
    void Zoomed(int slot, double factor);
    // Gives the page its site's zoom.
    void Apply(int slot);

signals:
    // The zoom of the page on show, whenever it may have changed.
    void currentZoom(double factor);

private:
    void tellCurrent();

    Browsers& pages_;
};
