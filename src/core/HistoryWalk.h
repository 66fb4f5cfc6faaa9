#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace mirato {

// Up and Down through the lines typed before: Up goes back in time, Down forward, and past the
// newest line the text that was being typed comes back.
class HistoryWalk {
public:
    // The line to show for Up, or nothing at the oldest line. current is what the box shows.
    std::optional<QString> older(const QStringList& lines, const QString& current);
    // The line to show for Down, or nothing when the walk has not started.
    std::optional<QString> newer(const QStringList& lines);
    // The user typed or ran something: the next Up starts from the newest line again.
    void reset() { position_ = -1; }

private:
    qsizetype position_ = -1;  // -1: the user's own text
    QString draft_;
};

}  // namespace mirato
