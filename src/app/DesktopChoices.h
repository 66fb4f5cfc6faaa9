#pragma once

#include <QObject>
#include <memory>

namespace mirato {

class AppPaths;
class AppState;
class AssociationStore;
class Autostart;
class FileAssociations;
class LoginEntryStore;
class MenuHost;
class Notifier;
class PlatformBackends;
class Settings;

// What the program changes in the desktop's own settings from the tray menu's ticks: starting
// at login, and opening the music file types. Made after the first paint.
class DesktopChoices : public QObject {
    Q_OBJECT
public:
    DesktopChoices(PlatformBackends& platform, const AppPaths& paths, AppState& state,
                   Settings& settings, Notifier& notifier);
    ~DesktopChoices() override;

    // Reads both from the desktop into the state and the menus' ticks, and carries out the
    // menus' two items from then on.
    void attach(MenuHost& menus);

signals:
    // The file types were taken over or given back.
    void fileTypesSwitched();

private:
    void switchFileTypes(bool takeOver);

    AppState& state_;
    Notifier& notifier_;
    std::unique_ptr<AssociationStore> associationStore_;
    std::unique_ptr<FileAssociations> associations_;
    std::unique_ptr<LoginEntryStore> loginEntry_;
    std::unique_ptr<Autostart> autostart_;
};

}  // namespace mirato
