#include "base/RegUtil.h"

#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <limits>

namespace RegUtil {
namespace {

QString& overridePath() {
    static QString path;
    return path;
}

// "Software\Varnholt Software\Glisterwood 97\Scripts" -> group "Scripts"; the product key itself is
// the file's top level. Any other path keeps its full name as a group, so nothing collides.
QString groupFor(const QString& keyPath) {
    QString path = keyPath;
    while (path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    const QString product = QString::fromLatin1(kProductKey);
    if (path.compare(product, Qt::CaseInsensitive) == 0) return {};
    if (path.startsWith(product + QLatin1Char('\\'), Qt::CaseInsensitive))
        path = path.mid(product.size() + 1);
    return path.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

QSettings openStore() {
    return QSettings(SettingsFilePath(), QSettings::IniFormat);
}

// Value names may contain characters that the settings file treats as separators.
QString keyFor(const QString& keyPath, const QString& valueName) {
    QString name = valueName;
    name.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QString group = groupFor(keyPath);
    return group.isEmpty() ? name : group + QLatin1Char('/') + name;
}

} // namespace

QString SettingsFilePath() {
    if (!overridePath().isEmpty()) return overridePath();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return config + QStringLiteral("/Varnholt Software/Glisterwood 97.conf");
}

void SetSettingsFilePathForTesting(const QString& path) {
    overridePath() = path;
}

QString GetRegString(const QString& keyPath, const QString& valueName) {
    QSettings store = openStore();
    const QVariant value = store.value(keyFor(keyPath, valueName));
    if (value.typeId() != QMetaType::QString) return {};
    const QString text = value.toString();
    return text.size() > kMaxValueLength ? QString() : text;
}

void SetRegString(const QString& keyPath, const QString& valueName, const QString& text) {
    QSettings store = openStore();
    store.setValue(keyFor(keyPath, valueName), text);
    store.sync();
}

void DeleteRegKey(const QString& keyPath) {
    const QString group = groupFor(keyPath);
    if (group.isEmpty()) return; // the product key itself is never deleted
    QSettings store = openStore();
    store.remove(group);
    store.sync();
}

bool SettingsWritable() {
    QSettings store = openStore();
    store.setValue(QStringLiteral("~write-check"), QStringLiteral("1"));
    store.remove(QStringLiteral("~write-check"));
    store.sync();
    return store.status() == QSettings::NoError && store.isWritable();
}

int RegNumber(const QString& text) {
    int i = 0;
    const int n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('-') || text[i] == QLatin1Char('+'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    long long value = 0;
    for (; i < n && text[i].isDigit() && text[i].unicode() < 128; ++i) {
        value = value * 10 + (text[i].unicode() - '0');
        if (value > 100000) value = 100000; // far outside the 16-bit range; stop growing
    }
    if (negative) value = -value;
    constexpr long long lo = std::numeric_limits<short>::min();
    constexpr long long hi = std::numeric_limits<short>::max();
    return static_cast<int>(std::clamp(value, lo, hi));
}

} // namespace RegUtil
