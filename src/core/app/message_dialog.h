#pragma once

#include <QString>

namespace trivanto {

enum class DialogMode { Notice = 0, Question = 1 };

// The answers of a question; callers act on Yes and No and treat anything else as Cancel.
enum DialogAnswer { AnswerNo = 0, AnswerYes = 1, AnswerCancel = 2 };

struct MessageRequest {
    DialogMode mode = DialogMode::Notice;
    QString text;
    int width = 0;  // label width in pixels
    bool wordWrap = false;
};

// The one way a message reaches the user. The window implementation shows the program's own
// dialog; tests record the requests and script the answers.
class MessageDialog {
public:
    virtual ~MessageDialog() = default;
    // Shows the message modally; returns the answer (notices return AnswerYes).
    virtual int show(const MessageRequest& request) = 0;

    void notice(const QString& text, int width, bool wordWrap) {
        show({DialogMode::Notice, text, width, wordWrap});
    }
    int question(const QString& text, int width, bool wordWrap) {
        return show({DialogMode::Question, text, width, wordWrap});
    }
};

}  // namespace trivanto
