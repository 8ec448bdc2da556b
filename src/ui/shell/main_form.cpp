#include "ui/shell/main_form.h"

#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMovie>
#include <QScreen>

#include "core/app/help_viewer.h"
#include "core/app/message_dialog.h"
#include "core/app/settings_saver.h"
#include "core/app/settings_store.h"
#include "core/app/shell_opener.h"
#include "core/game/sound_cues.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"
#include "core/update/banner_picture.h"
#include "ui/common/window_text_applier.h"
#include "ui/widgets/fit_text.h"
#include "ui/widgets/lazy_picture.h"
#include "ui/widgets/main_layout.h"
#include "ui/widgets/t_picture_button.h"
#include "ui/widgets/theme.h"
#include "ui/widgets/title_bar.h"

namespace trivanto {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QFont& font) {
    return makePictureLabel(parent, QLatin1String(name), font);
}

// Slot 0 is the rightmost of the small buttons at the top right.
TPictureButton* makeSmallButton(QWidget* parent, const char* name, artwork::SmallButton kind,
                                int slot) {
    const int rightmostLeft = main_layout::kSmallButtonRight - artwork::kSmallButtonSize.width();
    return makeTitleBarButton(
        parent, QLatin1String(name), kind,
        {rightmostLeft - slot * main_layout::kSmallButtonStep, main_layout::kSmallButtonTop});
}

// The eight large buttons, left to right; each shows picture 2i and 2i + 1 under the mouse.
constexpr const char* kLargeButtons[] = {
    "NeuesSpielButton",    "OeffnenButton",      "SpeichernButton", "BestenlisteButton",
    "FragenkatalogButton", "OnlineupdateButton", "HilfeButton",     "BeendenButton",
};

// The invisible button in the banner's lower right corner that leads to our web site.
constexpr QRect kWebButton{104, 413, 45, 51};

}  // namespace

TMainForm::TMainForm(const Services& services, QWidget* parent)
    : TShapedForm(parent), m_services(services) {
    setObjectName(QStringLiteral("Mainform"));
    setWindowTitle(QStringLiteral("Trivanto 1.04"));
    setWindowStyle(artwork::WindowStyle::Main);
    setFixedSize(640, 479);
    // The largest picture of the start, drawn meanwhile on a thread of its own: the window shows
    // only after every other window has been made.
    drawBackgroundAhead();
    setMovable(false);
    setTakesKeysFirst(true);
    buildControls();
    FormCreate();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
}

TMainForm::~TMainForm() = default;

