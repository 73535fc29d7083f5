#include "bookmarks/NetscapeBookmarks.h"

#include "base/SaveFile.h"
#include "base/TextEncoding.h"

#include <QFile>
#include <QStringDecoder>
#include <cctype>
#include <utility>

namespace {

const QString kTooLarge = QStringLiteral("The file is larger than 64 MiB and was not imported.");
const QString kUnreadable = QStringLiteral("The file cannot be read.");
const QString kNotBookmarks = QStringLiteral("This is not a bookmark file.");
const QString kNoHeader =
    QStringLiteral("The file does not start as a bookmark file; the links found in it were imported.");
const QString kCutInTag =
    QStringLiteral("The file is damaged or cut short inside a tag; the bookmarks before that were imported.");
const QString kCutInBookmark = QStringLiteral(
    "The file is damaged or cut short inside a bookmark; the bookmarks before that were imported.");
const QString kCutInFolder =
    QStringLiteral("The file is cut short: a folder is not closed. The bookmarks found were imported.");

// Longer titles come only from damage (a bookmark whose end tag is lost swallows the text after it).
constexpr qsizetype kMaxTitle = 2048;

bool isAsciiLetter(QChar c) {
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool isControl(QChar c) {
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

// The charset a <META> names near the top of the file, in lower case; "" when none does.
QByteArray declaredCharset(QByteArrayView html) {
    const QByteArray head = html.first(qMin<qsizetype>(html.size(), 4096)).toByteArray().toLower();
    qsizetype i = head.indexOf("charset");
    if (i < 0) return {};
    i += 7;
    while (i < head.size() && (head[i] == ' ' || head[i] == '=' || head[i] == '"' || head[i] == '\''))
        ++i;
    const qsizetype start = i;
    while (i < head.size() && (std::isalnum(static_cast<unsigned char>(head[i])) || head[i] == '-' ||
                               head[i] == '_' || head[i] == '.' || head[i] == ':'))
        ++i;
    return head.mid(start, i - start);
}

QString decodeHtml(QByteArrayView html) {
    if (html.startsWith("\xEF\xBB\xBF")) return DecodeText(html.sliced(3));
    if (html.startsWith("\xFF\xFE")) return QStringDecoder(QStringConverter::Utf16LE).decode(html.sliced(2));
    if (html.startsWith("\xFE\xFF")) return QStringDecoder(QStringConverter::Utf16BE).decode(html.sliced(2));
    const QByteArray charset = declaredCharset(html);
    if (charset.isEmpty() || charset == "utf-8" || charset == "utf8") return DecodeText(html);
    // Browsers read all of these as Windows-1252.
    static const QByteArrayList western = {"windows-1252", "cp1252", "iso-8859-1", "iso8859-1",
                                           "latin1",       "l1",     "us-ascii",   "ascii"};
    if (western.contains(charset)) return DecodeWindows1252(html);
    QStringDecoder decoder(charset.constData());
    if (decoder.isValid()) return decoder.decode(html);
    return DecodeText(html);
}

struct Tag {
    QString Name;       // lower case; a closing tag starts with '/'
    QString Href;       // raw, entities still in it
    qsizetype End = -1; // just past '>'; -1 when the text ends inside the tag
};

// The tag at s[pos] == '<', which is followed by a letter or '/'.
Tag readTag(QStringView s, qsizetype pos) {
    Tag tag;
    const qsizetype n = s.size();
    qsizetype i = pos + 1;
    const qsizetype nameStart = i;
    if (i < n && s[i] == u'/') ++i;
    while (i < n && (isAsciiLetter(s[i]) || s[i].isDigit()))
        ++i;
    tag.Name = s.sliced(nameStart, i - nameStart).toString().toLower();
    while (i < n) {
        while (i < n && (isBlank(s[i]) || s[i] == u'/'))
            ++i;
        if (i >= n) break;
        if (s[i] == u'>') {
            tag.End = i + 1;
            break;
        }
        const qsizetype attrStart = i;
        while (i < n && !isBlank(s[i]) && s[i] != u'=' && s[i] != u'>')
            ++i;
        const QStringView attr = s.sliced(attrStart, i - attrStart);
        while (i < n && isBlank(s[i]))
            ++i;
        if (i >= n || s[i] != u'=') continue;
        ++i;
        while (i < n && isBlank(s[i]))
            ++i;
        if (i >= n) break;
        qsizetype valueStart = i, valueEnd = i;
        if (s[i] == u'"' || s[i] == u'\'') {
            valueStart = i + 1;
            valueEnd = s.indexOf(s[i], valueStart);
            if (valueEnd < 0) break;
            i = valueEnd + 1;
        } else {
            while (i < n && !isBlank(s[i]) && s[i] != u'>')
                ++i;
            valueEnd = i;
        }
        if (attr.compare(u"href", Qt::CaseInsensitive) == 0)
            tag.Href = s.sliced(valueStart, valueEnd - valueStart).toString();
    }
    return tag;
}

// Tags that cannot stand inside a bookmark's title: meeting one means its </A> was lost.
bool endsBookmark(const QString& name) {
    return name == u"dt" || name == u"dd" || name == u"dl" || name == u"/dl" || name == u"h3";
}

QString cleanTitle(QString title) {
    for (QChar& c : title)
        if (isControl(c)) c = u' ';
    title = title.simplified();
    if (title.size() > kMaxTitle) {
        title.truncate(kMaxTitle);
        if (title.back().isHighSurrogate()) title.chop(1);
        title = title.trimmed();
    }
    return title;
}

// Browsers drop tabs and line breaks from an address.
QString cleanAddress(QString address) {
    address.removeIf(isControl);
    return address.trimmed();
}

int hexValue(QChar c) {
    if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f') return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
    return -1;
}

// The character of "#65" or "#x41"; -1 when the text is not a number. Values that name no
// character give U+FFFD; 128..159 are Windows-1252, as browsers read them.
char32_t numericEntity(QStringView body) {
    if (body.size() < 2 || body[0] != u'#') return char32_t(-1);
    const bool hex = body[1] == u'x' || body[1] == u'X';
    const QStringView digits = body.sliced(hex ? 2 : 1);
    if (digits.isEmpty()) return char32_t(-1);
    char32_t value = 0;
    for (QChar c : digits) {
        const int d = hex ? hexValue(c) : (c.isDigit() && c.unicode() < 0x80 ? c.unicode() - u'0' : -1);
        if (d < 0) return char32_t(-1);
        if (value <= 0x10FFFF) value = value * (hex ? 16 : 10) + char32_t(d);
    }
    if (value >= 0x80 && value <= 0x9F) {
        const char byte = char(value);
        return DecodeWindows1252(QByteArrayView(&byte, 1)).front().unicode();
    }
    if (value == 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0xFFFD;
    return value;
}

} // namespace

QString DecodeHtmlEntities(QStringView text) {
    if (!text.contains(u'&')) return text.toString();
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype amp = text.indexOf(u'&', i);
        if (amp < 0) {
            out += text.sliced(i);
            break;
        }
        out += text.sliced(i, amp - i);
        i = amp + 1;
        const qsizetype semi = text.sliced(i, qMin<qsizetype>(text.size() - i, 32)).indexOf(u';');
        if (semi < 0) {
            out += u'&';
            continue;
        }
        const QStringView body = text.sliced(i, semi);
        static const std::pair<const char16_t*, char16_t> named[] = {
            {u"amp", u'&'}, {u"lt", u'<'}, {u"gt", u'>'}, {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", 0xA0}};
        char32_t code = char32_t(-1);
        for (const auto& [name, value] : named)
            if (body == QStringView(name)) code = value;
        if (code == char32_t(-1)) code = numericEntity(body);
        if (code == char32_t(-1)) {
            out += u'&';
            continue;
        }
        out += QString::fromUcs4(&code, 1);
        i += semi + 1;
    }
    return out;
}

QString EscapeHtml(QStringView text) {
    QString out;
    out.reserve(text.size() + 16);
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += u"&amp;";
            break;
        case u'<':
            out += u"&lt;";
            break;
        case u'>':
            out += u"&gt;";
            break;
        case u'"':
            out += u"&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

NetscapeImport ParseNetscapeBookmarks(QByteArrayView html, const QSet<QString>& knownAddresses) {
    NetscapeImport result;
    if (html.size() > kNetscapeMaxBytes) {
        result.Problem = kTooLarge;
        return result;
    }
    const QString s = decodeHtml(html);
    const qsizetype n = s.size();

    QString damage;
    QSet<QString> seen;
    bool header = false;
    bool inBookmark = false;
    QString href, title;
    int depth = 0; // open <DL> lists

    const auto finishBookmark = [&] {
        inBookmark = false;
        const QString address = cleanAddress(DecodeHtmlEntities(href));
        // Firefox's "place:" entries are queries of its own history, not pages.
        if (address.isEmpty() || address.startsWith(u"place:", Qt::CaseInsensitive)) return;
        if (knownAddresses.contains(address) || seen.contains(address)) {
            ++result.Duplicates;
            return;
        }
        seen.insert(address);
        const QString name = cleanTitle(DecodeHtmlEntities(title));
        result.Bookmarks.append({name.isEmpty() ? cleanTitle(address) : name, address, 1, true});
    };

    qsizetype pos = 0;
    while (pos < n) {
        const qsizetype lt = s.indexOf(u'<', pos);
        if (inBookmark && title.size() <= kMaxTitle * 4)
            title += QStringView(s).sliced(pos, (lt < 0 ? n : lt) - pos);
        if (lt < 0) break;
        const QStringView rest = QStringView(s).sliced(lt);
        if (rest.startsWith(u"<!--")) {
            const qsizetype end = s.indexOf(u"-->", lt + 4);
            if (end < 0) {
                damage = kCutInTag;
                break;
            }
            pos = end + 3;
            continue;
        }
        if (rest.startsWith(u"<!") || rest.startsWith(u"<?")) {
            const qsizetype end = s.indexOf(u'>', lt);
            if (end < 0) {
                damage = kCutInTag;
                break;
            }
            if (QStringView(s)
                    .sliced(lt, end - lt)
                    .contains(u"NETSCAPE-Bookmark-file-1", Qt::CaseInsensitive))
                header = true;
            pos = end + 1;
            continue;
        }
        if (rest.size() < 2 || !(isAsciiLetter(rest[1]) || rest[1] == u'/')) {
            if (inBookmark) title += u'<'; // a bare '<' is text
            pos = lt + 1;
            continue;
        }
        const Tag tag = readTag(s, lt);
        if (tag.End < 0) {
            damage = kCutInTag;
            break;
        }
        pos = tag.End;
        if (inBookmark && (tag.Name == u"a" || endsBookmark(tag.Name))) {
            finishBookmark();
            if (damage.isEmpty()) damage = kCutInBookmark;
        }
        if (tag.Name == u"a") {
            inBookmark = true;
            href = tag.Href;
            title.clear();
        } else if (tag.Name == u"/a") {
            if (inBookmark) finishBookmark();
        } else if (tag.Name == u"dl") {
            ++depth;
        } else if (tag.Name == u"/dl") {
            depth = qMax(0, depth - 1);
        }
    }
    if (inBookmark) {
        finishBookmark();
        if (damage.isEmpty()) damage = kCutInBookmark;
    }
    if (damage.isEmpty() && depth > 0) damage = kCutInFolder;

    if (!header && result.Bookmarks.isEmpty() && result.Duplicates == 0)
        result.Problem = kNotBookmarks;
    else if (!damage.isEmpty())
        result.Problem = damage;
    else if (!header)
        result.Problem = kNoHeader;
    return result;
}

NetscapeImport ImportNetscapeFile(const QString& path, const QSet<QString>& knownAddresses) {
    NetscapeImport result;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.Problem = kUnreadable;
        return result;
    }
    if (file.size() > kNetscapeMaxBytes) {
        result.Problem = kTooLarge;
        return result;
    }
    // One byte beyond the limit tells a file that grew meanwhile, or a device without a size.
    const QByteArray bytes = file.read(kNetscapeMaxBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        result.Problem = kUnreadable;
        return result;
    }
    return ParseNetscapeBookmarks(bytes, knownAddresses);
}

QByteArray FormatNetscapeBookmarks(const QList<BookmarkRecord>& bookmarks) {
    QByteArray out("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                   "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                   "<TITLE>Bookmarks</TITLE>\n"
                   "<H1>Bookmarks</H1>\n"
                   "<DL><p>\n");
    for (const BookmarkRecord& b : bookmarks) {
        out.append("    <DT><A HREF=\"").append(EncodeText(EscapeHtml(cleanAddress(b.Address))));
        out.append("\">").append(EncodeText(EscapeHtml(cleanTitle(b.Name)))).append("</A>\n");
    }
    out.append("</DL><p>\n");
    return out;
}

bool ExportNetscapeFile(const QString& path, const QList<BookmarkRecord>& bookmarks) {
    const QByteArray bytes = FormatNetscapeBookmarks(bookmarks);
    return SaveFile::WriteWhole(path, bytes);
}
