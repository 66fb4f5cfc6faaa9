// What a later start (or anyone who can reach the socket) sends the running instance.
#include "FuzzInput.h"
#include "platform/InstanceChannel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    QByteArray pending = input.rest();
    const qsizetype before = pending.size();
    bool tooLong = false;
    const QStringList lines = mirato::InstanceChannel::takeLines(pending, &tooLong);
    FUZZ_CHECK(pending.size() <= before);
    for (const QString& line : lines) {
        FUZZ_CHECK(!line.contains(QLatin1Char('\n')));
        FUZZ_CHECK(line.toUtf8().size() <= mirato::InstanceChannel::kMaxMessageBytes);
    }
    return 0;
}
