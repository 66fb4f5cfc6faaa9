#pragma once

#include <QObject>
#include <QPoint>
#include <functional>

class QWidget;

namespace mirato {

// Lets the user move a frameless window by dragging its background (and any child that lets
// mouse events through). When the button is released the callback learns whether the window
// moved and where, in window coordinates, the press was.
class WindowDrag : public QObject {
public:
    using Released = std::function<void(bool moved, QPoint pressPosition)>;

    WindowDrag(QWidget* window, Released released);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    Released released_;
    QPoint offset_;
    QPoint pressPosition_;
    bool dragging_ = false;
    bool moved_ = false;
};

}  // namespace mirato
