#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "core/editor/editor_messages.h"
#include "core/editor/editor_view.h"
#include "core/questions/category_checks.h"
#include "core/questions/question_file.h"

namespace trivanto {

class Clock;

struct EditorServices {
    MessageDialog& dialog;
    const MessageCatalogue& catalogue;
    const Clock& clock;  // today's date and the time of a save
    QString progDir;     // where the categories lie
};

// The question editor: one category held whole in memory, one slot shown at a time, the whole
// file written atomically on every save and delete. The window renders view() after every
// changed() and forwards what the user types and clicks; every rule and message is here.
//
// Beyond the classic editor: typing is never lost without a question (leaving a changed slot
// asks first, and Next and Back stop where the save does not go through), a slot is only
// saved as something the game reads the way it was meant (no duplicate question, no marker
// word as answer 2, no character the code page lacks), and the checks of the authors' tool
// run on the category as it would be saved, as the author types.
class QuestionEditor final : public QObject {
    Q_OBJECT

public:
    explicit QuestionEditor(EditorServices services, QObject* parent = nullptr);
    ~QuestionEditor() override;

    const TQuestionFile& EditorBuffer() const { return *m_buffer; }
    int CurrentSlot() const { return m_currentSlot; }
    int QuestionCount() const { return m_questionCount; }
    const QString& CurrentFilePath() const { return m_filePath; }
    const QString& title() const { return m_title; }
    const EditorView& view() const { return m_view; }

    // The shown slot differs from what is stored (unsaved typing).
    bool hasUnsavedChanges() const;
    // The checks of the open category as it would be saved now, problems first, and the same
    // as lines in the language of the catalogue ("Question 3: no text in answer 2").
    const CategoryFindings& findings() const { return m_findings; }
    QStringList findingLines() const;

    // The window opens.
    void FormActivate() { DatensatzAnzeigen(); }
    // Shows the current slot as stored; unsaved typing is dropped. On slot 200 tells that a
    // category holds no more questions.
    void DatensatzAnzeigen();

    enum class SaveOutcome { Saved, Incomplete, Refused, Failed, NoCategory };
    // Saves the shown slot (after a message when it is incomplete, refused or cannot be
    // written, in which case nothing changes).
    SaveOutcome DatenSpeichern();

    // Next and Back: save the shown slot if it changed, then move on; they stay where the save
    // does not go through, so the typing is still there to be mended.
    void goNext();
    void goBack();
    // The first empty slot (slot 200 in a full category).
    void newQuestion();
    // Asks, then deletes the shown question; later questions move up; the file is written.
    void deleteQuestion();
    // Undo: the shown slot as stored.
    void undo() { DatensatzAnzeigen(); }

    // The fields as typed; texts hold at most 110 characters.
    void setQuestion(const QString& text);
    void setAnswer(int answer, const QString& text);  // 1 to 4
    void setCorrect(int answer);                      // 1 to 4; 0 unticks
    // "Educated Guess": ticked, answers 2 to 4 read "ife" and answer 1 is the right one;
    // unticked, the "ife" answers are emptied.
    void setEstimation(bool ticked);

    // Leaving the shown slot: asks whether to save changes first. True when the caller may go
    // on (saved, or the user chose not to save); the typing stays until the caller replaces it.
    bool confirmLeave();
    // Makes `slot` (1 to QuestionCount) the shown one, after confirmLeave.
    bool showSlot(int slot);

    // A new, empty category under a title the new-category dialog accepted. Its file is
    // written by the first save.
    bool newCategory(const QString& title);
    // Opens the category file `fileName` of the program folder. A file that cannot be read is
    // reported and the open category stays as it was.
    bool openCategory(const QString& fileName);
    // Builds the category `title` from a JSON or CSV source and writes its file; a source with
    // problems is refused with the list of them.
    bool importSource(const QString& sourcePath, const QString& title);
    // Writes the saved questions of the open category as a JSON or CSV source.
    bool exportSource(const QString& targetPath);

    // Closing the window: true when it may close (asks about unsaved changes first).
    bool requestClose();
    // After the window closed: no category, empty buffer, the caption of a closed editor.
    void reset();

signals:
    void changed();

private:
    enum class Caption { AtStart, Closed, Open };

    int showMessage(const EditorMessage& message, const QString& tail = {});
    EditorFields storedFields(int slot) const;
    PlainQuestion plainOfFields(int slot) const;
    bool writeCategory(const QString& path, const TQuestionFile& file);
    void takeCategory(std::unique_ptr<TQuestionFile> file, const QString& title,
                      const QString& path);
    void refreshSlotCache();
    void refreshChangedText();
    void refreshView();
    void refreshFindings();
    void update();

    EditorServices m_services;
    std::unique_ptr<TQuestionFile> m_buffer;
    int m_currentSlot = 0;
    int m_questionCount = 0;
    QString m_filePath;
    QString m_title;
    Caption m_caption = Caption::AtStart;
    EditorFields m_fields;
    EditorFields m_stored;               // the shown slot as stored
    std::vector<PlainQuestion> m_slots;  // slots 1 to QuestionCount in plain text
    QString m_changedText;
    EditorView m_view;
    CategoryFindings m_findings;
};

}  // namespace trivanto
