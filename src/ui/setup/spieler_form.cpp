#include "ui/setup/spieler_form.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QStyledItemDelegate>

#include "core/app/help_viewer.h"
#include "ui/common/window_text_applier.h"
#include "ui/setup/warten_progress.h"
#include "ui/widgets/lazy_picture.h"
#include "ui/widgets/select_all_edit.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_flat_check_box.h"
#include "ui/widgets/t_flat_radio_button.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

constexpr int kColumnLeft = 24;
constexpr int kColumnStep = 146;
constexpr int kPictureTop = 74;

// The category half: the list on the left, and a right column whose rows end with OK and
// Cancel on the list's bottom line. The list shows whole lines only.
constexpr int kCategoryTop = 260;
constexpr int kListTop = 282;
constexpr int kListWidth = 350;
constexpr int kListRows = 10;
constexpr int kListRowHeight = 17;
constexpr int kListHeight = kListRows * kListRowHeight + 2;  // and a 1-pixel border
constexpr int kRightLeft = kColumnLeft + kListWidth + 20;
constexpr int kRightWidth = 202;
constexpr int kCountHeight = 18;
constexpr int kValueWidth = 40;
constexpr int kSelectTop = kListTop + 2 * kCountHeight + 2 + 8;
constexpr int kSelectHeight = 24;
constexpr int kLengthTop = kSelectTop + 2 * kSelectHeight + 6 + 10;
constexpr int kLengthHeight = 24;
constexpr int kLengthComboWidth = 62;
constexpr int kButtonHeight = 28;
constexpr int kButtonGap = 8;

// Every category line has the same height, whatever the style, so the list fits whole lines.
class CategoryLineDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kListRowHeight};
    }
};

TPictureButton* makeArrow(QWidget* parent, const QString& name, artwork::ToolPicture picture,
                          QPoint at) {
    auto* button = new TPictureButton(parent);
    button->setObjectName(name);
    button->setPictures(artwork::lazyToolPicture(picture), artwork::lazyToolPicture(picture, true));
    button->setFixedSize(artwork::kToolPictureSize);
    button->move(at);
    // A Tab stop after the names; the mouse does not take the focus from a name field.
    button->setFocusPolicy(Qt::TabFocus);
    return button;
}

}  // namespace

