#pragma once

#include <QString>

namespace mirato {

// Where the three lyric lines show (the desktop lyrics window).
class LyricsView {
public:
    virtual ~LyricsView() = default;
    virtual void showLines(const QString& previous, const QString& current,
                           const QString& next) = 0;
};

}  // namespace mirato
