#include "app/MenuHost.h"

#include <QAction>
#include <QLoggingCategory>
#include <QMenu>

#include "core/AddressOpener.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/HelpOpener.h"
#include "core/InputModes.h"
#include "core/Launcher.h"
#include "core/MediaControl.h"
#include "core/PlaybackKeys.h"
#include "core/PlayerRequests.h"
#include "core/PluginCatalog.h"
#include "core/ServiceAddresses.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/Strings.h"
#include "core/TextRules.h"
#include "core/WindowRequests.h"

Q_LOGGING_CATEGORY(lcMenus, "mirato.app.menus", QtWarningMsg)

namespace mirato {

namespace {

const char* const kThemes[][2] = {{"blue", "Blue"},
                                  {"RosePink", "RosePink"},
                                  {"Green", "Green"},
                                  {"LightGreen", "LightGreen"},
                                  {"Purple", "Purple"}};
struct LoudnessItem {
    const char* name;
    Loudness loudness;
    MessageCode text;
};
const LoudnessItem kLoudnesses[] = {{"LoudnessOff", Loudness::Off, MessageCode::LoudnessOff},
                                    {"LoudnessTrack", Loudness::Track, MessageCode::LoudnessTrack},
                                    {"LoudnessAlbum", Loudness::Album, MessageCode::LoudnessAlbum}};
// In the menu's order: English, Simplified Chinese, Traditional Chinese.
struct LanguageItem {
    const char* name;
    Language language;
};
const LanguageItem kLanguages[] = {{"English", Language::English},
                                   {"chinese", Language::SimplifiedChinese},
                                   {"chinese1", Language::TraditionalChinese}};

}  // namespace

MenuTicks MenuTicks::stored(const AppState& state, const Settings& settings) {
    MenuTicks ticks;
    ticks.language = state.language();
    ticks.theme = state.theme();
    ticks.repeat = settings.readBool(PlayModes::key(PlayMode::Repeat));
    ticks.shuffle = settings.readBool(PlayModes::key(PlayMode::Shuffle));
    ticks.powerSaving = settings.readBool(SettingKeys::kPowerSaving);
    ticks.onTop = settings.readBool(SettingKeys::kTopMost);
    ticks.autoRun = !state.autostartValue().isEmpty();
    ticks.loudness = Loudnesses::fromSetting(settings.read(SettingKeys::kLoudness));
    return ticks;
}

MenuHost::MenuHost(const Services& services, PlayerRequests& player, Settings& settings,
                   QObject* parent)
    : QObject(parent),
      c_(services),
      player_(player),
      settings_(settings),
      trayMenu_(new QMenu),
      musicMenu_(new QMenu),
      modeMenu_(new QMenu) {
    trayMenu_->setObjectName(QStringLiteral("mSysPopup"));
    musicMenu_->setObjectName(QStringLiteral("mMusic"));
    modeMenu_->setObjectName(QStringLiteral("mMirato"));
    buildTrayMenu();
    buildMusicMenu();
    buildModeMenu();
    applyOwnTexts();
}

MenuHost::~MenuHost() {
    delete trayMenu_;
    delete musicMenu_;
    delete modeMenu_;
}

QAction* MenuHost::add(QMenu* menu, const char* name, const char* builtIn, int code,
                       const QKeySequence& key) {
    QAction* action = menu->addAction(QString::fromUtf8(builtIn));
    action->setObjectName(QLatin1String(name));
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutVisibleInContextMenu(true);
    }
    items_.insert(QLatin1String(name), action);
    if (code >= 0)
        codes_.insert(QLatin1String(name), code);
    return action;
}

QMenu* MenuHost::addMenu(QMenu* parent, const char* name, const char* builtIn, int code) {
    QMenu* menu = parent->addMenu(QString::fromUtf8(builtIn));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    items_.insert(QLatin1String(name), menu->menuAction());
    if (code >= 0)
        codes_.insert(QLatin1String(name), code);
    return menu;
}

