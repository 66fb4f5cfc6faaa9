#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

namespace mirato {

// Told about a window's drag as it happens, and decides where the window goes (it may snap).
class DragFollower {
public:
    virtual void dragStarted(QWidget* window, QPoint cursor) = 0;
    // Returns the window's new top-left for the cursor position.
    virtual QPoint dragMoved(QWidget* window, QPoint cursor) = 0;
    virtual void dragEnded(QWidget* window) = 0;

protected:
    ~DragFollower() = default;
};

// Lets the user move a frameless window by dragging its background (and any child that lets
// mouse events through). When the button is released the callback learns whether the window
// moved and where, in window coordinates, the press was.
class WindowDrag : public QObject {
    Q_OBJECT
public:
    using Released = std::function<void(bool moved, QPoint pressPosition)>;

    WindowDrag(QWidget* window, Released released);

    // Lets a follower place the window while it is dragged (null: it follows the cursor).
    void setFollower(DragFollower* follower) { follower_ = follower; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Released released_;
    DragFollower* follower_ = nullptr;
    QPoint offset_;
    QPoint pressPosition_;
    bool dragging_ = false;
    bool moved_ = false;
};

}  // namespace mirato
