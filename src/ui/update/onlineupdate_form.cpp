#include "ui/update/onlineupdate_form.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStackedWidget>

#include "core/app/help_viewer.h"
#include "core/lang/message_catalogue.h"
#include "core/net/connection_manager.h"
#include "core/net/online_state.h"
#include "core/update/banner_update.h"
#include "core/update/file_fetcher_port.h"
#include "ui/common/window_text_applier.h"
#include "ui/widgets/enter_key.h"
#include "ui/widgets/picture_on_show.h"
#include "ui/widgets/t_check_group_list.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/t_flat_progress_bar.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

using Outcome = OnlineUpdate::CatalogueOutcome;

// The page area right of the picture, and the button row under it.
constexpr int kPictureLeft = 18;
constexpr int kPictureTop = 44;
constexpr int kPageLeft = 134;
constexpr int kPageTop = 36;
constexpr int kPageWidth = 305;
constexpr int kPageHeight = 266;
constexpr int kButtonTop = 306;
constexpr int kButtonWidth = 95;
constexpr int kButtonHeight = 26;
constexpr int kButtonGap = 10;

// On the selection page: the instruction from here down, then the info line, the list as
// designed and the description box in what is left (see layoutSelectionPage()).
constexpr int kHintTop = 22;
constexpr int kInfoHeight = 14;
constexpr int kListHeight = 145;

QFont pageTitleFont() {
    QFont font = Theme::bodyFont();
    font.setPixelSize(14);
    font.setBold(true);
    return font;
}

// Page texts wrap from the top left.
QLabel* makeLabel(QWidget* parent, const QString& name, QRect geometry, const QFont& font,
                  const QColor& colour = Theme::kText) {
    QLabel* label = makeTextLabel(parent, name, geometry, font, colour);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

TFlatProgressBar* makeBar(QWidget* parent, const QString& name, int top) {
    auto* bar = new TFlatProgressBar(parent);
    bar->setObjectName(name);
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setGeometry(0, top, kPageWidth, 12);
    return bar;
}

}  // namespace

