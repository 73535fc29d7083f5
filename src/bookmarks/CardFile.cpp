#include "bookmarks/CardFile.h"

#include "base/SaveFile.h"
#include "base/TextEncoding.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <limits>
#include <optional>

namespace {

// Reads little-endian fields and refuses anything that runs past the end of the bytes, so a
// damaged length never turns into an allocation.
class FieldReader {
public:
    explicit FieldReader(QByteArrayView bytes)
        : bytes_(bytes) {}
    qsizetype Left() const { return bytes_.size() - pos_; }
    std::optional<int> Int16() {
        if (Left() < 2) return std::nullopt;
        const auto value = qFromLittleEndian<qint16>(bytes_.data() + pos_);
        pos_ += 2;
        return value;
    }
    std::optional<QString> Text() {
        if (Left() < 4) return std::nullopt;
        const auto length = qFromLittleEndian<qint32>(bytes_.data() + pos_);
        if (length < 0 || length > Left() - 4) return std::nullopt;
        pos_ += 4;
        const QString text = DecodeText(bytes_.sliced(pos_, length));
        pos_ += length;
        return text;
    }
    bool Skip(QByteArrayView expected) {
        if (bytes_.sliced(pos_).first(qMin(Left(), expected.size())) != expected) return false;
        pos_ += expected.size();
        return true;
    }

private:
    QByteArrayView bytes_;
    qsizetype pos_ = 0;
};

// The smallest record: icon, two empty texts, left and top.
constexpr qsizetype kMinRecordBytes = 2 + 4 + 4 + 2 + 2;

void appendInt16(QByteArray& bytes, int value) {
    const auto clamped = qint16(
        qBound(int(std::numeric_limits<qint16>::min()), value, int(std::numeric_limits<qint16>::max())));
    char le[2];
    qToLittleEndian(clamped, le);
    bytes.append(le, 2);
}

bool appendText(QByteArray& bytes, const QString& text) {
    const QByteArray encoded = EncodeText(text);
    if (encoded.size() > std::numeric_limits<qint32>::max()) return false;
    char le[4];
    qToLittleEndian(qint32(encoded.size()), le);
    bytes.append(le, 4).append(encoded);
    return true;
}

} // namespace

CardLoad ParseCards(QByteArrayView bytes) {
    CardLoad load;
    FieldReader in(bytes);
    if (!in.Skip(kCardHeader)) {
        load.Status = CardLoadStatus::BadHeader;
        return load;
    }
    const std::optional<int> count = in.Int16();
    if (!count || *count < 0) {
        load.Status = CardLoadStatus::Damaged;
        return load;
    }
    load.Cards.reserve(qMin<qsizetype>(*count, in.Left() / kMinRecordBytes));
    for (int i = 0; i < *count; ++i) {
        CardRecord card;
        card.InUse = true;
        const std::optional<int> icon = in.Int16();
        const std::optional<QString> address = icon ? in.Text() : std::nullopt;
        const std::optional<QString> name = address ? in.Text() : std::nullopt;
        const std::optional<int> left = name ? in.Int16() : std::nullopt;
        const std::optional<int> top = left ? in.Int16() : std::nullopt;
        if (!top) {
            load.Status = CardLoadStatus::Damaged;
            return load;
        }
        card.Icon = *icon;
        card.Address = *address;
        card.Name = *name;
        card.Left = *left;
        card.Top = *top;
        load.Cards.append(card);
    }
    return load;
}

CardLoad LoadCardFile(const QString& path) {
    if (!QFileInfo::exists(path)) return {{}, CardLoadStatus::Missing};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {{}, CardLoadStatus::Unreadable};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) return {{}, CardLoadStatus::Unreadable};
    return ParseCards(bytes);
}

QByteArray FormatCards(const QList<CardRecord>& cards) {
    qsizetype inUse = 0;
    for (const CardRecord& card : cards)
        inUse += card.InUse ? 1 : 0;
    if (inUse > std::numeric_limits<qint16>::max()) return {};

    QByteArray bytes(kCardHeader);
    bytes.reserve(bytes.size() + 2 + inUse * 80);
    appendInt16(bytes, int(inUse));
    for (const CardRecord& card : cards) {
        if (!card.InUse) continue;
        appendInt16(bytes, card.Icon);
        if (!appendText(bytes, card.Address) || !appendText(bytes, card.Name)) return {};
        appendInt16(bytes, card.Left);
        appendInt16(bytes, card.Top);
    }
    return bytes;
}

bool SaveCardFile(const QString& path, const QList<CardRecord>& cards) {
    const QByteArray bytes = FormatCards(cards);
    if (bytes.isEmpty()) return false;
    return SaveFile::WriteWhole(path, bytes);
}
