#include "bookmarks/BookmarkFile.h"

#include "base/SaveFile.h"
#include "base/TextEncoding.h"

#include <QFile>
#include <QStringEncoder>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Lines end at CR or CR LF; a lone LF belongs to the line.
class LineReader {
public:
    explicit LineReader(QByteArrayView bytes)
        : bytes_(bytes) {}
    bool AtEnd() const { return pos_ >= bytes_.size(); }
    std::optional<QByteArrayView> Next() {
        if (AtEnd()) return std::nullopt;
        const qsizetype cr = bytes_.indexOf('\r', pos_);
        const qsizetype end = cr < 0 ? bytes_.size() : cr;
        const QByteArrayView line = bytes_.sliced(pos_, end - pos_);
        pos_ = end;
        if (cr >= 0) {
            ++pos_;
            if (pos_ < bytes_.size() && bytes_[pos_] == '\n') ++pos_;
        }
        return line;
    }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

// Appends the text as UTF-8 with its line breaks turned into spaces, without a temporary copy.
void appendLine(QByteArray& bytes, QStringView text, QStringEncoder& encoder) {
    const qsizetype start = bytes.size();
    bytes.resize(start + text.size() * 3); // UTF-8 needs at most three bytes per UTF-16 unit
    char* end = encoder.appendToBuffer(bytes.data() + start, text);
    if (text.contains(u'\r') || text.contains(u'\n'))
        std::replace_if(
            bytes.data() + start, end, [](char c) { return c == '\r' || c == '\n'; }, ' ');
    bytes.resize(end - bytes.constData());
    bytes.append("\r\n");
}

} // namespace

std::optional<int> IconFromText(QByteArrayView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // from_chars would also take "inf" and "nan"; only a digit or a point starts a number here.
    if (i >= text.size() || !(isDigit(text[i]) || text[i] == '.')) return 0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::invalid_argument) return 0; // a lone point
    if (error == std::errc::result_out_of_range) {
        // Either far too large or so small that it rounds to 0.
        if (QByteArrayView(first, end - first).contains("e-") ||
            QByteArrayView(first, end - first).contains("E-"))
            return 0;
        return std::nullopt;
    }
    const double rounded = std::nearbyint(negative ? -value : value);
    if (rounded < std::numeric_limits<qint16>::min() || rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return int(rounded);
}

BookmarkLoad ParseBookmarks(QByteArrayView bytes) {
    BookmarkLoad load;
    LineReader lines(bytes);
    const std::optional<QByteArrayView> header = lines.Next();
    if (!header || *header != QByteArrayView(kBookmarkHeader)) {
        load.Status = BookmarkLoadStatus::BadHeader;
        return load;
    }
    load.Records.reserve(std::count(bytes.begin(), bytes.end(), '\r') / 3 + 1);
    while (!lines.AtEnd()) {
        const std::optional<QByteArrayView> icon = lines.Next();
        const std::optional<QByteArrayView> name = lines.Next();
        const std::optional<QByteArrayView> address = lines.Next();
        if (!address) {
            load.Status = BookmarkLoadStatus::CutShort;
            return load;
        }
        const std::optional<int> number = IconFromText(*icon);
        if (!number) {
            load.Status = BookmarkLoadStatus::NumberTooLarge;
            return load;
        }
        load.Records.append({DecodeText(*name), DecodeText(*address), *number, !icon->isEmpty()});
    }
    return load;
}

BookmarkLoad LoadBookmarkFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, BookmarkLoadStatus::Unreadable};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {{}, BookmarkLoadStatus::Unreadable};
    return ParseBookmarks(bytes);
}

QByteArray FormatBookmarks(const QList<BookmarkRecord>& records) {
    qsizetype room = sizeof kBookmarkHeader + 2;
    for (const BookmarkRecord& r : records)
        room += 12 + (r.Name.size() + r.Address.size()) * 3;
    QByteArray bytes;
    bytes.reserve(room);
    QStringEncoder encoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    bytes.append(kBookmarkHeader).append("\r\n");
    for (const BookmarkRecord& r : records) {
        if (r.HasIcon) bytes.append(QByteArray::number(r.Icon));
        bytes.append("\r\n");
        appendLine(bytes, r.Name, encoder);
        appendLine(bytes, r.Address, encoder);
    }
    return bytes;
}

bool SaveBookmarkFile(const QString& path, const QList<BookmarkRecord>& records) {
    const QByteArray bytes = FormatBookmarks(records);
    return SaveFile::WriteWhole(path, bytes);
}
