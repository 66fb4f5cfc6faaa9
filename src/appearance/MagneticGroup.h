#pragma once

#include <QObject>
#include <QPoint>

#include "appearance/MagneticLayout.h"
#include "appearance/WindowDrag.h"

class QWidget;

namespace mirato {

// Makes top-level windows magnetic: dragged by their own drag loop (WindowDrag), a window's
// edges snap onto the other windows' and the work area's edges, and windows added with a parent
// travel with it while they touch it. The player window owns one; the lyrics window joins it.
class MagneticGroup : public QObject, public DragFollower {
    Q_OBJECT
public:
    explicit MagneticGroup(QObject* owner = nullptr);
    ~MagneticGroup() override;

    // False when the window is null or already in the group. A window that goes away leaves the
    // group by itself.
    bool addWindow(QWidget* window, QWidget* parent = nullptr);
    // False when the window is not in the group; the windows it parented stay with no parent.
    bool removeWindow(QWidget* window);
    // Recomputes who is glued to whom from where the windows are now.
    void checkGlueing();
    bool isGlued(QWidget* window) const;

    int snapWidth() const { return layout_.snapWidth(); }
    void setSnapWidth(int width) { layout_.setSnapWidth(width); }

    // The drag loop of a member window reports here.
    void dragStarted(QWidget* window, QPoint cursor) override;
    QPoint dragMoved(QWidget* window, QPoint cursor) override;
    void dragEnded(QWidget* window) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static MagneticLayout::Id idOf(const QObject* window) {
        return reinterpret_cast<MagneticLayout::Id>(window);
    }
    void captureRects();
    void forget(QObject* window);

    MagneticLayout layout_;
    QList<QWidget*> windows_;
};

}  // namespace mirato
