#include "core/net/web_address.h"

#include <gtest/gtest.h>

namespace trivanto {
namespace {

TEST(WebAddress, SchemeHostPortAndPathAreRead) {
    struct Case {
        const char* text;
        const char* url;  // nullptr: refused
    };
    const Case cases[] = {
        {"HTTP://h.test/dir/file.zip", "http://h.test/dir/file.zip"},
        {"https://h.test:8443/update.ini", "https://h.test:8443/update.ini"},
        {"HttpS://H.test/", "https://h.test/"},
        {"h.test/", "http://h.test/"},
        {"h.test:8080", "http://h.test:8080/"},
        {"  http://127.0.0.1:9/x  ", "http://127.0.0.1:9/x"},
        {"http://[::1]:8080/x", "http://[::1]:8080/x"},
        {"http://h.test/a b", "http://h.test/a%20b"},
        {"http://h.test/x#frag", "http://h.test/x"},
        {"ftp://h.test/x", nullptr},
        {"file:///etc/passwd", nullptr},
        {"", nullptr},
        {"/only/a/path", nullptr},
        {"http://", nullptr},
        {"http://h.test:99999/x", nullptr},
    };
    for (const Case& c : cases) {
        const Result<QUrl> url = webAddress(QString::fromLatin1(c.text));
        if (c.url == nullptr) {
            EXPECT_FALSE(url.ok()) << c.text << " gave " << url->toString().toStdString();
            EXPECT_FALSE(url.error().isEmpty());
        } else {
            ASSERT_TRUE(url.ok()) << c.text << ": " << url.error().toStdString();
            EXPECT_EQ(url->toString(QUrl::FullyEncoded).toStdString(), c.url) << c.text;
        }
    }
}

}  // namespace
}  // namespace trivanto
