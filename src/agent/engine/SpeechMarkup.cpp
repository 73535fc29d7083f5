#include "agent/engine/SpeechMarkup.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QStringList>

namespace {
// The alternatives of the text, split at bars outside tags. Inside a tag (between two backslashes)
// a bar belongs to the tag.
QStringList alternatives(const QString& text) {
    QStringList parts;
    QString part;
    bool inTag = false;
    bool inQuote = false;
    for (const QChar c : text) {
        if (inTag && c == u'"') inQuote = !inQuote;
        if (c == u'\\' && !inQuote) inTag = !inTag;
        if (c == u'|' && !inTag) {
            parts << part;
            part.clear();
        } else {
            part += c;
        }
    }
    parts << part;
    return parts;
}

QString speakAddresses(const QString& text) {
    static const QRegularExpression address(QStringLiteral(R"([\w.+-]+@[\w-]+(\.[\w-]+)+)"));
    QString out;
    qsizetype from = 0;
    for (const QRegularExpressionMatch& m : address.globalMatch(text)) {
        out += text.mid(from, m.capturedStart() - from);
        QString spoken = m.captured();
        spoken.replace(u'@', QStringLiteral(" at ")).replace(u'.', QStringLiteral(" dot "));
        out += spoken;
        from = m.capturedEnd();
    }
    return out + text.mid(from);
}

// The value of a tag such as Map="a"="b": the quoted strings in order.
QStringList quoted(const QString& tag) {
    QStringList values;
    static const QRegularExpression value(QStringLiteral(R"re("([^"]*)")re"));
    for (const QRegularExpressionMatch& m : value.globalMatch(tag))
        values << m.captured(1);
    return values;
}
} // namespace

SpeechText ParseSpeechMarkup(const QString& text, const std::function<int(int)>& pick) {
    const QStringList choices = alternatives(text);
    int chosen = 0;
    if (choices.size() > 1)
        chosen = pick ? qBound(0, pick(int(choices.size())), int(choices.size()) - 1)
                      : int(QRandomGenerator::global()->bounded(choices.size()));
    const QString& source = choices.at(chosen);

    SpeechText out;
    bool addressesAsWords = false;
    QString spokenRun; // plain text since the last tag, spoken under the context in force
    auto flush = [&] {
        out.Spoken += addressesAsWords ? speakAddresses(spokenRun) : spokenRun;
        spokenRun.clear();
    };
    qsizetype i = 0;
    while (i < source.size()) {
        const QChar c = source.at(i);
        if (c != u'\\') {
            spokenRun += c;
            out.Shown += c;
            ++i;
            continue;
        }
        // A tag runs to the next backslash outside quotes; "\\" is a backslash of its own.
        qsizetype end = i + 1;
        bool inQuote = false;
        while (end < source.size() && (source.at(end) != u'\\' || inQuote)) {
            if (source.at(end) == u'"') inQuote = !inQuote;
            ++end;
        }
        const QString tag = source.mid(i + 1, end - i - 1);
        i = end + 1;
        if (tag.isEmpty()) {
            spokenRun += u'\\';
            out.Shown += u'\\';
            continue;
        }
        const QString tagName = tag.section(u'=', 0, 0).trimmed();
        if (tagName.compare(u"Map", Qt::CaseInsensitive) == 0) {
            const QStringList values = quoted(tag);
            if (values.size() >= 2) {
                flush();
                out.Spoken += values.at(0);
                out.Shown += values.at(1);
            }
        } else if (tagName.compare(u"Ctx", Qt::CaseInsensitive) == 0) {
            flush();
            const QStringList values = quoted(tag);
            addressesAsWords =
                !values.isEmpty() && values.first().compare(u"E-mail", Qt::CaseInsensitive) == 0;
        }
        // Every other tag shapes the voice only; it is neither shown nor spoken.
    }
    flush();
    out.Spoken = out.Spoken.simplified();
    out.Shown = out.Shown.trimmed();
    return out;
}

int CountWords(const QString& text) {
    // Counted where they start, without copying the text: it may be a whole page.
    int words = 0;
    bool inWord = false;
    for (const QChar c : text) {
        const bool space = c.isSpace();
        if (!space && !inWord) ++words;
        inWord = !space;
    }
    return words;
}

int ShownWordsFor(int spokenWords, int spokenTotal, int shownTotal) {
    if (spokenTotal <= 0 || spokenWords >= spokenTotal) return shownTotal;
    if (spokenWords <= 0) return 0;
    return qMin(shownTotal, (spokenWords * shownTotal + spokenTotal - 1) / spokenTotal);
}
