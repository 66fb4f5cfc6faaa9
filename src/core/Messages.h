#pragma once

#include <QString>

namespace mirato {

// Messages of this program beyond the string table, where something failed that the user
// should know about, in the three languages.
enum class Message {
    CopyFailed,          // %1 source, %2 target
    PlaylistNotWritten,  // %1 the list file
    EngineMissing,       // %1 what failed to load
    NoAudioDevice,
    ToggleKeyDescription,  // what Alt+R does, as the desktop lists it
    ToggleKeyUnavailable,  // how to bind mirato --toggle instead
    ChangeToggleKey,       // menu item: the desktop's dialog for the key
    NoIdleTime,            // why power saving cannot be switched on
    ClearHistory,          // menu item: forget the lines typed before
    FindLyricsOnline,      // menu item: look for the lyrics of songs that have none
    LyricsEarlier,         // menu item: the lyrics 0.1 s earlier
    LyricsLater,           // menu item: the lyrics 0.1 s later
    LyricsOffset,          // %1 the offset, "+0.3 s"
    Loudness,              // submenu: which ReplayGain tags set the level
    LoudnessOff,
    LoudnessTrack,
    LoudnessAlbum,
    // What Enter does with a typed line, as the box offers it (%1 the line or a name).
    RowPlay,
    RowPlayList,
    RowOpenInBrowser,
    RowOpen,
    RowStart,
    RowStartPlugin,
    RowRun,
    RowRunInTerminal,
    RowSearchWeb,
    RowOpacity,
    RowSavePlaylist,
    RowDeletePlaylist,
    RowLookUpNumber,
    RowLookUpAddress,
    RowNoAnswer,
    RowRegister,  // the last: the table checks its size against it
};

namespace Messages {
QString text(const QString& language, Message message);
}

}  // namespace mirato