TOnlineupdateForm::TOnlineupdateForm(const Services& services, const OnlineServices& online,
                                     std::unique_ptr<FileFetchPort> fetcher, QWidget* parent)
    : TShapedForm(parent),
      m_services(services),
      m_online(online),
      m_fetcher(fetcher ? std::move(fetcher)
                        : std::make_unique<TFileFetcherPort>(online.network, services.clock)) {
    setObjectName(QStringLiteral("Onlineupdateform"));
    setWindowTitle(QStringLiteral("Trivanto"));
    setWindowStyle(artwork::WindowStyle::Generic);
    setFixedSize(artwork::designSize(artwork::WindowStyle::Generic));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setMovable(true);
    setTakesKeysFirst(true);

    OnlineUpdate::Hooks hooks;
    hooks.changed = [this] { renderRun(); };
    hooks.finished = [this] { runFinished(); };
    hooks.connectionLost = [this] { m_online.online.setOnline(false); };
    hooks.hangUp = [this](std::function<void()> done) {
        m_online.connections.hangUpAndCheck(std::move(done));
    };
    hooks.ensureOnline = [this](std::function<void(bool)> done) {
        m_online.connections.EnsureOnline(std::move(done));
    };
    m_update = std::make_unique<OnlineUpdate>(*m_fetcher, services.clock, services.dialog,
                                              services.catalogue, services.paths.progDir,
                                              std::move(hooks));

    buildTitle();
    buildPages();
    buildButtons();
    // The design captions, until the language table replaces them.
    applyWindowTexts(this,
                     resolvedWindowTexts(QStringLiteral("TOnlineupdateForm"), Language::Deutsch));
    showPage(m_start);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TOnlineupdateForm::~TOnlineupdateForm() = default;

void TOnlineupdateForm::buildTitle() {
    auto* title = makePictureLabel(this, QStringLiteral("FormcaptionLabel"), Theme::titleFont());
    title->setText(QStringLiteral("Onlineupdate"));
    title->setGeometry(16, 4, 300, 22);
    const int right = width() - 24;
    auto* info = makeTitleBarButton(this, QStringLiteral("ToolbarButton974"),
                                    artwork::SmallButton::Info, {right - 60, 6});
    info->hide();
    auto* help = makeTitleBarButton(this, QStringLiteral("Button2"), artwork::SmallButton::Help,
                                    {right - 39, 6});
    auto* close = makeTitleBarButton(this, QStringLiteral("Button3"), artwork::SmallButton::Close,
                                     {right - 18, 6});
    connect(help, &QAbstractButton::clicked, this,
            [this] { m_services.help.HelpJump(helpTopic()); });
    connect(close, &QAbstractButton::clicked, this, &TOnlineupdateForm::Abbrechen);

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Image1"));
    setPictureWhenShown(picture, [] { return artwork::updateWizardPicture(); });
    picture->setGeometry(QRect(QPoint(kPictureLeft, kPictureTop), artwork::kWizardPictureSize));
    picture->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QWidget* TOnlineupdateForm::addPage(const QString& name) {
    auto* page = new QWidget(m_pages);
    page->setObjectName(name);
    page->setAttribute(Qt::WA_TranslucentBackground);
    m_pages->addWidget(page);
    return page;
}

void TOnlineupdateForm::buildPages() {
    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("Pages"));
    m_pages->setGeometry(kPageLeft, kPageTop, kPageWidth, kPageHeight);
    m_pages->setAttribute(Qt::WA_TranslucentBackground);
    const QFont title = pageTitleFont();
    const QFont body = Theme::bodyFont();
    QFont bold = body;
    bold.setBold(true);

    m_start = addPage(QStringLiteral("start"));
    makeLabel(m_start, QStringLiteral("Label1"), {0, 0, kPageWidth, 20}, title, Theme::kGoldLight);
    makeLabel(m_start, QStringLiteral("Label3"), {0, 28, kPageWidth, 64}, body);
    makeLabel(m_start, QStringLiteral("Label4"), {0, 96, kPageWidth, 48}, body);
    makeLabel(m_start, QStringLiteral("Label8"), {0, 158, kPageWidth, 18}, bold, Theme::kGold);
    makeLabel(m_start, QStringLiteral("Label5"), {0, 180, kPageWidth, 64}, body);

    m_auswahl = addPage(QStringLiteral("auswahl"));
    makeLabel(m_auswahl, QStringLiteral("Label6"), {0, 0, kPageWidth, 20}, title,
              Theme::kGoldLight);
    m_hintLabel =
        makeLabel(m_auswahl, QStringLiteral("Label7"), {0, kHintTop, kPageWidth, 30}, body);
    m_infoLabel =
        makeLabel(m_auswahl, QStringLiteral("InfoLabel"), {0, 52, kPageWidth, kInfoHeight},
                  Theme::captionFont(), Theme::kTextMuted);
    m_infoLabel->setWordWrap(false);
    m_infoLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_list = new TCheckGroupList(m_auswahl);
    m_list->setObjectName(QStringLiteral("AuswahlBox"));
    m_list->setCompact(true);
    connect(m_list, &TCheckGroupList::rowCheckToggled, this,
            &TOnlineupdateForm::AuswahlBoxCheckBoxClick);
    connect(m_list, &TCheckGroupList::rowClicked, this, &TOnlineupdateForm::AuswahlBoxSubItemClick);
    m_infoMemo = new QPlainTextEdit(m_auswahl);
    m_infoMemo->setObjectName(QStringLiteral("AuswahlInfoMemo"));
    m_infoMemo->setReadOnly(true);
    m_infoMemo->setFont(Theme::captionFont());
    m_infoMemo->setFocusPolicy(Qt::ClickFocus);

    m_download = addPage(QStringLiteral("download"));
    makeLabel(m_download, QStringLiteral("Label9"), {0, 0, kPageWidth, 20}, title,
              Theme::kGoldLight);
    makeLabel(m_download, QStringLiteral("Label10"), {0, 28, kPageWidth, 48}, body);
    m_downloadLabel = makeLabel(m_download, QStringLiteral("FilenameDownloadLabel"),
                                {0, 86, kPageWidth, 40}, Theme::captionFont());
    m_downloadBar = makeBar(m_download, QStringLiteral("progressbar1"), 128);
    m_zipLabel = makeLabel(m_download, QStringLiteral("FilenameZipLabel"), {0, 156, kPageWidth, 40},
                           Theme::captionFont());
    m_zipBar = makeBar(m_download, QStringLiteral("zipprogressbar"), 198);

    m_fertig = addPage(QStringLiteral("fertig"));
    makeLabel(m_fertig, QStringLiteral("Label11"), {0, 0, kPageWidth, 20}, title,
              Theme::kGoldLight);
    m_closingLabel = makeLabel(m_fertig, QStringLiteral("AbschlussmessageLabel"),
                               {0, 28, kPageWidth, 160}, body);
}

// The instruction takes as many lines as its text needs in the language shown; the list keeps
// its size, and the description box gets the rest.
void TOnlineupdateForm::layoutSelectionPage() {
    const int hintHeight = m_hintLabel->heightForWidth(kPageWidth);
    m_hintLabel->setGeometry(0, kHintTop, kPageWidth, hintHeight);
    int top = kHintTop + hintHeight + 2;
    m_infoLabel->setGeometry(0, top, kPageWidth, kInfoHeight);
    top += kInfoHeight + 2;
    m_list->setGeometry(0, top, kPageWidth, kListHeight);
    top += kListHeight + 4;
    m_infoMemo->setGeometry(0, top, kPageWidth, kPageHeight - top);
}

void TOnlineupdateForm::buildButtons() {
    const auto make = [this](const char* name, int index) {
        auto* button = new TFlatButton(this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(kPageLeft + index * (kButtonWidth + kButtonGap), kButtonTop,
                            kButtonWidth, kButtonHeight);
        return button;
    };
    m_back = make("ZurueckButton", 0);
    m_back->setEnabled(false);  // there is no way back
    m_proceed = make("WeiterButton", 1);
    m_cancel = make("AbbrechenButton", 2);
    connect(m_proceed, &QAbstractButton::clicked, this, &TOnlineupdateForm::WeiterButtonClick);
    connect(m_cancel, &QAbstractButton::clicked, this, &TOnlineupdateForm::Abbrechen);
}

void TOnlineupdateForm::open() {
    FormShow();
    showModal();
}

void TOnlineupdateForm::FormShow() {
    layoutSelectionPage();  // the language's texts are in place now
    showPage(m_start);
    setBusy(false);
    m_proceed->setEnabled(true);
    m_cancel->setText(m_services.catalogue.text(Msg::MsgCancel));
    m_proceed->setFocus(Qt::OtherFocusReason);
}

QString TOnlineupdateForm::currentPage() const {
    return m_pages->currentWidget()->objectName();
}

void TOnlineupdateForm::showPage(QWidget* page) {
    m_pages->setCurrentWidget(page);
}

// While the program goes on line and fetches the catalogue, Proceed waits and the cursor
// says so; Cancel, Escape and the help stay usable.
void TOnlineupdateForm::setBusy(bool busy) {
    m_busy = busy;
    enableProceed(!busy);
    if (busy) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
    }
}

// A disabled Proceed hands its focus to the window itself, not to the next button: Enter then
// means Proceed and is ignored, instead of pressing Cancel.
void TOnlineupdateForm::enableProceed(bool enabled) {
    if (!enabled && focusWidget() == m_proceed) {
        setFocus(Qt::OtherFocusReason);
    }
    m_proceed->setEnabled(enabled);
}

void TOnlineupdateForm::closeWizard() {
    setBusy(false);
    hide();
}

void TOnlineupdateForm::WeiterButtonClick() {
    if (!m_proceed->isEnabled()) {
        return;
    }
    if (m_pages->currentWidget() == m_start) {
        setBusy(true);
        m_update->goOnlineAndFetchCatalogue([this](Outcome outcome) { catalogueFetched(outcome); });
    } else if (m_pages->currentWidget() == m_auswahl) {
        DownloadStart();
    }
}

void TOnlineupdateForm::catalogueFetched(Outcome outcome) {
    setBusy(false);
    switch (outcome) {
        case Outcome::NoConnection:
            return;  // the user may try again
        case Outcome::ShowList:
            showPage(m_auswahl);
            AuswahlBoxEinlesen();
            m_list->setFocus(Qt::OtherFocusReason);
            break;
        case Outcome::MessageShown:
        case Outcome::Damaged:
            m_update->cancel();  // nothing more to do with this catalogue
            closeWizard();
            break;
        case Outcome::FetchFailed:
            closeWizard();
            return;  // the update server did not answer: no banner from it either
    }
    // The update server has answered: a fresh banner may come from it too (refused while one
    // is on its way or once one has arrived).
    m_online.banner.BannerUpdate();
}

void TOnlineupdateForm::AuswahlBoxEinlesen() {
    const UpdateCatalogue& catalogue = m_update->catalogue();
    m_list->clear();
    m_infoMemo->clear();
    m_infoLabel->setText(catalogue.head().info);
    for (const CatalogueGroup& group : catalogue.groups()) {
        const int g = m_list->addGroup(group.heading);
        for (const CataloguePackage& package : group.packages) {
            m_list->addRow(g, package.rowText());
        }
        m_list->setGroupExpanded(g, group.expanded);
    }
    // Date and size stay in view however long a package's name is.
    m_list->fitTabStops(10, 20, true);
}

// The boxes show the selection: a package is ticked exactly when its archive is selected, so
// two rows naming one archive tick and clear together, and a refused tick clears again.
void TOnlineupdateForm::renderTicks() {
    const UpdateCatalogue& catalogue = m_update->catalogue();
    const PackageSelection& selection = m_update->selection();
    for (int g = 0; g < int(catalogue.groups().size()); ++g) {
        const auto& packages = catalogue.groups()[size_t(g)].packages;
        for (int k = 0; k < int(packages.size()); ++k) {
            const CataloguePackage& package = packages[size_t(k)];
            m_list->setRowChecked(g, k,
                                  package.available() && selection.contains(package.fileName));
        }
    }
}

void TOnlineupdateForm::AuswahlBoxCheckBoxClick(int group, int index, bool checked) {
    m_infoMemo->setPlainText(m_update->packageText(group, index));
    m_update->setTicked(group, index, checked);
    renderTicks();
}

void TOnlineupdateForm::AuswahlBoxSubItemClick(int group, int index) {
    m_infoMemo->setPlainText(m_update->packageText(group, index));
}

void TOnlineupdateForm::DownloadStart() {
    if (!m_update->startDownload()) {
        return;  // nothing ticked: the message was shown, the page stays
    }
    enableProceed(false);
    renderRun();
    if (m_update->run()->next() != DownloadRun::Action::Finished) {
        showPage(m_download);
    }
}

void TOnlineupdateForm::renderRun() {
    const DownloadRun* run = m_update->run();
    if (run == nullptr) {
        return;
    }
    const DownloadRun::View& view = run->view();
    m_downloadLabel->setText(view.downloadLabel);
    m_downloadBar->setValue(view.downloadProgress);
    m_zipLabel->setText(view.zipLabel);
    m_zipLabel->setVisible(view.zipLineVisible);
    m_zipBar->setVisible(view.zipLineVisible);
    m_zipBar->setValue(view.unpackProgress);
    m_closingLabel->setText(view.closingText);
}

void TOnlineupdateForm::runFinished() {
    renderRun();
    enableProceed(false);
    m_cancel->setText(m_services.catalogue.text(Msg::MsgClose));
    showPage(m_fertig);
    m_cancel->setFocus(Qt::OtherFocusReason);
}

// Cancel, the close icon, and Close on the last page.
void TOnlineupdateForm::Abbrechen() {
    if (m_pages->currentWidget() == m_fertig) {
        setCursor(Qt::BusyCursor);
        m_update->closeAfterRun(m_services.shell);
        closeWizard();
        return;
    }
    if (m_services.dialog.question(m_services.catalogue.text(Msg::MsgAskCancelUpdate), 307,
                                   false) != AnswerYes) {
        return;
    }
    m_update->cancel();
    closeWizard();
}

void TOnlineupdateForm::formKeyPress(QKeyEvent* event) {
    if (pressEnter(this, event, [this] { WeiterButtonClick(); })) {
        return;
    }
    switch (event->key()) {
        case Qt::Key_Escape:
            // At once, without the question and without the start files.
            event->accept();
            m_update->cancel();
            closeWizard();
            return;
        case Qt::Key_F1:
            event->accept();
            m_services.help.HelpJump(helpTopic());
            return;
        default:
            break;
    }
    TShapedForm::formKeyPress(event);
}

// The window closed by other means (the window manager, the end of the program) stops
// everything like Escape.
void TOnlineupdateForm::closeEvent(QCloseEvent* event) {
    m_update->cancel();
    setBusy(false);
    TShapedForm::closeEvent(event);
}

}  // namespace trivanto