void TMainForm::buildControls() {
    // First child, so everything else stays above the board.
    m_gameLayer = new QWidget(this);
    m_gameLayer->setObjectName(QStringLiteral("GameLayer"));
    m_gameLayer->setGeometry(rect());
    m_gameLayer->setAttribute(Qt::WA_NoSystemBackground);

    m_title = makeLabel(this, "Label2", Theme::titleFont());
    m_title->move(main_layout::kTitle);
    m_questionCounter = makeLabel(this, "AktuelleFrageLabel", Theme::captionFont());

    auto* info = makeSmallButton(this, "Button1", artwork::SmallButton::Info, 3);
    auto* help = makeSmallButton(this, "Button2", artwork::SmallButton::Help, 2);
    auto* minimise = makeSmallButton(this, "Button4", artwork::SmallButton::Minimise, 1);
    auto* close = makeSmallButton(this, "Button3", artwork::SmallButton::Close, 0);
    connect(info, &QAbstractButton::clicked, this,
            [this] { runOrNotFinished(m_actions.showInfo); });
    connect(help, &QAbstractButton::clicked, this, [this] { HelpJump(QStringLiteral("INDEX")); });
    connect(minimise, &QAbstractButton::clicked, this, &TMainForm::minimiseApplication);
    connect(close, &QAbstractButton::clicked, this, &TMainForm::ProgrammBeenden);

    // Each button takes its whole step, so captions have room.
    const int margin = (main_layout::kLargeButtonStep - main_layout::kLargeButton.width()) / 2;
    QRect place = main_layout::kLargeButton.adjusted(-margin, 0, margin, 0);
    auto& large = m_largeButtons;
    for (std::size_t i = 0; i < large.size(); ++i) {
        auto* button = new TPictureButton(this);
        button->setObjectName(QLatin1String(kLargeButtons[i]));
        const int picture = static_cast<int>(2 * i);
        button->setPictures(artwork::lazyButtonPicture(picture),
                            artwork::lazyButtonPicture(picture + 1));
        button->setFont(Theme::largeButtonFont());
        button->setGeometry(place);
        // Tab reaches them, a click does not take the focus from the bet or guess field.
        button->setFocusPolicy(Qt::TabFocus);
        large[i] = button;
        place.translate(main_layout::kLargeButtonStep, 0);
    }
    m_newGameButton = large[0];
    m_openButton = large[1];
    m_saveButton = large[2];
    m_exitButton = large[7];
    connect(large[0], &QAbstractButton::clicked, this, &TMainForm::NeuesSpielButtonClick);
    connect(large[1], &QAbstractButton::clicked, this, [this] {
        if (!busy()) {
            runOrNotFinished(m_game.openGame);
        }
    });
    connect(large[2], &QAbstractButton::clicked, this, [this] {
        if (!busy()) {
            runOrNotFinished(m_game.SpielSpeichern);
        }
    });
    connect(large[3], &QAbstractButton::clicked, this,
            [this] { runOrNotFinished(m_actions.showHighscores); });
    connect(large[4], &QAbstractButton::clicked, this,
            [this] { runOrNotFinished(m_actions.showEditor); });
    connect(large[5], &QAbstractButton::clicked, this,
            [this] { runOrNotFinished(m_actions.showUpdate); });
    connect(large[6], &QAbstractButton::clicked, this,
            [this] { HelpJump(QStringLiteral("INDEX")); });
    connect(large[7], &QAbstractButton::clicked, this, &TMainForm::BeendenButtonClick);
    // The keyboard starts on "New Game": Enter or Space opens the setup.
    large[0]->setFocus(Qt::OtherFocusReason);

    m_soundButton = new TPictureButton(this);
    m_soundButton->setObjectName(QStringLiteral("TonButton"));
    m_soundButton->setGeometry(main_layout::kSoundButton);
    m_soundButton->setFocusPolicy(Qt::TabFocus);
    connect(m_soundButton, &QAbstractButton::clicked, this, &TMainForm::TonButtonClick);

    auto* web = new TPictureButton(this);
    web->setObjectName(QStringLiteral("ToolbarButton971"));
    web->setGeometry(kWebButton);
    web->setCursor(Qt::PointingHandCursor);
    web->setFocusPolicy(Qt::NoFocus);
    connect(web, &QAbstractButton::clicked, this, &TMainForm::ToolbarButton971Click);

    m_banner = new QLabel(this);
    m_banner->setObjectName(QStringLiteral("Banner"));
    m_banner->setGeometry(main_layout::kBanner);
    m_banner->setAttribute(Qt::WA_TransparentForMouseEvents);

    applyWindowTexts(this, resolvedWindowTexts(QStringLiteral("TMainForm"), Language::Deutsch));
}

void TMainForm::FormCreate() {
    loadBanner();
    updateSoundPicture();
    placeQuestionCounter();
}

void TMainForm::attachBoard(QWidget* board) {
    board->setParent(m_gameLayer);
    board->setGeometry(m_gameLayer->rect());
    board->show();
}

