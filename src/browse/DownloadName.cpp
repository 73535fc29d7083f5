#include "browse/DownloadName.h"

#include <QList>

namespace {
// Characters that change how the text around them is ordered or joined into lines.
bool isDirectionControl(char32_t c) {
    return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) ||
           (c >= 0x2066 && c <= 0x2069);
}

bool isLineOrControl(char32_t c) {
    const QChar::Category category = QChar::category(c);
    return category == QChar::Other_Control || category == QChar::Separator_Line ||
           category == QChar::Separator_Paragraph || c == 0xFFFD || c == u'/' || c == u'\\';
}

// The longest start of the text that fits in the bytes, cut between characters.
QString fitBytes(const QString& text, int bytes) {
    QString out;
    int used = 0;
    for (const uint code : text.toUcs4()) {
        const char32_t c = code;
        const QString one = QString::fromUcs4(&c, 1);
        const int size = int(one.toUtf8().size());
        if (used + size > bytes) break;
        out += one;
        used += size;
    }
    return out;
}
} // namespace

QString SafeDownloadName(const QString& suggested, int maxBytes) {
    // Only the last part of a path counts: a page never chooses the folder.
    QString name = suggested.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    QString clean;
    for (const uint code : name.toUcs4()) {
        const char32_t c = code;
        if (!isDirectionControl(c) && !isLineOrControl(c)) clean += QString::fromUcs4(&c, 1);
    }
    clean = clean.trimmed();
    if (clean.isEmpty() || clean == QLatin1String(".") || clean == QLatin1String(".."))
        return QStringLiteral("download");
    if (clean.toUtf8().size() <= maxBytes) return clean;

    // Too long: the name is shortened, its extension (a short one) kept.
    const qsizetype dot = clean.lastIndexOf(QLatin1Char('.'));
    QString extension = dot > 0 && clean.size() - dot <= 16 ? clean.mid(dot) : QString();
    const QString stem = clean.left(clean.size() - extension.size());
    return fitBytes(stem, maxBytes - int(extension.toUtf8().size())).trimmed() + extension;
}

QString ShortDisplayName(const QString& name) {
    constexpr int kShown = 60;
    if (name.size() <= kShown) return name;
    return name.left(kShown / 2 - 1) + QChar(0x2026) + name.right(kShown / 2 - 1);
}
