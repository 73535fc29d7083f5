#include "app/CommandLine.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

QStringList AddressesFromArguments(const QStringList& arguments, const QString& workingFolder) {
    QStringList addresses;
    bool optionsOver = false;
    // The first argument is the program itself.
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString argument = arguments.at(i).trimmed();
        if (argument.isEmpty()) continue;
        if (!optionsOver && argument == QLatin1String("--")) {
            optionsOver = true;
            continue;
        }
        if (!optionsOver && argument.startsWith(QLatin1Char('-'))) continue;
        const QFileInfo file(QDir(workingFolder), argument);
        if (!argument.contains(QLatin1String("://")) && file.exists())
            addresses << QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded);
        else
            addresses << argument;
    }
    return addresses;
}
