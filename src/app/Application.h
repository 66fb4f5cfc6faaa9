#pragma once

#include <QObject>
#include <QTimer>
#include <memory>
#include <optional>

#include "core/Settings.h"

class QSystemTrayIcon;

namespace mirato {

class AppState;
class AppPaths;
class ApplicationCatalog;
class CommandBox;
class CommandInterpreter;
class DesktopNotifier;
class DocumentDispatcher;
class Autostart;
class FileAssociations;
class AssociationStore;
class GlobalShortcut;
class IdleClock;
class InstanceChannel;
class LoginEntryStore;
class PlatformBackends;
class SessionEnd;
struct Services;
class KeyCommands;
class LaterStarts;
class LineCompleter;
class LineHistory;
class LyricSync;
class LyricsSearch;
class MediaPlayer;
class MenuHost;
class MprisService;
class PlayerCommands;
class PluginCatalog;
class PowerSaver;
class ProcessLauncher;
class QtDialogs;
class SkinLibrary;
class WebOpener;
class WindowHub;

// Owns the shared state, the services and the windows, wires them together, starts the
// program in its fixed order and shuts it down from the tray menu's exit item.
class Application : public QObject {
    Q_OBJECT
public:
    // platform: makes the backends of this session (hotkey, idle time, login entry, file
    // types); instance: where later starts send their execute strings, when there is one.
    explicit Application(PlatformBackends& platform, InstanceChannel* instance = nullptr);
    ~Application() override;

    // The start-up steps: the command box shows at once; the steps it does not need to show
    // (menus, tray, hotkey, the command line's document) follow once it has painted, and
    // started() says when they are done. The caller then runs the event loop.
    void start(const QString& commandLine = {});
    bool isStarted() const { return started_; }
    Settings& settings() { return *settings_; }

    // Hides everything, stores what must survive, removes the tray icon and the hotkey, and
    // ends the event loop. Runs once, however the end is asked for (the tray's Exit, a close
    // of the box by the window manager, a termination signal, the end of the session).
    void shutDown();

    CommandBox& commandBox() { return *commandBox_; }
    MenuHost& menus() { return *menus_; }
    WindowHub& windows() { return *windows_; }
    MediaPlayer& media() { return *media_; }

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
    static constexpr int kStartTrimMs = 500;
    // document: the start's command line without its quotes, dispatched once the start is done.
    void finishStart(const QString& document);
    void prepareEngineFor(const QString& document);
    void reportPlaybackProblem(int problem, const QString& detail);
    void toggleBoxByHotkey();
    void setUpToggleKey();
    void setUpPowerSaving();
    void showBox();
    void setUpTray();
    void showAbout();

    PlatformBackends& platform_;
    bool started_ = false;
    bool shutDown_ = false;
    std::unique_ptr<SessionEnd> sessionEnd_;
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<AppState> state_;
    std::unique_ptr<AppPaths> paths_;
    std::unique_ptr<PluginCatalog> plugins_;
    std::unique_ptr<ProcessLauncher> launcher_;
    std::unique_ptr<DesktopNotifier> notifier_;
    std::unique_ptr<QtDialogs> dialogs_;
    std::unique_ptr<MediaPlayer> media_;
    std::unique_ptr<WebOpener> web_;
    // What the logic acts through, once the web opener exists.
    std::unique_ptr<Services> services_;
    std::unique_ptr<LyricsSearch> lyricsSearch_;
    std::unique_ptr<LyricSync> lyricSync_;
    std::unique_ptr<LaterStarts> laterStarts_;
    std::unique_ptr<WindowHub> windows_;
    std::unique_ptr<PlayerCommands> playerCommands_;
    std::unique_ptr<ApplicationCatalog> applications_;
    std::unique_ptr<LineHistory> history_;
    std::unique_ptr<LineCompleter> completer_;
    std::unique_ptr<CommandInterpreter> interpreter_;
    std::unique_ptr<KeyCommands> keys_;
    std::unique_ptr<CommandBox> commandBox_;
    std::unique_ptr<DocumentDispatcher> documents_;
    std::unique_ptr<MenuHost> menus_;
    std::unique_ptr<PowerSaver> powerSaver_;
    std::unique_ptr<IdleClock> idleClock_;
    std::unique_ptr<GlobalShortcut> toggleKey_;
    std::unique_ptr<QSystemTrayIcon> tray_;
    std::unique_ptr<AssociationStore> associationStore_;
    std::unique_ptr<FileAssociations> associations_;
    std::unique_ptr<LoginEntryStore> loginEntry_;
    std::unique_ptr<Autostart> autostart_;
    std::unique_ptr<MprisService> mpris_;
    std::unique_ptr<SkinLibrary> skinLibrary_;
    QTimer trimTimer_;  // gives freed memory back every 5 s
    // The settings the box stores while it comes up (theme, opacity) wait until it has shown.
    std::optional<Settings::Hold> startWrites_;
};

}  // namespace mirato
