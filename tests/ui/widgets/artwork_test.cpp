#include <gtest/gtest.h>
#include <QBitmap>
#include <QImage>
#include <QSet>
#include <functional>

#include "support/test_names.h"
#include "ui/widgets/artwork.h"

namespace trivanto {
namespace {

using namespace artwork;

struct PictureCase {
    const char* name;
    std::function<QPixmap()> picture;
    QSize size;
    bool followsPixelRatio = true;  // icons are asked for in device pixels
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

// Distinct colours of a picture, counted up to a small limit; a flat or empty picture has one.
int colourCount(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height() && colours.size() < 3; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colours.insert(image.pixel(x, y));
        }
    }
    return static_cast<int>(colours.size());
}

std::vector<PictureCase> allPictures() {
    std::vector<PictureCase> cases;
    const std::pair<WindowStyle, QSize> windows[] = {
        {WindowStyle::Main, {640, 479}},   {WindowStyle::Message, {474, 118}},
        {WindowStyle::Splash, {555, 446}}, {WindowStyle::Info, {309, 290}},
        {WindowStyle::Waiting, {455, 55}}, {WindowStyle::NewGame, {620, 470}},
        {WindowStyle::Generic, {455, 347}}};
    for (const auto& [style, size] : windows) {
        cases.push_back({"window", [style] { return windowBackground(style); }, size});
    }
    cases.push_back({"generic dial-up",
                     [] {
                         return windowBackground(WindowStyle::Generic, {292, 370});
                     },
                     {292, 370}});
    for (int i = 0; i < kButtonPictureCount; ++i) {
        cases.push_back({"button", [i] { return buttonPicture(i); }, {40, 37}});
    }
    for (int i = 0; i < kPlayerPictureCount; ++i) {
        cases.push_back({"player", [i] { return playerPicture(i); }, {103, 120}});
    }
    cases.push_back({"placeholder", [] { return placeholderPicture(); }, {103, 120}});
    cases.push_back({"seat frame", [] { return seatFramePicture(); }, {111, 190}});
    for (int i = 0; i < kFlagCount; ++i) {
        cases.push_back({"flag", [i] { return flagPicture(i); }, {22, 14}});
    }
    for (int i = 0; i < 5; ++i) {
        const auto result = static_cast<ResultPicture>(i);
        cases.push_back({"result", [result] { return resultPicture(result); }, {160, 120}});
    }
    for (int i = 0; i < 4; ++i) {
        const auto button = static_cast<SmallButton>(i);
        for (const bool hover : {false, true}) {
            cases.push_back(
                {"small button", [=] { return smallButtonPicture(button, hover); }, {18, 18}});
        }
    }
    for (int i = 0; i < kToolPictureCount; ++i) {
        const auto tool = static_cast<ToolPicture>(i);
        for (const bool hover : {false, true}) {
            cases.push_back({"tool", [=] { return toolPicture(tool, hover); }, {24, 24}});
        }
    }
    cases.push_back({"sound off", [] { return soundPicture(0); }, {24, 24}});
    cases.push_back({"sound on", [] { return soundPicture(1); }, {24, 24}});
    cases.push_back({"banner", [] { return bannerPicture(); }, {133, 90}});
    cases.push_back({"icon 32", [] { return programIconPicture(32); }, {32, 32}, false});
    cases.push_back({"update wizard", [] { return updateWizardPicture(); }, {104, 250}});
    return cases;
}

class EveryPicture : public ::testing::TestWithParam<PictureCase> {};

TEST_P(EveryPicture, HasItsSizeAndIsNotFlat) {
    const QPixmap picture = GetParam().picture();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), GetParam().size);
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), 1.0);
    EXPECT_GE(colourCount(picture.toImage()), 3);
}

// Draws pictures for another pixel ratio while it lives.
class PixelRatio {
public:
    explicit PixelRatio(qreal ratio) { setPixelRatio(ratio); }
    ~PixelRatio() { setPixelRatio(0); }
    PixelRatio(const PixelRatio&) = delete;
    PixelRatio& operator=(const PixelRatio&) = delete;
};

// Pixels in which two pictures of one size differ clearly.
int differingPixels(const QImage& a, const QImage& b) {
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
            count += std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                                 std::abs(p.blue() - q.blue()) + std::abs(p.alpha() - q.alpha()) >
                             48
                         ? 1
                         : 0;
        }
    }
    return count;
}

