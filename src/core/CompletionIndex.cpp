#include "core/CompletionIndex.h"

#include <algorithm>
#include <limits>
#include <tuple>

namespace mirato {

namespace {

// Where the words of a name start: after a blank, a dash, a dot, an underscore or a slash.
bool startsWord(const QString& name, qsizetype at) {
    if (at == 0)
        return true;
    const QChar before = name.at(at - 1);
    return before.isSpace() || before == QLatin1Char('-') || before == QLatin1Char('_') ||
           before == QLatin1Char('.') || before == QLatin1Char('/');
}

// Where a candidate matched, the better first.
enum class Place { Start, Word, Words };

// How good a candidate is; smaller is better.
struct Rank {
    Place place;
    bool otherCase;
    int age;  // place in the history; names come after every line typed
    qsizetype length;
    const QString* text;

    bool operator<(const Rank& other) const {
        return std::tie(place, otherCase, age, length, *text) <
               std::tie(other.place, other.otherCase, other.age, other.length, *other.text);
    }
};

// Where in the candidate a match begins, given that its folded form matches there.
Rank rankOf(const QString& candidate, const QString& typed, qsizetype at, int age) {
    const bool sameCase = QStringView(candidate).mid(at).startsWith(typed);
    return {at != 0 ? Place::Word : Place::Start, !sameCase, age, candidate.size(), &candidate};
}

}  // namespace

void CompletionIndex::setNames(const QStringList& names) {
    names_.assign(names.begin(), names.end());
    std::sort(names_.begin(), names_.end());
    names_.erase(std::unique(names_.begin(), names_.end()), names_.end());
    keys_.clear();
    initials_.clear();
    for (int i = 0; i < int(names_.size()); ++i) {
        const QString& name = names_[size_t(i)];
        const QString folded = name.toCaseFolded();
        Initials initials{{}, i};
        for (qsizetype at = 0; at < folded.size(); ++at) {
            if (startsWord(folded, at) && !folded.at(at).isSpace())
                initials.letters.append(folded.at(at));
        }
        if (initials.letters.size() > 1)
            initials_.push_back(std::move(initials));
        // Folding keeps the length of nearly every text; where it does not, the start is enough.
        const bool sameLength = folded.size() == name.size();
        for (qsizetype at = 0; at < name.size(); ++at) {
            if (startsWord(name, at) && !name.at(at).isSpace() && (at == 0 || sameLength))
                keys_.push_back({folded.mid(at), i, at == 0});
        }
    }
    std::sort(keys_.begin(), keys_.end(),
              [](const Key& a, const Key& b) { return a.folded < b.folded; });
    std::sort(initials_.begin(), initials_.end(),
              [](const Initials& a, const Initials& b) { return a.letters < b.letters; });
}

bool CompletionIndex::startsWordsOf(const QString& foldedName, const QStringList& typedWords) {
    qsizetype at = 0;
    for (const QString& typedWord : typedWords) {
        while (at < foldedName.size() && !(startsWord(foldedName, at) &&
                                           QStringView(foldedName).mid(at).startsWith(typedWord)))
            ++at;
        if (at == foldedName.size())
            return false;
        at += typedWord.size();
    }
    return true;
}

QString CompletionIndex::complete(const QString& typed) const {
    return candidates(typed, 1).value(0);
}

QStringList CompletionIndex::candidates(const QString& typed, qsizetype count) const {
    if (typed.trimmed().isEmpty() || count <= 0)
        return {};
    const QString folded = typed.toCaseFolded();
    std::vector<Rank> ranks;
    for (qsizetype age = 0; age < history_.size(); ++age) {
        const QString& line = history_.at(age);
        if (line.size() > typed.size() && line.startsWith(typed, Qt::CaseInsensitive))
            ranks.push_back(rankOf(line, typed, 0, int(age)));
    }
    const auto first =
        std::lower_bound(keys_.begin(), keys_.end(), folded,
                         [](const Key& key, const QString& text) { return key.folded < text; });
    for (auto it = first; it != keys_.end() && it->folded.startsWith(folded); ++it) {
        const QString& name = names_[size_t(it->name)];
        if (it->atStart && name.size() == typed.size())
            continue;  // nothing left to complete
        const qsizetype at = it->atStart ? 0 : name.size() - it->folded.size();
        ranks.push_back(rankOf(name, typed, at, std::numeric_limits<int>::max()));
    }
    // Initials and word starts need two letters at least: one is any word's start already.
    const QString simplified = folded.simplified();
    const auto byWords = [&](int name) {
        const QString& text = names_[size_t(name)];
        ranks.push_back({Place::Words, false, std::numeric_limits<int>::max(), text.size(), &text});
    };
    if (simplified.size() >= 2 && !simplified.contains(QLatin1Char(' '))) {
        const auto from = std::lower_bound(
            initials_.begin(), initials_.end(), simplified,
            [](const Initials& entry, const QString& text) { return entry.letters < text; });
        for (auto it = from; it != initials_.end() && it->letters.startsWith(simplified); ++it)
            byWords(it->name);
    } else if (simplified.contains(QLatin1Char(' '))) {
        const QStringList typedWords = simplified.split(QLatin1Char(' '));
        for (const Initials& entry : initials_) {
            // Most names fail on the first letter, which costs no folding.
            if (entry.letters.contains(typedWords.first().at(0)) &&
                startsWordsOf(names_[size_t(entry.name)].toCaseFolded(), typedWords))
                byWords(entry.name);
        }
    }
    // A short line matches thousands of names: only the front is put in order. A candidate
    // comes at most twice (a line typed before that is also a name), so twice the count will do.
    const auto front = ranks.begin() + std::min<qsizetype>(qsizetype(ranks.size()), 2 * count);
    std::partial_sort(ranks.begin(), front, ranks.end());
    ranks.erase(front, ranks.end());
    QStringList best;
    for (const Rank& rank : ranks) {
        if (best.size() == count)
            break;
        if (!best.contains(*rank.text))  // a line typed before may also be a name
            best.append(*rank.text);
    }
    return best;
}

}  // namespace mirato
