#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace mirato {

class CommandInterpreter;

// One row of the list under the box: what running it does, and the line it runs.
struct AnswerRow {
    QString title;
    QString icon;
    QString line;
    QString result;  // a calculation's, shown as the pale completion
    bool operator==(const AnswerRow&) const = default;
};

// The answers to a line being typed: first what Enter does with it as typed, then what it may
// become (the completer's candidates: applications, playlists, shortcuts, plug-ins, lines typed
// before), each titled with what running it would do. Asking does nothing.
class LineAnswers {
public:
    static constexpr qsizetype kMaxRows = 6;

    explicit LineAnswers(const CommandInterpreter& interpreter) : interpreter_(interpreter) {}

    // At most kMaxRows; the first is the typed line's own when Enter does something with it.
    // candidates: what the completer offers for the typing, best first.
    QList<AnswerRow> rowsFor(const QString& typed, const QStringList& candidates) const;

private:
    const CommandInterpreter& interpreter_;
};

}  // namespace mirato
