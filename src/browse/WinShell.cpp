#include "browse/WinShell.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace WinShell {
namespace {
std::function<bool(const QUrl&)>& opener() {
    static std::function<bool(const QUrl&)> open = [](const QUrl& url) {
        return QDesktopServices::openUrl(url);
    };
    return open;
}
} // namespace

QUrl ExternalUrl(const QString& address) {
    const QString text = address.trimmed();
    if (text.isEmpty()) return {};
    // A bare "example.org" is meant as a web address; anything with another scheme stays here.
    QUrl url(text, QUrl::StrictMode);
    if (url.scheme().isEmpty()) url = QUrl(QStringLiteral("http://") + text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    const bool web =
        scheme == QLatin1String("http") || scheme == QLatin1String("https") || scheme == QLatin1String("ftp");
    if (!url.isValid() || (web && url.host().isEmpty())) return {};
    if (web || scheme == QLatin1String("mailto")) return url;
    return {};
}

bool OpenExternal(const QString& address) {
    const QUrl url = ExternalUrl(address);
    return url.isValid() && !url.isEmpty() && opener()(url);
}

QString BrowseForFolder(QWidget* owner, const QString& title) {
    // The user's own music folder is the likeliest place to start from.
    QString start = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (!QFileInfo(start).isDir()) start = QDir::homePath();
    return QFileDialog::getExistingDirectory(owner, title, start);
}

bool OpenFolder(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir() && opener()(QUrl::fromLocalFile(folder));
}

void SetOpenerForTesting(std::function<bool(const QUrl&)> open) {
    opener() = std::move(open);
}

} // namespace WinShell
