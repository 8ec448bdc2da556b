#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <functional>
#include <vector>

#include "support/test_names.h"
#include "ui/widgets/artwork.h"
#include "ui/widgets/lazy_picture.h"

namespace trivanto {
namespace {

QPixmap filled(QSize size, qreal ratio = 1) {
    QPixmap picture(size * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::red);
    return picture;
}

TEST(LazyPicture, IsDrawnOnceWhenFirstAskedAndCopiesShareTheDrawing) {
    int drawn = 0;
    const LazyPicture lazy(
        [&] {
            ++drawn;
            return filled({6, 4});
        },
        {6, 4});
    const LazyPicture copy = lazy;
    EXPECT_EQ(lazy.size(), QSize(6, 4));
    EXPECT_FALSE(lazy.isNull());
    EXPECT_FALSE(lazy.isDrawn());
    EXPECT_EQ(drawn, 0);

    EXPECT_EQ(copy.picture().size(), QSize(6, 4));
    EXPECT_TRUE(lazy.isDrawn());
    EXPECT_EQ(lazy.picture().size(), QSize(6, 4));
    EXPECT_EQ(drawn, 1);
}

TEST(LazyPicture, AReadyPictureIsDrawnAndMeasuredInTheWindowsPixels) {
    const LazyPicture sharp(filled({40, 37}, 2));
    EXPECT_TRUE(sharp.isDrawn());
    EXPECT_EQ(sharp.size(), QSize(40, 37));
    EXPECT_EQ(sharp.picture().size(), QSize(80, 74));

    EXPECT_TRUE(LazyPicture().isNull());
    EXPECT_TRUE(LazyPicture(QPixmap()).isNull());
    EXPECT_TRUE(artwork::lazyButtonPicture(-1).isNull());
    EXPECT_TRUE(artwork::lazyButtonPicture(artwork::kButtonPictureCount).isNull());
}

// Every lazy picture of the artwork is the picture drawn at once, at the size it announces
// before drawing: a layout made from that size fits the picture that comes later.
struct LazyArtworkCase {
    std::string name;
    std::function<LazyPicture()> lazy;
    std::function<QPixmap()> drawn;
};

void PrintTo(const LazyArtworkCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<LazyArtworkCase> lazyArtwork() {
    using namespace artwork;
    std::vector<LazyArtworkCase> cases;
    for (int i = 0; i < kButtonPictureCount; ++i) {
        cases.push_back({"button" + std::to_string(i), [i] { return lazyButtonPicture(i); },
                         [i] { return buttonPicture(i); }});
    }
    for (const bool hover : {false, true}) {
        const std::string state = hover ? "Hover" : "";
        for (int b = 0; b <= static_cast<int>(SmallButton::Info); ++b) {
            const auto button = static_cast<SmallButton>(b);
            cases.push_back({"small" + std::to_string(b) + state,
                             [=] { return lazySmallButtonPicture(button, hover); },
                             [=] { return smallButtonPicture(button, hover); }});
        }
        for (int t = 0; t < kToolPictureCount; ++t) {
            const auto tool = static_cast<ToolPicture>(t);
            cases.push_back({"tool" + std::to_string(t) + state,
                             [=] { return lazyToolPicture(tool, hover); },
                             [=] { return toolPicture(tool, hover); }});
        }
    }
    return cases;
}

class LazyArtworkTest : public ::testing::TestWithParam<LazyArtworkCase> {
protected:
    void TearDown() override { artwork::setPixelRatio(0); }
};

TEST_P(LazyArtworkTest, MatchesThePictureDrawnAtOnce) {
    for (const qreal ratio : {1.0, 2.0}) {
        SCOPED_TRACE(ratio);
        artwork::setPixelRatio(ratio);
        const LazyPicture lazy = GetParam().lazy();
        const QPixmap drawn = GetParam().drawn();
        EXPECT_EQ(lazy.size(), drawn.deviceIndependentSize().toSize());
        EXPECT_EQ(lazy.picture().toImage(), drawn.toImage());
    }
}

INSTANTIATE_TEST_SUITE_P(Artwork, LazyArtworkTest, ::testing::ValuesIn(lazyArtwork()),
                         [](const auto& info) { return testName(info.param.name); });

}  // namespace
}  // namespace trivanto
