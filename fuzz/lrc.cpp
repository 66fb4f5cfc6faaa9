// Lyrics files in any encoding, and the sync that picks the line for a position.
#include "FuzzInput.h"
#include "lyrics/LyricSync.h"
#include "lyrics/LyricsText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const QString position = input.nextText();
    const QStringList lines = mirato::LyricsText::decodeLines(input.rest());
    for (const QString& line : lines) {
        const QString shown = mirato::LyricsText::shownPart(line);
        FUZZ_CHECK(shown.size() <= line.size());
        FUZZ_CHECK(mirato::LyricsText::trimTrailingBlanks(shown).size() <= shown.size());
    }
    const qsizetype at = mirato::LyricSync::lineAt(lines, position.left(8));
    FUZZ_CHECK(at >= -1 && at < lines.size());
    return 0;
}