void MenuHost::setTicked(const QString& name, bool ticked) {
    if (QAction* action = item(name)) {
        action->setCheckable(true);
        action->setChecked(ticked);
    }
}

void MenuHost::buildTrayMenu() {
    QMenu* m = trayMenu_;
    connect(add(m, "mShow", "打开 Mirato", 1), &QAction::triggered, this,
            [this] { c_.windows.showCommandBox(); });
    connect(add(m, "OpenPlayer", "打开 Music Player", 2), &QAction::triggered, this,
            [this] { c_.windows.showPlayer(); });
    m->addSeparator();
    pluginMenus_.append(addMenu(m, "Plugin", "附加插件", 47));
    m->addSeparator();
    QMenu* settings = addMenu(m, "Setting", "软件设置", 12);
    QMenu* skins = addMenu(settings, "Skin", "更换皮肤", 6);
    int code = 7;
    for (const auto& theme : kThemes) {
        const QString item = QLatin1String(theme[0]);
        const QString name = QLatin1String(theme[1]);
        static const char* const captions[] = {"蓝色", "淡粉", "绿色", "淡绿", "紫色"};
        QAction* action = add(skins, theme[0], captions[code - 7], code);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, name, item] { chooseTheme(name, item); });
        ++code;
    }
    QMenu* playMode = addMenu(settings, "PlayMode", "播放模式", 3);
    QAction* repeat = add(playMode, "RPlay", "重复播放", 4);
    QAction* random = add(playMode, "RndPlay", "随机播放", 5);
    QAction* power = add(playMode, "electricity", "省电模式", 64);
    for (QAction* action : {repeat, random, power})
        action->setCheckable(true);
    connect(repeat, &QAction::triggered, this,
            [this](bool on) { setPlayMode(PlayMode::Repeat, on); });
    connect(random, &QAction::triggered, this,
            [this](bool on) { setPlayMode(PlayMode::Shuffle, on); });
    connect(power, &QAction::triggered, this, [this](bool on) {
        settings_.writeBool(SettingKeys::kPowerSaving, on);
        emit powerSavingChanged(on);
    });
    QMenu* loudness = addMenu(settings, "Loudness", "");
    ownTexts_.insert(QStringLiteral("Loudness"), MessageCode::Loudness);
    for (const auto& [name, level, text] : kLoudnesses) {
        QAction* action = add(loudness, name, "");
        ownTexts_.insert(QLatin1String(name), text);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, level = level] { chooseLoudness(level); });
    }
    QAction* autoRun = add(settings, "AutoRun", "开机启动", 13);
    QAction* onTop = add(settings, "FormTop", "窗口置顶", 14);
    QAction* link = add(settings, "link", "关联 MP3", 15);
    for (QAction* action : {autoRun, onTop, link})
        action->setCheckable(true);
    connect(autoRun, &QAction::triggered, this, &MenuHost::autoRunToggled);
    connect(link, &QAction::triggered, this, [this](bool on) { emit linkToggled(on); });
    connect(onTop, &QAction::triggered, this, [this](bool on) {
        settings_.writeBool(SettingKeys::kTopMost, on);
        emit topMostChanged();
    });
    // Offered only where the desktop lets the user pick another key for the box.
    QAction* hotKey = add(settings, "HotKey", "");
    ownTexts_.insert(QStringLiteral("HotKey"), MessageCode::ChangeToggleKey);
    hotKey->setVisible(false);
    connect(hotKey, &QAction::triggered, this, &MenuHost::toggleKeyChangeRequested);
    QAction* clearHistory = add(settings, "ClearHistory", "");
    ownTexts_.insert(QStringLiteral("ClearHistory"), MessageCode::ClearHistory);
    connect(clearHistory, &QAction::triggered, this, &MenuHost::historyClearRequested);
    settings->setToolTipsVisible(true);
    playMode->setToolTipsVisible(true);

    QMenu* languages = addMenu(m, "Language", "Language");
    const char* const captions[] = {"English", "简体中文", "繁體中文"};
    const int languageCodes[] = {-1, 42, 44};
    for (int i = 0; i < 3; ++i) {
        const Language language = kLanguages[i].language;
        QAction* action = add(languages, kLanguages[i].name, captions[i], languageCodes[i]);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, [this, language] { chooseLanguage(language); });
    }

    QMenu* help = addMenu(m, "HelpCenter", "帮助中心", 16);
    connect(add(help, "Help", "帮助文档", 17), &QAction::triggered, this,
            [this] { openHelp(c_.paths, c_.state.language(), c_.conventions, c_.launcher); });
    connect(add(help, "SiteUrl", "Mirato官网", 19), &QAction::triggered, this,
            [this] { c_.web.open(ServiceAddresses::productSite()); });
    connect(add(help, "mabout", "关于Mirato...", 20), &QAction::triggered, this,
            [this] { emit aboutRequested(); });
    m->addSeparator();
    connect(add(m, "mExit", "退出程序", 45), &QAction::triggered, this,
            [this] { emit exitRequested(); });
}

