// M3U, WPL and ASX lists: any bytes, read as each of the three kinds.
#include "FuzzInput.h"
#include "components/PlaylistReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const QByteArray list = input.rest();
    for (const char* kind : {"m3u", "wpl", "asx"}) {
        for (const QString& entry : mirato::PlaylistReader::parse(list, QLatin1String(kind), "/l"))
            FUZZ_CHECK(!entry.isEmpty());
    }
    return 0;
}
