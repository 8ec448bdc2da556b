#include "ui/app/startscreen_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "ui/app/window_text_applier.h"
#include "ui/widgets/theme.h"

namespace trivanto {

TStartscreenForm::TStartscreenForm(const QString& windowsFolder, QWidget* parent)
    : TShapedForm(parent), GameInfo1(TGameInfo::collect(windowsFolder)) {
    setObjectName(QStringLiteral("Startscreenform"));
    setWindowTitle(QStringLiteral("Trivanto 1.04"));
    setWindowStyle(artwork::WindowStyle::Splash);
    setFixedSize(555, 446);
    setMovable(true);

    auto* version = new QLabel(this);
    version->setObjectName(QStringLiteral("Label2"));
    version->setFont(Theme::captionFont());
    version->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    version->move(8, 400);
    version->setAttribute(Qt::WA_TransparentForMouseEvents);
    applyWindowTexts(this,
                     resolvedWindowTexts(QStringLiteral("TStartscreenForm"), Language::Deutsch));
    version->adjustSize();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

}  // namespace trivanto
