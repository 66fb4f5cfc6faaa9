#include "core/Calculator.h"

namespace mirato {

bool Calculator::looksLikeCalculation(const QString& line) {
    bool digit = false;
    bool operation = false;
    for (const QChar c : line) {
        if (c.isDigit())
            digit = true;
        else if (QStringView(u"+-*/^%()\u00d7\u00f7\u2212").contains(c))
            operation = true;
    }
    if (!digit)
        return false;
    if (operation)
        return true;
    // A conversion: "10 km to mi", "1 GiB in MiB", "5 ft -> cm" (the arrow has its dash).
    const QString folded = line.simplified().toCaseFolded();
    return folded.contains(QLatin1String(" to ")) || folded.contains(QLatin1String(" in ")) ||
           folded.contains(QChar(0x2192));
}

}  // namespace mirato
