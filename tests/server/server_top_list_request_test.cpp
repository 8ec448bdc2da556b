// What the server makes of a send: decoded fields, statuses for refused and malformed ones,
// and no way for one field to forge another.
#include "server/top_list_request.h"

#include <gtest/gtest.h>

#include "core/scores/top_list_protocol.h"

namespace trivanto {
namespace {

TEST(ServerSendRequest, FieldsAreDecodedInsideTheirOwnBounds) {
    struct Case {
        QByteArray query;
        const char* name;
        const char* email;
        qint32 score;
        const char* language;
    };
    const Case cases[] = {
        {"TLADDUSER&Anna%B0Lee&anna@lee.test&12,345&english", "Anna Lee", "anna@lee.test", 12345,
         "english"},
        // Old clients put the bytes as they are.
        {"TLADDUSER&Anna\xb0Lee&a@b.c&-1,500&deutsch", "Anna Lee", "a@b.c", -1500, "deutsch"},
        {"TLADDUSER&Eve%26x@y.z%26999,999%26english&e@v.e&1&english", "Eve&x@y.z&999,999&english",
         "e@v.e", 1, "english"},
        {"TLADDUSER&a%2526b%2Bc%3Dd%23e&x%3D1%26s%3D9@a.b&0&english", "a%26b+c=d#e", "x=1&s=9@a.b",
         0, "english"},
        {"TLADDUSER&a+b&a+b@c.d&7&english", "a+b", "a+b@c.d", 7, "english"},
        {"TLADDUSER&J%FCrgen%B0%80&j@%E4.de&5&english", "J\u00fcrgen \u20ac", "j@\u00e4.de", 5,
         "english"},
        {"TLADDUSER&%7Eno%7Etilde%7E&n@t.de&5&english", "no tilde", "n@t.de", 5, "english"},
        {"TLADDUSER&Max&m@x.de&2,147,483,647&english", "Max", "m@x.de", 2147483647, "english"},
        {"TLADDUSER&Max&m@x.de&-2147483648&english", "Max", "m@x.de", -2147483647 - 1, "english"},
    };
    for (const Case& c : cases) {
        const AddUserParse parse = parseAddUserQuery(c.query);
        ASSERT_EQ(parse.status, SendStatus::Accepted)
            << c.query.toStdString() << ": " << parse.reason.toStdString();
        EXPECT_EQ(parse.request.name, QString::fromUtf8(c.name));
        EXPECT_EQ(parse.request.email, QString::fromUtf8(c.email));
        EXPECT_EQ(parse.request.score, c.score);
        EXPECT_EQ(parse.request.language, QString::fromUtf8(c.language));
    }
}

TEST(ServerSendRequest, RefusedAndMalformedSendsGetTheirStatus) {
    const std::pair<QByteArray, SendStatus> cases[] = {
        {"", SendStatus::Malformed},
        {"TLGETLIST", SendStatus::Malformed},
        {"tladduser&A&a@b.c&1&english", SendStatus::Malformed},
        {"TLADDUSER&A&a@b.c&1", SendStatus::Malformed},
        {"TLADDUSER&A&a@b.c&1&english&extra", SendStatus::Malformed},
        {"TLADDUSER&A&a@b.c&1,0&english", SendStatus::Malformed},
        {"TLADDUSER&A&a@b.c&12.5&english", SendStatus::Malformed},
        {"TLADDUSER&A&a@b.c&2,147,483,648&english", SendStatus::Malformed},
        {"TLADDUSER&A&a@b.c&&english", SendStatus::Malformed},
        {"TLADDUSER&A&a@b.c&1&English", SendStatus::Malformed},
        {"TLADDUSER&A&a@b.c&1&", SendStatus::Malformed},
        {"TLADDUSER&A%G1&a@b.c&1&english", SendStatus::Malformed},
        {"TLADDUSER&&a@b.c&1&english", SendStatus::Refused},
        {"TLADDUSER&%B0%B0&a@b.c&1&english", SendStatus::Refused},
        {"TLADDUSER&" + QByteArray(31, 'n') + "&a@b.c&1&english", SendStatus::Refused},
        {"TLADDUSER&A%0AB&a@b.c&1&english", SendStatus::Refused},
        {"TLADDUSER&A%81&a@b.c&1&english", SendStatus::Refused},
        {"TLADDUSER&A&&1&english", SendStatus::Refused},
        {"TLADDUSER&A&nobody&1&english", SendStatus::Refused},
        {"TLADDUSER&A&a@b&1&english", SendStatus::Refused},
        {"TLADDUSER&A&a@b%0D.c&1&english", SendStatus::Refused},
        {"TLADDUSER&A&" + QByteArray(97, 'e') + "@b.c&1&english", SendStatus::Refused},
    };
    for (const auto& [query, status] : cases) {
        const AddUserParse parse = parseAddUserQuery(query);
        EXPECT_EQ(parse.status, status) << query.toStdString();
        EXPECT_FALSE(parse.reason.isEmpty()) << query.toStdString();
    }
}

TEST(ServerSendRequest, WhatTheGameSendsIsReadBackExactly) {
    const QString names[] = {
        QStringLiteral("Anna Lee"),         QStringLiteral("Eve&x@y.z&999,999&english"),
        QStringLiteral("100% sure #1 +=?"), QStringLiteral("Zo\u00eb \u00c6\u00d8 \u20ac"),
        QStringLiteral("<script>"),         QStringLiteral("a\"b'c\\d|e^f`g{h}"),
    };
    for (const QString& name : names) {
        const QString email = QStringLiteral("x+%1&y=2@mail.test").arg(name.size());
        const QByteArray query =
            commandQuery(addUserCommand(name, email, -1234567, QStringLiteral("english")));
        const AddUserParse parse = parseAddUserQuery(query);
        ASSERT_EQ(parse.status, SendStatus::Accepted) << query.toStdString();
        EXPECT_EQ(parse.request.name, name) << query.toStdString();
        EXPECT_EQ(parse.request.email, email);
        EXPECT_EQ(parse.request.score, -1234567);
    }
}

}  // namespace
}  // namespace trivanto
