#pragma once

#include <QPixmap>
#include <QSize>
#include <functional>
#include <memory>

#include "ui/widgets/artwork.h"

namespace trivanto {

// A picture drawn when it is first asked for, once; copies share the drawing. Every window is
// built at the start, but most of their buttons are not seen for a while and a hover picture
// only under the mouse: drawing them on the way costs the start its time and memory. The size
// (in the windows' own pixels) is known without drawing, so layouts need not wait for it.
class LazyPicture {
public:
    LazyPicture() = default;
    // A picture already drawn.
    LazyPicture(const QPixmap& picture);  // NOLINT(google-explicit-constructor)
    // `draw` must give a picture of `size` (in the windows' own pixels).
    LazyPicture(std::function<QPixmap()> draw, QSize size);

    QPixmap picture() const;  // drawn on the first call
    QSize size() const;
    bool isNull() const;
    bool isDrawn() const;  // nothing left to draw: a null picture counts as drawn

private:
    struct State {
        std::function<QPixmap()> draw;
        QPixmap picture;
        QSize size;
    };
    std::shared_ptr<State> m_state;
};

namespace artwork {

// The button pictures of artwork.h, drawn when first asked for.
LazyPicture lazyButtonPicture(int index);
LazyPicture lazySmallButtonPicture(SmallButton button, bool hover = false);
LazyPicture lazyToolPicture(ToolPicture picture, bool hover = false);

}  // namespace artwork
}  // namespace trivanto
