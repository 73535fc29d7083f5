#include "base/TextEncoding.h"

#include <cstring>

namespace {

// 0x80..0x9F of Windows-1252; the rest of the code page equals Latin-1. Qt can name the code page
// only when it is built with ICU, so the table is kept here.
constexpr char16_t kHighControls[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t windows1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char16_t(byte);
}

bool continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at p (at most `left` bytes available), or 0 when the
// bytes there are not one: no overlong forms, no surrogates, nothing above U+10FFFF.
int sequenceLength(const unsigned char* p, qsizetype left, char32_t* code) {
    const unsigned char lead = p[0];
    if (lead < 0x80) {
        *code = lead;
        return 1;
    }
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (left < length || p[1] < low || p[1] > high) return 0;
    char32_t value = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if (!continuation(p[i])) return 0;
        value = (value << 6) | (p[i] & 0x3F);
    }
    *code = value;
    return length;
}

} // namespace

QString DecodeText(QByteArrayView bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const qsizetype n = bytes.size();
    // Every byte gives at most one UTF-16 unit (four bytes give a surrogate pair).
    QString text(n, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    qsizetype i = 0;
    while (i < n) {
        // Most text is ASCII: eight bytes at a time while none has its high bit set.
        while (n - i >= 8) {
            quint64 word;
            std::memcpy(&word, p + i, 8);
            if (word & 0x8080808080808080ULL) break;
            for (int k = 0; k < 8; ++k)
                out[k] = p[i + k];
            out += 8;
            i += 8;
        }
        if (i >= n) break;
        if (p[i] < 0x80) {
            *out++ = p[i++];
            continue;
        }
        char32_t code = 0;
        const int length = sequenceLength(p + i, n - i, &code);
        if (length == 0) {
            *out++ = windows1252(p[i++]);
        } else if (code > 0xFFFF) {
            *out++ = char16_t(0xD800 + ((code - 0x10000) >> 10));
            *out++ = char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
            i += length;
        } else {
            *out++ = char16_t(code);
            i += length;
        }
    }
    text.truncate(out - reinterpret_cast<const char16_t*>(text.constData()));
    return text;
}

QString DecodeWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    for (char c : bytes)
        *out++ = windows1252(static_cast<unsigned char>(c));
    return text;
}

QByteArray EncodeText(QStringView text) {
    return text.toUtf8();
}
