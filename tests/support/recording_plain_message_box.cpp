#include "support/recording_plain_message_box.h"

namespace trivanto {

void RecordingPlainMessageBox::show(const QString& title, const QString& text) {
    m_titles.append(title);
    m_texts.append(text);
}

}  // namespace trivanto
