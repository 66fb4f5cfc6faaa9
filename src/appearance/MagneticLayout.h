#pragma once

#include <QPoint>
#include <QRect>
#include <vector>

namespace mirato {

// A rectangle by its edges, right and bottom exclusive (a 340-wide window at x 0 has right 340),
// which is how snapping compares edges.
struct Edges {
    int left = 0, top = 0, right = 0, bottom = 0;

    static Edges of(const QRect& r) {
        return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    }
    QRect toRect() const { return QRect(left, top, width(), height()); }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    Edges moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool operator==(const Edges&) const = default;
};

// Two rectangles touch when no gap lies between them and an edge of one lies exactly on an edge
// of the other (left or right on left or right, top or bottom on top or bottom).
bool touching(const Edges& a, const Edges& b);

// The geometry of magnetic windows, free of any window system: a work area and windows, some
// with a parent they are glued to when they touch it (or touch a window glued to the same
// parent). While a window is dragged its edges snap onto the edges of the others and of the work
// area within the snap width, and the windows glued to it travel along.
class MagneticLayout {
public:
    using Id = quintptr;  // 0 is no window
    static constexpr int kDefaultSnapWidth = 10;

    // False for id 0 or an id already present.
    bool add(Id id, Id parent = 0);
    // False when absent. The windows it parented keep their places with no parent.
    bool remove(Id id);
    bool contains(Id id) const { return indexOf(id) >= 0; }
    int count() const { return static_cast<int>(entries_.size()); }
    Id parentOf(Id id) const;
    bool isGlued(Id id) const;

    int snapWidth() const { return snapWidth_; }
    void setSnapWidth(int width) { snapWidth_ = width; }

    // The rectangles the next computation works with (a window's as last seen).
    void setWorkArea(const Edges& area) { workArea_ = area; }
    void setRect(Id id, const Edges& rect);
    Edges rect(Id id) const;

    // Recomputes who is glued from the current rectangles.
    void checkGlueing();

    // A drag of window id starts with the cursor at cursor (rectangles must be current).
    void beginMove(Id id, QPoint cursor);
    struct Placement {
        Id id;
        QPoint topLeft;
    };
    struct Move {
        Edges rect;                      // where the dragged window goes
        std::vector<Placement> carried;  // the windows glued to it, moved by as much
    };
    // The cursor is now at cursor: the dragged window's snapped place and its glued windows'.
    Move moveTo(QPoint cursor);

    // Which edges a resize drags.
    enum class ResizeEdge { Left, Right, Top, TopLeft, TopRight, Bottom, BottomLeft, BottomRight };
    // The proposed rectangle of window id during a resize with its dragged edges snapped.
    Edges sizeTo(Id id, const Edges& proposed, ResizeEdge edge) const;

private:
    struct Entry {
        Id id;
        Id parent;
        bool glued;
        Edges rect;
    };
    int indexOf(Id id) const;
    // Whether entry i is glued to the window with index w (glued and with w as parent).
    bool gluedTo(int i, int w) const;
    // The snap of r against s: sets dx and dy where an edge comes within the snap width.
    void snap(const Edges& r, const Edges& s, int& dx, int& dy) const;

    std::vector<Entry> entries_;
    Edges workArea_;
    int snapWidth_ = kDefaultSnapWidth;
    int moving_ = -1;
    QPoint startCursor_;
    QPoint offset_;
};

}  // namespace mirato
