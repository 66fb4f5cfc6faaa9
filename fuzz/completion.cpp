// The completion index over names taken from desktop entries and the history file (any text,
// any case, any script): whatever it offers is one of its candidates and holds the typed
// letters in order (at the start, at a word, or as the words' starts and initials). The same names
// as the files of a folder: a typed path's completion is one of them and continues the typed part.
#include "FuzzInput.h"
#include "commandbox/PathCompleter.h"
#include "core/CompletionIndex.h"
#include "core/HistoryWalk.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input(data, size);
    const QString typed = input.nextText();
    const QStringList history = input.nextText().split(QLatin1Char('\n'));
    const QStringList names = QString::fromUtf8(input.rest()).split(QLatin1Char('\n'));
    mirato::CompletionIndex index;
    index.setNames(names);
    index.setHistory(history);
    const QString best = index.complete(typed);
    if (!best.isEmpty()) {
        FUZZ_CHECK(names.contains(best) || history.contains(best));
        const QString folded = best.toCaseFolded();
        qsizetype at = 0;
        for (const QChar c : typed.toCaseFolded()) {
            if (c.isSpace())
                continue;
            at = folded.indexOf(c, at);
            FUZZ_CHECK(at >= 0);
            ++at;
        }
    }
    // Every prefix of a name finds something.
    for (const QString& name : names) {
        if (name.size() > 1 && !name.at(0).isSpace())
            FUZZ_CHECK(!index.complete(name.left(1)).isEmpty() || name.at(0).isSurrogate());
    }
    const QString name = mirato::PathCompleter::bestName(names, typed);
    if (!name.isEmpty()) {
        FUZZ_CHECK(names.contains(name) && name != typed);
        FUZZ_CHECK(name.startsWith(typed, Qt::CaseInsensitive));
        FUZZ_CHECK(typed.startsWith(QLatin1Char('.')) || !name.startsWith(QLatin1Char('.')));
    }
    mirato::HistoryWalk walk;
    for (int i = 0; i < history.size() + 2; ++i)
        walk.older(history, typed);
    for (int i = 0; i < history.size() + 2; ++i)
        walk.newer(history);
    return 0;
}
