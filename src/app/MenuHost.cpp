#include "app/MenuHost.h"

#include <QAction>
#include <QLoggingCategory>
#include <QMenu>

#include "appearance/ActionMenu.h"
#include "core/AddressOpener.h"
#include "core/AppState.h"
#include "core/Launcher.h"
#include "core/MediaControl.h"
#include "core/PluginCatalog.h"
#include "core/ServiceAddresses.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/Strings.h"
#include "core/WindowRequests.h"

Q_LOGGING_CATEGORY(lcMenus, "mirato.app.menus", QtWarningMsg)

namespace mirato {

namespace {

using I = ItemId;

// The tray menu; a submenu's items follow it up to its End.
// clang-format off
constexpr ItemId kTrayLayout[] = {
    I::ShowBox, I::OpenPlayer, I::Separator,
    I::Plugins, I::End, I::Separator,
    I::SettingsMenu,
        I::Themes, I::ThemeBlue, I::ThemeRosePink, I::ThemeGreen, I::ThemeLightGreen,
            I::ThemePurple, I::End,
        I::PlayModes, I::Repeat, I::Shuffle, I::PowerSaving, I::End,
        I::Loudness, I::LoudnessOff, I::LoudnessTrack, I::LoudnessAlbum, I::End,
        I::AutoRun, I::TopMost, I::FileTypes, I::DesktopAnswers, I::ChangeToggleKey,
        I::ClearHistory, I::End,
    I::Languages, I::English, I::SimplifiedChinese, I::TraditionalChinese, I::End,
    I::HelpCenter, I::Help, I::Website, I::About, I::End,
    I::Separator, I::Exit};
// The music menu after the open and save items, the mode menu after the input modes.
constexpr ItemId kMusicLayout[] = {
    I::Separator, I::OpenRun, I::ShowLyrics, I::FindLyricsOnline, I::LyricsEarlier,
    I::LyricsLater, I::MusicPlugins, I::End};
constexpr ItemId kModeLayout[] = {I::Separator, I::OpenMusic, I::ModePlugins, I::End};
// clang-format on

// Started in Simplified Chinese, the menus keep the captions they were drawn with: the
// table's but for four, which choosing a language replaces.
const std::pair<ItemId, const char*> kFirstCaptions[] = {{I::SimplifiedChinese, "简体中文"},
                                                         {I::TraditionalChinese, "繁體中文"},
                                                         {I::Exit, "退出程序"},
                                                         {I::ShowLyrics, "打开LRC歌词"}};

}  // namespace

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
    place(trayMenu_, kTrayLayout);
    place(musicMenu_, kOpenAndSaveItems);
    place(musicMenu_, kMusicLayout);
    place(modeMenu_, kInputModeItems);
    place(modeMenu_, kModeLayout);

    item(I::SettingsMenu)->menu()->setToolTipsVisible(true);
    item(I::PlayModes)->menu()->setToolTipsVisible(true);
    // Offered only where the desktop has search programs to ask, or lets the user pick
    // another key for the box.
    item(I::DesktopAnswers)->setVisible(false);
    item(I::ChangeToggleKey)->setVisible(false);
    // At start only Blue, Green and Purple show their tick; a theme chosen in the menu is
    // ticked whichever it is.
    for (const ItemId theme : {I::ThemeBlue, I::ThemeGreen, I::ThemePurple}) {
        if (c_.state.theme() == QLatin1String(themeNames()[actionOf(theme).value]))
            item(theme)->setChecked(true);
    }
    if (c_.state.language() == Language::SimplifiedChinese) {
        for (const auto& [id, caption] : kFirstCaptions)
            item(id)->setText(QString::fromUtf8(caption));
    }
    connect(&c_.state, &AppState::startsAtLoginChanged, item(I::AutoRun), &QAction::setChecked);
    connect(&c_.state, &AppState::languageChanged, this,
            [this] { setPowerSavingAvailable(powerSavingAvailable_); });
}

MenuHost::~MenuHost() {
    delete trayMenu_;
    delete musicMenu_;
    delete modeMenu_;
}

