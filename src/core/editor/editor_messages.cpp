#include "core/editor/editor_messages.h"

namespace trivanto {

int showEditorMessage(MessageDialog& dialog, const MessageCatalogue& catalogue,
                      const EditorMessage& message, const QString& tail) {
    return dialog.show(
        {message.mode, catalogue.text(message.key) + tail, message.width, message.wordWrap});
}

}  // namespace trivanto
