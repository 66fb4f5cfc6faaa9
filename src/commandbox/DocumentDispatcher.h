#pragma once

#include <QString>

#include "commandbox/rules/LineContext.h"

namespace mirato {

// What a document handed to the program from outside (its command line, or a second start's)
// does: media play at once, a ".wrc" lyrics document shows with the song playing and is kept
// beside it as ".lrc", anything else waits in the command box for Enter.
class DocumentDispatcher {
public:
    explicit DocumentDispatcher(const Services& services);

    void dispatch(const QString& document);

    // The path as the file system spells it when every element of it exists, else "".
    static QString longPathName(const QString& path);

private:
    void loadLyricsDocument(const QString& document);

    LineContext c_;
};

}  // namespace mirato
