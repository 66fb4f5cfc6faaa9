#include "appearance/ActionMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "core/AppState.h"
#include "core/Log.h"
#include "core/Strings.h"

namespace mirato::ActionMenu {

QList<QAction*> add(QMenu& menu, std::span<const char* const> names, const ActionTargets& targets) {
    QList<QAction*> added;
    for (const char* name : names) {
        const Action* row = actionNamed(QLatin1String(name));
        if (!row) {
            qCWarning(lcCore) << "no action named" << name;
            continue;
        }
        const ActionCommand command = row->command;
        const MessageCode text = row->text;
        QAction* action = menu.addAction(Strings::message(targets.state.language(), text));
        action->setObjectName(QLatin1String(name));
        if (row->key.key() != Qt::Key_unknown) {
            action->setShortcut(QKeySequence(row->key));
            action->setShortcutVisibleInContextMenu(true);
        }
        action->setCheckable(isTickable(command));
        QObject::connect(action, &QAction::triggered, action,
                         [command, targets] { perform(command, targets); });
        QObject::connect(&menu, &QMenu::aboutToShow, action, [action, command, targets] {
            action->setChecked(isTicked(command, targets));
            action->setEnabled(isEnabled(command, targets));
        });
        QObject::connect(&targets.state, &AppState::languageChanged, action,
                         [action, text](Language language) {
                             action->setText(Strings::message(language, text));
                         });
        added.append(action);
    }
    return added;
}

}  // namespace mirato::ActionMenu
