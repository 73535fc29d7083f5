#include "browse/SiteZoom.h"

#include "base/RegUtil.h"
#include "browse/BrowserControl.h"
#include "browse/Browsers.h"
#include "browse/PageEvents.h"

#include <QUrl>
#include <cmath>

namespace {
const QString kZoomKey = QString::fromLatin1(RegUtil::kProductKey) + QStringLiteral("\\Zoom");

bool same(double a, double b) {
    return std::abs(a - b) < 0.001;
}
} // namespace

SiteZoom::SiteZoom(Browsers& pages, PageEvents& events)
    : pages_(pages) {
    connect(&events, &PageEvents::navigationCommitted, this, [this](int slot) { Apply(slot); });
    connect(&pages_, &Browsers::pageCreated, this, [this](int slot, BrowserControl* control) {
        // The engine may set a page back to 100 % when it moves to a new renderer; a finished
        // load gets the site's zoom again.
        connect(control, &BrowserControl::DocumentComplete, this, [this, slot] { Apply(slot); });
    });
    connect(&pages_, &Browsers::currentPageChanged, this, &SiteZoom::tellCurrent);
    connect(&pages_, &Browsers::paneChanged, this, &SiteZoom::tellCurrent);
}

QString SiteZoom::SiteOf(const QString& address) {
    const QUrl url(address);
    if (!url.isValid() || url.scheme().isEmpty()) return {};
    if (url.host().isEmpty()) return url.scheme().toLower() + QLatin1Char(':');
    return url.port() < 0 ? url.host().toLower()
                          : QStringLiteral("%1:%2").arg(url.host().toLower()).arg(url.port());
}

double SiteZoom::ZoomFor(const QString& site) {
    if (site.isEmpty()) return 1.0;
    bool ok = false;
    const double factor = RegUtil::GetRegString(kZoomKey, site).toDouble(&ok);
    // The engine takes 25 % to 500 %.
    return ok && factor >= 0.25 && factor <= 5.0 ? factor : 1.0;
}

void SiteZoom::Apply(int slot) {
    BrowserControl* control = pages_.Control(slot);
    if (!control) return;
    const double factor = ZoomFor(SiteOf(control->LocationURL()));
    if (!same(control->Zoom(), factor)) control->SetZoom(factor);
    if (slot == pages_.CurBrowser()) tellCurrent();
}

void SiteZoom::Zoomed(int slot, double factor) {
    BrowserControl* zoomed = pages_.Control(slot);
    if (!zoomed) return;
    const QString site = SiteOf(zoomed->LocationURL());
    if (!site.isEmpty()) {
        if (!same(ZoomFor(site), factor))
            RegUtil::SetRegString(kZoomKey, site, same(factor, 1.0) ? QString() : QString::number(factor));
        for (int other = 1; other <= pages_.BrowserSlots(); ++other)
            if (BrowserControl* control = pages_.Control(other); control && control != zoomed &&
                                                                 SiteOf(control->LocationURL()) == site &&
                                                                 !same(control->Zoom(), factor))
                control->SetZoom(factor);
    }
    tellCurrent();
}

void SiteZoom::tellCurrent() {
    const BrowserControl* current = pages_.Current();
    emit currentZoom(current && pages_.CurInterface() == InterfaceBrowser ? current->Zoom() : 1.0);
}
