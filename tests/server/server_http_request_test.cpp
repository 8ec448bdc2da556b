// Reading request heads: what is taken, what is refused with which status.
#include "server/http_request.h"

#include <gtest/gtest.h>

namespace trivanto {
namespace {

using State = HttpHeadParse::State;

TEST(ServerRequestHead, CompleteHeadsAreSplitIntoTheirParts) {
    const HttpHeadParse parse = parseRequestHead(
        "GET /orvalquest/top50/toplist.pl?TLADDUSER&Anna%B0Lee&a@b.c&1&english HTTP/1.1\r\n"
        "Host: 127.0.0.1\r\nUser-Agent:  TopListConnector \r\n\r\nrest");
    ASSERT_EQ(parse.state, State::Complete) << parse.reason.toStdString();
    EXPECT_EQ(parse.head.method, "GET");
    EXPECT_EQ(parse.head.path, "/orvalquest/top50/toplist.pl");
    EXPECT_TRUE(parse.head.hasQuery);
    EXPECT_EQ(parse.head.query, "TLADDUSER&Anna%B0Lee&a@b.c&1&english");
    EXPECT_EQ(parse.head.header("user-agent"), "TopListConnector");
    EXPECT_EQ(parse.head.minorVersion, 1);
    EXPECT_EQ(parse.consumed, qsizetype(strlen("GET /orvalquest/top50/toplist.pl?TLADDUSER&Anna%"
                                               "B0Lee&a@b.c&1&english HTTP/1.1\r\nHost: 127.0.0"
                                               ".1\r\nUser-Agent:  TopListConnector \r\n\r\n")));
}

TEST(ServerRequestHead, EveryFormIsReadOrRefusedAsItShould) {
    struct Case {
        const char* name;
        QByteArray bytes;
        State state;
        int status;
        QByteArray path;
        QByteArray query;
    };
    const Case cases[] = {
        {"bare line feeds", "GET /x HTTP/1.0\n\n", State::Complete, 0, "/x", ""},
        {"empty lines first", "\r\n\r\nGET /x HTTP/1.1\r\n\r\n", State::Complete, 0, "/x", ""},
        {"absolute form", "GET http://h.test:80/a/b?q=1 HTTP/1.1\r\n\r\n", State::Complete, 0,
         "/a/b", "q=1"},
        {"absolute form without path", "GET HTTPS://h.test HTTP/1.1\r\n\r\n", State::Complete, 0,
         "/", ""},
        {"raw high bytes of old clients",
         "GET /p?TLADDUSER&A\xb0"
         "B HTTP/1.1\r\n\r\n",
         State::Complete, 0, "/p",
         "TLADDUSER&A\xb0"
         "B"},
        {"fragment dropped", "GET /p?a#frag HTTP/1.1\r\n\r\n", State::Complete, 0, "/p", "a"},
        {"zero length body", "GET /x HTTP/1.1\r\nContent-Length: 0\r\n\r\n", State::Complete, 0,
         "/x", ""},
        {"half a head", "GET /x HTTP/1.1\r\nHost: a\r\n", State::NeedMore, 0, "", ""},
        {"nothing yet", "", State::NeedMore, 0, "", ""},
        {"two words", "GET /x\r\n\r\n", State::Invalid, 400, "", ""},
        {"blank in target", "GET /a b HTTP/1.1\r\n\r\n", State::Invalid, 400, "", ""},
        {"control byte in target", "GET /a\x01 HTTP/1.1\r\n\r\n", State::Invalid, 400, "", ""},
        {"relative target", "GET x HTTP/1.1\r\n\r\n", State::Invalid, 400, "", ""},
        {"asterisk target", "OPTIONS * HTTP/1.1\r\n\r\n", State::Invalid, 400, "", ""},
        {"folded header", "GET /x HTTP/1.1\r\nA: b\r\n c\r\n\r\n", State::Invalid, 400, "", ""},
        {"header without colon", "GET /x HTTP/1.1\r\nHost\r\n\r\n", State::Invalid, 400, "", ""},
        {"two lengths", "GET /x HTTP/1.1\r\nContent-Length: 0\r\nContent-Length: 0\r\n\r\n",
         State::Invalid, 400, "", ""},
        {"a body", "GET /x HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello", State::Invalid, 413, "",
         ""},
        {"chunked body", "GET /x HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", State::Invalid,
         501, "", ""},
        {"HTTP/2", "GET /x HTTP/2.0\r\n\r\n", State::Invalid, 505, "", ""},
        {"not HTTP", "GET /x FTP/1.0\r\n\r\n", State::Invalid, 400, "", ""},
        {"long target", "GET /" + QByteArray(5000, 'a') + " HTTP/1.1\r\n\r\n", State::Invalid, 414,
         "", ""},
        {"endless request line", "GET /" + QByteArray(9000, 'a'), State::Invalid, 414, "", ""},
        {"head too large",
         "GET /x HTTP/1.1\r\n" + QByteArray("X-Pad: ").append(QByteArray(9000, 'p')) + "\r\n",
         State::Invalid, 431, "", ""},
        {"too many fields", "GET /x HTTP/1.1\r\n" + QByteArray("A: b\r\n").repeated(65) + "\r\n",
         State::Invalid, 431, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HttpHeadParse parse = parseRequestHead(c.bytes);
        EXPECT_EQ(parse.state, c.state) << parse.reason.toStdString();
        EXPECT_EQ(parse.status, c.status);
        if (c.state == State::Complete) {
            EXPECT_EQ(parse.head.path, c.path);
            EXPECT_EQ(parse.head.query, c.query);
        }
        if (c.state == State::Invalid) {
            EXPECT_FALSE(parse.reason.isEmpty());
        }
    }
}

TEST(ServerRequestHead, PercentEscapesDecodeOrFail) {
    const std::pair<QByteArray, std::optional<QByteArray>> cases[] = {
        {"a%26b", QByteArray("a&b")}, {"%b0%B0", QByteArray("\xb0\xb0")},
        {"a+b", QByteArray("a+b")},   {"%2525", QByteArray("%25")},
        {"", QByteArray()},           {"%", std::nullopt},
        {"%4", std::nullopt},         {"%G0", std::nullopt},
        {"ab%", std::nullopt},        {"%00", QByteArray(1, '\0')},
    };
    for (const auto& [text, decoded] : cases) {
        EXPECT_EQ(percentDecode(text), decoded) << text.toStdString();
    }
}

}  // namespace
}  // namespace trivanto
