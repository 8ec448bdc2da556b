#include "core/net/online_state.h"

namespace trivanto {

void OnlineState::setOnline(bool online) {
    if (m_online == online) {
        return;
    }
    m_online = online;
    emit changed(online);
}

}  // namespace trivanto
