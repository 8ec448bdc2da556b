#pragma once

#include <QByteArray>
#include <QString>

#include "core/common/result.h"

class QImage;
class QImageReader;

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

// Sets `reader` up for the banner `bytes`: their format when their first bytes tell it, else
// the search by content through every plug-in.
void setBannerFormat(QImageReader& reader, const QByteArray& bytes);

// Whether `bytes` are a picture the banner may show: a format Qt recognises by its content,
// a size within kBannerMaxSide, and a first frame that decodes (handed to `firstFrame` when
// given, so a still banner is decoded once).
Status checkBannerPicture(const QByteArray& bytes, QImage* firstFrame = nullptr);

// Reads a banner file of at most kBannerMaxBytes and checks it is a picture.
Result<QByteArray> readBannerPicture(const QString& path, QImage* firstFrame = nullptr);

}  // namespace trivanto
