#include "app/MenuHost.h"

#include <QAction>
#include <QLoggingCategory>
#include <QMenu>

#include "appearance/ActionMenu.h"
#include "core/Actions.h"
#include "core/AddressOpener.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/InputModes.h"
#include "core/Launcher.h"
#include "core/MediaControl.h"
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

struct ThemeItem {
    const char* name;
    const char* theme;
    MessageCode text;
};
const ThemeItem kThemes[] = {{"blue", "Blue", MessageCode::ThemeBlue},
                             {"RosePink", "RosePink", MessageCode::ThemeRosePink},
                             {"Green", "Green", MessageCode::ThemeGreen},
                             {"LightGreen", "LightGreen", MessageCode::ThemeLightGreen},
                             {"Purple", "Purple", MessageCode::ThemePurple}};
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
    std::optional<MessageCode> text;
};
const LanguageItem kLanguages[] = {
    {"English", Language::English, std::nullopt},
    {"chinese", Language::SimplifiedChinese, MessageCode::LanguageSimplified},
    {"chinese1", Language::TraditionalChinese, MessageCode::LanguageTraditional}};

const std::pair<const char*, const char*> kFirstCaptions[] = {{"chinese", "简体中文"},
                                                              {"chinese1", "繁體中文"},
                                                              {"mExit", "退出程序"},
                                                              {"showLRC", "打开LRC歌词"}};

}  // namespace

bool MenuTicks::desktopAnswersOn(const Settings& settings) {
    return settings.get(SettingKeys::kDesktopAnswers);
}

MenuTicks MenuTicks::stored(const AppState& state, const Settings& settings) {
    MenuTicks ticks;
    ticks.language = state.language();
    ticks.theme = state.theme();
    ticks.repeat = settings.get(SettingKeys::kRepeat);
    ticks.shuffle = settings.get(SettingKeys::kShuffle);
    ticks.powerSaving = settings.get(SettingKeys::kPowerSaving);
    ticks.onTop = settings.get(SettingKeys::kTopMost);
    ticks.autoRun = state.startsAtLogin();
    ticks.loudness = settings.get(SettingKeys::kLoudness);
    ticks.desktopAnswers = desktopAnswersOn(settings);
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
    // Started in Simplified Chinese, the menus keep the captions they were drawn with: the
    // table's but for four, which choosing a language replaces.
    if (c_.state.language() == Language::SimplifiedChinese) {
        for (const auto& [name, caption] : kFirstCaptions)
            item(QLatin1String(name))->setText(QString::fromUtf8(caption));
    }
}

MenuHost::~MenuHost() {
    delete trayMenu_;
    delete musicMenu_;
    delete modeMenu_;
}

QAction* MenuHost::add(QMenu* menu, const char* name, MessageCode text) {
    QAction* action = menu->addAction(Strings::message(c_.state.language(), text));
    action->setObjectName(QLatin1String(name));
    items_.insert(QLatin1String(name), action);
    codes_.insert(QLatin1String(name), text);
    return action;
}

QMenu* MenuHost::addMenu(QMenu* parent, const char* name, std::optional<MessageCode> text) {
    QMenu* menu =
        parent->addMenu(text ? Strings::message(c_.state.language(), *text) : QLatin1String(name));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    items_.insert(QLatin1String(name), menu->menuAction());
    if (text)
        codes_.insert(QLatin1String(name), *text);
    return menu;
}

QAction* MenuHost::addFixed(QMenu* menu, const char* name) {
    QAction* action = menu->addAction(QLatin1String(name));
    action->setObjectName(QLatin1String(name));
    items_.insert(QLatin1String(name), action);
    return action;
}

void MenuHost::addActions(QMenu* menu, std::span<const char* const> names) {
    const ActionTargets targets{c_.state, c_.media, c_.windows, &player_, &c_.dialogs};
    for (QAction* action : ActionMenu::add(*menu, names, targets)) {
        items_.insert(action->objectName(), action);
        codes_.insert(action->objectName(), actionNamed(action->objectName())->text);
    }
}

void MenuHost::setTicked(const QString& name, bool ticked) {
    if (QAction* action = item(name)) {
        action->setCheckable(true);
        action->setChecked(ticked);
    }
}

