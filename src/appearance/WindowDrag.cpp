#include "appearance/WindowDrag.h"

#include <QMouseEvent>
#include <QWidget>

namespace mirato {

WindowDrag::WindowDrag(QWidget* window, Released released)
    : QObject(window), window_(window), released_(std::move(released)) {
    window->installEventFilter(this);
}

bool WindowDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_)
        return false;
    switch (event->type()) {
        case QEvent::MouseButtonPress: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton)
                return false;
            dragging_ = true;
            moved_ = false;
            pressPosition_ = mouse->position().toPoint();
            offset_ = mouse->globalPosition().toPoint() - window_->frameGeometry().topLeft();
            if (follower_)
                follower_->dragStarted(window_, mouse->globalPosition().toPoint());
            return true;
        }
        case QEvent::MouseMove: {
            if (!dragging_)
                return false;
            const QPoint cursor = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            const QPoint target =
                follower_ ? follower_->dragMoved(window_, cursor) : cursor - offset_;
            if (target != window_->pos()) {
                moved_ = true;
                window_->move(target);
            }
            return true;
        }
        case QEvent::MouseButtonRelease: {
            if (!dragging_ || static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
                return false;
            dragging_ = false;
            if (follower_)
                follower_->dragEnded(window_);
            if (released_)
                released_(moved_, pressPosition_);
            return true;
        }
        default:
            return false;
    }
}

}  // namespace mirato
