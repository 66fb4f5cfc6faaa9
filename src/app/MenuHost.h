#pragma once

#include <QHash>
#include <QObject>
#include <initializer_list>
#include <optional>
#include <span>

#include "core/Loudness.h"
#include "core/MessageCode.h"
#include "core/PlayMode.h"
#include "core/Services.h"
#include "core/Strings.h"

class QAction;
class QMenu;

namespace mirato {

class Settings;

class AddressOpener;
class AppPaths;
class AppState;
class HostConventions;
class Launcher;
class MediaControl;
class PlayerRequests;
class PluginCatalog;
class WindowRequests;

// What the menus show ticked at start, from the shared state and the settings.
struct MenuTicks {
    Language language = Language::SimplifiedChinese;
    QString theme;  // as stored
    bool repeat = false;
    bool shuffle = false;
    bool powerSaving = false;
    bool onTop = false;
    bool autoRun = false;
    bool fileTypes = false;
    Loudness loudness = Loudness::Track;
    bool desktopAnswers = true;

    // Whether the desktop's other search programs are asked: unless switched off.
    static bool desktopAnswersOn(const Settings& settings);

    // The ticks as the state and the settings keep them; fileTypes asks the desktop, so it is
    // left to the caller.
    static MenuTicks stored(const AppState& state, const Settings& settings);
};

// Owns the three popup menus (tray, music, input mode) and carries out their items. Every
// item is a QAction named like its command ("RPlay", "FormTop", "SavePlaylist"...), so tests and
// plug-ins can find it.
class MenuHost : public QObject {
    Q_OBJECT
public:
    MenuHost(const Services& services, PlayerRequests& player, Settings& settings,
             QObject* parent = nullptr);
    ~MenuHost() override;

    QMenu* trayMenu() const { return trayMenu_; }
    QMenu* musicMenu() const { return musicMenu_; }
    QMenu* modeMenu() const { return modeMenu_; }

    QAction* item(const QString& name) const { return items_.value(name); }

    // Ticks the items of the start's state and settings; another language than Simplified
    // Chinese re-captions the menus.
    void restoreTicks(const MenuTicks& ticks);
    void setAutoRunTicked(bool ticked) { setTicked(QStringLiteral("AutoRun"), ticked); }
    // Re-captions the menus in the current language (the button follows by itself).
    void applyLanguage();
    // Repeat or random on or off: the player's mode, the setting, the tick.
    void setPlayMode(PlayMode mode, bool on);
    void chooseLoudness(Loudness loudness);
    // Fills the three plug-in submenus from the catalogue (once per run).
    void buildPluginMenus();
    // Power saving needs the desktop's idle time: without it the item is disabled and its
    // tooltip says why.
    void setPowerSavingAvailable(bool available);
    // Shows the item that lets the user pick another key for the box.
    void offerToggleKeyChange(bool offered);

signals:
    // Work the application does itself.
    void toggleKeyChangeRequested();
    void powerSavingChanged(bool on);
    void exitRequested();
    void aboutRequested();
    void topMostChanged();
    // A theme was chosen (AppState::theme holds it): every open window takes it.
    void themeChosen();
    // Start at login switched: the receiver switches it and sets the tick (setAutoRunTicked).
    void autoRunToggled();
    // The file types taken over (true) or given back (false).
    void linkToggled(bool takeOver);
    // Forget the lines typed before.
    void historyClearRequested();
    // "Find lyrics online" was ticked or unticked (the setting is written already).
    void autoLyricsChanged(bool on);
    // The tick for the desktop's other search programs.
    void desktopAnswersChanged(bool on);

private:
    void setTicked(const QString& name, bool ticked);
    // An item or a submenu captioned by its text in the current language (and again when the
    // language changes); without a text, captioned by its name whatever the language.
    QAction* add(QMenu* menu, const char* name, MessageCode text);
    QAction* addFixed(QMenu* menu, const char* name);
    QMenu* addMenu(QMenu* parent, const char* name, std::optional<MessageCode> text);
    // Items of the table of actions, which the windows' keys and own menus share.
    void addActions(QMenu* menu, std::span<const char* const> names);
    void addActions(QMenu* menu, std::initializer_list<const char*> names) {
        addActions(menu, std::span<const char* const>(names.begin(), names.size()));
    }
    void buildTrayMenu();
    void buildMusicMenu();
    void buildModeMenu();
    void chooseTheme(const QString& theme);
    void chooseLanguage(Language language);
    void startPlugin(int index);

    Services c_;
    PlayerRequests& player_;
    Settings& settings_;
    QMenu* trayMenu_;
    QMenu* musicMenu_;
    QMenu* modeMenu_;
    QHash<QString, QAction*> items_;
    QHash<QString, MessageCode> codes_;  // item name -> its caption
    bool powerSavingAvailable_ = true;
    QList<QMenu*> pluginMenus_;
};

}  // namespace mirato
