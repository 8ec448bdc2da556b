#pragma once

#include <QStringList>

#include "core/app/help_viewer.h"

namespace trivanto {

// Records the help topics asked for, in order.
class RecordingHelpViewer final : public HelpViewer {
public:
    void HelpJump(const QString& topic) override;

    const QStringList& topics() const { return m_topics; }
    void clear() { m_topics.clear(); }

private:
    QStringList m_topics;
};

}  // namespace trivanto
