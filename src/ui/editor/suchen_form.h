#pragma once

#include "core/editor/question_search.h"
#include "ui/editor/t_editor_dialog.h"

namespace trivanto {

class QuestionEditor;
class TFlatCheckBox;
class TFlatEdit;
class TFlatRadioButton;

// The search window of the question editor: finds the next question of the open category
// whose question or answers contain a text and makes it the editor's current slot
// (QuestionSearch::FrageSuchen). Its settings stay as they were from one search to the next.
// "Proceed" searches and stays open; Enter in the search field (or on an option) searches
// and closes.
class TSuchenForm final : public TEditorDialog {
    Q_OBJECT

public:
    static constexpr QSize kSize{440, 226};

    TSuchenForm(const Services& services, QuestionEditor& editor, QWidget* parent = nullptr);
    ~TSuchenForm() override;

    // The editor's "Search": modal until the window closes.
    void open();
    // Each opening: the controls show the settings of the last search, the text selected.
    void FormActivate() override;

    const QuestionSearch& model() const { return m_search; }
    static QString helpTopic() { return QStringLiteral("Frageneditor"); }

protected:
    void enterPressed() override { SuchenEditKeyPress(); }
    void AbbrechenButtonClick() override { hide(); }

private:
    void buildControls();
    void takeOptions();

    void WeitersuchenButtonClick();
    void SuchenEditKeyPress();

    QuestionEditor& m_editor;
    QuestionSearch m_search;
    TFlatEdit* m_text = nullptr;
    TFlatRadioButton* m_up = nullptr;
    TFlatRadioButton* m_down = nullptr;
    TFlatCheckBox* m_caseSensitive = nullptr;
    TFlatCheckBox* m_inQuestions = nullptr;
    TFlatCheckBox* m_inAnswers = nullptr;
};

}  // namespace trivanto
