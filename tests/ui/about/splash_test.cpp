#include <gtest/gtest.h>
#include <QLabel>
#include <QTemporaryDir>

#include "ui/about/startscreen_form.h"

namespace trivanto {
namespace {

TEST(SplashWindow, ShowsItsLinesInTheLanguageOfTheRun) {
    struct Case {
        Language language;
        const char16_t* tagline;
    };
    const QTemporaryDir folder;
    for (const Case& c : {Case{Language::Englisch, u"The big family quiz"},
                          Case{Language::Deutsch, u"Das große Familienquiz"}}) {
        TStartscreenForm splash(folder.path(), c.language);
        const auto* tagline = splash.findChild<QLabel*>(QStringLiteral("TaglineLabel"));
        const auto* version = splash.findChild<QLabel*>(QStringLiteral("Label2"));
        ASSERT_NE(tagline, nullptr);
        ASSERT_NE(version, nullptr);
        EXPECT_EQ(tagline->text(), QString::fromUtf16(c.tagline));
        EXPECT_EQ(version->text(), QStringLiteral("Version 1.04"));
        EXPECT_EQ(version->pos(), QPoint(8, 400));
        EXPECT_EQ(splash.size(), QSize(555, 446));
    }
}

}  // namespace
}  // namespace trivanto
