#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/DesktopSearch.h"

namespace mirato {

class CommandInterpreter;

// One row of the list under the box: what running it does, and the line it runs.
struct AnswerRow {
    QString title;
    QString icon;
    QString line;
    QString result;         // a calculation's, shown as the pale completion
    DesktopAnswer outside;  // an answer of another program: activated there, not run
    bool isOutside() const { return !outside.source.isEmpty(); }
    bool operator==(const AnswerRow&) const = default;
};

// The answers to a line being typed: first what Enter does with it as typed, then what it may
// become (the completer's candidates: applications, playlists, shortcuts, plug-ins, lines typed
// before), each titled with what running it would do. Asking does nothing.
class LineAnswers {
public:
    static constexpr qsizetype kMaxRows = 6;
    // The most rows the desktop's other programs add after the box's own.
    static constexpr qsizetype kMaxOutsideRows = 6;

    explicit LineAnswers(const CommandInterpreter& interpreter) : interpreter_(interpreter) {}

    // At most kMaxRows; the first is the typed line's own when Enter does something with it.
    // candidates: what the completer offers for the typing, best first.
    QList<AnswerRow> rowsFor(const QString& typed, const QStringList& candidates) const;

    // The box's own rows, then the other programs' answers (in the order given), less those
    // titled like a row shown already. The answer the user picked for this typing before (pick,
    // a pickKey) comes first of all but the typed line's own row.
    static QList<AnswerRow> withOutside(QList<AnswerRow> own, const QList<DesktopAnswer>& answers,
                                        const QString& typed, const QString& pick);
    // How a picked answer of another program is remembered among the lines picked; no line
    // typed is one.
    static QString pickKey(const DesktopAnswer& answer);
    static bool isPickKey(const QString& line);

private:
    const CommandInterpreter& interpreter_;
};

}  // namespace mirato
