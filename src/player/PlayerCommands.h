#pragma once

#include <QStringList>

#include "core/MessageCode.h"
#include "core/PlayerRequests.h"
#include "core/Services.h"

namespace mirato {

// Opening media and saving lists: the current list lives in playlist/playlist.m3u, and every
// file opened through the open command in this run stays in it.
class PlayerCommands : public PlayerRequests {
public:
    explicit PlayerCommands(const Services& services);

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

    Services c_;
    QStringList opened_;
};

}  // namespace mirato
