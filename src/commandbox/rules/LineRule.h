#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "core/AppState.h"
#include "core/MessageCode.h"

namespace mirato {

class LineContext;

// A line as the rules read it when Enter is pressed: the text, the input mode that was on
// and the probes of the text. In the Music mode every line reads as
// a media name: its extension probe is ".mp3".
struct TypedLine {
    QString text;
    std::optional<InputMode> mode;
    TextProbes probes;

    static TypedLine of(const QString& text, std::optional<InputMode> mode);
    bool inMode(InputMode wanted) const { return mode == wanted; }
};

// What a rule would do with a line: what the user is shown (a title such as "Play a.mp3" and
// a theme icon name) and the deed itself, done only when run. A line that is used up without
// any effect (a number of the wrong length) has an action that does nothing. A calculation
// starts nothing: its result stays in the field instead of the line.
struct LineAction {
    QString title;
    QString icon;
    std::function<void(LineContext&)> run;
    QString result = {};
    // What Shift+Enter does instead, where it differs: a new copy of an application that runs.
    std::function<void(LineContext&)> runAnew = {};
};

// One way to understand a line typed into the command box. The interpreter asks its rules in
// order and runs the action of the first that has one. Deciding has no effect: it may look at
// files but changes nothing, so a line can be asked about while it is being typed.
class LineRule {
public:
    virtual ~LineRule() = default;
    // The action for the line, or nothing when the line is not of this rule's kind.
    virtual std::optional<LineAction> decide(const TypedLine& line,
                                             const LineContext& context) const = 0;
    // Called before deciding what Enter does: waits for what the rule is still reading (a
    // folder of applications, the calculator), which a decision while typing does not.
    virtual void settle(const TypedLine&) const {}
    // The names this rule knows a line by (plug-ins, saved playlists, shortcuts,
    // applications), offered while typing; most rules know none.
    virtual QStringList names(const LineContext&) const { return {}; }
};

}  // namespace mirato
