#include "commandbox/LineAnswers.h"

#include <algorithm>

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
        rows.append({action->title, action->icon, line, action->result, {}});
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

QString LineAnswers::pickKey(const DesktopAnswer& answer) {
    // A control character starts it: nothing typed into the box or read from history has one.
    return QStringLiteral(
               "\x01"
               "desktop:%1:%2")
        .arg(answer.source, answer.id);
}

bool LineAnswers::isPickKey(const QString& line) {
    return line.startsWith(
        QLatin1String("\x01"
                      "desktop:"));
}

QList<AnswerRow> LineAnswers::withOutside(QList<AnswerRow> own, const QList<DesktopAnswer>& answers,
                                          const QString& typed, const QString& pick) {
    QList<AnswerRow> outside;
    for (const DesktopAnswer& answer : answers) {
        if (outside.size() == kMaxOutsideRows)
            break;
        const auto sameTitle = [&answer](const AnswerRow& row) {
            return row.title == answer.title;
        };
        if (std::none_of(own.begin(), own.end(), sameTitle) &&
            std::none_of(outside.begin(), outside.end(), sameTitle))
            outside.append({answer.title, answer.icon, typed, {}, answer});
    }
    const auto picked = std::find_if(outside.begin(), outside.end(), [&pick](const AnswerRow& row) {
        return pickKey(row.outside) == pick;
    });
    if (!pick.isEmpty() && picked != outside.end()) {
        const AnswerRow row = *picked;
        outside.erase(picked);
        const bool typedFirst = !own.isEmpty() && own.first().line == typed;
        own.insert(typedFirst ? 1 : 0, row);
    }
    return own + outside;
}

}  // namespace mirato
