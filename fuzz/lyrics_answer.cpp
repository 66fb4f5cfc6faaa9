// The lyrics search service's answers, as the plug-in reads them.
#include "FuzzInput.h"
#include "LrclibClient.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    QList<mirato::lyricsearch::LyricsHit> hits;
    if (mirato::lyricsearch::LrclibClient::parse(input.rest(), &hits)) {
        mirato::lyricsearch::orderHits(hits);
        for (const auto& hit : hits)
            hit.label();
    }
    return 0;
}
