#include "core/Language.h"

namespace mirato::Languages {

Language fromSetting(const QString& text) {
    if (text == QLatin1String("2"))
        return Language::TraditionalChinese;
    if (text == QLatin1String("3"))
        return Language::English;
    return Language::SimplifiedChinese;
}

QString toSetting(Language language) {
    switch (language) {
        case Language::TraditionalChinese:
            return QStringLiteral("2");
        case Language::English:
            return QStringLiteral("3");
        case Language::SimplifiedChinese:
            break;
    }
    return QStringLiteral("1");
}

}  // namespace mirato::Languages
