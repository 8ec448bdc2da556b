#include "ui/setup/spieler_form.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>

#include "core/app/help_viewer.h"
#include "ui/app/window_text_applier.h"
#include "ui/game/select_all_edit.h"
#include "ui/setup/warten_progress.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_flat_check_box.h"
#include "ui/widgets/t_flat_radio_button.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

constexpr int kColumnLeft = 24;
constexpr int kColumnStep = 146;
constexpr int kPictureTop = 74;
constexpr int kCategoryTop = 268;

QLabel* makeLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font,
                  const QColor& colour = Theme::kText) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: %1; background: transparent;").arg(colour.name()));
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

TPictureButton* makeArrow(QWidget* parent, const QString& name, artwork::ToolPicture picture,
                          QPoint at) {
    auto* button = new TPictureButton(parent);
    button->setObjectName(name);
    button->setPictures(artwork::toolPicture(picture), artwork::toolPicture(picture, true));
    button->setFixedSize(artwork::kToolPictureSize);
    button->move(at);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QFont boldBody() {
    QFont font = Theme::bodyFont();
    font.setBold(true);
    return font;
}

}  // namespace

TSpielerForm::TSpielerForm(SpielerFormContext context, QWidget* parent)
    : TShapedForm(parent),
      m_context(std::move(context)),
      m_setup(m_context.services, m_context.engine),
      m_progress(std::make_unique<WartenProgress>(m_context.waiting, this)) {
    setObjectName(QStringLiteral("Spielerform"));
    setWindowTitle(QStringLiteral("Trivanto"));
    setWindowStyle(artwork::WindowStyle::NewGame);
    setFixedSize(artwork::designSize(artwork::WindowStyle::NewGame));
    setMovable(true);
    setTakesKeysFirst(true);

    m_openPicDialog = new QObject(this);
    m_openPicDialog->setObjectName(QStringLiteral("OpenPicDialog"));

    buildTitle();
    buildPlayers();
    buildCategories();
    buildButtons();
    // The design captions, until the language table replaces them.
    applyWindowTexts(this, resolvedWindowTexts(QStringLiteral("TSpielerForm"), Language::Deutsch));

    m_setup.FormCreate();
    renderPlayers();
    rebuildGameLengths();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TSpielerForm::~TSpielerForm() = default;

void TSpielerForm::buildTitle() {
    makeLabel(this, QStringLiteral("Label2"), {16, 4, 400, 24}, Theme::titleFont());
    const int right = width() - 24;
    auto* info = makeTitleBarButton(this, QStringLiteral("ToolbarButton974"),
                                    artwork::SmallButton::Info, {right - 60, 6});
    auto* help = makeTitleBarButton(this, QStringLiteral("Button2x"), artwork::SmallButton::Help,
                                    {right - 39, 6});
    auto* close = makeTitleBarButton(this, QStringLiteral("Button3x"), artwork::SmallButton::Close,
                                     {right - 18, 6});
    connect(info, &QAbstractButton::clicked, this, [this] {
        if (m_context.showInfo) {
            m_context.showInfo();
        }
    });
    connect(help, &QAbstractButton::clicked, this,
            [this] { m_context.help.HelpJump(helpTopic()); });
    connect(close, &QAbstractButton::clicked, this, &TSpielerForm::AbbrechenButtonClick);
}

void TSpielerForm::buildPlayers() {
    makeLabel(this, QStringLiteral("Label1"), {kColumnLeft, 44, 150, 22}, boldBody());
    for (int n = 1; n <= kMaxPlayers; ++n) {
        PlayerControls& p = m_players[static_cast<std::size_t>(n - 1)];
        p.count = new TFlatRadioButton(QString::number(n), this);
        p.count->setObjectName(QStringLiteral("FlatRadioButton%1").arg(n));
        p.count->setGeometry(180 + (n - 1) * 44, 44, 40, 22);
        connect(p.count, &QAbstractButton::clicked, this, [this, n] { FlatRadioButtonClick(n); });

        const int left = kColumnLeft + (n - 1) * kColumnStep;
        p.image = makeLabel(this, QStringLiteral("Image%1").arg(n),
                            QRect(QPoint(left + 16, kPictureTop), artwork::kPlayerPictureSize),
                            Theme::bodyFont());
        p.image->setScaledContents(true);
        const int row = kPictureTop + artwork::kPlayerPictureSize.height() + 6;
        p.previous = makeArrow(this, QStringLiteral("Button%1").arg(2 * n - 1),
                               artwork::ToolPicture::Previous, {left, row});
        p.next = makeArrow(this, QStringLiteral("Button%1").arg(2 * n), artwork::ToolPicture::Next,
                           {left + 111, row});
        p.ownPicture = new TFlatButton(this);
        p.ownPicture->setObjectName(QStringLiteral("Spieler%1BildButton").arg(n));
        p.ownPicture->setGeometry(left + 27, row, 81, 24);
        p.ownPicture->setFont(Theme::captionFont());
        p.name = new TSelectAllEdit(this);
        p.name->setObjectName(QStringLiteral("Edit%1").arg(n));
        p.name->setMaxLength(kNameLength);
        p.name->setGeometry(left, row + 30, 135, 24);

        connect(p.previous, &QAbstractButton::clicked, this, [this, n] {
            m_setup.players().previousPicture(n);
            renderPlayers();
        });
        connect(p.next, &QAbstractButton::clicked, this, [this, n] {
            m_setup.players().nextPicture(n);
            renderPlayers();
        });
        connect(p.ownPicture, &QAbstractButton::clicked, this,
                [this, n] { SpielerBildButtonClick(n); });
        connect(p.name, &QLineEdit::textEdited, this,
                [this, n](const QString& text) { m_setup.players().setName(n, text); });
    }
    m_random = new TFlatCheckBox(this);
    m_random->setObjectName(QStringLiteral("zufallscheck"));
    m_random->setGeometry(370, 44, 230, 22);
    connect(m_random, &QAbstractButton::clicked, this, [this](bool checked) {
        m_setup.players().setRandomOrder(checked);
        renderPlayers();
    });
}

void TSpielerForm::buildCategories() {
    makeLabel(this, QStringLiteral("Label5"), {kColumnLeft, kCategoryTop, 380, 20}, boldBody());
    m_categories = new QListWidget(this);
    m_categories->setObjectName(QStringLiteral("Rubrikwahl"));
    m_categories->setGeometry(kColumnLeft, kCategoryTop + 22, 370, 168);
    m_categories->setSelectionMode(QAbstractItemView::NoSelection);
    m_categories->setFont(Theme::bodyFont());
    m_categories->setStyleSheet(
        QStringLiteral("QListWidget::indicator { width: 12px; height: 12px; border: 1px solid %1;"
                       " border-radius: 3px; background: %2; }"
                       "QListWidget::indicator:checked { image: url(:/trivanto/check.svg); }")
            .arg(Theme::kGold.name(), Theme::kMidnight.name()));
    connect(m_categories, &QListWidget::itemClicked, this, &TSpielerForm::RubrikwahlClick);

    const int right = kColumnLeft + 370 + 18;
    const int valueLeft = right + 150;
    makeLabel(this, QStringLiteral("Label3"), {right, kCategoryTop + 22, 150, 20},
              Theme::bodyFont());
    m_categoryCount = makeLabel(this, QStringLiteral("AnzRubLabel"),
                                {valueLeft, kCategoryTop + 22, 40, 20}, boldBody(), Theme::kGold);
    makeLabel(this, QStringLiteral("Label4"), {right, kCategoryTop + 44, 150, 20},
              Theme::bodyFont());
    m_questionCount = makeLabel(this, QStringLiteral("AnzFragLabel"),
                                {valueLeft, kCategoryTop + 44, 40, 20}, boldBody(), Theme::kGold);
    auto* all = new TFlatButton(this);
    all->setObjectName(QStringLiteral("AllesButton"));
    all->setGeometry(right, kCategoryTop + 70, 190, 26);
    auto* none = new TFlatButton(this);
    none->setObjectName(QStringLiteral("NichtsButton"));
    none->setGeometry(right, kCategoryTop + 100, 190, 26);
    connect(all, &QAbstractButton::clicked, this, [this] {
        m_setup.categories().AllesButtonClick(m_setup.players().PlayerCount());
        renderCategories();
    });
    connect(none, &QAbstractButton::clicked, this, [this] {
        m_setup.categories().NichtsButtonClick(m_setup.players().PlayerCount());
        renderCategories();
    });
    makeLabel(this, QStringLiteral("Label6"), {right, kCategoryTop + 130, 126, 24},
              Theme::bodyFont());
    m_length = new QComboBox(this);
    m_length->setObjectName(QStringLiteral("MaxCombo"));
    m_length->setEditable(true);
    m_length->setInsertPolicy(QComboBox::NoInsert);
    m_length->setGeometry(right + 126, kCategoryTop + 130, 64, 24);
}

void TSpielerForm::buildButtons() {
    auto* ok = new TFlatButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(width() - 226, height() - 40, 94, 28);
    auto* cancel = new TFlatButton(this);
    cancel->setObjectName(QStringLiteral("AbbrechenButton"));
    cancel->setGeometry(width() - 124, height() - 40, 94, 28);
    connect(ok, &QAbstractButton::clicked, this, &TSpielerForm::OKButtonClick);
    connect(cancel, &QAbstractButton::clicked, this, &TSpielerForm::AbbrechenButtonClick);
}

}  // namespace trivanto
