#include "base/Folders.h"

#include "base/ProductProfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

QString AddBackslash(const QString& path) {
    return path.endsWith(QLatin1Char('/')) ? path : path + QLatin1Char('/');
}

QString GetWindowsDir(QString* problem) {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString dir = base + QLatin1Char('/') + ProductProfile().OEM_Name() + QLatin1Char('/') +
                        ProductProfile().Product_Name();
    if (!QDir().mkpath(dir)) {
        if (problem)
            *problem = QStringLiteral("The folder %1 cannot be created.").arg(QDir::toNativeSeparators(dir));
    } else {
        QTemporaryFile probe(dir + QStringLiteral("/write-check-XXXXXX"));
        if (!probe.open() && problem)
            *problem = QStringLiteral("The folder %1 cannot be written.").arg(QDir::toNativeSeparators(dir));
    }
    return AddBackslash(dir);
}

QString ProgramFolder() {
    // Run from the build tree, the theme song and the default music are written into it; installed,
    // they sit in the data folder.
    const QString installed = QStringLiteral(GW_DATA_DIR);
    const QString appDir = QCoreApplication::applicationDirPath();
    if (QFileInfo(appDir + QStringLiteral("/CMakeCache.txt")).exists() || !QFileInfo(installed).isDir())
        return AddBackslash(QStringLiteral(GW_BUILD_PROGRAM));
    return AddBackslash(installed);
}

bool FileExists(const QString& path) {
    return QFileInfo(path).lastModified().isValid();
}

QString FindFileIgnoringCase(const QString& folder, const QString& name) {
    // Every entry, not a name filter: a name may hold the filter's wildcard characters.
    const QStringList entries = QDir(folder).entryList(QDir::Files);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return AddBackslash(folder) + entry;
    return AddBackslash(folder) + name;
}
