#pragma once

#include <QList>
#include <initializer_list>
#include <span>

#include "core/Actions.h"

class QAction;
class QMenu;

namespace mirato::ActionMenu {

// Adds the items the table of actions holds under these names to the menu, in order: named
// and captioned by the table in the current language (and again when it changes), with their
// key shown, ticked and enabled afresh each time the menu opens. Returns them in order.
QList<QAction*> add(QMenu& menu, std::span<const char* const> names, const ActionTargets& targets);
inline QList<QAction*> add(QMenu& menu, std::initializer_list<const char*> names,
                           const ActionTargets& targets) {
    return add(menu, std::span<const char* const>(names.begin(), names.size()), targets);
}

}  // namespace mirato::ActionMenu
