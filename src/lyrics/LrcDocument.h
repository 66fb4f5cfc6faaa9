#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

namespace mirato {

// One word of an enhanced line, from its own time tag on: "<00:12.50>world".
struct LyricWord {
    qint64 ms;
    QString text;
};

// A line as it shows: its moment (the file's offset applied), its text without any tag, the
// translation that shares its time tag, and its words when the line times them.
struct LyricLine {
    qint64 ms = 0;
    QString text;
    QString translation;
    QList<LyricWord> words;
};

// A timed lyrics file read once: "[mm:ss.xx]" tags (hundredths or thousandths, or none), any
// number of them before a line's text, in any order through the file; "[offset:±ms]", a
// positive offset making every line come earlier; lines that share one tag are the original
// and its translation; "<mm:ss.xx>" word tags time the words. Lines without a time tag (the
// [ar:] and [ti:] headers, plain text) are left out.
class LrcDocument {
public:
    static LrcDocument parse(const QStringList& fileLines);

    // The lines in time order; lines of one moment in file order.
    const std::vector<LyricLine>& lines() const { return lines_; }
    qint64 offsetMs() const { return offsetMs_; }
    bool isEmpty() const { return lines_.empty(); }

    // The line showing at a position: the last whose moment has come; -1 before the first.
    qsizetype lineAt(qint64 positionMs) const;
    // The next moment after the position when what shows changes (a line or a word); -1 when
    // nothing changes any more.
    qint64 nextChangeAfter(qint64 positionMs) const;
    // How many words of the line have been sung at the position (0 for a line without words).
    static int wordsSung(const LyricLine& line, qint64 positionMs);

    // The file's lines with the offset line set to the new value (added after the headers when
    // there is none); the rest as it was.
    static QStringList withOffset(const QStringList& fileLines, qint64 offsetMs);

    // A time tag's milliseconds ("01:02.5" is 62 500, "1:02:03" has hours); -1 when it is none.
    static qint64 tagMs(QStringView tag);

private:
    std::vector<LyricLine> lines_;
    qint64 offsetMs_ = 0;
};

}  // namespace mirato
