#pragma once

#include <QObject>
#include <memory>

namespace mirato {

class AppState;
class AppPaths;
class CommandBox;
class CommandInterpreter;
class DesktopNotifier;
class KeyCommands;
class DocumentDispatcher;
class LyricSync;
class LyricsSearch;
class MediaPlayer;
class PlayerCommands;
class PluginCatalog;
class ProcessLauncher;
class QtDialogs;
class WebOpener;
class WindowHub;

// Owns the shared state, the services and the windows, and wires them together.
class Application : public QObject {
    Q_OBJECT
public:
    Application();
    ~Application() override;

    // Applies the stored options and shows the command box; the caller then runs the event
    // loop.
    void start();

    CommandBox& commandBox() { return *commandBox_; }
    // Hands a document (a command line) over as if it came from outside.
    void dispatchDocument(const QString& document);

private:
    void reportPlaybackProblem(int problem, const QString& detail);

    std::unique_ptr<AppState> state_;
    std::unique_ptr<AppPaths> paths_;
    std::unique_ptr<PluginCatalog> plugins_;
    std::unique_ptr<ProcessLauncher> launcher_;
    std::unique_ptr<DesktopNotifier> notifier_;
    std::unique_ptr<QtDialogs> dialogs_;
    std::unique_ptr<MediaPlayer> media_;
    std::unique_ptr<WebOpener> web_;
    std::unique_ptr<WindowHub> windows_;
    std::unique_ptr<PlayerCommands> playerCommands_;
    std::unique_ptr<LyricsSearch> lyricsSearch_;
    std::unique_ptr<CommandInterpreter> interpreter_;
    std::unique_ptr<KeyCommands> keys_;
    std::unique_ptr<CommandBox> commandBox_;
    std::unique_ptr<LyricSync> lyricSync_;
    std::unique_ptr<DocumentDispatcher> documents_;
};

}  // namespace mirato
