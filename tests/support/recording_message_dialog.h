#pragma once

#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "core/app/message_dialog.h"

namespace trivanto {

// Records every message and answers questions from a script (Yes once the script is empty).
class RecordingMessageDialog final : public MessageDialog {
public:
    int show(const MessageRequest& request) override;

    void pushAnswer(int answer) { m_answers.push_back(answer); }

    const std::vector<MessageRequest>& requests() const { return m_requests; }
    bool empty() const { return m_requests.empty(); }
    const MessageRequest& last() const { return m_requests.back(); }
    // The texts of every message so far, in order.
    QStringList texts() const {
        QStringList all;
        for (const MessageRequest& request : m_requests) {
            all << request.text;
        }
        return all;
    }
    void clear() { m_requests.clear(); }

    // Runs while a message is open, before the answer, as a player who takes their time would:
    // a test can let the clock run here and look at what the program does behind the dialog.
    std::function<void(const MessageRequest&)> onShow;

private:
    std::vector<MessageRequest> m_requests;
    std::deque<int> m_answers;
};

}  // namespace trivanto
