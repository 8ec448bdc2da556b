#pragma once

#include <QString>

#include "core/questions/question_file.h"

namespace trivanto {

class MessageCatalogue;
class MessageDialog;
class QuestionEditor;

// The settings of the search window.
struct SearchOptions {
    QString text;                // SuchenEdit
    bool up = true;              // obenradio "Up": towards higher slots; untenradio "Down": to 1
    bool caseSensitive = false;  // grosskleincheck
    bool inQuestions = true;     // FrageCheck
    bool inAnswers = true;       // AntwortCheck
};

// The next slot after `current` (scanning `current` to `count` up, or `current` down to 1)
// whose question or answers contain the text; 0 when there is none. The current slot itself
// is passed over, so searching again steps from match to match, and the scan never wraps.
// Without case sensitivity only the letters a to z are matched regardless of case.
int findQuestion(const TQuestionFile& file, int current, int count, const SearchOptions& options);

// The search window's model; its settings stay as they were between searches.
class QuestionSearch final {
public:
    QuestionSearch(MessageDialog& dialog, const MessageCatalogue& catalogue);

    SearchOptions& options() { return m_options; }
    const SearchOptions& options() const { return m_options; }

    // Makes the next match the editor's current slot (asking about unsaved typing first), or
    // tells that nothing matches. True when the editor moved.
    bool FrageSuchen(QuestionEditor& editor);

private:
    MessageDialog& m_dialog;
    const MessageCatalogue& m_catalogue;
    SearchOptions m_options;
};

}  // namespace trivanto
