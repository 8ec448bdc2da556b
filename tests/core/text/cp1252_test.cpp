#include "core/text/cp1252.h"

#include <gtest/gtest.h>

namespace trivanto {
namespace {

struct CharCase {
    char32_t character;
    quint8 byte;
};

// The upper half that differs from Latin-1, plus samples from both ends of the code page.
const CharCase kMappedChars[] = {
    {U'\u20AC', 0x80}, {U'\u201A', 0x82}, {U'\u0192', 0x83}, {U'\u201E', 0x84}, {U'\u2026', 0x85},
    {U'\u2020', 0x86}, {U'\u2021', 0x87}, {U'\u02C6', 0x88}, {U'\u2030', 0x89}, {U'\u0160', 0x8A},
    {U'\u2039', 0x8B}, {U'\u0152', 0x8C}, {U'\u017D', 0x8E}, {U'\u2018', 0x91}, {U'\u2019', 0x92},
    {U'\u201C', 0x93}, {U'\u201D', 0x94}, {U'\u2022', 0x95}, {U'\u2013', 0x96}, {U'\u2014', 0x97},
    {U'\u02DC', 0x98}, {U'\u2122', 0x99}, {U'\u0161', 0x9A}, {U'\u203A', 0x9B}, {U'\u0153', 0x9C},
    {U'\u017E', 0x9E}, {U'\u0178', 0x9F}, {U'\u00A0', 0xA0}, {U'\u00DF', 0xDF}, {U'\u00E4', 0xE4},
    {U'\u00FF', 0xFF}, {U'A', 0x41},      {U'\x00', 0x00},   {U'\x7F', 0x7F},
};

QString fromCodePoint(char32_t c) {
    return QString::fromUcs4(&c, 1);
}

TEST(Cp1252, EveryMappedCharacterEncodesAndDecodes) {
    for (const auto& c : kMappedChars) {
        const QString text = fromCodePoint(c.character);
        const QByteArray bytes = toCp1252(text);
        ASSERT_EQ(bytes.size(), 1) << int(c.byte);
        EXPECT_EQ(quint8(bytes[0]), c.byte) << int(c.byte);
        EXPECT_EQ(fromCp1252(bytes), text) << int(c.byte);
        EXPECT_TRUE(isCp1252(text)) << int(c.byte);
    }
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) {
        all.append(char(b));
    }
    const QString decoded = fromCp1252(all);
    EXPECT_EQ(decoded.size(), 256);
    EXPECT_EQ(toCp1252(decoded), all);
}

TEST(Cp1252, UndefinedBytesDecodeToTheirControlsButAreNotCharacters) {
    for (const quint8 byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
        const QString decoded = fromCp1252(QByteArray(1, char(byte)));
        EXPECT_EQ(decoded, QString(QChar(byte))) << int(byte);
        EXPECT_FALSE(isCp1252(decoded)) << int(byte);
        EXPECT_FALSE(isCp1252Byte(byte)) << int(byte);
    }
    EXPECT_TRUE(isCp1252Byte(0x80));
    EXPECT_TRUE(isCp1252Byte(0x9F));
}

struct OutsideCase {
    const char* name;
    QString text;
    QByteArray expected;
};

TEST(Cp1252, CharactersOutsideBecomeOneQuestionMarkEach) {
    const OutsideCase cases[] = {
        {"control 0x80 has no character", QString(QChar(0x80)), "?"},
        {"Cyrillic", QStringLiteral("a\u0416b"), "a?b"},
        {"emoji is one character", QString::fromUtf8("x\xF0\x9F\x98\x80y"), "x?y"},
        {"two emoji", QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x98\x80"), "??"},
        {"lone high surrogate", QString(QChar(0xD800)) + QLatin1Char('z'), "?z"},
        {"lone low surrogate", QString(QChar(0xDC00)), "?"},
        {"euro is inside", QStringLiteral("5\u20AC"), "5\x80"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toCp1252(c.text), c.expected) << c.name;
    }
    EXPECT_FALSE(isCp1252(QString::fromUtf8("\xF0\x9F\x98\x80")));
    EXPECT_FALSE(isCp1252(QStringLiteral("\u0416")));
    EXPECT_TRUE(isCp1252(QStringLiteral("Gr\u00FC\u00DFe \u2013 \u201Equoted\u201C")));
}

}  // namespace
}  // namespace trivanto
