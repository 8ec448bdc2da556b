// Rendering the engine's view onto the board's controls.
#include <QFontMetrics>
#include <QLabel>

#include "core/game/game_engine.h"
#include "ui/game/board_layout.h"
#include "ui/game/game_board.h"
#include "ui/widgets/accessible_names.h"
#include "ui/widgets/artwork.h"
#include "ui/widgets/fit_text.h"
#include "ui/widgets/player_picture.h"
#include "ui/widgets/select_all_edit.h"
#include "ui/widgets/t_dot_matrix_label.h"
#include "ui/widgets/t_flat_button.h"
#include "ui/widgets/text_label.h"
#include "ui/widgets/theme.h"

namespace trivanto {

namespace {

void setColour(QLabel* label, const QColor& colour) {
    setTextColour(label, colour);
}

// A caption too long for one line is broken at the blank nearest its middle.
void fitOnTwoLines(QPushButton* button) {
    QString text = button->text().replace(QLatin1Char('\n'), QLatin1Char(' '));
    const QFont font = Theme::captionFont();
    if (QFontMetrics(font).horizontalAdvance(text) > button->width() - 24) {
        const qsizetype middle = text.size() / 2;
        const qsizetype before = text.lastIndexOf(QLatin1Char(' '), middle);
        const qsizetype after = text.indexOf(QLatin1Char(' '), middle);
        qsizetype at = before < 0 ? after : before;
        if (after >= 0 && before >= 0 && after - middle < middle - before) {
            at = after;
        }
        if (at >= 0) {
            text[at] = QLatin1Char('\n');
        }
    }
    button->setFont(font);
    button->setText(text);
}

// The sum, its currency and the star of a scaled score stay on one line: the blanks after the
// last digit become non-breaking.
QString keepSumTogether(QString line) {
    qsizetype lastDigit = line.size() - 1;
    while (lastDigit >= 0 && !line.at(lastDigit).isDigit()) {
        --lastDigit;
    }
    for (qsizetype i = lastDigit + 1; i < line.size(); ++i) {
        if (line.at(i) == QLatin1Char(' ')) {
            line[i] = QChar(QChar::Nbsp);
        }
    }
    return line;
}

}  // namespace

void TGameBoard::render() {
    const GameView& view = m_engine.view();
    renderSeats(view);

    m_rahmen->setVisible(view.frameVisible);
    m_rahmen->move(board_layout::seatLeft(view.frameSeat), board_layout::kSeatTop);

    m_betPanel->setVisible(view.panel == SidePanel::PanelGeldsetzen);
    m_goOnPanel->setVisible(view.panel == SidePanel::PanelWeiter);
    m_endPanel->setVisible(view.panel == SidePanel::PanelOnlineupdate);
    setFittedLabelText(m_currentPlayer, view.currentPlayerName, Theme::titleFont());
    m_endText->setText(view.endPanelText);
    m_submitButton->setVisible(view.submitVisible);
    fitOnTwoLines(m_submitButton);

    m_countdown->setVisible(view.countdownVisible);
    m_countdown->setText(view.countdownText);

    renderQuestionArea(view);
    placeFocus(view);
}

void TGameBoard::renderSeats(const GameView& view) {
    for (std::size_t i = 0; i < m_seats.size(); ++i) {
        Seat& seat = m_seats[i];
        const SeatView& data = view.seats[i];
        // Own pictures come from disk: load them only when the seat's picture changes.
        if (!seat.hasPicture || !(seat.shown == data.picture)) {
            seat.picture->setPixmap(seatPixmap(data.picture));
            seat.shown = data.picture;
            seat.hasPicture = true;
        }
        const QColor colour = data.taken ? Theme::kText : Theme::kEmptySeat;
        setFittedLabelText(seat.name, data.name, Theme::boldBodyFont());
        setColour(seat.name, colour);
        setColour(seat.caption, colour);
        seat.display->setText(data.accountText);
        seat.display->setColourScheme(data.taken ? TDotMatrixLabel::ColourScheme::White
                                                 : TDotMatrixLabel::ColourScheme::Red);
    }
}

void TGameBoard::renderQuestionArea(const GameView& view) {
    const Screen s = view.screen;
    m_question->setText(view.questionText);
    m_question2->setText(view.questionText);
    for (std::size_t k = 0; k < m_answers.size(); ++k) {
        m_answers[k]->setPlainText(view.answers[k], Theme::bodyFont());
        // A screen reader hears the question with the answer that has the focus.
        m_answers[k]->setAccessibleDescription(view.questionText);
    }
    m_question->setVisible(s == Screen::XFrage);
    m_answerPanel->setVisible(s == Screen::XFrage);

    const bool guessing = s == Screen::XSchaetzfrage;
    m_question2->setVisible(guessing);
    m_guessPanel->setVisible(guessing);
    m_guessOkPanel->setVisible(guessing);
    m_guessPanel->resize(m_guessPanel->width(), view.guessFieldCount * board_layout::kGuessRow);
    for (std::size_t i = 0; i < m_guessLabels.size(); ++i) {
        const bool shown = static_cast<int>(i) < view.guessFieldCount;
        setFittedLabelText(m_guessLabels[i], view.guessLabels[i], Theme::boldBodyFont());
        m_guessFields[i]->setAccessibleName(view.guessLabels[i]);
        m_guessLabels[i]->setVisible(guessing && shown);
        m_guessFields[i]->setVisible(shown);
    }

    m_rightImage->setVisible(s == Screen::XRichtig);
    const bool wrong = s == Screen::XFalsch;
    m_wrongImage->setVisible(wrong);
    m_rightAnswerCaption->setVisible(wrong);
    m_rightAnswer->setVisible(wrong);
    m_rightAnswer->setText(view.rightAnswerText);

    const bool joker = s == Screen::XJoker;
    m_jokerImage->setVisible(joker);
    m_jokerText->setVisible(joker);
    // The engine breaks the joker text with a carriage return.
    m_jokerText->setText(QString(view.jokerText).replace(QLatin1Char('\r'), QLatin1Char('\n')));

    const bool exact = s == Screen::XSchaetzfrageExakt;
    m_estimationImage->setVisible(exact);
    m_exactAnswer->setVisible(exact);
    m_closest->setVisible(exact);
    if (exact) {
        m_exactAnswer->setText(view.exactAnswerText);
    }
    m_closest->setText(view.closestText);

    const bool end = s == Screen::XEnde;
    m_endImage->setVisible(end);
    m_winner->setVisible(end);
    m_footnote->setVisible(end);
    if (end) {
        m_winner->setText(keepSumTogether(view.winnerText));
    }
    m_footnote->setText(view.footnoteText);
    announceResult();
}

// The result screen in words, as the pictures and lines show it ("Wrong! The correct answer
// is: ..."): told to screen readers once per result, and kept as the description of "Proceed",
// which has the focus.
void TGameBoard::announceResult() {
    QStringList parts;
    for (QLabel* shown :
         {m_rightImage, m_wrongImage, m_rightAnswerCaption, m_rightAnswer, m_jokerImage,
          m_jokerText, m_estimationImage, m_exactAnswer, m_closest, m_endImage, m_winner}) {
        const QString text = accessibility::nameOf(shown).simplified();
        if (!shown->isHidden() && !text.isEmpty()) {
            parts.append(text);
        }
    }
    const QString result = parts.join(QLatin1Char(' '));
    if (result != m_announced) {
        m_announced = result;
        accessibility::announce(m_goOn, result);
    }
}

}  // namespace trivanto
