#include "appearance/MagneticLayout.h"

#include <algorithm>
#include <cstdlib>

namespace mirato {

bool touching(const Edges& a, const Edges& b) {
    const Edges both{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                     std::max(a.bottom, b.bottom)};
    if (both.width() > a.width() + b.width() || both.height() > a.height() + b.height())
        return false;  // a gap lies between them
    return a.left == b.left || a.left == b.right || a.right == b.left || a.right == b.right ||
           a.top == b.top || a.top == b.bottom || a.bottom == b.top || a.bottom == b.bottom;
}

int MagneticLayout::indexOf(Id id) const {
    for (int i = 0; i < count(); ++i) {
        if (entries_[i].id == id)
            return i;
    }
    return -1;
}

bool MagneticLayout::add(Id id, Id parent) {
    if (id == 0 || contains(id))
        return false;
    entries_.push_back({id, parent, false, {}});
    return true;
}

bool MagneticLayout::remove(Id id) {
    const int index = indexOf(id);
    if (index < 0)
        return false;
    if (moving_ == index)
        moving_ = -1;
    else if (moving_ > index)
        --moving_;
    entries_.erase(entries_.begin() + index);
    for (Entry& entry : entries_) {
        if (entry.parent == id)
            entry.parent = 0;
    }
    return true;
}

MagneticLayout::Id MagneticLayout::parentOf(Id id) const {
    const int index = indexOf(id);
    return index < 0 ? 0 : entries_[index].parent;
}

bool MagneticLayout::isGlued(Id id) const {
    const int index = indexOf(id);
    return index >= 0 && entries_[index].glued;
}

void MagneticLayout::setRect(Id id, const Edges& rect) {
    const int index = indexOf(id);
    if (index >= 0)
        entries_[index].rect = rect;
}

Edges MagneticLayout::rect(Id id) const {
    const int index = indexOf(id);
    return index < 0 ? Edges{} : entries_[index].rect;
}

void MagneticLayout::checkGlueing() {
    for (Entry& entry : entries_)
        entry.glued = false;
    for (Entry& entry : entries_) {
        const int parent = entry.parent ? indexOf(entry.parent) : -1;
        if (parent >= 0 && touching(entry.rect, entries_[parent].rect))
            entry.glued = true;
    }
    // A window touching a glued sibling is glued too; chains need as many rounds as windows.
    for (int round = 0; round < count(); ++round) {
        for (const Entry& glued : entries_) {
            if (!glued.glued)
                continue;
            for (Entry& other : entries_) {
                if (&other != &glued && !other.glued && other.parent == glued.parent &&
                    touching(other.rect, glued.rect))
                    other.glued = true;
            }
        }
    }
}

bool MagneticLayout::gluedTo(int i, int w) const {
    return entries_[i].glued && entries_[i].parent == entries_[w].id;
}

void MagneticLayout::snap(const Edges& r, const Edges& s, int& dx, int& dy) const {
    const int d = snapWidth_;
    if (r.top < s.bottom + d && r.bottom > s.top - d) {
        if (std::abs(r.left - s.left) < d)
            dx = s.left - r.left;
        else if (std::abs(r.left - s.right) < d)
            dx = s.right - r.left;
        else if (std::abs(r.right - s.left) < d)
            dx = s.left - r.right;
        else if (std::abs(r.right - s.right) < d)
            dx = s.right - r.right;
    }
    if (r.left < s.right + d && r.right > s.left - d) {
        if (std::abs(r.top - s.top) < d)
            dy = s.top - r.top;
        else if (std::abs(r.top - s.bottom) < d)
            dy = s.bottom - r.top;
        else if (std::abs(r.bottom - s.top) < d)
            dy = s.top - r.bottom;
        else if (std::abs(r.bottom - s.bottom) < d)
            dy = s.bottom - r.bottom;
    }
}

void MagneticLayout::beginMove(Id id, QPoint cursor) {
    moving_ = indexOf(id);
    startCursor_ = cursor;
    if (moving_ >= 0) {
        const Edges& r = entries_[moving_].rect;
        offset_ = QPoint(r.left - cursor.x(), r.top - cursor.y());
    }
}

MagneticLayout::Move MagneticLayout::moveTo(QPoint cursor) {
    if (moving_ < 0)
        return {};
    const int w = moving_;
    const Edges start = entries_[w].rect;
    // The window follows the cursor as it was grabbed.
    const int left = cursor.x() + offset_.x();
    const int top = cursor.y() + offset_.y();
    Edges r{left, top, left + start.width(), top + start.height()};

    int dx = 0, dy = 0;
    snap(r, workArea_, dx, dy);  // the work area comes first; a window later overrides it
    for (int k = 0; k < count(); ++k) {
        if (k != w && !gluedTo(k, w))
            snap(r, entries_[k].rect, dx, dy);
    }
    // The windows carried along snap too.
    const QPoint travel = cursor - startCursor_;
    for (int c = 0; c < count(); ++c) {
        if (!gluedTo(c, w))
            continue;
        const Edges carried = entries_[c].rect.moved(travel.x(), travel.y());
        snap(carried, workArea_, dx, dy);
        for (int k = 0; k < count(); ++k) {
            if (k != c && k != w && !entries_[k].glued)
                snap(carried, entries_[k].rect, dx, dy);
        }
    }
    r = r.moved(dx, dy);

    Move move{r, {}};
    const int shiftX = r.left - start.left;
    const int shiftY = r.top - start.top;
    for (int c = 0; c < count(); ++c) {
        if (gluedTo(c, w)) {
            const Edges& at = entries_[c].rect;
            move.carried.push_back({entries_[c].id, QPoint(at.left + shiftX, at.top + shiftY)});
        }
    }
    return move;
}

Edges MagneticLayout::sizeTo(Id id, const Edges& proposed, ResizeEdge edge) const {
    const int self = indexOf(id);
    const int d = snapWidth_;
    const Edges o = proposed;
    Edges r = proposed;
    using E = ResizeEdge;
    const auto oneOf = [edge](std::initializer_list<E> edges) {
        return std::find(edges.begin(), edges.end(), edge) != edges.end();
    };
    const bool leftEdge = oneOf({E::Left, E::TopLeft, E::BottomLeft});
    const bool rightEdge = oneOf({E::Right, E::TopRight, E::BottomRight});
    const bool topEdge = oneOf({E::Top, E::TopLeft, E::TopRight});
    const bool bottomEdge = oneOf({E::Bottom, E::BottomLeft, E::BottomRight});
    auto pull = [d](int& edgeValue, int proposedValue, int near, int far) {
        if (std::abs(proposedValue - near) < d)
            edgeValue = near;
        else if (std::abs(proposedValue - far) < d)
            edgeValue = far;
    };
    for (int k = -1; k < count(); ++k) {
        if (k == self)
            continue;
        const Edges& s = k < 0 ? workArea_ : entries_[k].rect;
        if (r.top < s.bottom + d && r.bottom > s.top - d) {
            if (leftEdge)
                pull(r.left, o.left, s.left, s.right);
            if (rightEdge)
                pull(r.right, o.right, s.left, s.right);
        }
        if (r.left < s.right + d && r.right > s.left - d) {
            if (topEdge)
                pull(r.top, o.top, s.top, s.bottom);
            if (bottomEdge)
                pull(r.bottom, o.bottom, s.top, s.bottom);
        }
    }
    return r;
}

}  // namespace mirato
