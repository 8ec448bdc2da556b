#include "ui/editor/t_editor_dialog.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "core/app/help_viewer.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

constexpr int kTitleButtonTop = 5;
constexpr int kTitleButtonStep = 21;

QPoint titleButtonAt(const QWidget* form, int fromRight) {
    return {form->width() - 10 - artwork::kSmallButtonSize.width() - fromRight * kTitleButtonStep,
            kTitleButtonTop};
}

}  // namespace

TEditorDialog::TEditorDialog(const Services& services, const QString& objectName, QSize size,
                             QString helpTopic, QWidget* parent)
    : TShapedForm(parent), m_services(services), m_helpTopic(std::move(helpTopic)) {
    setObjectName(objectName);
    setWindowTitle(QStringLiteral("Trivanto"));
    setWindowStyle(artwork::WindowStyle::Generic);
    setFixedSize(size);
    setMovable(true);
    setTakesKeysFirst(true);
    // The editor waits for the answer; nothing else may be used meanwhile.
    setWindowModality(Qt::ApplicationModal);
}

TEditorDialog::~TEditorDialog() = default;

void TEditorDialog::present() {
    FormActivate();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    show();
    raise();
    activateWindow();
    if (m_first != nullptr) {
        m_first->setFocus(Qt::OtherFocusReason);
    }
}

QLabel* TEditorDialog::makeHeading(const QString& name) {
    QLabel* heading = makePictureLabel(this, name, Theme::titleFont());
    // Room up to the title buttons, whatever the language makes of the heading.
    heading->setGeometry(16, 3, width() - 16 - 2 * kTitleButtonStep - 14, 22);
    return heading;
}

TPictureButton* TEditorDialog::makeCloseButton(const QString& name) {
    auto* button =
        makeTitleBarButton(this, name, artwork::SmallButton::Close, titleButtonAt(this, 0));
    connect(button, &QAbstractButton::clicked, this, [this] { AbbrechenButtonClick(); });
    return button;
}

TPictureButton* TEditorDialog::makeHelpButton(const QString& name) {
    auto* button =
        makeTitleBarButton(this, name, artwork::SmallButton::Help, titleButtonAt(this, 1));
    connect(button, &QAbstractButton::clicked, this,
            [this] { m_services.help.HelpJump(m_helpTopic); });
    return button;
}

TFlatButton* TEditorDialog::makeButton(const QString& name, int fromRight) {
    auto* button = new TFlatButton(this);
    button->setObjectName(name);
    const int right = width() - kMargin - fromRight * (kButtonWidth + kButtonGap);
    button->setGeometry(right - kButtonWidth, height() - kMargin - kButtonHeight, kButtonWidth,
                        kButtonHeight);
    return button;
}

QLabel* TEditorDialog::makeCaption(const QString& name, QRect geometry) {
    QLabel* caption = makePictureLabel(this, name, Theme::bodyFont());
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption->setGeometry(geometry);
    return caption;
}

void TEditorDialog::formKeyPress(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            if (event->isAutoRepeat()) {
                return;
            }
            if (auto* button = qobject_cast<TFlatButton*>(focusWidget()); button != nullptr) {
                button->click();
            } else {
                enterPressed();
            }
            return;
        case Qt::Key_Escape:
            event->accept();
            AbbrechenButtonClick();
            return;
        case Qt::Key_F1:
            event->accept();
            m_services.help.HelpJump(m_helpTopic);
            return;
        default:
            TShapedForm::formKeyPress(event);
    }
}

void TEditorDialog::closeEvent(QCloseEvent* event) {
    if (isVisible()) {
        AbbrechenButtonClick();
    }
    TShapedForm::closeEvent(event);
}

}  // namespace trivanto
