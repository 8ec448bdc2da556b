#pragma once

#include <QStringList>
#include <deque>
#include <vector>

#include "core/app/file_dialogs.h"

namespace trivanto {

// Answers file dialogs from a script (cancelled once the script is empty) and records the
// requests.
class ScriptedFileDialogs final : public FileDialogs {
public:
    QString openFile(const FileDialogRequest& request) override { return answer(request); }
    QString saveFile(const FileDialogRequest& request) override { return answer(request); }

    // An empty answer is a cancelled dialog.
    void push(const QString& file) { m_answers.push_back(file); }
    const std::vector<FileDialogRequest>& requests() const { return m_requests; }

private:
    QString answer(const FileDialogRequest& request) {
        m_requests.push_back(request);
        if (m_answers.empty()) {
            return {};
        }
        QString file = m_answers.front();
        m_answers.pop_front();
        return file;
    }

    std::deque<QString> m_answers;
    std::vector<FileDialogRequest> m_requests;
};

}  // namespace trivanto
