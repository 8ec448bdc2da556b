#pragma once

#include <QString>
#include <array>

namespace trivanto {

// The question and answers being edited, as the fields and buttons of the editor hold them.
struct EditorFields {
    QString question;                // FrageEdit
    std::array<QString, 4> answers;  // Antwort1Edit to Antwort4Edit
    int correct = 0;                 // the ticked radio button check1 to check4; 0 none
    bool estimation = false;         // SchaetzenCheckBox

    friend bool operator==(const EditorFields&, const EditorFields&) = default;
};

// Everything the editor window shows; it renders this after every change of the model.
struct EditorView {
    QString caption;      // FormCaptionLabel
    QString recordText;   // DatensatzLabel: "Question 3/10"
    QString changedText;  // Label1: "Changed: " and the date of the last change
    QString sizeText;     // DateigroesseLabel
    // A category is open: the fields and their labels, the radio buttons, the estimation box
    // and the three status labels are shown; "Save", "Undo" and "Search" are enabled.
    bool categoryOpen = false;
    bool newQuestionEnabled = false;  // NeuButton
    bool nextEnabled = false;         // WeiterButton
    bool backEnabled = false;         // ZurueckButton
    bool deleteEnabled = false;       // LoeschenButton
    EditorFields fields;
    QString answer1Label;  // Antwort1Label: "Answer 1:", or "Answer:" for an estimation question
    // Answers 2 to 4 with their labels and the four radio buttons; hidden for an estimation
    // question, whose only answer is the value.
    bool choiceControlsVisible = true;
};

// Where Enter in a field of the editor moves the focus.
enum class EditorFocus { Question, Answer1, Answer2, Answer3, Answer4, FirstRadio, SaveButton };

// The Enter chain: question, answer 1 to 4, the first radio button. An estimation question has
// no answer 2 to 4 and no radio buttons to visit, so Enter in its answer goes on to "Save".
EditorFocus nextFocusOnEnter(EditorFocus from, bool estimation);

}  // namespace trivanto
