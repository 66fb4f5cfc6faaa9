#pragma once

#include <QString>

#include "core/Language.h"

namespace mirato::lyricsearch {

enum class Text {
    WindowTitle,
    Search,
    Use,
    Searching,
    Found,  // %1 number of hits
    NothingFound,
    OnlyPlain,
    Unreachable,
    TimedOut,
    HttpError,  // %1 status
    BadAnswer,
    CannotWrite,
    Handed,
};

// The window's sentences in the user's language.
QString text(Language language, Text which);

}  // namespace mirato::lyricsearch
