#include "ui/widgets/artwork.h"

#include <QGuiApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <algorithm>
#include <functional>

#include "ui/widgets/artwork_painting.h"

namespace trivanto::artwork {
namespace {

qreal g_pixelRatio = 0;

// Pictures are kept as images: they outlive the application object safely, and every caller
// gets its own pixmap. One set per pixel ratio.
QImage cached(const QString& name, const std::function<QImage()>& paint) {
    static QHash<QString, QImage> cache;
    const QString key = name + QStringLiteral("@") + QString::number(pixelRatio());
    auto it = cache.find(key);
    if (it == cache.end()) {
        it = cache.insert(key, paint());
    }
    return *it;
}

QPixmap cachedPixmap(const QString& key, const std::function<QImage()>& paint) {
    return QPixmap::fromImage(cached(key, paint));
}

QSize effectiveSize(WindowStyle style, QSize size) {
    return size.isEmpty() ? designSize(style) : size;
}

}  // namespace

qreal pixelRatio() {
    if (g_pixelRatio > 0) {
        return g_pixelRatio;
    }
    return qGuiApp != nullptr ? std::max<qreal>(1, qGuiApp->devicePixelRatio()) : 1;
}

void setPixelRatio(qreal ratio) {
    g_pixelRatio = std::max<qreal>(0, ratio);
}

QSize designSize(WindowStyle style) {
    switch (style) {
        case WindowStyle::Main:
            return {640, 479};
        case WindowStyle::Message:
            return {474, 118};
        case WindowStyle::Splash:
            return {555, 446};
        case WindowStyle::Info:
            return {309, 290};
        case WindowStyle::Waiting:
            return {455, 55};
        case WindowStyle::NewGame:
            return {620, 470};
        case WindowStyle::Generic:
            break;
    }
    return {455, 347};
}

// Window backgrounds and masks are drawn for the window that asks and kept by it, never in
// the cache: they are the largest pictures, and each window needs its own only once.
QPixmap windowBackground(WindowStyle style, QSize size) {
    size = effectiveSize(style, size);
    return QPixmap::fromImage(painting::window(style, size, pixelRatio()));
}

BackgroundAhead drawWindowBackgroundAhead(WindowStyle style, QSize size) {
    size = effectiveSize(style, size);
    const qreal ratio = pixelRatio();
    return {size, ratio,
            std::async(std::launch::async, [=] { return painting::window(style, size, ratio); })};
}

QBitmap windowMask(WindowStyle style, QSize size) {
    size = effectiveSize(style, size);
    // Drawn straight into the one-bit picture, without antialiasing: a mask pixel is either in or
    // out, and no full-colour copy of the window is made on the way.
    QBitmap mask(size);
    mask.fill(Qt::color0);
    QPainter painter(&mask);
    painter.fillPath(painting::windowShape(style, size), Qt::color1);
    painter.end();
    return mask;
}

QPixmap buttonPicture(int index) {
    if (index < 0 || index >= kButtonPictureCount) {
        return {};
    }
    return cachedPixmap(QStringLiteral("button/%1").arg(index),
                        [=] { return painting::button(index); });
}

QPixmap smallButtonPicture(SmallButton button, bool hover) {
    return cachedPixmap(QStringLiteral("small/%1/%2").arg(static_cast<int>(button)).arg(hover),
                        [=] { return painting::smallButton(button, hover); });
}

QPixmap soundPicture(int index) {
    if (index < 0 || index > 1) {
        return {};
    }
    return cachedPixmap(QStringLiteral("sound/%1").arg(index),
                        [=] { return painting::sound(index); });
}

QPixmap toolPicture(ToolPicture picture, bool hover) {
    return cachedPixmap(QStringLiteral("tool/%1/%2").arg(static_cast<int>(picture)).arg(hover),
                        [=] { return painting::tool(picture, hover); });
}

QPixmap playerPicture(int index) {
    if (index < 0 || index >= kPlayerPictureCount) {
        return {};
    }
    return cachedPixmap(QStringLiteral("player/%1").arg(index),
                        [=] { return painting::player(index); });
}

QPixmap placeholderPicture() {
    return cachedPixmap(QStringLiteral("placeholder"), [] { return painting::placeholder(); });
}

QPixmap seatFramePicture() {
    return cachedPixmap(QStringLiteral("seatframe"), [] { return painting::seatFrame(); });
}

QPixmap resultPicture(ResultPicture picture) {
    return cachedPixmap(QStringLiteral("result/%1").arg(static_cast<int>(picture)),
                        [=] { return painting::result(picture); });
}

QPixmap flagPicture(int index) {
    if (index < 0 || index >= kFlagCount) {
        return {};
    }
    return cachedPixmap(QStringLiteral("flag/%1").arg(index),
                        [=] { return painting::flag(index); });
}

QPixmap bannerPicture(Language language) {
    const bool german = language == Language::Deutsch;
    return cachedPixmap(german ? QStringLiteral("banner/de") : QStringLiteral("banner/en"), [=] {
        return german ? painting::banner(QStringLiteral("Neue Fragen"),
                                         QStringLiteral("per Onlineupdate"))
                      : painting::banner(QStringLiteral("More questions"),
                                         QStringLiteral("by Online Update"));
    });
}

QPixmap updateWizardPicture() {
    return cachedPixmap(QStringLiteral("wizard/update"), [] { return painting::updateWizard(); });
}

QPixmap programIconPicture(int size) {
    size = std::clamp(size, 16, 512);
    return cachedPixmap(QStringLiteral("icon/%1").arg(size),
                        [=] { return painting::programIcon(size); });
}

namespace {

// The program icon, each size drawn when it is first asked for: nobody asks before a window
// shows, and without a window manager nobody asks at all.
class ProgramIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        // Drawn at the size asked for (the artwork draws any size from 16 up), never larger.
        const int side = std::min({size.width(), size.height(), kLargest});
        if (side <= 0) {
            return {};
        }
        const QPixmap picture = programIconPicture(side);
        return side < picture.width()
                   ? picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation)
                   : picture;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override {
        const int side = std::min({size.width(), size.height(), kLargest});
        return {side, side};
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int side : kIconSizes) {
            sizes.append(QSize(side, side));
        }
        return sizes;
    }
    QIconEngine* clone() const override { return new ProgramIconEngine; }
    QString key() const override { return QStringLiteral("TrivantoProgramIcon"); }

private:
    static constexpr int kIconSizes[] = {16, 24, 32, 48, 64};
    static constexpr int kLargest = 512;
};

}  // namespace

QIcon programIcon() {
    return QIcon(new ProgramIconEngine);
}

QPixmap wizardSidePicture(QSize size) {
    return cachedPixmap(QStringLiteral("wizard/%1x%2").arg(size.width()).arg(size.height()),
                        [=] { return painting::wizardSide(size); });
}

}  // namespace trivanto::artwork
