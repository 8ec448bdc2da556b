#include "ui/about/startscreen_form.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include "ui/common/window_text_applier.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

TStartscreenForm::TStartscreenForm(const QString& windowsFolder, Language language, QWidget* parent)
    : TShapedForm(parent), GameInfo1(TGameInfo::collect(windowsFolder)) {
    setObjectName(QStringLiteral("Startscreenform"));
    setWindowTitle(QStringLiteral("Trivanto 1.04"));
    setWindowStyle(artwork::WindowStyle::Splash);
    setFixedSize(555, 446);
    setMovable(true);

    auto* version = new QLabel(this);
    version->setObjectName(QStringLiteral("Label2"));
    version->setFont(Theme::captionFont());
    setTextColour(version, Theme::kText);
    version->move(8, 400);
    version->setAttribute(Qt::WA_TransparentForMouseEvents);

    QFont taglineFont = Theme::titleFont();
    taglineFont.setPixelSize(20);
    auto* tagline = makePictureLabel(this, QStringLiteral("TaglineLabel"), taglineFont);
    tagline->setAlignment(Qt::AlignCenter);
    tagline->setGeometry(0, 239, 555, 30);
    QFont footerFont = Theme::bodyFont();
    footerFont.setPixelSize(11);
    auto* footer = makePictureLabel(this, QStringLiteral("FooterLabel"), footerFont);
    setTextColour(footer, Theme::kTextMuted);
    footer->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    footer->setGeometry(0, 420, 543, 20);

    applyWindowTexts(this, resolvedWindowTexts(QStringLiteral("TStartscreenForm"), language));
    version->adjustSize();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

}  // namespace trivanto
