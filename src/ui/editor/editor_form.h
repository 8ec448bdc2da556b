#pragma once

#include <QStringList>
#include <array>
#include <functional>
#include <optional>

#include "core/app/services.h"
#include "ui/widgets/t_shaped_form.h"

class QLabel;
class QListWidget;
class QListWidgetItem;
class QWidget;

namespace trivanto {

class QuestionEditor;
class TFlatCheckBox;
class TFlatEdit;
class TFlatRadioButton;
class TPictureButton;

// The windows the editor opens. The new-category and open dialogs answer what was chosen
// (nothing when cancelled); the search moves the editor itself. An empty hook falls back to
// the system's file dialogs for New File and Open, and to the "not finished yet" notice for
// Search.
struct EditorFormHooks {
    std::function<std::optional<QString>()> askNewCategory;   // the confirmed title
    std::function<std::optional<QString>()> askOpenCategory;  // the chosen "Title.trv"
    std::function<void()> showSearch;
    std::function<void()> showInfo;  // Button1
};

// The question editor's window: the toolbar, one question with its four answers, the right
// answer, the estimation box, the counter and dates, and beside them the checks of the open
// category, updated as the author types. It renders QuestionEditor and forwards every key and
// click to it; the rules and messages live in the model.
class TEditorForm final : public TShapedForm {
    Q_OBJECT

public:
    TEditorForm(const Services& services, QuestionEditor& editor, QWidget* parent = nullptr);
    ~TEditorForm() override;

    void setHooks(EditorFormHooks hooks) { m_hooks = std::move(hooks); }

    // FormActivate, then modal until the editor closes.
    void open();
    void FormActivate();
    // Closes the editor after asking about unsaved typing; the model is reset for the next
    // time. False when the author chose to stay.
    bool Schliessen();

    // Our own captions and hints (import, export, checks), in the catalogue's language; again
    // after the language is applied.
    void applyOwnTexts();

    static QString helpTopic() { return QStringLiteral("Frageneditor"); }

protected:
    void formKeyPress(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildTitle();
    void buildToolbar();
    void buildFields();
    void buildStatusAndChecks();
    void buildTabOrder();

    void render();
    void renderChecks();
    bool moveFocusOnEnter();

    void NeueDateiButtonClick();
    void OeffnenButtonClick();
    void ImportierenButtonClick();
    void ExportierenButtonClick();
    void SuchenButtonClick();
    void HilfeButtonClick();
    void PruefungenListeDoubleClick(QListWidgetItem* item);
    void focusQuestion();

    Services m_services;
    QuestionEditor& m_editor;
    EditorFormHooks m_hooks;
    QString m_sourceFolder;  // where import and export dialogs start

    QLabel* m_caption = nullptr;
    TPictureButton* m_newFile = nullptr;
    TPictureButton* m_open = nullptr;
    TPictureButton* m_import = nullptr;
    TPictureButton* m_export = nullptr;
    TPictureButton* m_back = nullptr;
    TPictureButton* m_next = nullptr;
    TPictureButton* m_search = nullptr;
    TPictureButton* m_newQuestion = nullptr;
    TPictureButton* m_delete = nullptr;
    TPictureButton* m_save = nullptr;
    TPictureButton* m_undo = nullptr;

    QLabel* m_questionLabel = nullptr;
    TFlatEdit* m_question = nullptr;
    std::array<QLabel*, 4> m_answerLabels{};
    std::array<TFlatEdit*, 4> m_answers{};
    std::array<TFlatRadioButton*, 4> m_right{};
    TFlatCheckBox* m_estimation = nullptr;

    QLabel* m_record = nullptr;
    QLabel* m_changed = nullptr;
    QLabel* m_size = nullptr;
    QLabel* m_checksLabel = nullptr;
    QListWidget* m_checks = nullptr;
    QStringList m_shownChecks;
};

}  // namespace trivanto
