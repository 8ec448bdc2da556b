#include "support/recording_help_viewer.h"

namespace trivanto {

void RecordingHelpViewer::HelpJump(const QString& topic) {
    m_topics.append(topic);
}

}  // namespace trivanto
