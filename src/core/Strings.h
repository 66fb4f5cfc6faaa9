#pragma once

#include <QString>

#include "core/Language.h"
#include "core/MessageCode.h"

namespace mirato {

// The program's texts in its three languages: the string table, 66 texts in each with the
// resource ids 100-165 (Simplified Chinese), 200-265 (Traditional Chinese) and 300-365
// (English), and the program's own texts beyond it, which have no id.
class Strings {
public:
    static constexpr int kCodeCount = 66;

    // The one way to fetch a text.
    static QString message(Language language, MessageCode code);
    // Text of a resource id (for example 322); empty for an id outside the table.
    static QString text(int id);
    static bool contains(int id);

    // The title of balloons and message boxes, and the tray tip.
    static QString programTitle() { return QStringLiteral("Mirato V3.0"); }
};

}  // namespace mirato
