#include "browse/SessionFile.h"

#include "base/SaveFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace SessionFile {
namespace {
constexpr int kVersion = 1;
// A session file is a few kilobytes per page; anything far larger is not one.
constexpr qint64 kMaxFileBytes = qint64(kMaxPages) * (kMaxHistoryBytes / 2);
} // namespace

bool Write(const QString& path, const Session& session) {
    QJsonArray pages;
    for (const SavedPage& page : session.pages) {
        if (pages.size() >= kMaxPages) break;
        QJsonObject entry{{QStringLiteral("address"), page.address}, {QStringLiteral("title"), page.title}};
        if (!page.history.isEmpty() && page.history.size() <= kMaxHistoryBytes)
            entry.insert(QStringLiteral("history"), QString::fromLatin1(page.history.toBase64()));
        pages.append(entry);
    }
    const QJsonObject root{{QStringLiteral("version"), kVersion},
                           {QStringLiteral("current"), session.current},
                           {QStringLiteral("pages"), pages}};
    // Whole or not at all: a full disk leaves the last good copy.
    return SaveFile::WriteWhole(path, QJsonDocument(root).toJson(QJsonDocument::Compact));
}

std::optional<Session> Read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileBytes) return std::nullopt;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isObject()) return std::nullopt;
    const QJsonObject root = document.object();
    Session session;
    const QJsonArray pages = root.value(QStringLiteral("pages")).toArray();
    const int current = root.value(QStringLiteral("current")).toInt();
    for (qsizetype i = 0; i < pages.size() && session.pages.size() < kMaxPages; ++i) {
        const QJsonObject entry = pages.at(i).toObject();
        SavedPage page;
        page.address = entry.value(QStringLiteral("address")).toString();
        if (page.address.trimmed().isEmpty()) continue;
        page.title = entry.value(QStringLiteral("title")).toString();
        page.history = QByteArray::fromBase64(entry.value(QStringLiteral("history")).toString().toLatin1());
        if (page.history.size() > kMaxHistoryBytes) page.history.clear();
        if (i == current) session.current = int(session.pages.size());
        session.pages.append(page);
    }
    if (session.pages.isEmpty()) return std::nullopt;
    return session;
}

} // namespace SessionFile
