#include "core/update/banner_picture.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <algorithm>

#include "core/common/file_path.h"
#include "core/common/regular_file.h"

namespace trivanto {

namespace {

// Four bytes per pixel of the largest banner, with room to spare.
constexpr int kAllocationLimitMb = 32;

// The format when the first bytes tell it, else the search by content through every plug-in.
void setBannerFormat(QImageReader& reader, const QByteArray& bytes) {
    const QByteArray format = bannerPictureFormat(bytes);
    reader.setFormat(format);
    reader.setDecideFormatFromContent(format.isEmpty());
    reader.setAutoDetectImageFormat(format.isEmpty());
}

}  // namespace

QByteArray bannerPictureFormat(const QByteArray& bytes) {
    static const std::pair<QByteArrayView, const char*> kinds[] = {
        {"\x89PNG\r\n\x1a\n", "png"}, {"GIF87a", "gif"}, {"GIF89a", "gif"},
        {"\xff\xd8\xff", "jpeg"},     {"BM", "bmp"},
    };
    for (const auto& [magic, format] : kinds) {
        if (bytes.startsWith(magic)) {
            return format;
        }
    }
    return {};
}

QString bannerPath(const QString& progDir) {
    return filePath(progDir, QStringLiteral("banner.dat"));
}

Status checkBannerPicture(const QByteArray& bytes, BannerPicture* picture) {
    if (bytes.size() > kBannerMaxBytes) {
        return Status::failure(
            QStringLiteral("the picture is larger than %1 bytes").arg(kBannerMaxBytes));
    }
    QByteArray copy = bytes;  // QBuffer wants a non-const array; the bytes stay untouched
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    setBannerFormat(reader, bytes);
    // A header may lie about the size; no frame may take more memory than this.
    reader.setAllocationLimit(kAllocationLimitMb);
    if (!reader.canRead()) {
        return Status::failure(QStringLiteral("not a picture"));
    }
    // The size comes from the header, before anything is decoded.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kBannerMaxSide || size.height() > kBannerMaxSide)) {
        return Status::failure(QStringLiteral("the picture measures %1 x %2, more than %3")
                                   .arg(size.width())
                                   .arg(size.height())
                                   .arg(kBannerMaxSide));
    }
    // Asked before the first frame is read: a reader tells it from the start of the bytes.
    const bool animated = reader.supportsAnimation() && reader.imageCount() != 1;
    const QImage first = reader.read();
    if (first.isNull()) {
        return Status::failure(
            QStringLiteral("the picture cannot be read: %1").arg(reader.errorString()));
    }
    if (first.width() > kBannerMaxSide || first.height() > kBannerMaxSide) {
        return Status::failure(QStringLiteral("the picture measures %1 x %2, more than %3")
                                   .arg(first.width())
                                   .arg(first.height())
                                   .arg(kBannerMaxSide));
    }
    if (picture != nullptr) {
        *picture = {reader.format(), animated, first};
    }
    return Status::success();
}

Result<QByteArray> readBannerPicture(const QString& path, BannerPicture* picture) {
    // A FIFO of that name would hold the start until someone writes to it.
    if (const QString problem = nonRegularFileProblem(path); !problem.isEmpty()) {
        return Result<QByteArray>::failure(problem);
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return Result<QByteArray>::failure(file.errorString());
    }
    // One byte more than allowed tells a file that is too large. No more room than the file
    // needs is asked for: the whole allowance at every start would be megabytes for nothing.
    const qint64 room = std::clamp<qint64>(file.size(), 0, kBannerMaxBytes) + 1;
    const QByteArray bytes = file.read(room);
    if (const Status check = checkBannerPicture(bytes, picture); !check.ok()) {
        return check;
    }
    return bytes;
}

}  // namespace trivanto
