#include "ui/game/game_board.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>

#include "core/game/game_engine.h"
#include "ui/common/window_text_applier.h"
#include "ui/game/board_layout.h"
#include "ui/widgets/artwork.h"
#include "ui/widgets/picture_on_show.h"
#include "ui/widgets/select_all_edit.h"
#include "ui/widgets/t_dot_matrix_label.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"

namespace trivanto {

namespace {

QLabel* makeImage(QWidget* parent, const QString& name, QRect geometry, const QPixmap& picture) {
    auto* image = makeTextLabel(parent, name, geometry, Theme::bodyFont());
    image->setPixmap(picture);
    image->setScaledContents(true);
    return image;
}

QWidget* makePanel(QWidget* parent, const QString& name, QRect geometry) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setAttribute(Qt::WA_NoSystemBackground);
    return panel;
}

TFlatButton* makeButton(QWidget* parent, const QString& name, QRect geometry,
                        const QString& text = {}) {
    auto* button = new TFlatButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(geometry);
    return button;
}

}  // namespace

TGameBoard::TGameBoard(GameEngine& engine, QWidget* parent) : QWidget(parent), m_engine(engine) {
    setObjectName(QStringLiteral("GameBoard"));
    setAttribute(Qt::WA_NoSystemBackground);
    resize(board_layout::kBoardSize);
    buildSeats();
    buildPanels();
    buildQuestionArea();
    buildResults();
    // The design captions, until the language table replaces them.
    applyWindowTexts(this, resolvedWindowTexts(QStringLiteral("TMainForm"), Language::Deutsch));
    connectEngine();
    render();
}

