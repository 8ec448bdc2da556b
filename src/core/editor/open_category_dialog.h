#pragma once

#include <QString>
#include <QStringList>

namespace trivanto {

// The open dialog's model: the categories of the program folder by title (the file name
// without ".trv"), sorted by text, and the one chosen.
class OpenCategoryDialog final {
public:
    explicit OpenCategoryDialog(QString progDir);

    // The dialog opens: the list is read from the folder again, nothing confirmed.
    void FormActivate();
    const QStringList& titles() const { return m_titles; }

    // OK, a double click or Enter with the row `index` selected (-1 for none): false, and the
    // dialog stays open, when nothing is selected.
    bool choose(int index);
    // Cancel, the close button, Escape.
    void cancel();

    bool confirmed() const { return m_confirmed; }
    // The chosen title followed by ".trv".
    const QString& chosenFileName() const { return m_chosenFileName; }

private:
    QString m_progDir;
    QStringList m_titles;
    QStringList m_fileNames;  // in the order of m_titles
    QString m_chosenFileName;
    bool m_confirmed = false;
};

}  // namespace trivanto
