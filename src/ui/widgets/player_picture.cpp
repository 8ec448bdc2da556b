#include "ui/widgets/player_picture.h"

#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include "ui/widgets/artwork.h"

namespace trivanto {

namespace {
constexpr int kMaxPictureSide = 4096;
}  // namespace

QPixmap loadOwnPicture(const QString& path) {
    // A FIFO would hold the window until someone writes to it.
    if (!QFileInfo(path).isFile()) {
        return {};
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide) {
        return {};
    }
    const QImage image = reader.read();
    if (image.isNull()) {
        return {};
    }
    // Scaled to the screen's pixels, so a large picture stays sharp on a dense screen.
    const qreal ratio = artwork::pixelRatio();
    QImage scaled = image.scaled(artwork::kPlayerPictureSize * ratio, Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(scaled);
}

QPixmap seatPixmap(const SeatPicture& picture) {
    switch (picture.kind) {
        case SeatPicture::Kind::BuiltIn:
            return artwork::playerPicture(picture.index);
        case SeatPicture::Kind::OwnFile: {
            // A picture file that went bad since it was chosen shows the first built-in one.
            const QPixmap own = loadOwnPicture(picture.path);
            return own.isNull() ? artwork::playerPicture(0) : own;
        }
        case SeatPicture::Kind::Placeholder:
            break;
    }
    return artwork::placeholderPicture();
}

}  // namespace trivanto
