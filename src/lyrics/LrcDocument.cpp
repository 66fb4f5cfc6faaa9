#include "lyrics/LrcDocument.h"

#include <algorithm>
#include <limits>

namespace mirato {

namespace {

// The lines of one moment keep their file order; the earlier moment first.
struct TimedText {
    qint64 ms;
    int order;
    QString text;
};

bool isDigits(QStringView text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
}

// A tag of digits: minutes:seconds with an optional fraction, hours before them too.
qint64 parseTime(QStringView tag) {
    const QList<QStringView> parts = tag.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return -1;
    qint64 ms = 0;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const QStringView part = parts.at(i).trimmed();
        if (!isDigits(part) || part.size() > 5)
            return -1;
        ms = ms * 60 + part.toLongLong();
    }
    QStringView seconds = parts.last().trimmed();
    QStringView fraction;
    const qsizetype dot = seconds.indexOf(QLatin1Char('.'));
    if (dot >= 0) {
        fraction = seconds.mid(dot + 1);
        seconds = seconds.left(dot);
    }
    if (!isDigits(seconds) || seconds.size() > 5)
        return -1;
    const qint64 whole = seconds.toLongLong();
    qint64 fractionMs = 0;
    if (dot >= 0) {
        if (!isDigits(fraction) || fraction.size() > 3)
            return -1;
        // ".5" is 500 ms, ".50" 500 ms, ".505" 505 ms.
        fractionMs = fraction.toLongLong() * (fraction.size() == 1   ? 100
                                              : fraction.size() == 2 ? 10
                                                                     : 1);
    }
    return (ms * 60 + whole) * 1000 + fractionMs;
}

// Splits a text into its words by their tags; text before the first tag starts at the line's
// own moment.
QList<LyricWord> splitWords(const QString& text, qint64 lineMs, QString* plain) {
    QList<LyricWord> words;
    plain->clear();
    qint64 current = lineMs;
    QString pending;
    bool tagged = false;
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), at);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('>'), open);
        const qint64 ms =
            close < 0 ? -1 : LrcDocument::tagMs(QStringView(text).mid(open + 1, close - open - 1));
        if (ms < 0) {
            // No further word tag: the rest is text ("<3" stays as it is).
            const qsizetype end = open < 0 ? text.size() : open + 1;
            pending += text.mid(at, end - at);
            at = end;
            continue;
        }
        pending += text.mid(at, open - at);
        if (!pending.isEmpty()) {
            words.append({current, pending});
            *plain += pending;
            pending.clear();
        }
        current = ms;
        tagged = true;
        at = close + 1;
    }
    if (!pending.isEmpty()) {
        words.append({current, pending});
        *plain += pending;
    }
    if (!tagged)
        words.clear();
    return words;
}

}  // namespace

qint64 LrcDocument::tagMs(QStringView tag) {
    return parseTime(tag);
}

LrcDocument LrcDocument::parse(const QStringList& fileLines) {
    LrcDocument document;
    std::vector<TimedText> timed;
    int order = 0;
    for (const QString& raw : fileLines) {
        QStringView rest = QStringView(raw).trimmed();
        QList<qint64> moments;
        while (rest.startsWith(QLatin1Char('['))) {
            const qsizetype close = rest.indexOf(QLatin1Char(']'));
            if (close < 0)
                break;
            const QStringView tag = rest.mid(1, close - 1);
            if (tag.startsWith(QLatin1String("offset:"), Qt::CaseInsensitive)) {
                bool ok = false;
                const qint64 offset = tag.mid(7).trimmed().toLongLong(&ok);
                if (ok && offset > -3600000 && offset < 3600000)
                    document.offsetMs_ = offset;
            } else {
                const qint64 ms = parseTime(tag);
                if (ms >= 0)
                    moments.append(ms);
            }
            rest = rest.mid(close + 1);
        }
        for (const qint64 ms : moments)
            timed.push_back({ms, order++, rest.toString()});
    }
    std::stable_sort(timed.begin(), timed.end(),
                     [](const TimedText& a, const TimedText& b) { return a.ms < b.ms; });
    for (size_t i = 0; i < timed.size(); ++i) {
        LyricLine line;
        line.ms = std::max<qint64>(0, timed[i].ms - document.offsetMs_);
        line.words = splitWords(timed[i].text, timed[i].ms, &line.text);
        for (LyricWord& word : line.words)
            word.ms = std::max<qint64>(0, word.ms - document.offsetMs_);
        // The next line of the same moment is this one's translation; a third is a line again.
        if (i + 1 < timed.size() && timed[i + 1].ms == timed[i].ms) {
            QString translation;
            splitWords(timed[i + 1].text, timed[i + 1].ms, &translation);
            line.translation = translation;
            ++i;
        }
        document.lines_.push_back(std::move(line));
    }
    return document;
}

qsizetype LrcDocument::lineAt(qint64 positionMs) const {
    const auto after =
        std::upper_bound(lines_.begin(), lines_.end(), positionMs,
                         [](qint64 position, const LyricLine& line) { return position < line.ms; });
    return qsizetype(after - lines_.begin()) - 1;
}

qint64 LrcDocument::nextChangeAfter(qint64 positionMs) const {
    const qsizetype current = lineAt(positionMs);
    qint64 next = current + 1 < qsizetype(lines_.size()) ? lines_[size_t(current + 1)].ms : -1;
    if (current >= 0) {
        for (const LyricWord& word : lines_[size_t(current)].words) {
            if (word.ms > positionMs) {
                if (next < 0 || word.ms < next)
                    next = word.ms;
                break;
            }
        }
    }
    return next;
}

int LrcDocument::wordsSung(const LyricLine& line, qint64 positionMs) {
    int sung = 0;
    for (const LyricWord& word : line.words) {
        if (word.ms > positionMs)
            break;
        ++sung;
    }
    return sung;
}

QStringList LrcDocument::withOffset(const QStringList& fileLines, qint64 offsetMs) {
    QStringList result = fileLines;
    const QString tag = QStringLiteral("[offset:%1%2]")
                            .arg(offsetMs > 0 ? QStringLiteral("+") : QString())
                            .arg(offsetMs);
    qsizetype headerEnd = 0;
    for (qsizetype i = 0; i < result.size(); ++i) {
        const QString trimmed = result.at(i).trimmed();
        if (trimmed.startsWith(QLatin1String("[offset:"), Qt::CaseInsensitive)) {
            result[i] = tag;
            return result;
        }
        // Headers are tags that are no time: [ar:...], [ti:...].
        if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']')) &&
            parseTime(QStringView(trimmed).mid(1, trimmed.size() - 2)) < 0 && headerEnd == i)
            headerEnd = i + 1;
    }
    result.insert(headerEnd, tag);
    return result;
}

}  // namespace mirato
