// The text rules of the top-list exchanges, byte by byte.
#include "core/scores/top_list_protocol.h"

#include <gtest/gtest.h>

namespace trivanto {
namespace {

TEST(TopListProtocol, ScoresGetThousandsSeparators) {
    const std::pair<qint32, const char*> cases[] = {
        {1234567, "1,234,567"},
        {1000, "1,000"},
        {999, "999"},
        {0, "0"},
        {-1500, "-1,500"},
        {100000, "100,000"},
        {-7, "-7"},
        {2147483647, "2,147,483,647"},
        {-2147483647 - 1, "-2,147,483,648"},
    };
    for (const auto& [score, text] : cases) {
        EXPECT_EQ(formatThousands(score), QString::fromLatin1(text)) << score;
    }
}

TEST(TopListProtocol, StrictAndLooseNumbers) {
    struct Case {
        QByteArray text;
        qint32 strict;
        qint32 loose;
    };
    const Case cases[] = {
        {"1", 1, 1},
        {"  7", 7, 7},
        {"+5", 5, 5},
        {"-3", -3, -3},
        {"1\r", 0, 1},
        {"1 ", 0, 1},
        {"abc", 0, 0},
        {"", 0, 0},
        {" ", 0, 0},
        {"-", 0, 0},
        {"--1", 0, -1},
        {"1,234,567", 0, 1234567},
        {" -2,500", 0, -2500},
        {"12.50", 0, 1250},
        {"1-2", 0, 12},
        {"2147483647", 2147483647, 2147483647},
        {"2147483648", 0, 0},
        {"-2147483648", -2147483647 - 1, -2147483647 - 1},
        {"99999999999999999999", 0, 0},
        {"\t1", 0, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(strictNumber(c.text), c.strict) << c.text.toStdString();
        EXPECT_EQ(looseNumber(c.text), c.loose) << c.text.toStdString();
    }
}

TEST(TopListProtocol, LinesEndAtLineFeedsOnly) {
    using Lines = QList<QByteArray>;
    const std::pair<QByteArray, Lines> cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\n", {"a"}},
        {"\n", {""}},
        {"a\n\nb", {"a", "", "b"}},
        {"a\r\nb\r\n", {"a\r", "b\r"}},
        {"a\n\n", {"a", ""}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(splitLines(text), lines) << text.toStdString();
    }
}

TEST(TopListProtocol, SendRepliesAreRead) {
    struct Case {
        QByteArray body;
        TTopListResult result;
        qint32 rank;
        const char* message;
    };
    const Case cases[] = {
        {"1\nWell done\n7", tlrOk, 7, "Well done"},
        {"1\nWell done\n7\n", tlrOk, 7, "Well done"},
        {"1\nok\nabc", tlrOk, 0, "ok"},
        {"1\nok\n51\nmore\n", tlrOk, 51, "ok"},
        {"1\n\xfc\x62\x65r\n3", tlrOk, 3, "\u00fcber"},
        {"1\nx", tlrBadReply, 0, ""},
        {"", tlrBadReply, 0, ""},
        {"5", tlrBadReply, 0, ""},
        {"0\nok\n3", tlrBadReply, 0, ""},
        {"1\r\nok\r\n3\r\n", tlrBadReply, 0, ""},
        {"<html>", tlrBadReply, 0, ""},
        {"2", tlrStatus2, 0, ""},
        {"3\nignored\n9", tlrStatus3, 0, ""},
        {" 4\n", tlrStatus4, 0, ""},
    };
    for (const Case& c : cases) {
        const TopListSendReply reply = readSendReply(c.body);
        EXPECT_EQ(reply.result, c.result) << c.body.toStdString();
        EXPECT_EQ(reply.Rank, c.rank) << c.body.toStdString();
        EXPECT_EQ(reply.Message, QString::fromUtf8(c.message)) << c.body.toStdString();
    }
}

TEST(TopListProtocol, ListLinesBecomeEntriesInTheirOrder) {
    const std::optional<TTopListEntryList> list = readListText(
        "Anna~anna@lee.test~12,345~english~2024-03-04\n"
        "Max~\n"
        "\n"
        "J\xfcrgen~j@x.test~ -2,500~deutsch~e~sixth~seventh\n"
        "Bo~b@c.d~12.50\n");
    ASSERT_TRUE(list.has_value());
    const TTopListEntryList expected = {
        {1, 12345, QStringLiteral("Anna"), QStringLiteral("anna@lee.test"),
         QStringLiteral("english"), QStringLiteral("2024-03-04")},
        {2, 0, QStringLiteral("Max"), {}, {}, {}},
        {3, 0, {}, {}, {}, {}},
        {4, -2500, QStringLiteral("J\u00fcrgen"), QStringLiteral("j@x.test"),
         QStringLiteral("deutsch"), QStringLiteral("e")},
        {5, 1250, QStringLiteral("Bo"), QStringLiteral("b@c.d"), {}, {}},
    };
    EXPECT_EQ(*list, expected);
    EXPECT_EQ(readListText("")->size(), 0);
    EXPECT_EQ(readListText("a\nb\nc\n")->size(), 3);
    // More lines than a 16-bit rank can number is no top list.
    EXPECT_EQ(readListText(QByteArray(32767, '\n'))->size(), 32767);
    EXPECT_FALSE(readListText(QByteArray(32768, '\n')).has_value());
}

TEST(TopListProtocol, CommandsGoOnTheWireWithBlanksAsDegreeAndFieldsSealed) {
    struct Case {
        QString name;
        QString email;
        qint32 score;
        const char* wire;
    };
    const Case cases[] = {
        {QStringLiteral("Anna Lee"), QStringLiteral("anna@lee.test"), 12345,
         "TLADDUSER&Anna%B0Lee&anna@lee.test&12,345&english"},
        {QStringLiteral("Max~Power"), QStringLiteral("m@p.de"), -1500,
         "TLADDUSER&Max%B0Power&m@p.de&-1,500&english"},
        // A name cannot forge the e-mail, score or language fields.
        {QStringLiteral("Eve&x@y.z&999,999&english"), QStringLiteral("e@v.e"), 1,
         "TLADDUSER&Eve%26x@y.z%26999,999%26english&e@v.e&1&english"},
        {QStringLiteral("a%26b+c=d#e"), QStringLiteral("x=1&score=9@a.b"), 0,
         "TLADDUSER&a%2526b%2Bc%3Dd%23e&x%3D1%26score%3D9@a.b&0&english"},
        {QStringLiteral("J\u00fcrgen \u20ac"), QStringLiteral("j@\u00e4.de"), 5,
         "TLADDUSER&J%FCrgen%B0%80&j@%E4.de&5&english"},
        {QStringLiteral("<b>\"q\"</b>"), QStringLiteral("a@b.c\n"), 5,
         "TLADDUSER&%3Cb%3E%22q%22%3C/b%3E&a@b.c%0A&5&english"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(commandQuery(addUserCommand(c.name, c.email, c.score, QStringLiteral("english"))),
                  QByteArray(c.wire))
            << c.wire;
    }
    // A command given whole keeps its "&" and "%"; "#" would cut the request short.
    EXPECT_EQ(commandQuery(QStringLiteral("TLX&a b~c#d")), QByteArray("TLX&a%B0b%B0c%23d"));
}

}  // namespace
}  // namespace trivanto