TSpielerForm::TSpielerForm(const Services& services, NewGameSetup& setup, TWartenForm* waiting,
                           std::function<void()> showInfo, QWidget* parent)
    : TShapedForm(parent),
      m_services(services),
      m_setup(setup),
      m_showInfo(std::move(showInfo)),
      m_progress(std::make_unique<WartenProgress>(waiting, this)) {
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
    buildTabOrder();
    // The design captions, until the language table replaces them.
    applyWindowTexts(this, resolvedWindowTexts(QStringLiteral("TSpielerForm"), Language::Deutsch));

    m_setup.load();
    connect(&m_setup, &NewGameSetup::finished, this, &TSpielerForm::startFinished);
    renderPlayers();
    rebuildGameLengths();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TSpielerForm::~TSpielerForm() = default;

void TSpielerForm::buildTitle() {
    makeTextLabel(this, QStringLiteral("Label2"), {16, 4, 400, 24}, Theme::titleFont());
    const int right = width() - 24;
    auto* info = makeTitleBarButton(this, QStringLiteral("ToolbarButton974"),
                                    artwork::SmallButton::Info, {right - 60, 6});
    auto* help = makeTitleBarButton(this, QStringLiteral("Button2x"), artwork::SmallButton::Help,
                                    {right - 39, 6});
    auto* close = makeTitleBarButton(this, QStringLiteral("Button3x"), artwork::SmallButton::Close,
                                     {right - 18, 6});
    connect(info, &QAbstractButton::clicked, this, [this] {
        if (m_showInfo) {
            m_showInfo();
        }
    });
    connect(help, &QAbstractButton::clicked, this,
            [this] { m_services.help.HelpJump(helpTopic()); });
    connect(close, &QAbstractButton::clicked, this, &TSpielerForm::AbbrechenButtonClick);
}

void TSpielerForm::buildPlayers() {
    makeTextLabel(this, QStringLiteral("Label1"), {kColumnLeft, 44, 150, 22},
                  Theme::boldBodyFont());
    for (int n = 1; n <= kMaxPlayers; ++n) {
        PlayerControls& p = m_players[static_cast<std::size_t>(n - 1)];
        p.count = new TFlatRadioButton(QString::number(n), this);
        p.count->setObjectName(QStringLiteral("FlatRadioButton%1").arg(n));
        p.count->setGeometry(180 + (n - 1) * 44, 44, 40, 22);
        connect(p.count, &QAbstractButton::clicked, this, [this, n] { FlatRadioButtonClick(n); });

        const int left = kColumnLeft + (n - 1) * kColumnStep;
        p.image = makeTextLabel(this, QStringLiteral("Image%1").arg(n),
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
    makeTextLabel(this, QStringLiteral("Label5"), {kColumnLeft, kCategoryTop, 380, 20},
                  Theme::boldBodyFont());
    m_categories = new QListWidget(this);
    m_categories->setObjectName(QStringLiteral("Rubrikwahl"));
    m_categories->setGeometry(kColumnLeft, kListTop, kListWidth, kListHeight);
    m_categories->setSelectionMode(QAbstractItemView::NoSelection);
    m_categories->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_categories->setUniformItemSizes(true);
    m_categories->setItemDelegate(new CategoryLineDelegate(m_categories));
    m_categories->setFont(Theme::bodyFont());
    connect(m_categories, &QListWidget::itemClicked, this, &TSpielerForm::RubrikwahlClick);

    const int valueLeft = kRightLeft + kRightWidth - kValueWidth;
    const int labelWidth = kRightWidth - kValueWidth - 6;
    const int secondCount = kListTop + kCountHeight + 2;
    makeTextLabel(this, QStringLiteral("Label3"), {kRightLeft, kListTop, labelWidth, kCountHeight},
                  Theme::bodyFont());
    m_categoryCount = makeTextLabel(this, QStringLiteral("AnzRubLabel"),
                                    {valueLeft, kListTop, kValueWidth, kCountHeight},
                                    Theme::boldBodyFont(), Theme::kGold);
    makeTextLabel(this, QStringLiteral("Label4"),
                  {kRightLeft, secondCount, labelWidth, kCountHeight}, Theme::bodyFont());
    m_questionCount = makeTextLabel(this, QStringLiteral("AnzFragLabel"),
                                    {valueLeft, secondCount, kValueWidth, kCountHeight},
                                    Theme::boldBodyFont(), Theme::kGold);
    for (QLabel* value : {m_categoryCount, m_questionCount}) {
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }

    auto* all = new TFlatButton(this);
    all->setObjectName(QStringLiteral("AllesButton"));
    all->setGeometry(kRightLeft, kSelectTop, kRightWidth, kSelectHeight);
    auto* none = new TFlatButton(this);
    none->setObjectName(QStringLiteral("NichtsButton"));
    none->setGeometry(kRightLeft, kSelectTop + kSelectHeight + 6, kRightWidth, kSelectHeight);
    connect(all, &QAbstractButton::clicked, this, [this] {
        m_setup.categories().tickAll(m_setup.players().PlayerCount());
        renderCategories();
    });
    connect(none, &QAbstractButton::clicked, this, [this] {
        m_setup.categories().untickAll(m_setup.players().PlayerCount());
        renderCategories();
    });

    auto* lengthLabel =
        makeTextLabel(this, QStringLiteral("Label6"),
                      {kRightLeft, kLengthTop, kRightWidth - kLengthComboWidth - 8, kLengthHeight},
                      Theme::bodyFont());
    lengthLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_length = new QComboBox(this);
    m_length->setObjectName(QStringLiteral("MaxCombo"));
    m_length->setEditable(true);
    m_length->setInsertPolicy(QComboBox::NoInsert);
    m_length->setGeometry(kRightLeft + kRightWidth - kLengthComboWidth, kLengthTop,
                          kLengthComboWidth, kLengthHeight);
}

void TSpielerForm::buildButtons() {
    // OK and Cancel share the list's bottom line.
    const int top = kListTop + kListHeight - kButtonHeight;
    const int width = (kRightWidth - kButtonGap) / 2;
    auto* ok = new TFlatButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(kRightLeft, top, width, kButtonHeight);
    auto* cancel = new TFlatButton(this);
    cancel->setObjectName(QStringLiteral("AbbrechenButton"));
    cancel->setGeometry(kRightLeft + kRightWidth - width, top, width, kButtonHeight);
    connect(ok, &QAbstractButton::clicked, this, &TSpielerForm::OKButtonClick);
    connect(cancel, &QAbstractButton::clicked, this, &TSpielerForm::AbbrechenButtonClick);
}

void TSpielerForm::buildTabOrder() {
    // Player count, names, the picture controls of each player, random order, then the
    // categories from the list down to OK and Cancel. Disabled and hidden ones are skipped.
    QList<QWidget*> chain;
    for (const PlayerControls& p : m_players) {
        chain << p.count;
    }
    for (const PlayerControls& p : m_players) {
        chain << p.name;
    }
    for (const PlayerControls& p : m_players) {
        chain << p.previous << p.ownPicture << p.next;
    }
    chain << m_random << m_categories;
    for (const char* name :
         {"AllesButton", "NichtsButton", "MaxCombo", "OKButton", "AbbrechenButton"}) {
        chain << findChild<QWidget*>(QLatin1String(name));
    }
    for (qsizetype i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
}

}  // namespace trivanto