ActionTargets MenuHost::targets() {
    return {c_.state, c_.media, c_.windows, &player_, &c_.dialogs, &settings_};
}

void MenuHost::place(QMenu* menu, std::span<const ItemId> layout) {
    const auto program = [this](const Action& row, bool on) { carryOut(row, on); };
    for (QAction* action : ActionMenu::place(*menu, layout, targets(), program))
        byName_.insert(action->objectName(), action);
}

QAction* MenuHost::item(ItemId id) const {
    return item(QLatin1String(actionOf(id).name));
}

void MenuHost::carryOut(const Action& row, bool on) {
    if (row.setting)
        settings_.set(*row.setting, on);
    switch (row.command) {
        case ActionCommand::ChooseTheme:
            c_.state.setTheme(QLatin1String(themeNames()[row.value]));
            c_.windows.applyTheme();  // the command box's skin stores it
            return;
        case ActionCommand::ChooseLanguage:
            return chooseLanguage(static_cast<Language>(row.value));
        case ActionCommand::ChooseLoudness:
            c_.media.setLoudness(static_cast<Loudness>(row.value));
            settings_.set(SettingKeys::kLoudness, static_cast<Loudness>(row.value));
            return;
        case ActionCommand::Repeat:
            return c_.media.setMode(PlayMode::Repeat, on);
        case ActionCommand::Shuffle:
            return c_.media.setMode(PlayMode::Shuffle, on);
        case ActionCommand::PowerSaving:
            return emit powerSavingChanged(on);
        case ActionCommand::TopMost:
            return c_.windows.applyTopMost();
        case ActionCommand::DesktopAnswers:
            return emit desktopAnswersChanged(on);
        case ActionCommand::AutoRun:
            return emit autoRunToggled();
        case ActionCommand::FileTypes:
            return emit linkToggled(on);
        case ActionCommand::ChangeToggleKey:
            return emit toggleKeyChangeRequested();
        case ActionCommand::ClearHistory:
            return emit historyClearRequested();
        case ActionCommand::Website:
            return c_.web.open(ServiceAddresses::productSite());
        case ActionCommand::About:
            return emit aboutRequested();
        case ActionCommand::Exit:
            return emit exitRequested();
        case ActionCommand::DownloadPlugins:
            return c_.web.open(ServiceAddresses::pluginForum());
        default:
            // The lyrics switch is only read: looking songs' lyrics up sends their tags to the
            // lyrics service, so it waits for the tick.
            return;
    }
}

void MenuHost::buildPluginMenus() {
    static const char* const entries[] = {"P", "P1", "P2"};
    const ItemId menus[] = {I::Plugins, I::MusicPlugins, I::ModePlugins};
    const ItemId downloads[] = {I::DownloadPlugins, I::DownloadMusicPlugins,
                                I::DownloadModePlugins};
    const QList<PluginFolder>& folders = c_.plugins.folders();
    for (int m = 0; m < 3; ++m) {
        QMenu* menu = item(menus[m])->menu();
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
        place(menu, std::span<const ItemId>(&downloads[m], 1));
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

void MenuHost::chooseLanguage(Language language) {
    c_.state.setLanguage(language);  // the items re-caption themselves
    settings_.set(SettingKeys::kLanguage, language);
    for (const auto& [id, caption] : kFirstCaptions)
        item(id)->setText(Strings::message(language, *actionOf(id).text));
}

void MenuHost::setTicked(ItemId id, bool ticked) {
    item(id)->setChecked(ticked);
}

void MenuHost::setPowerSavingAvailable(bool available) {
    powerSavingAvailable_ = available;
    QAction* power = item(I::PowerSaving);
    power->setEnabled(available);
    power->setToolTip(available ? QString()
                                : Strings::message(c_.state.language(), MessageCode::NoIdleTime));
}

void MenuHost::offerToggleKeyChange(bool offered) {
    item(I::ChangeToggleKey)->setVisible(offered);
}

void MenuHost::offerDesktopAnswers() {
    item(I::DesktopAnswers)->setVisible(true);
}

}  // namespace mirato
