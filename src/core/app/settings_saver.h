#pragma once

namespace trivanto {

class MessageCatalogue;
class MessageDialog;
class SettingsStore;

// Saves the settings after every change that matters (the start's defaults, the players, the
// top ten, the sound) and tells the player when they cannot be kept: once a run, with the
// system's reason, so a full or read-only disk never loses a result without a word.
class SettingsSaver final {
public:
    SettingsSaver(SettingsStore& store, MessageDialog& dialog, const MessageCatalogue& catalogue);

    // Writes what changed; false when the store could not keep it.
    bool save();
    // True once the player has been told that the settings are not kept.
    bool told() const { return m_told; }

private:
    SettingsStore& m_store;
    MessageDialog& m_dialog;
    const MessageCatalogue& m_catalogue;
    bool m_told = false;
};

}  // namespace trivanto
