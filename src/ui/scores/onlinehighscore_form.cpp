#include "ui/scores/onlinehighscore_form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>

#include "core/app/help_viewer.h"
#include "ui/common/window_text_applier.h"
#include "ui/widgets/enter_key.h"
#include "ui/widgets/picture_on_show.h"
#include "ui/widgets/t_busy_indicator.h"
#include "ui/widgets/t_elided_label.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_flat_check_box.h"
#include "ui/widgets/t_flat_edit.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

constexpr QSize kWindowSize{560, 392};
constexpr QRect kSidePicture{14, 38, 128, 300};
constexpr QRect kPageArea{158, 40, 388, 298};
constexpr int kPageWidth = kPageArea.width();
constexpr int kButtonTop = 350;

constexpr UploadPage kPages[] = {UploadPage::start, UploadPage::namen, UploadPage::verbinden,
                                 UploadPage::online, UploadPage::fertig};

QLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, bool wrap = false,
                  const QFont& font = Theme::bodyFont()) {
    QLabel* label = makePictureLabel(parent, QLatin1String(name), font);
    label->setGeometry(geometry);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* makeHeading(QWidget* parent, const char* name) {
    QLabel* label = makeLabel(parent, name, {0, 0, kPageWidth, 24}, false, Theme::questionFont());
    setTextColour(label, Theme::kGoldLight);
    return label;
}

TElidedLabel* makeDataLabel(QWidget* parent, const QString& name, QRect geometry) {
    auto* label = new TElidedLabel(parent);
    label->setObjectName(name);
    label->setFont(Theme::bodyFont());
    setTextColour(label, Theme::kText);
    label->setGeometry(geometry);
    return label;
}

TFlatCheckBox* makeCheckBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new TFlatCheckBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}

TFlatButton* makeButton(QWidget* parent, const char* name, int left) {
    auto* button = new TFlatButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(left, kButtonTop, 92, 28);
    return button;
}

void setFieldText(QLineEdit* field, const QString& text) {
    // Leaves the cursor alone while the user types.
    if (field->text() != text) {
        field->setText(text);
    }
}

}  // namespace

QString TOnlinehighscoreForm::pageName(UploadPage page) {
    switch (page) {
        case UploadPage::start:
            return QStringLiteral("start");
        case UploadPage::namen:
            return QStringLiteral("namen");
        case UploadPage::verbinden:
            return QStringLiteral("verbinden");
        case UploadPage::online:
            return QStringLiteral("online");
        case UploadPage::fertig:
            break;
    }
    return QStringLiteral("fertig");
}

TOnlinehighscoreForm::TOnlinehighscoreForm(const Services& services, ScoreUpload& model,
                                           Hooks hooks, QWidget* parent)
    : TShapedForm(parent), m_services(services), m_model(model), m_hooks(std::move(hooks)) {
    setObjectName(QStringLiteral("OnlinehighscoreForm"));
    setWindowTitle(QStringLiteral("Top50"));
    setWindowStyle(artwork::WindowStyle::Generic);
    setFixedSize(kWindowSize);
    setMovable(true);
    setTakesKeysFirst(true);
    buildFrame();
    buildStart();
    buildNames();
    buildConnect();
    buildOnline();
    buildDone();
    applyWindowTexts(
        this, resolvedWindowTexts(QStringLiteral("TOnlinehighscoreForm"), Language::Deutsch));
    connect(&m_model, &ScoreUpload::changed, this, &TOnlinehighscoreForm::render);
    render();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TOnlinehighscoreForm::~TOnlinehighscoreForm() = default;

void TOnlinehighscoreForm::buildFrame() {
    QLabel* title = makePictureLabel(this, QStringLiteral("Label2"), Theme::titleFont());
    title->setGeometry(16, 5, kWindowSize.width() - 100, 22);

    const int closeLeft = kWindowSize.width() - 8 - artwork::kSmallButtonSize.width();
    const int step = artwork::kSmallButtonSize.width() + 3;
    auto* info = makeTitleBarButton(this, QStringLiteral("ToolbarButton974"),
                                    artwork::SmallButton::Info, {closeLeft - 2 * step, 6});
    auto* help = makeTitleBarButton(this, QStringLiteral("Button2"), artwork::SmallButton::Help,
                                    {closeLeft - step, 6});
    auto* close = makeTitleBarButton(this, QStringLiteral("Button3"), artwork::SmallButton::Close,
                                     {closeLeft, 6});
    connect(info, &QAbstractButton::clicked, this, [this] {
        if (m_hooks.showInfo) {
            m_hooks.showInfo();
        }
    });
    connect(help, &QAbstractButton::clicked, this,
            [this] { m_services.help.HelpJump(ScoreUpload::downloadHelpTopic()); });
    connect(close, &QAbstractButton::clicked, this, &TOnlinehighscoreForm::AbbrechenButtonClick);

    auto* side = new QLabel(this);
    side->setObjectName(QStringLiteral("Image1"));
    side->setGeometry(kSidePicture);
    setPictureWhenShown(side, [] { return artwork::wizardSidePicture(kSidePicture.size()); });
    side->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("Seiten"));
    m_pages->setGeometry(kPageArea);
    m_pages->setAttribute(Qt::WA_NoSystemBackground);
    for (UploadPage page : kPages) {
        auto* widget = new QWidget(m_pages);
        widget->setObjectName(pageName(page));
        widget->setAttribute(Qt::WA_NoSystemBackground);
        m_pages->addWidget(widget);
    }

    m_back = makeButton(this, "ZurueckButton", 258);
    m_back->setEnabled(false);  // the wizard never goes back
    m_back->setFocusPolicy(Qt::NoFocus);
    m_proceed = makeButton(this, "WeiterButton", 356);
    m_cancel = makeButton(this, "AbbrechenButton", 454);
    connect(m_proceed, &QAbstractButton::clicked, this, &TOnlinehighscoreForm::WeiterButtonClick);
    connect(m_cancel, &QAbstractButton::clicked, this, &TOnlinehighscoreForm::AbbrechenButtonClick);
}