void MenuHost::buildTrayMenu() {
    QMenu* m = trayMenu_;
    addActions(m, {"mShow", "OpenPlayer"});
    m->addSeparator();
    pluginMenus_.append(addMenu(m, "Plugin", MessageCode::Plugins));
    m->addSeparator();
    QMenu* settings = addMenu(m, "Setting", MessageCode::Settings);
    QMenu* skins = addMenu(settings, "Skin", MessageCode::Skins);
    for (const auto& [item, theme, text] : kThemes) {
        QAction* action = add(skins, item, text);
        action->setCheckable(true);
        const QString name = QLatin1String(theme);
        connect(action, &QAction::triggered, this, [this, name] { chooseTheme(name); });
    }
    QMenu* playMode = addMenu(settings, "PlayMode", MessageCode::PlayMode);
    QAction* repeat = add(playMode, "RPlay", MessageCode::RepeatPlay);
    QAction* random = add(playMode, "RndPlay", MessageCode::RandomPlay);
    QAction* power = add(playMode, "electricity", MessageCode::PowerSaving);
    for (QAction* action : {repeat, random, power})
        action->setCheckable(true);
    connect(repeat, &QAction::triggered, this,
            [this](bool on) { setPlayMode(PlayMode::Repeat, on); });
    connect(random, &QAction::triggered, this,
            [this](bool on) { setPlayMode(PlayMode::Shuffle, on); });
    connect(power, &QAction::triggered, this, [this](bool on) {
        settings_.set(SettingKeys::kPowerSaving, on);
        emit powerSavingChanged(on);
    });
    QMenu* loudness = addMenu(settings, "Loudness", MessageCode::Loudness);
    for (const auto& [name, level, text] : kLoudnesses) {
        QAction* action = add(loudness, name, text);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, level = level] { chooseLoudness(level); });
    }
    QAction* autoRun = add(settings, "AutoRun", MessageCode::AutoRun);
    QAction* onTop = add(settings, "FormTop", MessageCode::WindowTopmost);
    QAction* link = add(settings, "link", MessageCode::AssociateMp3);
    for (QAction* action : {autoRun, onTop, link})
        action->setCheckable(true);
    connect(autoRun, &QAction::triggered, this, &MenuHost::autoRunToggled);
    connect(link, &QAction::triggered, this, [this](bool on) { emit linkToggled(on); });
    connect(onTop, &QAction::triggered, this, [this](bool on) {
        settings_.set(SettingKeys::kTopMost, on);
        emit topMostChanged();
    });
    // Lines typed go to the desktop's other search programs (on this machine) while ticked;
    // offered only where there are any to ask.
    QAction* desktopAnswers = add(settings, "DesktopAnswers", MessageCode::DesktopAnswers);
    desktopAnswers->setCheckable(true);
    desktopAnswers->setVisible(false);
    connect(desktopAnswers, &QAction::triggered, this, [this](bool on) {
        settings_.set(SettingKeys::kDesktopAnswers, on);
        emit desktopAnswersChanged(on);
    });
    // Offered only where the desktop lets the user pick another key for the box.
    QAction* hotKey = add(settings, "HotKey", MessageCode::ChangeToggleKey);
    hotKey->setVisible(false);
    connect(hotKey, &QAction::triggered, this, &MenuHost::toggleKeyChangeRequested);
    connect(add(settings, "ClearHistory", MessageCode::ClearHistory), &QAction::triggered, this,
            &MenuHost::historyClearRequested);
    settings->setToolTipsVisible(true);
    playMode->setToolTipsVisible(true);

    QMenu* languages = addMenu(m, "Language", std::nullopt);
    for (const auto& [name, language, text] : kLanguages) {
        QAction* action = text ? add(languages, name, *text) : addFixed(languages, name);
        action->setCheckable(true);
        connect(action, &QAction::triggered, this,
                [this, language = language] { chooseLanguage(language); });
    }

    QMenu* help = addMenu(m, "HelpCenter", MessageCode::HelpCenter);
    addActions(help, {"Help"});
    connect(add(help, "SiteUrl", MessageCode::Website), &QAction::triggered, this,
            [this] { c_.web.open(ServiceAddresses::productSite()); });
    connect(add(help, "mabout", MessageCode::About), &QAction::triggered, this,
            [this] { emit aboutRequested(); });
    m->addSeparator();
    connect(add(m, "mExit", MessageCode::Exit), &QAction::triggered, this,
            [this] { emit exitRequested(); });
}