void MenuHost::buildMusicMenu() {
    QMenu* m = musicMenu_;
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    connect(add(m, "Open", "打开(O)...", 53, ctrl(Qt::Key_O)), &QAction::triggered, this,
            [this] { player_.openFiles(); });
    connect(add(m, "OpenMusicURL", "打开URL(U)...", 54, ctrl(Qt::Key_U)), &QAction::triggered, this,
            [this] { player_.openAddress(); });
    connect(add(m, "SaveAs", "另存为(V)...", 55, ctrl(Qt::Key_S)), &QAction::triggered, this,
            [this] { player_.saveMediaAs(); });
    connect(add(m, "SavePlaylist", "保存正在播放的列表(S)", 56), &QAction::triggered, this,
            [this] { player_.savePlaylist(); });
    connect(add(m, "SaveAsPlaylist", "将正在播放的列表另存为(A)...", 57), &QAction::triggered, this,
            [this] { player_.savePlaylistAs(); });
    m->addSeparator();
    connect(add(m, "OpenRun", "打开 Mirato", 1, ctrl(Qt::Key_X)), &QAction::triggered, this,
            [this] { c_.windows.showCommandBox(); });
    connect(add(m, "showLRC", "打开LRC歌词", 58, ctrl(Qt::Key_L)), &QAction::triggered, this,
            [this] { c_.windows.showLyricsWindow(); });
    // Looking songs' lyrics up sends their tags to the lyrics service: only when ticked.
    QAction* findLyrics = add(m, "FindLyrics", "");
    ownTexts_.insert(QStringLiteral("FindLyrics"), MessageCode::FindLyricsOnline);
    findLyrics->setCheckable(true);
    connect(findLyrics, &QAction::triggered, this, [this](bool on) {
        settings_.writeBool(SettingKeys::kAutoLyrics, on);
        emit autoLyricsChanged(on);
    });
    const auto alt = [](Qt::Key key) { return QKeySequence(Qt::ALT | key); };
    const std::pair<const char*, MessageCode> nudges[] = {
        {"LyricsEarlier", MessageCode::LyricsEarlier}, {"LyricsLater", MessageCode::LyricsLater}};
    for (const auto& [name, text] : nudges) {
        const bool earlier = text == MessageCode::LyricsEarlier;
        QAction* nudge = add(m, name, "", -1, alt(earlier ? Qt::Key_Left : Qt::Key_Right));
        ownTexts_.insert(QLatin1String(name), text);
        connect(nudge, &QAction::triggered, this, [this, earlier] {
            c_.windows.nudgeLyrics(earlier ? kLyricsNudgeMs : -kLyricsNudgeMs);
        });
    }
    pluginMenus_.append(addMenu(m, "Plugin1", "附加插件", 47));
    // Saving a list makes sense only while a list plays.
    connect(m, &QMenu::aboutToShow, this, [this] {
        const bool list = TextRules::isPlaylistExtension(c_.media.url().right(4));
        item(QStringLiteral("SavePlaylist"))->setEnabled(list);
        item(QStringLiteral("SaveAsPlaylist"))->setEnabled(list);
        item(QStringLiteral("FindLyrics"))
            ->setChecked(settings_.readBool(SettingKeys::kAutoLyrics));
    });
}

