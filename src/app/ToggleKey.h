#pragma once

#include <QObject>
#include <memory>

#include "platform/GlobalShortcut.h"

namespace mirato {

class AppState;
class MenuHost;
class Notifier;
class Settings;

// Alt+R for the whole desktop, through the session's shortcut backend: bound with a description
// in the user's language, let go at the end. A desktop that cannot give the key is told to the
// user once, ever: the way round it does not change from one start to the next.
class ToggleKey : public QObject {
    Q_OBJECT
public:
    ToggleKey(std::unique_ptr<GlobalShortcut> shortcut, const AppState& state, Settings& settings,
              Notifier& notifier);
    ~ToggleKey() override;

    // Binds the key; the tray menu offers another key where the desktop lets the user pick it.
    void bind(MenuHost& menus);
    void release();

signals:
    // The key was pressed anywhere on the desktop.
    void pressed();

private:
    void unavailable(GlobalShortcut::Problem why);

    std::unique_ptr<GlobalShortcut> shortcut_;
    const AppState& state_;
    Settings& settings_;
    Notifier& notifier_;
};

}  // namespace mirato
