#include "core/text/cp1252.h"

#include <array>

namespace trivanto {
namespace {

// Characters of 0x80 to 0x9F; 0 marks the five undefined bytes.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,       // 88-8F
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,  // 98-9F
};

constexpr char16_t decodeByte(quint8 byte) {
    if (byte < 0x80 || byte >= 0xA0) {
        return byte;
    }
    const char16_t mapped = kHighControls[byte - 0x80];
    return mapped != 0 ? mapped : byte;
}

// Byte for a UTF-16 unit that is not a surrogate, or -1 when the code page lacks it.
int encodeUnit(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) {
        return unit;
    }
    if (unit >= 0x80 && unit < 0xA0) {
        // Only the stand-ins of the undefined bytes map back; U+0080 and friends do not exist.
        return kHighControls[unit - 0x80] == 0 ? int(unit) : -1;
    }
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[i] == unit) {
            return 0x80 + i;
        }
    }
    return -1;
}

}  // namespace

QChar cp1252Char(quint8 byte) {
    return QChar(decodeByte(byte));
}

bool isCp1252Byte(quint8 byte) {
    return byte < 0x80 || byte >= 0xA0 || kHighControls[byte - 0x80] != 0;
}

QByteArray toCp1252(const QString& text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* dst = out.data();
    const char16_t* src = reinterpret_cast<const char16_t*>(text.utf16());
    const qsizetype n = text.size();
    qsizetype written = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t unit = src[i];
        if (unit < 0x80) {
            dst[written++] = char(unit);
            continue;
        }
        if (QChar::isHighSurrogate(unit) && i + 1 < n && QChar::isLowSurrogate(src[i + 1])) {
            ++i;  // one character, one "?"
            dst[written++] = '?';
            continue;
        }
        const int byte = QChar::isSurrogate(unit) ? -1 : encodeUnit(unit);
        dst[written++] = byte < 0 ? '?' : char(byte);
    }
    out.truncate(written);
    return out;
}

QString fromCp1252(const char* data, qsizetype size) {
    QString out(size, Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    const auto* src = reinterpret_cast<const quint8*>(data);
    for (qsizetype i = 0; i < size; ++i) {
        const quint8 byte = src[i];
        dst[i] = byte < 0x80 ? char16_t(byte) : decodeByte(byte);
    }
    return out;
}

QString fromCp1252(const QByteArray& bytes) {
    return fromCp1252(bytes.constData(), bytes.size());
}

bool isCp1252(const QString& text) {
    const char16_t* src = reinterpret_cast<const char16_t*>(text.utf16());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t unit = src[i];
        if (unit < 0x80) {
            continue;
        }
        if (QChar::isSurrogate(unit)) {
            return false;
        }
        const int byte = encodeUnit(unit);
        if (byte < 0 || !isCp1252Byte(quint8(byte))) {
            return false;
        }
    }
    return true;
}

}  // namespace trivanto
