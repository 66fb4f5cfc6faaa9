// The pure rules a typed line meets: numbers, media and list extensions, opacity, the start
// document.
#include "FuzzInput.h"
#include "core/SettingKeys.h"
#include "core/StartDocument.h"
#include "core/TextRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const QString line = QString::fromUtf8(input.rest());
    using namespace mirato;
    if (TextRules::isNumeric(line))
        TextRules::numericValue(line);
    TextRules::isMediaExtension(line.right(4));
    TextRules::hasMediaExtension(line);
    TextRules::isPlaylistExtension(line.right(4));
    const int alpha = SettingKeys::kOpacity.fromText(line);
    FUZZ_CHECK(alpha >= 0 && alpha <= 255);
    const QString document = StartDocument::resolve(line, QStringLiteral("/nonexistent-folder"));
    FUZZ_CHECK(!document.contains(QLatin1Char('"')));
    return 0;
}
