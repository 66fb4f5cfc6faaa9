#include "app/Application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>

#include "app/DesktopAnswersModule.h"
#include "app/DesktopChoices.h"
#include "app/MenuHost.h"
#include "app/PowerSavingModule.h"
#include "app/SkinLibrary.h"
#include "app/SoundMenuModule.h"
#include "app/ToggleKey.h"
#include "app/TrayIcon.h"
#include "core/ServiceAddresses.h"
#include "core/SettingKeys.h"
#include "core/Strings.h"
#include "platform/InstanceChannel.h"
#include "platform/PlatformBackends.h"
#include "platform/SessionEnd.h"
#include "player/PlayerWindow.h"

namespace mirato {

using namespace std::chrono_literals;

Application::Application(PlatformBackends& platform, InstanceChannel* instance)
    : platform_(platform),
      sessionEnd_(platform.sessionEnd()),
      settings_(Settings::defaultFilePath()),
      paths_(AppPaths::current()),
      plugins_(paths_.pluginFolders(), hostConventions()),
      web_(launcher_, hostConventions()),
      engine_(media_, state_, notifier_),
      lyrics_(state_, settings_, plugins_, media_, launcher_, notifier_, hostConventions()),
      laterStarts_(state_, notifier_),
      windows_({state_, paths_, hostConventions(), launcher_, media_, settings_, lyrics_.sync(),
                lyrics_.search()}),
      services_{state_, paths_, hostConventions(), plugins_,  launcher_,
                web_,   media_, windows_,          notifier_, dialogs_},
      playerCommands_(services_),
      lines_(services_, platform, QFileInfo(settings_.filePath()).absolutePath()),
      documents_(services_),
      commandBox_(lines_.interpreter(), ActionTargets{state_, media_, windows_, nullptr, &dialogs_},
                  lines_.completer(), lines_.history(), settings_, notifier_, paths_.skinFolder()),
      soundMenu_(std::make_unique<SoundMenuModule>(state_, media_, settings_, windows_)) {
    windows_.attach(commandBox_, playerCommands_);
    // The engine plays at the level the user chose from the first song on.
    media_.setLoudness(settings_.get(SettingKeys::kLoudness));
    // Freed memory goes back a moment after the box, the player or the song changed.
    memoryTrim_.follow(&state_, &AppState::boxShownChanged, 5s);
    memoryTrim_.follow(&state_, &AppState::playerLoadedChanged, 2s);
    memoryTrim_.follow(&media_, &MediaControl::itemChanged, 2s);
    memoryTrim_.follow(&media_, &MediaControl::stateChanged, 2s);
    connect(&laterStarts_, &LaterStarts::toggleRequested, this, &Application::toggleBoxByHotkey);
    connect(&laterStarts_, &LaterStarts::documentAnnounced, &engine_, &EngineReadiness::prepareFor);
    connect(&laterStarts_, &LaterStarts::documentArrived, this, &Application::dispatchDocument);
    connect(&laterStarts_, &LaterStarts::boxWanted, this, [this] { windows_.showCommandBox(); });
    if (instance)
        connect(instance, &InstanceChannel::executeReceived, &laterStarts_, &LaterStarts::execute);
    connect(sessionEnd_.get(), &SessionEnd::endRequested, this, &Application::shutDown);
    // The session manager ends the event loop at logout: what must survive is stored first.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &Application::shutDown);
    connect(&commandBox_, &CommandBox::endRequested, this, &Application::shutDown);
    connect(soundMenu_.get(), &SoundMenuModule::quitRequested, this, &Application::shutDown);
}

Application::~Application() = default;

void Application::execute(const QString& command) {
    laterStarts_.execute(command);
}

void Application::dispatchDocument(const QString& document) {
    documents_.dispatch(document);
}

void Application::start(const QString& commandLine, std::unique_ptr<EngineHeadStart> headStart) {
    begun_ = true;
    media_.takeOver(std::move(headStart));
    startWrites_.emplace(settings_);
    // The whole command line is one document; quotes around a path with blanks go.
    const QString document = QString(commandLine).remove(QLatin1Char('"'));
    engine_.prepareFor(document);

    // What the box shows: language, opacity, theme, position, top-most.
    state_.restoreLook(settings_);
    commandBox_.applySkin();
    commandBox_.restorePosition();
    commandBox_.applyOpacity();
    commandBox_.applyTopMost();
    state_.setBoxShown(true);

    // The rest (menus, tray, hotkey, the desktop's state) is invisible until the user reaches
    // for it: it follows as soon as the box has painted, so the box shows without waiting.
    connect(
        &commandBox_, &CommandBox::firstPainted, this, [this, document] { finishStart(document); },
        Qt::QueuedConnection);
    QTimer::singleShot(kLatestFinishMs, this, [this, document] { finishStart(document); });
    commandBox_.show();
}

void Application::finishStart(const QString& document) {
    if (started_)
        return;
    started_ = true;
    startWrites_.reset();

    // The skin library waits for the first menu, dialog or tooltip (the box does not use it).
    skinLibrary_ = std::make_unique<SkinLibrary>(paths_.otherSkinFile(QStringLiteral("skin.she")));

    // The menu host: its menus, the plug-in entries and the hotkey.
    plugins_.scan();
    menus_ = std::make_unique<MenuHost>(services_, playerCommands_, settings_);
    menus_->buildPluginMenus();
    connect(menus_.get(), &MenuHost::exitRequested, this, &Application::shutDown);
    connect(menus_.get(), &MenuHost::aboutRequested, this, &Application::showAbout);
    connect(menus_.get(), &MenuHost::historyClearRequested, &lines_, &LineModule::clearHistory);
    desktopChoices_ =
        std::make_unique<DesktopChoices>(platform_, paths_, state_, settings_, notifier_);
    connect(desktopChoices_.get(), &DesktopChoices::fileTypesSwitched, this,
            [this] { commandBox_.input()->clear(); });
    commandBox_.setModeMenu(menus_->modeMenu());
    commandBox_.setTrayMenu(menus_->trayMenu());
    windows_.setMusicMenu(menus_->musicMenu());
    powerSaving_ = std::make_unique<PowerSavingModule>(platform_, media_, *menus_, settings_);
    desktopAnswers_ =
        std::make_unique<DesktopAnswersModule>(platform_, commandBox_, *menus_, settings_);

    // In the system's own spelling: plug-ins on Windows join it with backslashes.
    settings_.set(SettingKeys::kProgramPath, QDir::toNativeSeparators(paths_.programFolder()));
    desktopChoices_->attach(*menus_);
    // A play mode lives in the player: it is created hidden and turns the mode on from the
    // setting.
    if (settings_.get(SettingKeys::kRepeat) || settings_.get(SettingKeys::kShuffle))
        windows_.player();

    tray_ = std::make_unique<TrayIcon>(paths_, menus_->trayMenu(), notifier_, windows_);
    toggleKey_ =
        std::make_unique<ToggleKey>(platform_.globalShortcut(), state_, settings_, notifier_);
    connect(toggleKey_.get(), &ToggleKey::pressed, this, &Application::toggleBoxByHotkey);
    toggleKey_->bind(*menus_);
    if (settings_.get(SettingKeys::kFirstRunDone).isEmpty()) {
        notifier_.balloon(Strings::message(state_.language(), MessageCode::FirstStartHint));
        settings_.set(SettingKeys::kFirstRunDone, QStringLiteral("1"));
    }
    if (!document.isEmpty())
        laterStarts_.handOver(document);
    // The installed applications are read on a worker: typing never waits for them.
    lines_.loadApplications(memoryTrim_);
    // What the start-up no longer needs goes back at once.
    memoryTrim_.soon(kStartTrim);
    emit started();
}

void Application::toggleBoxByHotkey() {
    if (!state_.boxShown()) {
        windows_.showCommandBox();
    } else {
        commandBox_.hideToTray();
    }
    if (tray_)
        tray_->showAgain();
}

void Application::showAbout() {
    QMessageBox::about(
        nullptr,
        Strings::message(state_.language(), MessageCode::About).remove(QLatin1String("...")),
        QStringLiteral("<h3>Mirato V3.0</h3><p>Quick entry, music and lyrics for the desktop.</p>"
                       "<p><a href=\"%1\">%1</a></p>")
            .arg(ServiceAddresses::productSite()));
}

void Application::shutDown() {
    if (shutDown_ || !begun_)
        return;
    shutDown_ = true;
    commandBox_.hide();
    windows_.endSession();
    if (toggleKey_)
        toggleKey_->release();
    if (tray_)
        tray_->hide();
    QFile::remove(paths_.currentPlaylistFile());
    media_.stop();
    QApplication::quit();
}

}  // namespace mirato
