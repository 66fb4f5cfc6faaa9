#include "app/Application.h"

#include "app/DesktopNotifier.h"
#include "app/IdleMediaControl.h"
#include "app/ProcessLauncher.h"
#include "app/QtFileDialogs.h"
#include "app/WindowHub.h"
#include "commandbox/CommandBox.h"
#include "commandbox/CommandInterpreter.h"
#include "commandbox/KeyCommands.h"
#include "commandbox/LyricsSearch.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/PluginCatalog.h"
#include "core/Settings.h"
#include "shell/WebOpener.h"

namespace mirato {

Application::Application()
    : state_(std::make_unique<AppState>()),
      paths_(std::make_unique<AppPaths>(AppPaths::current())),
      plugins_(std::make_unique<PluginCatalog>(paths_->pluginFolders(), hostConventions())),
      launcher_(std::make_unique<ProcessLauncher>()),
      notifier_(std::make_unique<DesktopNotifier>()),
      dialogs_(std::make_unique<QtFileDialogs>()),
      media_(std::make_unique<IdleMediaControl>()),
      web_(std::make_unique<WebOpener>(WebOpener::readBrowserCommand(), *launcher_,
                                       hostConventions())),
      windows_(std::make_unique<WindowHub>(*state_)) {
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
}

Application::~Application() = default;

void Application::start() {
    const QString language = Settings::read(QStringLiteral("Language"));
    state_->setLanguage(language == QLatin1String("2") || language == QLatin1String("3")
                            ? language
                            : QStringLiteral("1"));
    state_->setOpacity(Settings::read(QStringLiteral("TM")));
    const TwipsPosition position = Settings::readPosition(QStringLiteral("wl"));
    if (position.top)
        commandBox_->move(commandBox_->x(), Settings::twipsToPixels(*position.top));
    if (position.left)
        commandBox_->move(Settings::twipsToPixels(*position.left), commandBox_->y());
    commandBox_->applyOpacity();
    Settings::write(QStringLiteral("MiratoPath"), paths_->programFolder());
    plugins_->scan();

    state_->setBoxShown(true);
    commandBox_->show();
}

}  // namespace mirato
