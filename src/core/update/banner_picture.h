#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include "core/common/result.h"

namespace trivanto {

// The banner in the lower left corner of the main window: "banner.dat" in the program folder,
// any picture Qt reads (GIF, PNG, JPEG, ...), animated or not.

// The largest banner file accepted, fetched or loaded.
inline constexpr qint64 kBannerMaxBytes = qint64(2) * 1024 * 1024;
// The largest width and height accepted; the banner area itself is 133 x 90.
inline constexpr int kBannerMaxSide = 2048;

QString bannerPath(const QString& progDir);  // "banner.dat"

// The format of the common picture kinds, told by their first bytes ("png", "gif", "jpeg",
// "bmp"), or empty for any other. Readers told the format skip asking every picture plug-in
// of the system whether it knows the bytes, which loads them all (and their libraries) at the
// start, where the banner is read.
QByteArray bannerPictureFormat(const QByteArray& bytes);

// What the check learnt of a banner picture, so the main window shows it without reading it
// again: a still picture from its first frame, an animation from the bytes in `format`.
struct BannerPicture {
    QByteArray format;  // as the reader found it; empty when it could not tell
    bool animated = false;
    QImage firstFrame;
};

// Whether `bytes` are a picture the banner may show: a format Qt recognises by its content,
// a size within kBannerMaxSide, and a first frame that decodes. What it learnt goes to
// `picture` when given.
Status checkBannerPicture(const QByteArray& bytes, BannerPicture* picture = nullptr);

// Reads a banner file of at most kBannerMaxBytes and checks it is a picture.
Result<QByteArray> readBannerPicture(const QString& path, BannerPicture* picture = nullptr);

}  // namespace trivanto
