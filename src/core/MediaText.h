#pragma once

#include <QString>

#include "core/MediaControl.h"

namespace mirato {

// How the windows show the media playing.
namespace MediaText {

// "Author - title", or the title alone; an untagged item by its file name or address.
QString title(const MediaControl& media);
// "MM:SS" of a time, whole seconds.
QString clock(std::chrono::milliseconds time);
// "position/duration", or "" when nothing is loaded.
QString time(const MediaControl& media);

}  // namespace MediaText

}  // namespace mirato
