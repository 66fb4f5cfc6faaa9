#pragma once

#include <QList>
#include <functional>
#include <span>

#include "core/Actions.h"

class QAction;
class QMenu;

namespace mirato::ActionMenu {

// Carries out a program's own command for its item (perform() does the others); on is the
// item's tick after the click.
using ProgramCommand = std::function<void(const Action& row, bool on)>;

// Places the items of the layout into the menu, in order: named and captioned by the table in
// the current language (and again when it changes), with their key shown; ticked from the state
// and the settings each time the menu opens; one of a group ticked alone. A submenu item opens
// a submenu that the items up to its End fill. Returns every item placed, submenus' included.
QList<QAction*> place(QMenu& menu, std::span<const ItemId> layout, const ActionTargets& targets,
                      const ProgramCommand& program = {});

}  // namespace mirato::ActionMenu
