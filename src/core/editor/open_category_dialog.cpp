#include "core/editor/open_category_dialog.h"

#include <algorithm>
#include <vector>

#include "core/common/file_path.h"
#include "core/questions/category_files.h"
#include "core/questions/category_title.h"

namespace trivanto {

OpenCategoryDialog::OpenCategoryDialog(QString progDir) : m_progDir(std::move(progDir)) {}

void OpenCategoryDialog::FormActivate() {
    struct Row {
        QString title;
        QString fileName;
    };
    std::vector<Row> rows;
    for (const QString& name : categoryFileNames(m_progDir)) {
        rows.push_back({categoryTitleOfFileName(name), name});
    }
    // By text as people read it: case only decides between otherwise equal titles.
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        const int folded = a.title.compare(b.title, Qt::CaseInsensitive);
        return folded != 0 ? folded < 0 : a.title < b.title;
    });
    m_titles.clear();
    m_fileNames.clear();
    m_readable.clear();
    for (const Row& row : rows) {
        m_titles.append(row.title);
        m_fileNames.append(row.fileName);
        m_readable.push_back(categoryFileReadable(filePath(m_progDir, row.fileName)));
    }
    m_chosenFileName.clear();
    m_confirmed = false;
}

bool OpenCategoryDialog::readable(int index) const {
    return index >= 0 && size_t(index) < m_readable.size() && m_readable[size_t(index)];
}

bool OpenCategoryDialog::choose(int index) {
    if (!readable(index)) {
        return false;
    }
    m_chosenFileName = m_fileNames.at(index);
    m_confirmed = true;
    return true;
}

void OpenCategoryDialog::cancel() {
    m_confirmed = false;
}

}  // namespace trivanto
