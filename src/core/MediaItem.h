#pragma once

#include <QString>
#include <chrono>
#include <optional>

namespace mirato {

// What plays: its location and, once the engine has read them, its tags and length.
struct MediaItem {
    QString location;  // "" when nothing plays
    QString title;
    QString artist;
    QString album;
    std::optional<std::chrono::milliseconds> length;  // not known (yet)

    bool operator==(const MediaItem&) const = default;
};

}  // namespace mirato
