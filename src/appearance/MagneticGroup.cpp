#include "appearance/MagneticGroup.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mirato {

MagneticGroup::MagneticGroup(QObject* owner) : QObject(owner) {}

MagneticGroup::~MagneticGroup() {
    for (QWidget* window : std::as_const(windows_)) {
        if (window == parent())
            continue;  // the owner is being destroyed and takes its drag loop with it
        window->removeEventFilter(this);
        if (auto* drag = window->findChild<WindowDrag*>(QString(), Qt::FindDirectChildrenOnly))
            drag->setFollower(nullptr);
        disconnect(window, nullptr, this, nullptr);
    }
}

bool MagneticGroup::addWindow(QWidget* window, QWidget* parent) {
    if (!window || !layout_.add(idOf(window), idOf(parent)))
        return false;
    windows_.append(window);
    window->installEventFilter(this);
    if (auto* drag = window->findChild<WindowDrag*>(QString(), Qt::FindDirectChildrenOnly))
        drag->setFollower(this);
    connect(window, &QObject::destroyed, this, [this](QObject* gone) { forget(gone); });
    checkGlueing();
    return true;
}

bool MagneticGroup::removeWindow(QWidget* window) {
    if (!window || !layout_.remove(idOf(window)))
        return false;
    windows_.removeOne(window);
    window->removeEventFilter(this);
    if (auto* drag = window->findChild<WindowDrag*>(QString(), Qt::FindDirectChildrenOnly))
        drag->setFollower(nullptr);
    disconnect(window, nullptr, this, nullptr);
    checkGlueing();
    return true;
}

void MagneticGroup::forget(QObject* window) {
    // Called while the window is being destroyed: only its place in the lists is touched.
    const MagneticLayout::Id id = idOf(window);
    for (qsizetype i = 0; i < windows_.size(); ++i) {
        if (idOf(windows_[i]) == id) {
            windows_.removeAt(i);
            break;
        }
    }
    layout_.remove(id);
    checkGlueing();
}

void MagneticGroup::captureRects() {
    QScreen* screen = nullptr;
    for (QWidget* window : std::as_const(windows_)) {
        layout_.setRect(idOf(window), Edges::of(window->frameGeometry()));
        if (!screen)
            screen = window->screen();
    }
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        const Edges area = Edges::of(screen->availableGeometry());
        layout_.setWorkArea(area);
        for (QWidget* window : std::as_const(windows_)) {
            if (window->isMaximized())
                layout_.setRect(idOf(window), area);
        }
    }
}

void MagneticGroup::checkGlueing() {
    for (QWidget* window : std::as_const(windows_))
        layout_.setRect(idOf(window), Edges::of(window->frameGeometry()));
    layout_.checkGlueing();
}

bool MagneticGroup::isGlued(QWidget* window) const {
    return layout_.isGlued(idOf(window));
}

void MagneticGroup::dragStarted(QWidget* window, QPoint cursor) {
    captureRects();
    layout_.beginMove(idOf(window), cursor);
}

QPoint MagneticGroup::dragMoved(QWidget* window, QPoint cursor) {
    const MagneticLayout::Move move = layout_.moveTo(cursor);
    for (const MagneticLayout::Placement& placed : move.carried) {
        for (QWidget* other : std::as_const(windows_)) {
            if (idOf(other) == placed.id && other != window)
                other->move(placed.topLeft);
        }
    }
    return QPoint(move.rect.left, move.rect.top);
}

void MagneticGroup::dragEnded(QWidget*) {
    checkGlueing();
}

bool MagneticGroup::eventFilter(QObject*, QEvent* event) {
    // Hiding or showing a member may change who touches whom.
    if (event->type() == QEvent::Hide || event->type() == QEvent::Show)
        checkGlueing();
    return false;
}

}  // namespace mirato
