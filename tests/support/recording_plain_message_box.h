#pragma once

#include <QStringList>

#include "core/app/plain_message.h"

namespace trivanto {

// Records the texts of the plain start-up messages.
class RecordingPlainMessageBox final : public PlainMessageBox {
public:
    void show(const QString& title, const QString& text) override;

    const QStringList& texts() const { return m_texts; }
    const QStringList& titles() const { return m_titles; }

private:
    QStringList m_titles;
    QStringList m_texts;
};

}  // namespace trivanto
