#pragma once

#include <QHash>
#include <QObject>
#include <span>

#include "core/Actions.h"
#include "core/Services.h"

class QAction;
class QMenu;

namespace mirato {

class PlayerRequests;
class Settings;

// Owns the three popup menus (tray, music, input mode), places their items from the table of
// actions and carries out the program's own commands. Every item is a QAction named like its
// command ("RPlay", "FormTop", "SavePlaylist"...), so tests and plug-ins can find it.
class MenuHost : public QObject {
    Q_OBJECT
public:
    MenuHost(const Services& services, PlayerRequests& player, Settings& settings,
             QObject* parent = nullptr);
    ~MenuHost() override;

    QMenu* trayMenu() const { return trayMenu_; }
    QMenu* musicMenu() const { return musicMenu_; }
    QMenu* modeMenu() const { return modeMenu_; }

    QAction* item(ItemId id) const;
    // By the name plug-ins and tests know it by.
    QAction* item(const QString& name) const { return byName_.value(name); }

    // A tick the menus cannot read from the state or the settings: start at login, file types.
    void setTicked(ItemId id, bool ticked);
    // Fills the three plug-in submenus from the catalogue (once per run).
    void buildPluginMenus();
    // Power saving needs the desktop's idle time: without it the item is disabled and its
    // tooltip says why.
    void setPowerSavingAvailable(bool available);
    // Shows the item that lets the user pick another key for the box.
    void offerToggleKeyChange(bool offered);
    // Shows the switch for the desktop's other search programs (where there are any).
    void offerDesktopAnswers();

signals:
    // Work the application does itself.
    void toggleKeyChangeRequested();
    void powerSavingChanged(bool on);
    void exitRequested();
    void aboutRequested();
    // Start at login switched: the receiver switches it and sets the tick.
    void autoRunToggled();
    // The file types taken over (true) or given back (false).
    void linkToggled(bool takeOver);
    // Forget the lines typed before.
    void historyClearRequested();
    // The tick for the desktop's other search programs (the setting is written already).
    void desktopAnswersChanged(bool on);

private:
    ActionTargets targets();
    void place(QMenu* menu, std::span<const ItemId> layout);
    void carryOut(const Action& row, bool on);
    void chooseLanguage(Language language);
    void startPlugin(int index);

    Services c_;
    PlayerRequests& player_;
    Settings& settings_;
    QMenu* trayMenu_;
    QMenu* musicMenu_;
    QMenu* modeMenu_;
    QHash<QString, QAction*> byName_;
    bool powerSavingAvailable_ = true;
};

}  // namespace mirato
