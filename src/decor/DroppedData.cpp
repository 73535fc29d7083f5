#include "decor/DroppedData.h"

#include <QMimeData>
#include <QUrl>

bool DroppedData::Acceptable(const QMimeData& data) {
    return data.hasText() || data.hasUrls();
}

DroppedData DroppedData::Read(const QMimeData& data) {
    DroppedData dropped;
    const QList<QUrl> urls = data.urls();
    if (!urls.isEmpty() && urls.first().isLocalFile()) {
        for (const QUrl& url : urls)
            if (url.isLocalFile()) dropped.files.append(url.toLocalFile());
    } else if (!urls.isEmpty()) {
        dropped.address = urls.first().toString();
    }
    if (data.hasText()) dropped.text = data.text();
    return dropped;
}
