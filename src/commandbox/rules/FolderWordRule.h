#pragma once

#include "commandbox/rules/LineRule.h"

namespace mirato {

// "Lnk" and "PlayList" open the program's shortcut and playlist folders, creating them first.
class FolderWordRule : public LineRule {
public:
    bool tryRun(const QString& line, LineContext& context) override;
};

}  // namespace mirato