void MenuHost::buildMusicMenu() {
    QMenu* m = musicMenu_;
    addActions(m, kOpenAndSaveItems);
    m->addSeparator();
    addActions(m, {"OpenRun", "showLRC"});
    // Looking songs' lyrics up sends their tags to the lyrics service: only when ticked.
    QAction* findLyrics = add(m, "FindLyrics", MessageCode::FindLyricsOnline);
    findLyrics->setCheckable(true);
    connect(findLyrics, &QAction::triggered, this, [this](bool on) {
        settings_.set(SettingKeys::kAutoLyrics, on);
        emit autoLyricsChanged(on);
    });
    connect(m, &QMenu::aboutToShow, findLyrics, [this, findLyrics] {
        findLyrics->setChecked(settings_.get(SettingKeys::kAutoLyrics));
    });
    addActions(m, {"LyricsEarlier", "LyricsLater"});
    pluginMenus_.append(addMenu(m, "Plugin1", MessageCode::Plugins));
}

void MenuHost::buildModeMenu() {
    QMenu* m = modeMenu_;
    addActions(m, kInputModeItems);
    m->addSeparator();
    addActions(m, {"OpenMusic"});
    pluginMenus_.append(addMenu(m, "Plugin2", MessageCode::Plugins));
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
        QAction* download = add(menu, downloads[m], MessageCode::DownloadPlugins);
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

void MenuHost::chooseTheme(const QString& theme) {
    c_.state.setTheme(theme);
    emit themeChosen();  // the command box's skin stores it
    for (const auto& entry : kThemes)
        setTicked(QLatin1String(entry.name), QLatin1String(entry.theme) == theme);
}

void MenuHost::chooseLanguage(Language language) {
    c_.state.setLanguage(language);
    applyLanguage();
    settings_.set(SettingKeys::kLanguage, language);
    for (const auto& entry : kLanguages)
        setTicked(QLatin1String(entry.name), entry.language == language);
}

void MenuHost::setPlayMode(PlayMode mode, bool on) {
    setTicked(PlayModes::setting(mode).key, on);
    c_.media.setMode(mode, on);
    settings_.set(PlayModes::setting(mode), on);
}

void MenuHost::chooseLoudness(Loudness loudness) {
    for (const auto& entry : kLoudnesses)
        setTicked(QLatin1String(entry.name), entry.loudness == loudness);
    c_.media.setLoudness(loudness);
    settings_.set(SettingKeys::kLoudness, loudness);
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
            if (ticks.theme == QLatin1String(theme) && ticks.theme == QLatin1String(entry.theme))
                setTicked(QLatin1String(entry.name), true);
        }
    }
    setTicked(SettingKeys::kRepeat.key, ticks.repeat);
    setTicked(SettingKeys::kShuffle.key, ticks.shuffle);
    setTicked(SettingKeys::kPowerSaving.key, ticks.powerSaving);
    setTicked(QStringLiteral("FormTop"), ticks.onTop);
    setTicked(QStringLiteral("AutoRun"), ticks.autoRun);
    setTicked(QStringLiteral("link"), ticks.fileTypes);
    setTicked(QStringLiteral("DesktopAnswers"), ticks.desktopAnswers);
    for (const auto& entry : kLoudnesses)
        setTicked(QLatin1String(entry.name), entry.loudness == ticks.loudness);
}

void MenuHost::applyLanguage() {
    for (auto it = codes_.cbegin(); it != codes_.cend(); ++it) {
        if (QAction* action = item(it.key()))
            action->setText(Strings::message(c_.state.language(), it.value()));
    }
    setPowerSavingAvailable(powerSavingAvailable_);
}

void MenuHost::setPowerSavingAvailable(bool available) {
    powerSavingAvailable_ = available;
    QAction* power = item(SettingKeys::kPowerSaving.key);
    power->setEnabled(available);
    power->setToolTip(available ? QString()
                                : Strings::message(c_.state.language(), MessageCode::NoIdleTime));
}

void MenuHost::offerToggleKeyChange(bool offered) {
    item(QStringLiteral("HotKey"))->setVisible(offered);
}

}  // namespace mirato
