#pragma once

#include <QStringList>

namespace mirato {

// The player's open and save commands, for the windows and menus that offer them.
class PlayerRequests {
public:
    virtual ~PlayerRequests() = default;
    virtual void openFiles() = 0;
    virtual void openAddress() = 0;
    virtual void saveMediaAs() = 0;
    virtual void savePlaylist() = 0;
    virtual void savePlaylistAs() = 0;
    // Files or folders dropped on the player or the desktop lyrics window.
    virtual void dropOnPlayer(const QStringList& paths) = 0;
};

}  // namespace mirato
