#include "core/Loudness.h"

namespace mirato::Loudnesses {

Loudness fromSetting(const QString& text) {
    if (text == QLatin1String("Off"))
        return Loudness::Off;
    if (text == QLatin1String("Album"))
        return Loudness::Album;
    return Loudness::Track;
}

QString toSetting(Loudness loudness) {
    switch (loudness) {
        case Loudness::Off:
            return QStringLiteral("Off");
        case Loudness::Album:
            return QStringLiteral("Album");
        case Loudness::Track:
            break;
    }
    return QStringLiteral("Track");
}

}  // namespace mirato::Loudnesses
