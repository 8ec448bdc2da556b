#pragma once

#include "core/game/game_types.h"
#include "core/questions/question_file.h"

namespace trivanto {

// The game question list ("game.log", the first block of a saved game): slot k + 1 holds
// questions[k], texts scrambled; the header and the slots after the game stay empty.
TQuestionFile gameQuestionList(const GameQuestions& questions);
// Slots 1..n of a game question list as plain texts (n at most 200).
GameQuestions gameQuestionsOf(const TQuestionFile& list, int n);

}  // namespace trivanto
