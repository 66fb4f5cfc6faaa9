#include "appearance/ActionMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>

#include "core/AppState.h"
#include "core/Strings.h"

namespace mirato::ActionMenu {

namespace {

QString captionOf(const Action& row, Language language) {
    return row.text ? Strings::message(language, *row.text) : QLatin1String(row.name);
}

bool isGroup(ActionCommand command) {
    return command == ActionCommand::ChooseTheme || command == ActionCommand::ChooseLanguage ||
           command == ActionCommand::ChooseLoudness;
}

void tick(QAction* action, const Action& row, const ActionTargets& targets) {
    if (const std::optional<bool> on = tickOf(row, targets))
        action->setChecked(*on);
}

class Placer {
public:
    Placer(const ActionTargets& targets, const ProgramCommand& program)
        : targets_(targets), program_(program) {}

    // Places items until the layout ends or an End closes this menu; returns where it stopped.
    std::size_t fill(QMenu& menu, std::span<const ItemId> layout, std::size_t at) {
        QActionGroup* group = nullptr;  // the last group of this menu, and its command
        ActionCommand groupCommand = ActionCommand::None;
        while (at < layout.size()) {
            const ItemId id = layout[at++];
            if (id == ItemId::End)
                break;
            if (id == ItemId::Separator) {
                menu.addSeparator();
                continue;
            }
            const Action& row = actionOf(id);
            if (row.command == ActionCommand::None) {
                QMenu* sub = menu.addMenu(QString());
                sub->setObjectName(QLatin1String(row.name));
                name(sub->menuAction(), row);
                at = fill(*sub, layout, at);
                continue;
            }
            QAction* action = menu.addAction(QString());
            name(action, row);
            if (row.key.key() != Qt::Key_unknown) {
                action->setShortcut(QKeySequence(row.key));
                action->setShortcutVisibleInContextMenu(true);
            }
            if (isGroup(row.command)) {
                if (!group || groupCommand != row.command) {
                    group = new QActionGroup(&menu);
                    groupCommand = row.command;
                }
                group->addAction(action);
            }
            follow(menu, action, row);
        }
        return at;
    }

    QList<QAction*> placed;

private:
    void name(QAction* action, const Action& row) {
        action->setObjectName(QLatin1String(row.name));
        action->setText(captionOf(row, targets_.state.language()));
        QObject::connect(
            &targets_.state, &AppState::languageChanged, action,
            [action, &row](Language language) { action->setText(captionOf(row, language)); });
        placed.append(action);
    }

    // Ticks, offers and carries out the item as the menu opens and the item is clicked.
    void follow(QMenu& menu, QAction* action, const Action& row) {
        const ActionTargets t = targets_;
        if (isTickable(row.command)) {
            action->setCheckable(true);
            tick(action, row, t);
        }
        const bool offered = row.command == ActionCommand::SavePlaylist ||
                             row.command == ActionCommand::SavePlaylistAs;
        QObject::connect(&menu, &QMenu::aboutToShow, action, [action, &row, t, offered] {
            if (action->isCheckable())
                tick(action, row, t);
            if (offered)
                action->setEnabled(isEnabled(row.command, t));
        });
        QObject::connect(action, &QAction::triggered, action,
                         [action, &row, t, program = program_](bool on) {
                             if (!perform(row.command, t) && program)
                                 program(row, on);
                             if (action->isCheckable())
                                 tick(action, row, t);
                         });
    }

    ActionTargets targets_;
    ProgramCommand program_;
};

}  // namespace

QList<QAction*> place(QMenu& menu, std::span<const ItemId> layout, const ActionTargets& targets,
                      const ProgramCommand& program) {
    Placer placer(targets, program);
    placer.fill(menu, layout, 0);
    return placer.placed;
}

}  // namespace mirato::ActionMenu
