#pragma once

#include <optional>

#include "core/editor/new_category_dialog.h"
#include "ui/editor/t_editor_dialog.h"

namespace trivanto {

class TFlatEdit;

// The new-category dialog of the question editor: the title of the category to create. The
// rules (which titles can name a category, replacing an existing one) live in
// NewCategoryDialog; the window forwards OK, Enter and Cancel and renders the outcome.
// Enter in the name field checks it like OK and selects the whole name again.
class TNeueFragendateiForm final : public TEditorDialog {
    Q_OBJECT

public:
    static constexpr QSize kSize{360, 142};

    explicit TNeueFragendateiForm(const Services& services, QWidget* parent = nullptr);
    ~TNeueFragendateiForm() override;

    // The editor's "New File": modal until the dialog closes; the accepted title, or nothing
    // when the user cancelled. The category's file is the title followed by ".trv" in the
    // program folder (model().filePath()), written by the editor's first save.
    std::optional<QString> askTitle();

    // Each opening: an empty name, nothing confirmed.
    void FormActivate() override;

    const NewCategoryDialog& model() const { return m_model; }
    static QString helpTopic() { return QStringLiteral("Neue_Rubrik_erstellen"); }

protected:
    void enterPressed() override { OKButtonClick(); }
    void AbbrechenButtonClick() override;

private:
    void OKButtonClick();
    void selectWholeName();

    NewCategoryDialog m_model;
    TFlatEdit* m_name = nullptr;
};

}  // namespace trivanto
