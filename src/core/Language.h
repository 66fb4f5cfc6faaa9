#pragma once

#include <QString>

namespace mirato {

// The three languages the program speaks.
enum class Language { SimplifiedChinese, TraditionalChinese, English };

namespace Languages {
// The settings file's texts "1", "2" and "3"; anything else reads as Simplified Chinese, the
// language a fresh start uses.
Language fromSetting(const QString& text);
QString toSetting(Language language);
}  // namespace Languages

}  // namespace mirato
