#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace trivanto {

// The open dialog's model: the categories of the program folder by title (the file name
// without ".trv"), sorted by text, and the one chosen. A file that cannot be read (too short,
// no permission) is listed as well, marked so, and cannot be chosen: the author sees why a
// category is missing instead of a list that silently leaves it out.
class OpenCategoryDialog final {
public:
    explicit OpenCategoryDialog(QString progDir);

    // The dialog opens: the list is read from the folder again, nothing confirmed.
    void FormActivate();
    const QStringList& titles() const { return m_titles; }
    // Whether row `index` can be opened.
    bool readable(int index) const;

    // OK, a double click or Enter with the row `index` selected (-1 for none): false, and the
    // dialog stays open, when nothing or an unreadable row is selected.
    bool choose(int index);
    // Cancel, the close button, Escape.
    void cancel();

    bool confirmed() const { return m_confirmed; }
    // The chosen title followed by ".trv".
    const QString& chosenFileName() const { return m_chosenFileName; }

private:
    QString m_progDir;
    QStringList m_titles;
    QStringList m_fileNames;       // in the order of m_titles
    std::vector<bool> m_readable;  // in the order of m_titles
    QString m_chosenFileName;
    bool m_confirmed = false;
};

}  // namespace trivanto