void TGameBoard::buildSeats() {
    using namespace board_layout;
    for (int n = 1; n <= kMaxPlayers; ++n) {
        Seat& seat = m_seats[static_cast<std::size_t>(n - 1)];
        const int left = seatLeft(n);
        const auto at = [left](QRect part) { return part.translated(left, kSeatTop); };
        seat.picture = makeImage(this, QStringLiteral("ImageSpieler%1").arg(n), at(kSeatPicture),
                                 artwork::placeholderPicture());
        seat.name = makeTextLabel(this, QStringLiteral("LabelSpieler%1").arg(n), at(kSeatName),
                                  Theme::boldBodyFont());
        seat.name->setAlignment(Qt::AlignCenter);
        seat.caption = makeTextLabel(this, QStringLiteral("GuthabenLabel%1").arg(n),
                                     at(kSeatCaption), Theme::captionFont());
        seat.caption->setAlignment(Qt::AlignCenter);
        seat.display = new TDotMatrixLabel(this);
        seat.display->setObjectName(QStringLiteral("LCD%1").arg(n));
        seat.display->setCharCount(9);
        seat.display->setDotPitch(2);
        seat.display->setGeometry(at(kSeatDisplay));
        seat.display->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    // Above the seats: the frame's inside is transparent.
    m_rahmen = makeImage(this, QStringLiteral("ImageRahmen"),
                         QRect(QPoint(seatLeft(1), kSeatTop), kSeatFrameSize), QPixmap());
    setPictureWhenShown(m_rahmen, [] { return artwork::seatFramePicture(); });
}

void TGameBoard::buildPanels() {
    using namespace board_layout;
    m_betPanel = makePanel(this, QStringLiteral("PanelGeldsetzen"), kPanelArea);
    // Whenever the panel itself gets the focus, it goes on to the bet field. Not a Tab stop:
    // Shift+Tab from the field would land on the panel and bounce back.
    m_betPanel->setFocusPolicy(Qt::ClickFocus);
    m_betPanel->installEventFilter(this);
    m_currentPlayer =
        makeTextLabel(m_betPanel, QStringLiteral("AktuellerSpielerLabel"),
                      {0, 6, kPanelArea.width(), 22}, Theme::titleFont(), Theme::kGold);
    m_currentPlayer->setAlignment(Qt::AlignCenter);
    auto* prompt = makeTextLabel(m_betPanel, QStringLiteral("Label1"),
                                 {4, 34, kPanelArea.width() - 8, 44}, Theme::bodyFont());
    prompt->setWordWrap(true);
    prompt->setAlignment(Qt::AlignCenter);
    m_bet = new TSelectAllEdit(m_betPanel);
    m_bet->setObjectName(QStringLiteral("Geldsetzen"));
    m_bet->setMaxLength(10);
    m_bet->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_bet->setGeometry(10, 86, kPanelArea.width() - 20, 26);
    prompt->setBuddy(m_bet);  // screen readers name the field by the question above it
    auto* max = makeButton(m_betPanel, QStringLiteral("FlatButton1"), {10, 120, 50, 28},
                           QStringLiteral("MAX"));
    auto* accept = makeButton(m_betPanel, QStringLiteral("GeldgesetztButton"),
                              {64, 120, kPanelArea.width() - 74, 28});
    connect(max, &QPushButton::clicked, this, [this] { m_engine.fillMaximumBet(); });
    connect(accept, &QPushButton::clicked, this, &TGameBoard::betEntered);
    m_bet->installEventFilter(this);

    m_goOnPanel = makePanel(this, QStringLiteral("PanelWeiter"), kPanelArea);
    m_goOn = makeButton(m_goOnPanel, QStringLiteral("GoOn"), {10, 86, kPanelArea.width() - 20, 34});
    connect(m_goOn, &QPushButton::clicked, this, [this] { m_engine.proceed(); });

    m_endPanel = makePanel(this, QStringLiteral("PanelOnlineupdate"), kPanelArea);
    m_endText = makeTextLabel(m_endPanel, QStringLiteral("Label5"),
                              {4, 6, kPanelArea.width() - 8, 150}, Theme::bodyFont());
    m_endText->setWordWrap(true);
    m_endText->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_submitButton = makeButton(m_endPanel, QStringLiteral("OnlinehighscoreButton"),
                                {0, 166, kPanelArea.width(), 40});
    m_submitButton->setFont(Theme::captionFont());
    connect(m_submitButton, &QPushButton::clicked, this, [this] {
        if (m_submit) {
            m_submit();
        }
    });

    m_countdown = new TDotMatrixLabel(this);
    m_countdown->setObjectName(QStringLiteral("Label3"));
    m_countdown->setCharCount(2);
    m_countdown->setColourScheme(TDotMatrixLabel::ColourScheme::Amber);
    m_countdown->setDotPitch(7);
    const QSize size = m_countdown->sizeHint();
    m_countdown->setGeometry(kPanelArea.center().x() - size.width() / 2, kPanelArea.top() + 40,
                             size.width(), size.height());
    m_countdown->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TGameBoard::buildQuestionArea() {
    using namespace board_layout;
    m_question =
        makeTextLabel(this, QStringLiteral("FrageLabel"), kQuestionLine, Theme::questionFont());
    m_question2 =
        makeTextLabel(this, QStringLiteral("FrageLabel2"), kQuestionLine, Theme::questionFont());
    for (QLabel* label : {m_question, m_question2}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
    }

    m_answerPanel = makePanel(this, QStringLiteral("AntwortButtonPanel"), kAnswerPanel);
    for (int k = 1; k <= 4; ++k) {
        const int column = (k - 1) % 2;
        const int row = (k - 1) / 2;
        const QRect place(column * (kAnswerSize.width() + kAnswerGap),
                          row * (kAnswerSize.height() + kAnswerGap), kAnswerSize.width(),
                          kAnswerSize.height());
        auto* button = makeButton(m_answerPanel, QStringLiteral("Antwort%1Button").arg(k), place);
        button->setFont(Theme::bodyFont());
        m_answers[static_cast<std::size_t>(k - 1)] = button;
        connect(button, &QPushButton::clicked, this, [this, k] { m_engine.chooseAnswer(k); });
    }

    m_guessPanel = makePanel(this, QStringLiteral("SchaetzfragenEditsPanel"),
                             {kGuessFieldLeft, kGuessTop, kGuessFieldWidth, 2 * kGuessRow});
    for (int n = 1; n <= kMaxPlayers; ++n) {
        const auto i = static_cast<std::size_t>(n - 1);
        const int top = (n - 1) * kGuessRow;
        m_guessLabels[i] = makeTextLabel(
            this, QStringLiteral("SchaetzungLabelSpieler%1").arg(n),
            {kGuessLabelLeft, kGuessTop + top, kGuessLabelWidth, kGuessRow}, Theme::boldBodyFont());
        m_guessLabels[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* field = new TSelectAllEdit(m_guessPanel);
        field->setObjectName(QStringLiteral("SchaetzungSpieler%1").arg(n));
        field->setGeometry(0, top, kGuessFieldWidth, kGuessRow);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QFont font = Theme::bodyFont();
        font.setPixelSize(kGuessRow - 5);
        field->setFont(font);
        m_guessFields[i] = field;
        field->installEventFilter(this);
    }
    m_guessOkPanel =
        makePanel(this, QStringLiteral("SchaetzfrageWeiterButtonPanel"), kGuessOkPanel);
    auto* ok = makeButton(m_guessOkPanel, QStringLiteral("TippsOK"), m_guessOkPanel->rect());
    connect(ok, &QPushButton::clicked, this, [this] { m_engine.SchaetzungAuswerten(guesses()); });
}

void TGameBoard::buildResults() {
    using namespace board_layout;
    // Drawn when a result first shows.
    const auto picture = [this](const char* name, artwork::ResultPicture kind) {
        QLabel* image = makeImage(this, QLatin1String(name), kResultImage, QPixmap());
        setPictureWhenShown(image, [kind] { return artwork::resultPicture(kind); });
        return image;
    };
    const auto text = [this](const char* name, QRect place, const QFont& font, const QColor& c) {
        QLabel* label = makeTextLabel(this, QLatin1String(name), place, font, c);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        return label;
    };
    m_rightImage = picture("RichtigImage", artwork::ResultPicture::Right);
    m_wrongImage = picture("FalschImage", artwork::ResultPicture::Wrong);
    m_rightAnswerCaption =
        text("RichtigeAntwortLabel", kResultLine1, Theme::bodyFont(), Theme::kText);
    m_rightAnswer =
        text("RichtigeAntwortLabel2", kResultLine2, Theme::questionFont(), Theme::kGold);
    m_jokerImage = picture("JokerImage", artwork::ResultPicture::Joker);
    m_jokerText = text("JokerTextLabel", kResultText, Theme::boldBodyFont(), Theme::kGoldLight);
    m_estimationImage = picture("SchaetzfrageImage", artwork::ResultPicture::Estimation);
    m_exactAnswer = text("ExakteAntwortLabel", kResultLine1, Theme::boldBodyFont(), Theme::kText);
    m_closest = text("NahDran", kResultLine2, Theme::boldBodyFont(), Theme::kGold);
    m_endImage = picture("EndeImage", artwork::ResultPicture::End);
    m_winner = text("GewinnerLabel", kResultText, Theme::questionFont(), Theme::kGold);
    m_footnote = text("hinweislabel", kFootnote, Theme::captionFont(), Theme::kTextMuted);
}

void TGameBoard::connectEngine() {
    connect(&m_engine, &GameEngine::changed, this, &TGameBoard::render);
    connect(&m_engine, &GameEngine::betFieldReset, this, [this](const QString& text) {
        m_bet->setText(text);
        m_bet->selectAll();
        m_bet->setFocus();
    });
    connect(&m_engine, &GameEngine::guessFieldsCleared, this, [this] {
        for (TSelectAllEdit* field : m_guessFields) {
            field->clear();
        }
    });
    connect(&m_engine, &GameEngine::focusRequested, this, &TGameBoard::focusTarget);
}

void TGameBoard::focusTarget(FocusTarget target) {
    if (target == FocusTarget::BetField) {
        m_bet->setFocus();
        return;
    }
    const int n = static_cast<int>(target) - static_cast<int>(FocusTarget::GuessField1);
    m_guessFields[static_cast<std::size_t>(n)]->setFocus();
}

void TGameBoard::placeFocus(const GameView& view) {
    if (view.screen == m_focusScreen && view.panel == m_focusPanel) {
        return;
    }
    m_focusScreen = view.screen;
    m_focusPanel = view.panel;
    // The answer area itself holds the focus: no answer looks chosen, and Enter or Space
    // cannot pick one by accident; Tab goes on to the answer buttons.
    if (view.screen == Screen::XFrage) {
        m_answerPanel->setFocus(Qt::OtherFocusReason);
    } else if (view.panel == SidePanel::PanelWeiter) {
        m_goOn->setFocus(Qt::OtherFocusReason);
    } else if (view.panel == SidePanel::PanelOnlineupdate && view.submitVisible) {
        m_submitButton->setFocus(Qt::OtherFocusReason);
    }
}

bool TGameBoard::answerKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const int k = event.key() - Qt::Key_0;
    if (modifiers != Qt::NoModifier || k < 1 || k > 4 || !m_answerPanel->isVisibleTo(this)) {
        return false;
    }
    QPushButton* button = m_answers[static_cast<std::size_t>(k - 1)];
    if (button->isEnabled() && !event.isAutoRepeat()) {
        button->click();
    }
    return true;
}

void TGameBoard::betEntered() {
    // The engine takes a bet only while its turn is at the bet.
    m_engine.EinsatzPruefen(m_bet->text());
}

std::array<QString, kMaxPlayers> TGameBoard::guesses() const {
    std::array<QString, kMaxPlayers> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        texts[i] = m_guessFields[i]->text();
    }
    return texts;
}

bool TGameBoard::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_betPanel && event->type() == QEvent::FocusIn) {
        m_bet->setFocus();
        m_bet->selectAll();
    }
    // Enter in a field is used up here: passed on, it would reach the window's shortcut of the
    // result screen that it has just opened.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == m_bet) {
                event->accept();  // else the key travels on to the parents
                betEntered();
                return true;
            }
            for (int n = 1; n <= kMaxPlayers; ++n) {
                if (watched == m_guessFields[static_cast<std::size_t>(n - 1)]) {
                    event->accept();
                    m_engine.guessEntered(n, guesses());
                    return true;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace trivanto
