#include "core/HistoryWalk.h"

namespace mirato {

std::optional<QString> HistoryWalk::older(const QStringList& lines, const QString& current) {
    if (position_ + 1 >= lines.size())
        return std::nullopt;
    if (position_ < 0)
        draft_ = current;
    return lines.at(++position_);
}

std::optional<QString> HistoryWalk::newer(const QStringList& lines) {
    if (position_ < 0)
        return std::nullopt;
    --position_;
    if (position_ < 0 || position_ >= lines.size()) {
        position_ = -1;
        return draft_;
    }
    return lines.at(position_);
}

}  // namespace mirato
