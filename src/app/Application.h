#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "app/DesktopNotifier.h"
#include "app/LaterStarts.h"
#include "app/LineModule.h"
#include "app/LyricsModule.h"
#include "app/ProcessLauncher.h"
#include "app/QtDialogs.h"
#include "app/WindowHub.h"
#include "commandbox/CommandBox.h"
#include "commandbox/DocumentDispatcher.h"
#include "components/MediaPlayer.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/MemoryTrim.h"
#include "core/PluginCatalog.h"
#include "core/Services.h"
#include "core/Settings.h"
#include "player/EngineReadiness.h"
#include "player/PlayerCommands.h"
#include "shell/WebOpener.h"

namespace mirato {

class DesktopAnswersModule;
class DesktopChoices;
class InstanceChannel;
class PlatformBackends;
class PowerSavingModule;
class SessionEnd;
class MenuHost;
class SkinLibrary;
class SoundMenuModule;
class ToggleKey;
class TrayIcon;

// Makes the program's parts and connects them: what the box needs when the object is made,
// the rest once the box has painted. It starts the program in its fixed order and shuts it
// down, however the end is asked for.
class Application : public QObject {
    Q_OBJECT
public:
    // platform: makes the backends of this session (hotkey, idle time, login entry, file
    // types); instance: where later starts send their execute strings, when there is one.
    explicit Application(PlatformBackends& platform, InstanceChannel* instance = nullptr);
    ~Application() override;

    // The start-up steps: the command box shows at once; the steps it does not need to show
    // (menus, tray, hotkey, the command line's document) follow once it has painted, and
    // started() says when they are done. The caller then runs the event loop. A song of the
    // command line may be playing already (headStart): the player takes it over.
    void start(const QString& commandLine = {},
               std::unique_ptr<EngineHeadStart> headStart = nullptr);
    bool isStarted() const { return started_; }
    Settings& settings() { return settings_; }

    // Hides everything, stores what must survive, removes the tray icon and the hotkey, and
    // ends the event loop. Runs once, however the end is asked for (the tray's Exit, a close
    // of the box by the window manager, a termination signal, the end of the session).
    void shutDown();

    CommandBox& commandBox() { return commandBox_; }
    MenuHost& menus() { return *menus_; }
    WindowHub& windows() { return windows_; }
    MediaPlayer& media() { return media_; }

    // An execute string from a later start ("Count", "CommandLine=...").
    void execute(const QString& command);
    // Hands a document (a command line) to the dispatcher.
    void dispatchDocument(const QString& document);

signals:
    void started();

private:
    // At most this long after the box is shown the start-up completes, painted or not.
    static constexpr int kLatestFinishMs = 300;
    // The first return of start-up memory, once the tray and the bus have settled.
    static constexpr std::chrono::milliseconds kStartTrim{500};
    // document: the start's command line without its quotes, dispatched once the start is done.
    void finishStart(const QString& document);
    void toggleBoxByHotkey();
    void showAbout();

    PlatformBackends& platform_;
    bool begun_ = false;    // start() has run: there is something to shut down
    bool started_ = false;  // the steps after the first paint are done
    bool shutDown_ = false;
    std::unique_ptr<SessionEnd> sessionEnd_;

    // What the box needs to show and to run a line, in the order it is made.
    Settings settings_;
    AppState state_;
    AppPaths paths_;
    PluginCatalog plugins_;
    ProcessLauncher launcher_;
    DesktopNotifier notifier_;
    QtDialogs dialogs_;
    MediaPlayer media_;
    WebOpener web_;
    EngineReadiness engine_;
    LyricsModule lyrics_;
    LaterStarts laterStarts_;
    // Made before the box and the player's commands, which ask it for windows; they are
    // attached to it as soon as they exist.
    WindowHub windows_;
    Services services_;
    PlayerCommands playerCommands_;
    LineModule lines_;  // what the box does with a line
    DocumentDispatcher documents_;
    CommandBox commandBox_;
    // The desktop's media keys and sound menu, once the player exists.
    std::unique_ptr<SoundMenuModule> soundMenu_;

    // What follows once the box has painted: menus, tray, hotkey and the desktop's services.
    std::unique_ptr<SkinLibrary> skinLibrary_;
    std::unique_ptr<MenuHost> menus_;
    std::unique_ptr<DesktopAnswersModule> desktopAnswers_;
    std::unique_ptr<PowerSavingModule> powerSaving_;
    std::unique_ptr<ToggleKey> toggleKey_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<DesktopChoices> desktopChoices_;  // start at login, the file types
    MemoryTrim memoryTrim_;
    // The settings the box stores while it comes up (theme, opacity) wait until it has shown.
    std::optional<Settings::Hold> startWrites_;
};

}  // namespace mirato
