#include "app/Application.h"

#include <QCoreApplication>
#include <QTimer>

#include "app/DesktopNotifier.h"
#include "app/ProcessLauncher.h"
#include "app/QtDialogs.h"
#include "app/WindowHub.h"
#include "appearance/WindowTraits.h"
#include "commandbox/CommandBox.h"
#include "commandbox/CommandInterpreter.h"
#include "commandbox/DocumentDispatcher.h"
#include "commandbox/KeyCommands.h"
#include "commandbox/LyricsSearch.h"
#include "components/MediaPlayer.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/InputModes.h"
#include "core/Messages.h"
#include "core/PluginCatalog.h"
#include "core/Settings.h"
#include "core/TextRules.h"
#include "lyrics/LyricSync.h"
#include "player/PlayerCommands.h"
#include "shell/WebOpener.h"

namespace mirato {

Application::Application()
    : state_(std::make_unique<AppState>()),
      paths_(std::make_unique<AppPaths>(AppPaths::current())),
      plugins_(std::make_unique<PluginCatalog>(paths_->pluginFolders(), hostConventions())),
      launcher_(std::make_unique<ProcessLauncher>()),
      notifier_(std::make_unique<DesktopNotifier>()),
      dialogs_(std::make_unique<QtDialogs>()),
      media_(std::make_unique<MediaPlayer>()),
      web_(std::make_unique<WebOpener>(WebOpener::readBrowserCommand(), *launcher_,
                                       hostConventions())),
      windows_(std::make_unique<WindowHub>(
          WindowHubContext{*state_, *paths_, hostConventions(), *launcher_, *media_})) {
    media_->setProblemHandler([this](MediaPlayer::Problem problem, const QString& detail) {
        reportPlaybackProblem(static_cast<int>(problem), detail);
    });
    playerCommands_ = std::make_unique<PlayerCommands>(
        PlayerCommandContext{*state_, *paths_, *media_, *dialogs_, *web_, *notifier_, *windows_});
    windows_->setPlayerCommands(playerCommands_.get());
    // Loading the playback engine is most of the wait before the first sound: start it as soon
    // as a media name is being typed.
    connect(state_.get(), &AppState::probesChanged, this, [this] {
        const QString extension = state_->probes().last4;
        if (TextRules::isMediaExtension(extension) ||
            InputModes::isActive(*state_, MessageCode::ModeMusic))
            media_->prepare(QStringLiteral("typed") + extension);
    });
    lyricsSearch_ =
        std::make_unique<LyricsSearch>(*state_, *plugins_, *media_, *launcher_, *notifier_);
    interpreter_ = std::make_unique<CommandInterpreter>(
        InterpreterContext{*state_, *paths_, hostConventions(), *plugins_, *launcher_, *web_,
                           *media_, *windows_, *notifier_});
    keys_ =
        std::make_unique<KeyCommands>(KeyContext{*state_, *paths_, hostConventions(), *launcher_,
                                                 *media_, *windows_, *dialogs_, *lyricsSearch_});
    commandBox_ =
        std::make_unique<CommandBox>(*state_, *interpreter_, *keys_, *notifier_, *windows_);
    windows_->setCommandBox(commandBox_.get());
    windows_->setLyricsSearch(lyricsSearch_.get());

    lyricSync_ = std::make_unique<LyricSync>(*state_, *media_, hostConventions(),
                                             [this] { return windows_->lyricsView(); });
    windows_->setLyricSync(lyricSync_.get());
    // The lyric timers run while the player window is loaded.
    connect(state_.get(), &AppState::playerLoadedChanged, lyricSync_.get(), &LyricSync::setActive);
    documents_ = std::make_unique<DocumentDispatcher>(
        InterpreterContext{*state_, *paths_, hostConventions(), *plugins_, *launcher_, *web_,
                           *media_, *windows_, *notifier_},
        *interpreter_);
}

void Application::dispatchDocument(const QString& document) {
    documents_->dispatch(document);
}

void Application::reportPlaybackProblem(int problem, const QString& detail) {
    const QString& language = state_->language();
    if (problem == static_cast<int>(MediaPlayer::Problem::NoAudioDevice)) {
        notifier_->balloon(Messages::text(language, Message::NoAudioDevice));
        return;
    }
    notifier_->messageBox(Messages::text(language, Message::EngineMissing).arg(detail));
}

Application::~Application() = default;

void Application::start() {
    const QString language = Settings::read(QStringLiteral("Language"));
    state_->setLanguage(language == QLatin1String("2") || language == QLatin1String("3")
                            ? language
                            : QStringLiteral("1"));
    state_->setOpacity(Settings::read(QStringLiteral("TM")));
    WindowTraits::restorePosition(*commandBox_, QStringLiteral("wl"));
    commandBox_->applyOpacity();
    Settings::write(QStringLiteral("MiratoPath"), paths_->programFolder());
    plugins_->scan();

    state_->setBoxShown(true);
    commandBox_->show();

    // A document named on the command line is handed over once start-up has finished.
    QString document = QCoreApplication::arguments().mid(1).join(QLatin1Char(' '));
    document.remove(QLatin1Char('"'));
    if (!document.isEmpty())
        QTimer::singleShot(20, this, [this, document] { dispatchDocument(document); });
}

}  // namespace mirato
