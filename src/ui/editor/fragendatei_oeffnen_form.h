#pragma once

#include <optional>

#include "core/editor/open_category_dialog.h"
#include "ui/editor/t_editor_dialog.h"

class QListWidget;

namespace trivanto {

class TFlatButton;

// The open dialog of the question editor: the categories of the program folder by title, read
// anew at every opening (OpenCategoryDialog); a file that cannot be read is listed greyed with
// a mark and cannot be chosen. OK, a double click or Enter opens the selected category.
class TFragendateiOeffnenForm final : public TEditorDialog {
    Q_OBJECT

public:
    static constexpr QSize kSize{360, 340};

    explicit TFragendateiOeffnenForm(const Services& services, QWidget* parent = nullptr);
    ~TFragendateiOeffnenForm() override;

    // The editor's "Open": modal until the dialog closes; the chosen file name (title + ".trv",
    // in the program folder), or nothing when the user cancelled.
    std::optional<QString> chooseCategory();

    // Each opening: the list read from the folder again with the first category that can be
    // opened selected, nothing confirmed.
    void FormActivate() override;

    const OpenCategoryDialog& model() const { return m_model; }
    static QString helpTopic() { return QStringLiteral("Frageneditor"); }

protected:
    void enterPressed() override { OKButtonClick(); }
    void AbbrechenButtonClick() override;

private:
    void fillList();
    int selectedRow() const;
    void renderButtons();

    void OKButtonClick();
    void ListboxDblClick(int row);

    OpenCategoryDialog m_model;
    QListWidget* m_list = nullptr;
    TFlatButton* m_ok = nullptr;
};

}  // namespace trivanto