void MenuHost::buildModeMenu() {
    QMenu* m = modeMenu_;
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    struct Mode {
        const char* name;
        const char* builtIn;
        int code;
        Qt::Key key;
        InputMode mode;
    };
    const Mode modes[] = {
        {"Baidu", "百度搜索", 52, Qt::Key_B, InputMode::Baidu},
        {"Google", "谷歌搜索", 51, Qt::Key_G, InputMode::Google},
        {"RunCommand", "运行命令", 50, Qt::Key_R, InputMode::Run},
        {"RunCMD", "运行CMD", 49, Qt::Key_D, InputMode::RunCmd},
        {"MuiscMode", "网络音乐", 48, Qt::Key_N, InputMode::Music},
    };
    for (const Mode& mode : modes) {
        QAction* action = add(m, mode.name, mode.builtIn, mode.code, ctrl(mode.key));
        action->setCheckable(true);
        const InputMode code = mode.mode;
        connect(action, &QAction::triggered, this,
                [this, code] { InputModes::toggle(c_.state, code); });
    }
    connect(m, &QMenu::aboutToShow, this, [this, modes] {
        for (const Mode& mode : modes)
            item(QLatin1String(mode.name))->setChecked(InputModes::isActive(c_.state, mode.mode));
    });
    m->addSeparator();
    connect(add(m, "OpenMusic", "打开 Music Player", 2, ctrl(Qt::Key_I)), &QAction::triggered, this,
            [this] { c_.windows.showPlayer(); });
    pluginMenus_.append(addMenu(m, "Plugin2", "附加插件", 47));
}

void MenuHost::buildPluginMenus() {
    static const char* const entries[] = {"P", "P1", "P2"};
    static const char* const downloads[] = {"DP", "DP1", "DP2"};
    const QList<PluginFolder>& folders = c_.plugins.folders();
    for (int m = 0; m < pluginMenus_.size(); ++m) {
        QMenu* menu = pluginMenus_.at(m);
        menu->clear();
        // Entry 0 exists from the start; other entries only for real plug-ins, so indexes
        // keep the folder's place and can have gaps.
        QList<std::pair<int, QString>> shown{{0, QStringLiteral("NO Plugin")}};
        for (int i = 0; i < folders.size(); ++i) {
            if (!folders.at(i).valid)
                continue;
            const QString caption = c_.plugins.caption(folders.at(i), c_.state.language());
            if (i == 0)
                shown.first().second = caption;
            else
                shown.append({i, caption});
        }
        for (const auto& entry : shown) {
            // Not a structured binding: clang before 16 cannot capture one in a lambda.
            const int index = entry.first;
            QAction* action = menu->addAction(entry.second);
            action->setObjectName(
                QStringLiteral("%1_%2").arg(QLatin1String(entries[m])).arg(index));
            connect(action, &QAction::triggered, this, [this, index] { startPlugin(index); });
        }
        QAction* download = add(menu, downloads[m], "下载新插件", 63);
        download->setText(Strings::message(c_.state.language(), MessageCode::DownloadPlugins));
        connect(download, &QAction::triggered, this,
                [this] { c_.web.open(ServiceAddresses::pluginForum()); });
    }
}

