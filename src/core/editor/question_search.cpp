#include "core/editor/question_search.h"

#include <algorithm>

#include "core/editor/editor_messages.h"
#include "core/editor/question_editor.h"

namespace trivanto {
namespace {

// Capitals for a to z only; umlauts and other letters keep their case.
QString asciiCapitals(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z')) {
            c = QChar(c.unicode() - u'a' + u'A');
        }
    }
    return out;
}

}  // namespace

int findQuestion(const TQuestionFile& file, int current, int count, const SearchOptions& options) {
    if (options.text.isEmpty() || (!options.inQuestions && !options.inAnswers)) {
        return 0;
    }
    const QString wanted = options.caseSensitive ? options.text : asciiCapitals(options.text);
    const auto matches = [&](const TQuestionField& field) {
        const QString text = LoadField(field, true);
        return (options.caseSensitive ? text : asciiCapitals(text)).contains(wanted);
    };
    const int step = options.up ? 1 : -1;
    const int last = options.up ? std::min(count, kSlotCount) : 1;
    for (int slot = current + step; current >= 1 && (options.up ? slot <= last : slot >= last);
         slot += step) {
        const auto& fields = file.entries[size_t(slot)].fields;
        if (options.inQuestions && matches(fields[FieldQuestion])) {
            return slot;
        }
        if (options.inAnswers) {
            for (int f = FieldAnswer1; f <= FieldAnswer4; ++f) {
                if (matches(fields[size_t(f)])) {
                    return slot;
                }
            }
        }
    }
    return 0;
}

QuestionSearch::QuestionSearch(MessageDialog& dialog, const MessageCatalogue& catalogue)
    : m_dialog(dialog), m_catalogue(catalogue) {}

bool QuestionSearch::FrageSuchen(QuestionEditor& editor) {
    const int found = findQuestion(editor.EditorBuffer(), editor.CurrentSlot(),
                                   editor.QuestionCount(), m_options);
    if (found == 0) {
        showEditorMessage(m_dialog, m_catalogue, editor_messages::kSearchNoMatch);
        return false;
    }
    return editor.showSlot(found);
}

}  // namespace trivanto
