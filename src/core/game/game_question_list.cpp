#include "core/game/game_question_list.h"

#include <algorithm>

namespace trivanto {

TQuestionFile gameQuestionList(const GameQuestions& questions) {
    TQuestionFile file;
    const std::size_t n = std::min<std::size_t>(questions.size(), kSlotCount);
    for (std::size_t k = 0; k < n; ++k) {
        storeSlot(file.entries[k + 1], questions[k]);
    }
    return file;
}

GameQuestions gameQuestionsOf(const TQuestionFile& list, int n) {
    GameQuestions questions;
    const int last = std::clamp(n, 0, kSlotCount);
    questions.reserve(static_cast<std::size_t>(last));
    for (int slot = 1; slot <= last; ++slot) {
        questions.push_back(loadSlot(list.entries[static_cast<std::size_t>(slot)]));
    }
    return questions;
}

}  // namespace trivanto