QWidget* TOnlinehighscoreForm::pageWidget(UploadPage page) {
    return m_pages->widget(int(page));
}

void TOnlinehighscoreForm::buildStart() {
    QWidget* page = pageWidget(UploadPage::start);
    makeHeading(page, "Label1");
    makeLabel(page, "Label3", {0, 32, kPageWidth, 64}, true);
    makeLabel(page, "Label4", {0, 100, kPageWidth, 48}, true);
    QFont bold = Theme::bodyFont();
    bold.setBold(true);
    makeLabel(page, "Label8", {0, 160, kPageWidth, 20}, false, bold);
    m_submit = makeCheckBox(page, "UebertragenCheckBox", {4, 188, kPageWidth - 4, 22});
    m_fetch = makeCheckBox(page, "AbrufenCheckBox", {4, 214, kPageWidth - 4, 22});
    connect(m_submit, &QAbstractButton::clicked, &m_model, &ScoreUpload::setSubmit);
    connect(m_fetch, &QAbstractButton::clicked, &m_model, &ScoreUpload::setFetch);
}

void TOnlinehighscoreForm::buildNames() {
    QWidget* page = pageWidget(UploadPage::namen);
    makeHeading(page, "Label6");
    makeLabel(page, "Label7", {0, 30, kPageWidth, 48}, true);
    for (int k = 0; k < kMaxPlayers; ++k) {
        const int top = 86 + k * 52;
        const QString n = QString::number(k + 1);
        WinnerRow& row = m_winners[std::size_t(k)];
        row.label = makeDataLabel(page, QStringLiteral("Name%1Label").arg(n), {0, top, 118, 24});
        row.name = new TFlatEdit(page);
        row.name->setObjectName(QStringLiteral("Name%1Edit").arg(n));
        row.name->setMaxLength(WinnerEntries::kMaxNameLength);
        row.name->setGeometry(122, top, 124, 24);
        row.amount = makeLabel(page, "", {252, top + 3, kPageWidth - 252, 22});
        row.amount->setObjectName(QStringLiteral("Punkte%1Label").arg(n));
        row.amount->setTextFormat(Qt::PlainText);
        row.email = new TFlatEdit(page);
        row.email->setObjectName(QStringLiteral("eMail%1Edit").arg(n));
        row.email->setMaxLength(100);
        row.email->setPlaceholderText(QStringLiteral("name@example.com"));
        row.email->setGeometry(122, top + 26, kPageWidth - 122, 24);
        connect(row.name, &QLineEdit::textEdited, &m_model,
                [this, k](const QString& text) { m_model.setName(k, text); });
        connect(row.email, &QLineEdit::textEdited, &m_model,
                [this, k](const QString& text) { m_model.setEMail(k, text); });
    }
}

void TOnlinehighscoreForm::buildConnect() {
    QWidget* page = pageWidget(UploadPage::verbinden);
    makeHeading(page, "Label9");
    makeLabel(page, "Label10", {0, 32, kPageWidth, 100}, true);
    makeLabel(page, "Label12", {0, 140, kPageWidth, 48}, true);
}

void TOnlinehighscoreForm::buildOnline() {
    QWidget* page = pageWidget(UploadPage::online);
    makeHeading(page, "Label5");
    makeLabel(page, "Label13", {0, 32, kPageWidth, 64}, true);
    makeLabel(page, "Label14", {0, 112, kPageWidth, 22});
    m_busy = new TBusyIndicator(m_services.clock, page);
    m_busy->setObjectName(QStringLiteral("Animate1"));
    m_busy->setGeometry(44, 156, kPageWidth - 88, 16);
}