TEST_P(EveryPicture, AtPixelRatioTwoIsDrawnWithTwiceThePixels) {
    const QPixmap small = GetParam().picture();
    QPixmap sharp;
    {
        const PixelRatio ratio(2);
        sharp = GetParam().picture();
    }
    if (!GetParam().followsPixelRatio) {
        EXPECT_EQ(sharp.size(), GetParam().size);
        return;
    }
    ASSERT_EQ(sharp.size(), GetParam().size * 2);
    EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
    // Windows lay it out in their own pixels, as before.
    EXPECT_EQ(sharp.deviceIndependentSize().toSize(), GetParam().size);
    // Drawn anew, not the small picture stretched: edges are sharper than a stretch makes them.
    const QImage stretched =
        small.toImage().scaled(sharp.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_GT(differingPixels(sharp.toImage(), stretched), sharp.width() * sharp.height() / 200);
    // The cache keeps each ratio apart.
    EXPECT_EQ(GetParam().picture().size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Artwork, EveryPicture, ::testing::ValuesIn(allPictures()),
                         [](const auto& info) {
                             return testName(info.param.name) + "_" + std::to_string(info.index);
                         });

TEST(Artwork, PairsDifferBetweenNormalAndHover) {
    for (int i = 0; i < kButtonPictureCount; i += 2) {
        EXPECT_NE(buttonPicture(i).toImage(), buttonPicture(i + 1).toImage()) << i;
    }
    EXPECT_NE(smallButtonPicture(SmallButton::Close).toImage(),
              smallButtonPicture(SmallButton::Close, true).toImage());
    EXPECT_NE(soundPicture(0).toImage(), soundPicture(1).toImage());
}

TEST(Artwork, PlayerPicturesAndFlagsAreAllDifferent) {
    QSet<QByteArray> seen;
    auto key = [](const QPixmap& p) {
        const QImage image = p.toImage().convertToFormat(QImage::Format_ARGB32);
        return QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
    };
    for (int i = 0; i < kPlayerPictureCount; ++i) {
        seen.insert(key(playerPicture(i)));
    }
    seen.insert(key(placeholderPicture()));
    EXPECT_EQ(seen.size(), kPlayerPictureCount + 1);
    seen.clear();
    for (int i = 0; i < kFlagCount; ++i) {
        seen.insert(key(flagPicture(i)));
    }
    EXPECT_EQ(seen.size(), kFlagCount);
}

TEST(Artwork, IndicesOutsideTheListsGiveNoPicture) {
    EXPECT_TRUE(buttonPicture(-1).isNull());
    EXPECT_TRUE(buttonPicture(kButtonPictureCount).isNull());
    EXPECT_TRUE(playerPicture(kPlayerPictureCount).isNull());
    EXPECT_TRUE(flagPicture(kFlagCount).isNull());
    EXPECT_TRUE(soundPicture(2).isNull());
}

TEST(Artwork, ProgramIconOffersItsSizes) {
    const QIcon icon = programIcon();
    for (const int size : {16, 32, 48, 256}) {
        EXPECT_EQ(icon.pixmap(size).size(), QSize(size, size)) << size;
    }
}

struct MaskCase {
    WindowStyle style;
    QSize size;
    bool shaped;
};

class WindowMasks : public ::testing::TestWithParam<MaskCase> {};

TEST_P(WindowMasks, CoverTheInsideAndLeaveCornersOut) {
    const auto [style, size, shaped] = GetParam();
    const QImage mask = windowMask(style, size).toImage();
    ASSERT_EQ(mask.size(), size);
    // QBitmap images are mono: colour 1 (black) marks pixels inside the shape.
    auto inside = [&](int x, int y) { return mask.pixelIndex(x, y) == 1; };
    const int w = size.width(), h = size.height();
    for (const QPoint p :
         {QPoint(w / 2, h / 2), QPoint(w / 2, 1), QPoint(1, h / 2), QPoint(w - 2, h / 2),
          QPoint(w / 2, h - 2), QPoint(20, 20), QPoint(w - 21, h - 21)}) {
        EXPECT_TRUE(inside(p.x(), p.y())) << p.x() << "," << p.y();
    }
    for (const QPoint p :
         {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
        EXPECT_EQ(inside(p.x(), p.y()), !shaped) << p.x() << "," << p.y();
    }
    // The background is transparent exactly where the mask leaves the window out.
    const QImage background = windowBackground(style, size).toImage();
    EXPECT_EQ(qAlpha(background.pixel(0, 0)) > 0, !shaped);
    EXPECT_EQ(qAlpha(background.pixel(w / 2, h / 2)), 255);
}

INSTANTIATE_TEST_SUITE_P(Artwork, WindowMasks,
                         ::testing::Values(MaskCase{WindowStyle::Main, {640, 479}, true},
                                           MaskCase{WindowStyle::Message, {328, 118}, true},
                                           MaskCase{WindowStyle::Message, {438, 118}, true},
                                           MaskCase{WindowStyle::Info, {309, 290}, true},
                                           MaskCase{WindowStyle::Waiting, {455, 55}, true},
                                           MaskCase{WindowStyle::Generic, {292, 370}, true},
                                           MaskCase{WindowStyle::Splash, {555, 446}, false}),
                         [](const auto& info) {
                             return "Window_" + std::to_string(info.param.size.width()) + "x" +
                                    std::to_string(info.param.size.height());
                         });

TEST(Artwork, MessageBackgroundFollowsItsWidth) {
    for (const int width : {328, 438}) {
        const QPixmap background = windowBackground(WindowStyle::Message, {width, 118});
        EXPECT_EQ(background.size(), QSize(width, 118));
        // The gold rim runs along the right edge at every width; inside it is deep blue.
        const QImage image = background.toImage();
        const QRgb rim = image.pixel(width - 2, 59);
        EXPECT_GT(qRed(rim), qBlue(rim) + 40) << width;
        const QRgb inside = image.pixel(width - 12, 59);
        EXPECT_LT(qRed(inside), qBlue(inside)) << width;
    }
}

// The main window's background is drawn ahead on a thread of its own: the drawing is the one
// drawn at once, at each pixel ratio.
TEST(Artwork, ABackgroundDrawnAheadIsTheOneDrawnAtOnce) {
    for (const qreal ratio : {1.0, 2.0}) {
        const PixelRatio scale(ratio);
        BackgroundAhead ahead = drawWindowBackgroundAhead(WindowStyle::Main);
        EXPECT_EQ(ahead.size, QSize(640, 479));
        EXPECT_DOUBLE_EQ(ahead.ratio, ratio);
        const QImage drawn = ahead.image.get();
        EXPECT_EQ(drawn, windowBackground(WindowStyle::Main).toImage()) << ratio;
        EXPECT_DOUBLE_EQ(drawn.devicePixelRatio(), ratio);
    }
}

}  // namespace
}  // namespace trivanto
