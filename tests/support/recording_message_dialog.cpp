#include "support/recording_message_dialog.h"

namespace trivanto {

int RecordingMessageDialog::show(const MessageRequest& request) {
    m_requests.push_back(request);
    if (onShow) {
        onShow(request);
    }
    if (request.mode == DialogMode::Notice || m_answers.empty()) {
        return AnswerYes;
    }
    const int answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

}  // namespace trivanto