void TOnlinehighscoreForm::buildDone() {
    QWidget* page = pageWidget(UploadPage::fertig);
    makeHeading(page, "Label11");
    makeLabel(page, "Label15", {0, 32, kPageWidth, 40}, true);
    m_placesLabel = makeLabel(page, "PlaetzeLabel", {0, 78, kPageWidth, 40}, true);
    for (int k = 0; k < kMaxPlayers; ++k) {
        const int top = 126 + k * 26;
        const QString n = QString::number(k + 1);
        PlaceRow& row = m_places[std::size_t(k)];
        row.name = makeDataLabel(page, QStringLiteral("Name%1Label2").arg(n), {0, top, 150, 22});
        row.place = makeDataLabel(page, QStringLiteral("Platz%1Label").arg(n), {156, top, 232, 22});
        setTextColour(row.place, Theme::kGoldLight);
    }
    m_show = makeCheckBox(page, "AnzeigenCheckBox", {4, 240, kPageWidth - 4, 22});
    connect(m_show, &QAbstractButton::clicked, &m_model, &ScoreUpload::setShow);
}

void TOnlinehighscoreForm::render() {
    const ScoreUploadView& view = m_model.view();
    {
        const QSignalBlocker a(m_submit), b(m_fetch), c(m_show);
        m_submit->setChecked(view.submitChecked);
        m_submit->setEnabled(view.submitEnabled);
        m_fetch->setChecked(view.fetchChecked);
        m_fetch->setEnabled(view.fetchEnabled);
        m_show->setChecked(view.showChecked);
        m_show->setEnabled(view.showEnabled);
    }
    for (int k = 0; k < kMaxPlayers; ++k) {
        const UploadWinnerRow& data = view.winners[std::size_t(k)];
        WinnerRow& row = m_winners[std::size_t(k)];
        row.label->setText(data.label);
        setFieldText(row.name, data.name);
        row.amount->setText(data.amount);
        setFieldText(row.email, data.email);
        for (QWidget* w : {static_cast<QWidget*>(row.label), static_cast<QWidget*>(row.name),
                           static_cast<QWidget*>(row.amount), static_cast<QWidget*>(row.email)}) {
            w->setVisible(data.visible);
        }
        const UploadPlaceRow& place = view.places[std::size_t(k)];
        m_places[std::size_t(k)].name->setText(place.name);
        m_places[std::size_t(k)].place->setText(place.place);
        m_places[std::size_t(k)].name->setVisible(place.visible);
        m_places[std::size_t(k)].place->setVisible(place.visible);
    }
    m_placesLabel->setVisible(view.placesVisible);
    m_proceed->setEnabled(view.proceedEnabled);
    m_cancel->setText(view.cancelCaption);

    const bool pageChanged = m_pages->currentIndex() != int(view.page);
    m_pages->setCurrentIndex(int(view.page));
    if (pageChanged && isVisible()) {
        // The keyboard starts on the page's first field, elsewhere on Proceed (or Close).
        if (view.page == UploadPage::namen) {
            m_winners[0].name->setFocus(Qt::OtherFocusReason);
        } else if (view.proceedEnabled) {
            m_proceed->setFocus(Qt::OtherFocusReason);
        } else {
            m_cancel->setFocus(Qt::OtherFocusReason);
        }
    }
}

void TOnlinehighscoreForm::OpenForGameEnd() {
    m_model.OpenForGameEnd();
    showModal([this] { m_proceed->setFocus(Qt::OtherFocusReason); });
}

void TOnlinehighscoreForm::OpenForDownload() {
    m_model.OpenForDownload();
    showModal([this] { m_proceed->setFocus(Qt::OtherFocusReason); });
}

void TOnlinehighscoreForm::WeiterButtonClick() {
    m_model.proceed();
}

void TOnlinehighscoreForm::AbbrechenButtonClick() {
    const ScoreUpload::CloseAction action = m_model.cancel();
    if (action == ScoreUpload::CloseAction::Stay) {
        return;
    }
    hide();
    if (action == ScoreUpload::CloseAction::CloseAndShowHallOfFame && m_hooks.showHallOfFame) {
        m_hooks.showHallOfFame();
    }
}

void TOnlinehighscoreForm::formKeyPress(QKeyEvent* event) {
    if (pressEnter(this, event, [this] { WeiterButtonClick(); })) {
        return;
    }
    switch (event->key()) {
        case Qt::Key_Escape:
            event->accept();
            AbbrechenButtonClick();
            return;
        case Qt::Key_F1:
            event->accept();
            m_services.help.HelpJump(m_model.pageHelpTopic());
            return;
        default:
            break;
    }
    TShapedForm::formKeyPress(event);
}

void TOnlinehighscoreForm::closeEvent(QCloseEvent* event) {
    // The window manager's close is Cancel: it may ask first.
    if (isVisible()) {
        event->ignore();
        AbbrechenButtonClick();
        return;
    }
    TShapedForm::closeEvent(event);
}

}  // namespace trivanto
