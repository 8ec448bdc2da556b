#include "ui/about/info_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "core/app/help_viewer.h"
#include "core/app/settings_store.h"
#include "ui/common/window_text_applier.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

QLabel* makeLabel(QWidget* parent, const QString& name, const QFont& font, QRect geometry,
                  const QString& text = {}) {
    QLabel* label = makePictureLabel(parent, name, font);
    label->setText(text);
    label->setGeometry(geometry);
    return label;
}

struct Credit {
    const char* roleName;
    const char* valueName;
    const char* who;
};

// Our own team; the role captions come from the language tables.
constexpr Credit kCredits[] = {
    {"la1", "na1", "velmora engineering team"}, {"la2", "na2", "velmora engineering"},
    {"la6", "na6", "velmora engineering team"}, {"la3", "na3", "the Trivanto authors"},
    {"la4", "na4", "velmora engineering"},      {"la5", "na5", "the Trivanto authors"},
};

}  // namespace

TInfoForm::TInfoForm(const SettingsStore& settings, HelpViewer& help, QWidget* parent)
    : TShapedForm(parent), m_help(help) {
    setObjectName(QStringLiteral("Infoform"));
    setWindowTitle(QStringLiteral("Trivanto"));
    setWindowStyle(artwork::WindowStyle::Info);
    setFixedSize(309, 290);
    setMovable(true);
    setTakesKeysFirst(true);

    makeLabel(this, QStringLiteral("Label2"), Theme::titleFont(), QRect(16, 6, 230, 20));
    auto* icon =
        makeLabel(this, QStringLiteral("Image1"), Theme::bodyFont(), QRect(18, 48, 32, 32));
    icon->setPixmap(artwork::programIconPicture(32));
    makeLabel(this, QStringLiteral("ProductLabel"), Theme::titleFont(), QRect(62, 46, 220, 20),
              QStringLiteral("Trivanto"));
    makeLabel(this, QStringLiteral("VersionLabel"), Theme::bodyFont(), QRect(62, 66, 220, 16),
              QStringLiteral("Version 1.04"));

    int top = 100;
    for (const Credit& c : kCredits) {
        makeLabel(this, QLatin1String(c.roleName), Theme::captionFont(), QRect(18, top, 110, 16));
        auto* who = makeLabel(this, QLatin1String(c.valueName), Theme::captionFont(),
                              QRect(130, top, 165, 16), QLatin1String(c.who));
        setTextColour(who, Theme::kTextMuted);
        top += 18;
    }
    m_userName = makeLabel(this, QStringLiteral("LabelUserName"), Theme::bodyFont(),
                           QRect(18, top + 8, 275, 16));
    m_companyName = makeLabel(this, QStringLiteral("LabelCompName"), Theme::bodyFont(),
                              QRect(18, top + 26, 275, 16));

    auto* ok = new TFlatButton(this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(110, 252, 90, 23);
    ok->setFocusPolicy(Qt::NoFocus);
    auto* helpButton =
        makeTitleBarButton(this, QStringLiteral("Button2"), artwork::SmallButton::Help, {265, 6});
    auto* close =
        makeTitleBarButton(this, QStringLiteral("Button3"), artwork::SmallButton::Close, {286, 6});

    connect(ok, &QAbstractButton::clicked, this, &QWidget::hide);
    connect(close, &QAbstractButton::clicked, this, &QWidget::hide);
    connect(helpButton, &QAbstractButton::clicked, this, [this] { m_help.HelpJump(helpTopic()); });

    applyWindowTexts(this, resolvedWindowTexts(QStringLiteral("TInfoForm"), Language::Deutsch));
    FormCreate(settings);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TInfoForm::FormCreate(const SettingsStore& settings) {
    const QString unknown = QStringLiteral("???");
    const QString name = settings.stringValue(userNameKey());
    const QString company = settings.stringValue(companyKey());
    m_userName->setText(name.isEmpty() ? unknown : name);
    m_companyName->setText(company.isEmpty() ? unknown : company);
}

void TInfoForm::formKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        hide();
    } else if (event->key() == Qt::Key_F1) {
        event->accept();
        m_help.HelpJump(helpTopic());
    } else {
        TShapedForm::formKeyPress(event);
    }
}

}  // namespace trivanto
