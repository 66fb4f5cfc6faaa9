#pragma once

#include <QStringList>

#include "core/AddressOpener.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/Dialogs.h"
#include "core/MediaControl.h"
#include "core/MessageCode.h"
#include "core/Notifier.h"
#include "core/PlayerRequests.h"
#include "core/WindowRequests.h"

namespace mirato {

struct PlayerCommandContext {
    AppState& state;
    const AppPaths& paths;
    MediaControl& media;
    Dialogs& dialogs;
    AddressOpener& web;
    Notifier& notifier;
    WindowRequests& windows;
};

// Opening media and saving lists: the current list lives in playlist/playlist.m3u, and every
// file opened through the open command in this run stays in it.
class PlayerCommands : public PlayerRequests {
public:
    explicit PlayerCommands(PlayerCommandContext context);

    void openFiles() override;
    void openAddress() override;
    void saveMediaAs() override;
    void savePlaylist() override;
    void savePlaylistAs() override;
    void dropOnPlayer(const QStringList& paths) override;

    // The types a dropped folder contributes.
    static QStringList dropPatterns();

private:
    void saveCopyOf(const QString& source);
    bool copyReplacing(const QString& source, const QString& target);
    bool writeCurrentList(const QStringList& entries);
    static bool isWebAddress(const QString& text);
    QString message(MessageCode code) const;

    PlayerCommandContext c_;
    QStringList opened_;
};

}  // namespace mirato
