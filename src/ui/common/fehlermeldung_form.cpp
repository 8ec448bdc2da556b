#include "ui/common/fehlermeldung_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>

#include "ui/common/window_text_applier.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

TFlatButton* makeButton(QWidget* parent, const char* name, int left) {
    auto* button = new TFlatButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, 3, 90, 23);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QWidget* makePanel(QWidget* parent, const char* name, int width) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(0, kDialogPanelTop, width, 29);
    return panel;
}

}  // namespace

TFehlermeldungForm::TFehlermeldungForm(QWidget* parent) : TShapedForm(parent) {
    setObjectName(QStringLiteral("Fehlermeldungform"));
    setWindowTitle(QStringLiteral("Trivanto"));
    setWindowStyle(artwork::WindowStyle::Message);
    setMovable(true);
    setTakesKeysFirst(true);
    // A message blocks every other window while it is up.
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(artwork::designSize(artwork::WindowStyle::Message));

    m_title = makePictureLabel(this, QStringLiteral("Label2"), Theme::titleFont());
    m_title->setGeometry(16, 6, 200, 20);

    m_close = makeTitleBarButton(this, QStringLiteral("Button3"), artwork::SmallButton::Close, {});

    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("Fehlermeldung"));
    m_text->setFont(Theme::bodyFont());
    setTextColour(m_text, Theme::kText);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Messages carry names and file names: shown as they are, never as markup.
    m_text->setTextFormat(Qt::PlainText);
    m_text->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_noticePanel = makePanel(this, "HinweisPanel", 90);
    auto* ok = makeButton(m_noticePanel, "OKButton", 0);
    m_questionPanel = makePanel(this, "FragePanel", 300);
    auto* yes = makeButton(m_questionPanel, "JaButton", 0);
    auto* no = makeButton(m_questionPanel, "NeinButton", 105);
    auto* cancel = makeButton(m_questionPanel, "AbbrechenButton", 210);

    connect(ok, &QAbstractButton::clicked, this, [this] { answer(AnswerYes); });
    connect(yes, &QAbstractButton::clicked, this, [this] { answer(AnswerYes); });
    connect(no, &QAbstractButton::clicked, this, [this] { answer(AnswerNo); });
    connect(cancel, &QAbstractButton::clicked, this, [this] { answer(AnswerCancel); });
    connect(m_close, &QAbstractButton::clicked, this, [this] { answer(AnswerCancel); });

    applyWindowTexts(this,
                     resolvedWindowTexts(QStringLiteral("TFehlermeldungForm"), Language::Deutsch));
    FormActivate();
}

namespace {

// The widest word of `text`: a wrapping label cannot break inside it.
int widestWord(const QFontMetrics& metrics, const QString& text) {
    int widest = 0;
    for (const QStringView word :
         QStringView(text).split(QRegularExpression(QStringLiteral("\\s+")))) {
        widest = std::max(widest, metrics.horizontalAdvance(word.toString()));
    }
    return widest;
}

int screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().width() : 1024;
}

// Room for rounding between the measured and the painted text.
constexpr int kTextSlack = 2;
// Space kept free on either side of a dialog as wide as the screen.
constexpr int kScreenMargin = 8;

}  // namespace

void TFehlermeldungForm::setMessage(const QString& text, int width, bool wordWrap) {
    m_text->setText(text);
    // The caller's width is the least one: a text that does not fit widens the dialog up to
    // the screen; what is still too wide then wraps, and the dialog grows downwards.
    const QFontMetrics metrics(m_text->font());
    const int widest = std::max(1, screenWidth() - kDialogWidthBeyondLabel - 2 * kScreenMargin);
    int labelWidth = std::max(1, width);
    if (wordWrap) {
        const int word = widestWord(metrics, text) + kTextSlack;
        if (word > labelWidth) {
            labelWidth = std::min(word, std::max(labelWidth, widest));
        }
    } else {
        const int natural =
            metrics.boundingRect(QRect(0, 0, 100000, 100000), 0, text).width() + kTextSlack;
        if (natural > labelWidth) {
            labelWidth = std::min(natural, std::max(labelWidth, widest));
            wordWrap = natural > labelWidth;
        }
    }
    m_text->setWordWrap(wordWrap);
    m_wordWrap = wordWrap;
    m_text->setFixedWidth(labelWidth);
}

int TFehlermeldungForm::textHeight() const {
    const QFontMetrics metrics(m_text->font());
    const int flags = m_wordWrap ? int(Qt::TextWordWrap) : 0;
    return metrics.boundingRect(QRect(0, 0, m_text->width(), 100000), flags, m_text->text())
        .height();
}

void TFehlermeldungForm::FormActivate() {
    m_layout = computeDialogLayout(m_mode, m_text->width(), m_wordWrap, textHeight());
    setFixedSize(m_layout.width, m_layout.height);
    m_close->move(m_layout.closeButtonLeft, 6);
    m_text->setGeometry(kDialogLabelLeft, m_layout.labelTop, m_text->width(), m_layout.labelHeight);

    const bool notice = m_mode == DialogMode::Notice;
    m_noticePanel->setVisible(notice);
    m_questionPanel->setVisible(!notice);
    QWidget* panel = notice ? m_noticePanel : m_questionPanel;
    panel->move(m_layout.panelLeft, m_layout.panelTop);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

void TFehlermeldungForm::present(const MessageRequest& request) {
    setDialogMode(request.mode);
    setMessage(request.text, request.width, request.wordWrap);
    // A question closed by Escape or the close icon answers Cancel, never an older answer.
    DialogAnswer = AnswerCancel;
    FormActivate();
    QWidget::show();
    raise();
    activateWindow();
}

int TFehlermeldungForm::show(const MessageRequest& request) {
    present(request);
    showModal();
    return m_mode == DialogMode::Notice ? AnswerYes : DialogAnswer;
}

void TFehlermeldungForm::answer(int value) {
    // Only a question has an answer; a notice leaves DialogAnswer alone.
    if (m_mode == DialogMode::Question) {
        DialogAnswer = value;
    }
    hide();
}

void TFehlermeldungForm::formKeyPress(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            event->accept();
            answer(AnswerYes);
            break;
        case Qt::Key_Escape:
            event->accept();
            answer(AnswerCancel);
            break;
        default:
            TShapedForm::formKeyPress(event);
    }
}

}  // namespace trivanto
