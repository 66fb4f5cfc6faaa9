#pragma once

#include <QString>

namespace mirato {

// What the desktop lyrics window shows at one moment.
struct LyricsMoment {
    QString previous;
    QString current;
    QString next;
    QString translation;  // of the current line; shown under it in place of the next line
    int sung = -1;        // characters of the current line sung so far; -1 when not timed by word
    bool operator==(const LyricsMoment&) const = default;
};

// Where the lyric lines show (the desktop lyrics window).
class LyricsView {
public:
    virtual ~LyricsView() = default;
    virtual void showMoment(const LyricsMoment& moment) = 0;
    // The lyrics were moved by a nudge: their offset now, shown for a moment.
    virtual void showOffset(qint64 offsetMs) = 0;
};

}  // namespace mirato
