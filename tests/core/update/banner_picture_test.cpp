#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include "core/update/banner_picture.h"
#include "support/test_names.h"

namespace trivanto {
namespace {

QByteArray encoded(const char* format) {
    QImage image(133, 90, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

// A one-pixel GIF: Qt reads GIFs but does not write them.
QByteArray onePixelGif() {
    return QByteArray::fromHex(
        "47494638396101000100800000ff000000000021f90401000000002c00000000010001000002024401003b");
}

struct FormatCase {
    const char* name;
    QByteArray bytes;
    QByteArray format;  // told by the first bytes; empty: Qt's plug-ins are asked
    bool picture;
};

class BannerPictureFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(BannerPictureFormats, AreToldByTheirFirstBytesAndStillChecked) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(bannerPictureFormat(c.bytes), c.format);
    BannerPicture picture;
    EXPECT_EQ(checkBannerPicture(c.bytes, &picture).ok(), c.picture);
    // A picture hands out what the check learnt; the main window shows it without reading the
    // bytes again.
    EXPECT_EQ(picture.firstFrame.isNull(), !c.picture);
    EXPECT_FALSE(picture.animated);
    if (c.picture && !c.format.isEmpty()) {
        EXPECT_EQ(picture.format, c.format);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Banner, BannerPictureFormats,
    ::testing::Values(FormatCase{"Png", encoded("PNG"), "png", true},
                      FormatCase{"Jpeg", encoded("JPEG"), "jpeg", true},
                      FormatCase{"Bmp", encoded("BMP"), "bmp", true},
                      FormatCase{"Gif", onePixelGif(), "gif", true},
                      // Any other picture Qt reads is found by asking its plug-ins.
                      FormatCase{"Ppm", encoded("PPM"), "", true},
                      // A known start with nothing behind it is no picture, and no crash.
                      FormatCase{"PngHeaderOnly", QByteArray("\x89PNG\r\n\x1a\n", 8), "png", false},
                      FormatCase{"JpegHeaderOnly", QByteArray("\xff\xd8\xff", 3), "jpeg", false},
                      FormatCase{"Text", QByteArray("BANNER"), "", false},
                      FormatCase{"Empty", QByteArray(), "", false}),
    [](const auto& info) { return testName(info.param.name); });

}  // namespace
}  // namespace trivanto
