// Lyrics files in any encoding and any tags, and the line and next change for a position.
#include <algorithm>

#include "FuzzInput.h"
#include "lyrics/LrcDocument.h"
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
    const mirato::LrcDocument document = mirato::LrcDocument::parse(lines);
    const qint64 ms = position.left(12).toLongLong();
    const qsizetype at = document.lineAt(ms);
    FUZZ_CHECK(at >= -1 && at < qsizetype(document.lines().size()));
    FUZZ_CHECK(std::is_sorted(document.lines().begin(), document.lines().end(),
                              [](const auto& a, const auto& b) { return a.ms < b.ms; }));
    const qint64 next = document.nextChangeAfter(ms);
    FUZZ_CHECK(next == -1 || next > ms);
    for (const auto& line : document.lines()) {
        FUZZ_CHECK(line.ms >= 0);
        // The words are the shown text, cut at their tags.
        if (!line.words.isEmpty()) {
            QString joined;
            for (const auto& word : line.words)
                joined += word.text;
            FUZZ_CHECK(joined == line.text);
        }
        FUZZ_CHECK(mirato::LrcDocument::wordsSung(line, ms) <= line.words.size());
    }
    mirato::LrcDocument::withOffset(lines, ms % 100000);
    return 0;
}
