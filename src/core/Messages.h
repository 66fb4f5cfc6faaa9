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
};

namespace Messages {
QString text(const QString& language, Message message);
}

}  // namespace mirato