void MenuHost::startPlugin(int index) {
    const QList<PluginFolder>& folders = c_.plugins.folders();
    if (index < 0 || index >= folders.size()) {
        qCDebug(lcMenus) << "no plug-in at" << index;
        return;
    }
    const QString program = c_.plugins.programIn(folders.at(index));
    if (program.isEmpty() || !c_.launcher.start(Command{program, {}}))
        qCDebug(lcMenus) << "plug-in not started:" << folders.at(index).path;
}

void MenuHost::chooseTheme(const QString& theme, const QString& itemName) {
    c_.state.setTheme(theme);
    emit themeChosen();  // the command box's skin stores it
    for (const auto& entry : kThemes)
        setTicked(QLatin1String(entry[0]), QLatin1String(entry[0]) == itemName);
}

void MenuHost::chooseLanguage(Language language) {
    c_.state.setLanguage(language);
    applyLanguage();
    settings_.write(SettingKeys::kLanguage, Languages::toSetting(language));
    for (const auto& entry : kLanguages)
        setTicked(QLatin1String(entry.name), entry.language == language);
}

void MenuHost::setPlayMode(PlayMode mode, bool on) {
    setTicked(PlayModes::key(mode), on);
    c_.media.setMode(mode, on);
    settings_.writeBool(PlayModes::key(mode), on);
}

void MenuHost::chooseLoudness(Loudness loudness) {
    for (const auto& entry : kLoudnesses)
        setTicked(QLatin1String(entry.name), entry.loudness == loudness);
    c_.media.setLoudness(loudness);
    settings_.write(SettingKeys::kLoudness, Loudnesses::toSetting(loudness));
}

void MenuHost::restoreTicks(const MenuTicks& ticks) {
    if (ticks.language != Language::SimplifiedChinese)
        applyLanguage();
    for (const auto& entry : kLanguages)
        setTicked(QLatin1String(entry.name), ticks.language == entry.language);
    // At start only Blue, Green and Purple show their tick; a theme chosen in the menu is
    // ticked whichever it is.
    for (const char* theme : {"Blue", "Green", "Purple"}) {
        for (const auto& entry : kThemes) {
            if (ticks.theme == QLatin1String(theme) && ticks.theme == QLatin1String(entry[1]))
                setTicked(QLatin1String(entry[0]), true);
        }
    }
    setTicked(SettingKeys::kRepeat, ticks.repeat);
    setTicked(SettingKeys::kShuffle, ticks.shuffle);
    setTicked(SettingKeys::kPowerSaving, ticks.powerSaving);
    setTicked(QStringLiteral("FormTop"), ticks.onTop);
    setTicked(QStringLiteral("AutoRun"), ticks.autoRun);
    setTicked(QStringLiteral("link"), ticks.fileTypes);
    for (const auto& entry : kLoudnesses)
        setTicked(QLatin1String(entry.name), entry.loudness == ticks.loudness);
}

void MenuHost::applyLanguage() {
    for (auto it = codes_.cbegin(); it != codes_.cend(); ++it) {
        if (QAction* action = item(it.key()))
            action->setText(Strings::message(c_.state.language(), MessageCode(it.value())));
    }
    applyOwnTexts();
}

void MenuHost::applyOwnTexts() {
    for (auto it = ownTexts_.cbegin(); it != ownTexts_.cend(); ++it) {
        if (QAction* action = item(it.key()))
            action->setText(Strings::message(c_.state.language(), it.value()));
    }
    setPowerSavingAvailable(powerSavingAvailable_);
}

void MenuHost::setPowerSavingAvailable(bool available) {
    powerSavingAvailable_ = available;
    QAction* power = item(SettingKeys::kPowerSaving);
    power->setEnabled(available);
    power->setToolTip(available ? QString()
                                : Strings::message(c_.state.language(), MessageCode::NoIdleTime));
}

void MenuHost::offerToggleKeyChange(bool offered) {
    item(QStringLiteral("HotKey"))->setVisible(offered);
}

}  // namespace mirato
