#include "ui/widgets/lazy_picture.h"

namespace trivanto {

LazyPicture::LazyPicture(const QPixmap& picture)
    : m_state(std::make_shared<State>(State{
          {}, picture, picture.isNull() ? QSize() : picture.deviceIndependentSize().toSize()})) {}

LazyPicture::LazyPicture(std::function<QPixmap()> draw, QSize size)
    : m_state(std::make_shared<State>(State{std::move(draw), {}, size})) {}

QPixmap LazyPicture::picture() const {
    if (!m_state) {
        return {};
    }
    if (m_state->draw) {
        m_state->picture = m_state->draw();
        m_state->draw = nullptr;
    }
    return m_state->picture;
}

QSize LazyPicture::size() const {
    return m_state ? m_state->size : QSize();
}

bool LazyPicture::isNull() const {
    return !m_state || (!m_state->draw && m_state->picture.isNull());
}

bool LazyPicture::isDrawn() const {
    return !m_state || !m_state->draw;
}

namespace artwork {

LazyPicture lazyButtonPicture(int index) {
    if (index < 0 || index >= kButtonPictureCount) {
        return {};
    }
    return {[index] { return buttonPicture(index); }, kButtonPictureSize};
}

LazyPicture lazySmallButtonPicture(SmallButton button, bool hover) {
    return {[=] { return smallButtonPicture(button, hover); }, kSmallButtonSize};
}

LazyPicture lazyToolPicture(ToolPicture picture, bool hover) {
    return {[=] { return toolPicture(picture, hover); }, kToolPictureSize};
}

}  // namespace artwork
}  // namespace trivanto
