#include "ui/scores/bestenliste_form.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>

#include "core/app/help_viewer.h"
#include "ui/common/window_text_applier.h"
#include "ui/widgets/lazy_picture.h"
#include "ui/widgets/t_elided_label.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

constexpr QSize kWindowSize{560, 392};
constexpr int kFirstRowTop = 62;
constexpr int kRowStep = 26;
constexpr int kRowHeight = 22;
constexpr int kMoneyRight = 540;

// Columns of a row. The flag stands beside the place in the on-line view.
constexpr int kPlaceLeft = 100;
constexpr int kPlaceWidth = 34;
constexpr int kFlagLeft = 138;
constexpr int kLocalNameLeft = 140;
constexpr int kLocalNameWidth = 118;
constexpr int kDateLeft = 262;
constexpr int kDateWidth = 66;
constexpr int kTimeLeft = 330;
constexpr int kTimeWidth = 88;
constexpr int kOnlineNameLeft = 166;
constexpr int kOnlineNameWidth = 104;
constexpr int kEmailLeft = 274;
constexpr int kEmailWidth = 118;

TElidedLabel* makeText(QWidget* parent, const QString& name, const QFont& font,
                       Qt::Alignment align) {
    auto* label = new TElidedLabel(parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(align | Qt::AlignVCenter);
    setTextColour(label, Theme::kText);
    return label;
}

TPictureButton* makeSideButton(QWidget* parent, const char* name, int picture, int top) {
    auto* button = new TPictureButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setPictures(artwork::lazyButtonPicture(picture),
                        artwork::lazyButtonPicture(picture + 1));
    button->setFont(Theme::largeButtonFont());
    button->setGeometry(8, top, 84, 58);
    return button;
}

TPictureButton* makePageButton(QWidget* parent, const char* name, artwork::ToolPicture picture,
                               QRect geometry) {
    auto* button = new TPictureButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setPictures(artwork::lazyToolPicture(picture), artwork::lazyToolPicture(picture, true));
    button->setCaptionPosition(TPictureButton::CaptionPosition::Right);
    button->setFont(Theme::captionFont());
    button->setGeometry(geometry);
    return button;
}

}  // namespace

