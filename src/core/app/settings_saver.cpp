#include "core/app/settings_saver.h"

#include "core/app/message_dialog.h"
#include "core/app/settings_store.h"
#include "core/lang/message_catalogue.h"
#include "core/lang/message_shapes.h"

namespace trivanto {

SettingsSaver::SettingsSaver(SettingsStore& store, MessageDialog& dialog,
                             const MessageCatalogue& catalogue)
    : m_store(store), m_dialog(dialog), m_catalogue(catalogue) {}

bool SettingsSaver::save() {
    const Status saved = m_store.sync();
    if (saved.ok()) {
        return true;
    }
    // Every later change meets the same disk; one message says it all.
    if (!m_told) {
        m_told = true;
        const MessageShape shape = messageShape(Msg::MsgSettingsUnwritable);
        m_dialog.notice(m_catalogue.text(Msg::MsgSettingsUnwritable) + saved.error(), shape.width,
                        shape.wordWrap);
    }
    return false;
}

}  // namespace trivanto
