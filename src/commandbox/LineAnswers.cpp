#include "commandbox/LineAnswers.h"

#include "commandbox/CommandInterpreter.h"

namespace mirato {

QList<AnswerRow> LineAnswers::rowsFor(const QString& typed, const QStringList& candidates) const {
    QList<AnswerRow> rows;
    if (typed.trimmed().isEmpty())
        return rows;
    const auto add = [&rows](const std::optional<LineAction>& action, const QString& line) {
        // A line used up to no effect has nothing to show.
        if (!action || action->title.isEmpty())
            return;
        for (const AnswerRow& row : rows) {
            if (row.title == action->title)
                return;  // a name and the line typed before that named it
        }
        rows.append({action->title, action->icon, line, action->result});
    };
    const std::optional<LineAction> own = interpreter_.decide(typed);
    add(own, typed);
    // A calculation has one answer.
    if (own && !own->result.isEmpty())
        return rows;
    for (const QString& candidate : candidates) {
        if (rows.size() == kMaxRows)
            break;
        add(interpreter_.decide(candidate), candidate);
    }
    return rows;
}

}  // namespace mirato
