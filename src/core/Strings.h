#pragma once

#include <QString>

#include "core/MessageCode.h"

namespace mirato {

// The program's string table: 66 texts in each of three languages, ids 100-165 (Simplified
// Chinese), 200-265 (Traditional Chinese) and 300-365 (English).
class Strings {
public:
    static constexpr int kCodeCount = 66;

    // Text of the given code in the language "1", "2" or "3"; any other language number reads
    // as "1", the language a fresh start uses.
    static QString message(const QString& language, MessageCode code);
    // Text of a resource id (for example 322); empty for an id outside the table.
    static QString text(int id);
    static bool contains(int id);

    // The title of balloons and message boxes, and the tray tip.
    static QString programTitle() { return QStringLiteral("Mirato V3.0"); }
};

}  // namespace mirato