TBestenlisteForm::TBestenlisteForm(const Services& services, HallOfFame& model,
                                   std::function<void()> showInfo, QWidget* parent)
    : TShapedForm(parent), m_services(services), m_model(model), m_showInfo(std::move(showInfo)) {
    setObjectName(QStringLiteral("BestenlisteForm"));
    setWindowTitle(QStringLiteral("Hall Of Fame"));
    setWindowStyle(artwork::WindowStyle::Generic);
    setFixedSize(kWindowSize);
    setMovable(true);
    setTakesKeysFirst(true);
    buildControls();
    buildRows();
    applyWindowTexts(this,
                     resolvedWindowTexts(QStringLiteral("TBestenlisteForm"), Language::Deutsch));
    connect(&m_model, &HallOfFame::changed, this, &TBestenlisteForm::render);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TBestenlisteForm::~TBestenlisteForm() = default;

void TBestenlisteForm::buildControls() {
    m_title = makePictureLabel(this, QStringLiteral("Label1"), Theme::titleFont());
    m_title->setTextFormat(Qt::PlainText);
    m_title->setGeometry(16, 5, kWindowSize.width() - 100, 22);

    // Close at the right, then help and information, as on every window of the game.
    const int closeLeft = kWindowSize.width() - 8 - artwork::kSmallButtonSize.width();
    const int step = artwork::kSmallButtonSize.width() + 3;
    auto* info = makeTitleBarButton(this, QStringLiteral("Button1"), artwork::SmallButton::Info,
                                    {closeLeft - 2 * step, 6});
    auto* help = makeTitleBarButton(this, QStringLiteral("Button2"), artwork::SmallButton::Help,
                                    {closeLeft - step, 6});
    auto* close = makeTitleBarButton(this, QStringLiteral("Button3"), artwork::SmallButton::Close,
                                     {closeLeft, 6});
    connect(info, &QAbstractButton::clicked, this, [this] {
        if (m_showInfo) {
            m_showInfo();
        }
    });
    connect(help, &QAbstractButton::clicked, this,
            [this] { m_services.help.HelpJump(helpTopic()); });
    connect(close, &QAbstractButton::clicked, this, &QWidget::hide);

    m_localButton = makeSideButton(this, "OfflinehighscoresButton", 16, 52);
    m_onlineButton = makeSideButton(this, "OnlinehighscoresButton", 18, 118);
    auto* helpButton = makeSideButton(this, "HilfeButton", 12, 184);
    auto* exitButton = makeSideButton(this, "BeendenButton", 14, 318);
    connect(m_localButton, &QAbstractButton::clicked, &m_model, &HallOfFame::showLocal);
    connect(m_onlineButton, &QAbstractButton::clicked, &m_model, &HallOfFame::showOnline);
    connect(helpButton, &QAbstractButton::clicked, this,
            [this] { m_services.help.HelpJump(helpTopic()); });
    connect(exitButton, &QAbstractButton::clicked, this, &QWidget::hide);

    const int bottom = kFirstRowTop + kOnlinePageRows * kRowStep + 12;
    m_deleteButton = new TFlatButton(this);
    m_deleteButton->setObjectName(QStringLiteral("ListeLoeschenButton"));
    m_deleteButton->setGeometry(kPlaceLeft + 4, bottom, 190, 28);
    m_updateButton = new TFlatButton(this);
    m_updateButton->setObjectName(QStringLiteral("ListeAktualisierenButton"));
    m_updateButton->setGeometry(kPlaceLeft + 4, bottom, 190, 28);
    connect(m_deleteButton, &QAbstractButton::clicked, &m_model, &HallOfFame::clearLocal);
    connect(m_updateButton, &QAbstractButton::clicked, &m_model, &HallOfFame::refresh);

    m_previousButton = makePageButton(this, "ZurueckButton", artwork::ToolPicture::Previous,
                                      {304, bottom - 1, 116, 30});
    m_nextButton = makePageButton(this, "WeiterButton", artwork::ToolPicture::Next,
                                  {424, bottom - 1, 124, 30});
    m_previousButton->setEnabled(false);
    connect(m_previousButton, &QAbstractButton::clicked, &m_model, &HallOfFame::previousPage);
    connect(m_nextButton, &QAbstractButton::clicked, &m_model, &HallOfFame::nextPage);
}

void TBestenlisteForm::buildRows() {
    const QFont font = Theme::bodyFont();
    QFont bold = font;
    bold.setBold(true);
    for (int r = 0; r < kOnlinePageRows; ++r) {
        const int top = kFirstRowTop + r * kRowStep;
        const QString n = QString::number(r + 1);
        Row& row = m_rows[std::size_t(r)];
        row.place = makeText(this, QStringLiteral("PlatzLabel") + n, bold, Qt::AlignRight);
        row.place->setGeometry(kPlaceLeft, top, kPlaceWidth, kRowHeight);
        row.name = makeText(this, QStringLiteral("NameLabel") + n, font, Qt::AlignLeft);
        row.date = makeText(this, QStringLiteral("DatumLabel") + n, font, Qt::AlignLeft);
        row.date->setGeometry(kDateLeft, top, kDateWidth, kRowHeight);
        row.time = makeText(this, QStringLiteral("ZeitLabel") + n, font, Qt::AlignLeft);
        row.time->setGeometry(kTimeLeft, top, kTimeWidth, kRowHeight);
        row.email =
            makeText(this, QStringLiteral("eMailLabel") + n, Theme::captionFont(), Qt::AlignLeft);
        row.email->setGeometry(kEmailLeft, top, kEmailWidth, kRowHeight);
        setTextColour(row.email, Theme::kTextMuted);
        row.flag = new QLabel(this);
        row.flag->setObjectName(QStringLiteral("FlaggeImage") + n);
        row.flag->setGeometry(kFlagLeft, top + (kRowHeight - artwork::kFlagSize.height()) / 2,
                              artwork::kFlagSize.width(), artwork::kFlagSize.height());
        row.money = makeText(this, QStringLiteral("GeldLabel") + n, bold, Qt::AlignRight);
    }
}

void TBestenlisteForm::OpenFromMain() {
    m_model.OpenFromMain();
    open();
}

void TBestenlisteForm::open() {
    showModal([this] { FormShow(); });
}

void TBestenlisteForm::FormShow() {
    m_model.FormShow();
}

void TBestenlisteForm::render() {
    const HallOfFameView& view = m_model.view();
    const bool online = view.shown == HighScoreView::Online;
    m_title->setText(view.title);
    m_localButton->setEnabled(view.localEnabled);
    m_onlineButton->setEnabled(view.onlineEnabled);
    m_deleteButton->setVisible(view.deleteVisible);
    m_updateButton->setVisible(view.updateVisible);
    m_previousButton->setVisible(view.pagingVisible);
    m_nextButton->setVisible(view.pagingVisible);
    m_previousButton->setEnabled(view.previousEnabled);
    m_nextButton->setEnabled(view.nextEnabled);
    if (!view.previousCaption.isEmpty()) {
        m_previousButton->setText(view.previousCaption);
    }
    if (!view.nextCaption.isEmpty()) {
        m_nextButton->setText(view.nextCaption);
    }

    const int moneyLeft = online ? kOnlineMoneyLeft : kLocalMoneyLeft;
    for (int r = 0; r < kOnlinePageRows; ++r) {
        const HallOfFameRow& data = view.rows[std::size_t(r)];
        Row& row = m_rows[std::size_t(r)];
        const int top = kFirstRowTop + r * kRowStep;
        row.place->setText(data.place);
        if (online) {
            row.name->setGeometry(kOnlineNameLeft, top, kOnlineNameWidth, kRowHeight);
        } else {
            row.name->setGeometry(kLocalNameLeft, top, kLocalNameWidth, kRowHeight);
        }
        row.name->setText(data.name);
        row.date->setText(data.date);
        row.time->setText(data.time);
        row.email->setText(data.email);
        row.money->setGeometry(moneyLeft, top, kMoneyRight - moneyLeft, kRowHeight);
        row.money->setText(data.money);
        row.flag->setPixmap(artwork::flagPicture(data.flag));
        row.flag->setProperty("flagIndex", data.flag);
        row.date->setVisible(!online);
        row.time->setVisible(!online);
        row.email->setVisible(online);
        row.flag->setVisible(online);
    }
}

void TBestenlisteForm::formKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        hide();
    } else if (event->key() == Qt::Key_F1) {
        event->accept();
        m_services.help.HelpJump(helpTopic());
    } else {
        TShapedForm::formKeyPress(event);
    }
}

}  // namespace trivanto
