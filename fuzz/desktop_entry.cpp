// Desktop entries (the Exec line's quoting and field codes) and a quoted word going through a
// written Exec line and back.
#include "FuzzInput.h"
#include "platform/DesktopEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const QString word = input.nextText();
    const QString text = QString::fromUtf8(input.rest());
    const mirato::DesktopEntry entry = mirato::DesktopEntry::parse(text);
    entry.execArguments({QStringLiteral("/a b/c.mp3"), QStringLiteral("http://x/?a=%1")});
    entry.execWithPlaceholder();

    // What the program writes into an Exec line reads back as the same one word.
    if (!word.isEmpty() && !word.contains(QLatin1Char('\n')) && !word.contains(QLatin1Char('\r')) &&
        !word.contains(QLatin1Char('%')) && !word.contains(QChar(0))) {
        const mirato::DesktopEntry written = mirato::DesktopEntry::parse(
            QStringLiteral("[Desktop Entry]\nExec=") + mirato::DesktopEntry::quoteExecWord(word) +
            QLatin1Char('\n'));
        const QStringList arguments = written.execArguments();
        if (word.trimmed() == word && !word.contains(QLatin1Char('\\')))
            FUZZ_CHECK(arguments == QStringList{word});
    }
    return 0;
}