void TMainForm::loadBanner() {
    if (m_bannerMovie != nullptr) {
        m_banner->setMovie(nullptr);
        delete m_bannerMovie;
        m_bannerMovie = nullptr;
    }
    m_banner->clear();
    // A missing or unusable banner leaves the area empty; it is never an error.
    BannerPicture picture;
    const Result<QByteArray> bytes =
        readBannerPicture(bannerPath(m_services.paths.progDir), &picture);
    if (!bytes.ok()) {
        return;
    }
    if (picture.animated) {
        // The movie reads from its own copy, so the file can be replaced while it plays.
        auto* buffer = new QBuffer(m_banner);
        buffer->setData(bytes.value());
        buffer->open(QIODevice::ReadOnly);
        m_bannerMovie = new QMovie(buffer, picture.format, m_banner);
        buffer->setParent(m_bannerMovie);
        m_bannerMovie->setScaledSize(main_layout::kBanner.size());
        // Whatever the picture's own loop count, the banner plays until it is replaced.
        connect(m_bannerMovie, &QMovie::finished, m_bannerMovie, &QMovie::start);
        m_banner->setMovie(m_bannerMovie);
        m_bannerMovie->start();
        return;
    }
    // A still picture: the frame the check decoded, scaled to the screen's pixels, so a large
    // banner stays sharp at any zoom.
    const qreal ratio = m_banner->devicePixelRatioF();
    QImage scaled = picture.firstFrame.scaled(main_layout::kBanner.size() * ratio,
                                              Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(ratio);
    m_banner->setPixmap(QPixmap::fromImage(scaled));
}

void TMainForm::updateSoundPicture() {
    const int index = m_services.sound.SoundOn() ? 1 : 0;
    m_soundButton->setPicture(artwork::soundPicture(index));
    m_soundButton->setProperty("pictureIndex", index);
}

void TMainForm::fitButtonCaptions() {
    m_captionsToFit = true;
    if (isVisible()) {
        fitButtonCaptionsNow();
    }
}

void TMainForm::showEvent(QShowEvent* event) {
    if (m_captionsToFit) {
        fitButtonCaptionsNow();
    }
    TShapedForm::showEvent(event);
}

void TMainForm::fitButtonCaptionsNow() {
    m_captionsToFit = false;
    // Long captions of a language get a smaller font rather than being cut; the row of
    // captions keeps one size, that of the longest.
    QFont font = Theme::largeButtonFont();
    const auto fitsAll = [&] {
        const QFontMetrics metrics(font);
        for (const TPictureButton* button : m_largeButtons) {
            if (metrics.horizontalAdvance(button->text()) > button->width() - 4) {
                return false;
            }
        }
        return true;
    };
    while (font.pixelSize() > kLeastReadablePixels && !fitsAll()) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    for (TPictureButton* button : m_largeButtons) {
        button->setFont(font);
    }
}

void TMainForm::placeQuestionCounter() {
    fitButtonCaptions();
    m_title->adjustSize();
    m_questionCounter->move(m_title->x() + m_title->width() + 20, m_title->y());
    m_questionCounter->resize(std::max(m_questionCounter->sizeHint().width(), 200),
                              m_title->height());
}

bool TMainForm::gameInProgress() const {
    return m_game.gameInProgress && m_game.gameInProgress();
}

bool TMainForm::busy() const {
    return m_game.busy && m_game.busy();
}

void TMainForm::showQuestionCounter(const QString& text, bool visible) {
    m_questionCounter->setText(text);
    m_questionCounter->setVisible(visible);
}

void TMainForm::enableGameFiles(bool open, bool save) {
    m_openButton->setEnabled(open);
    m_saveButton->setEnabled(save);
}

void TMainForm::runOrNotFinished(const std::function<void()>& action) {
    if (action) {
        action();
    } else {
        NochNichtFertig();
    }
}

void TMainForm::NochNichtFertig() {
    // The same German text in both languages.
    m_services.dialog.notice(QStringLiteral("Diese Funktion ist noch nicht fertiggestellt."), 201,
                             false);
}

void TMainForm::HelpJump(const QString& topic) {
    m_services.help.HelpJump(topic);
}

SaveOffer TMainForm::offerToSave() {
    return m_game.offerToSave ? m_game.offerToSave() : SaveOffer::GoOn;
}

void TMainForm::NeuesSpielButtonClick() {
    if (busy()) {
        return;
    }
    if (!m_actions.showSetup) {
        NochNichtFertig();
        return;
    }
    // Cancel does not cancel the new game; only a save that could not be made keeps the
    // game, so it can be saved at its next bet.
    if (offerToSave() == SaveOffer::NotSaved) {
        return;
    }
    m_services.sound.play(Cue::NewGame);
    m_actions.showSetup();
}

void TMainForm::ProgrammBeenden() {
    if (busy() || (m_actions.confirmQuit && !m_actions.confirmQuit()) ||
        offerToSave() != SaveOffer::GoOn) {
        return;  // Cancel, or no save where one was wanted: the game goes on
    }
    m_closing = true;
    close();
}

void TMainForm::BeendenButtonClick() {
    if (busy()) {
        return;
    }
    m_services.sound.stop();
    ProgrammBeenden();
}

void TMainForm::TonButtonClick() {
    m_services.sound.toggleSound();
    m_services.saver.save();
    updateSoundPicture();
}

void TMainForm::minimiseApplication() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible()) {
            window->showMinimized();
        }
    }
}

void TMainForm::restoreApplication() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isMinimized()) {
            window->showNormal();
        }
    }
}

void TMainForm::ToolbarButton971Click() {
    minimiseApplication();
    m_services.shell.open(publisherUrl());
}

void TMainForm::formKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        event->accept();
        HelpJump(QStringLiteral("INDEX"));
        return;
    }
    // Ctrl+N and Ctrl+Q press "New Game" and "Exit" from anywhere in the window.
    TPictureButton* button = nullptr;
    if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_N) {
        button = m_newGameButton;
    } else if (event->modifiers() == Qt::ControlModifier && event->key() == Qt::Key_Q) {
        button = m_exitButton;
    }
    if (button != nullptr) {
        event->accept();
        if (!event->isAutoRepeat()) {
            button->click();
        }
        return;
    }
    TShapedForm::formKeyPress(event);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // The window manager's close goes through the same offer to save as the close button.
    if (!m_closing) {
        event->ignore();
        ProgrammBeenden();
        return;
    }
    m_closing = false;
    m_services.sound.stop();
    m_services.saver.save();
    TShapedForm::closeEvent(event);
    emit FormClose();
}

}  // namespace trivanto
