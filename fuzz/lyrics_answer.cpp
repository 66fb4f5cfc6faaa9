// The lyrics search service's answers, as the plug-in reads them: a list of hits, or the one
// record of an exact look-up; what the matcher takes is one of them and the song asked for.
#include <cmath>

#include "FuzzInput.h"
#include "LrclibClient.h"
#include "LyricsMatch.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace mirato::lyricsearch;
    FuzzInput input(data, size);
    const SongQuery song{input.nextText(), input.nextText(), {}, input.nextText().toDouble()};
    const QByteArray answer = input.rest();
    for (const QByteArray& body : {answer, "[" + answer + "]"}) {
        QList<LyricsHit> hits;
        if (!LrclibClient::parse(body, &hits))
            continue;
        orderHits(hits);
        for (const auto& hit : hits)
            hit.label();
        if (const auto taken = LyricsMatch::best(hits, song)) {
            FUZZ_CHECK(taken->hasSynced());
            FUZZ_CHECK(LyricsMatch::normalised(taken->track) ==
                       LyricsMatch::normalised(song.title));
            FUZZ_CHECK(std::abs(taken->durationSeconds - song.durationSeconds) <=
                       LyricsMatch::kDurationToleranceSeconds);
        }
    }
    return 0;
}
