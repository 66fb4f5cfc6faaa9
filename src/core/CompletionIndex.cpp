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

// How good a candidate is; smaller is better.
struct Rank {
    bool atWord;
    bool otherCase;
    int age;  // place in the history; names come after every line typed
    qsizetype length;
    const QString* text;

    bool operator<(const Rank& other) const {
        return std::tie(atWord, otherCase, age, length, *text) <
               std::tie(other.atWord, other.otherCase, other.age, other.length, *other.text);
    }
};

// Where in the candidate a match begins, given that its folded form matches there.
Rank rankOf(const QString& candidate, const QString& typed, qsizetype at, int age) {
    const bool sameCase = QStringView(candidate).mid(at).startsWith(typed);
    return {at != 0, !sameCase, age, candidate.size(), &candidate};
}

}  // namespace

void CompletionIndex::setNames(const QStringList& names) {
    names_.assign(names.begin(), names.end());
    std::sort(names_.begin(), names_.end());
    names_.erase(std::unique(names_.begin(), names_.end()), names_.end());
    keys_.clear();
    for (int i = 0; i < int(names_.size()); ++i) {
        const QString& name = names_[size_t(i)];
        const QString folded = name.toCaseFolded();
        // Folding keeps the length of nearly every text; where it does not, the start is enough.
        const bool sameLength = folded.size() == name.size();
        for (qsizetype at = 0; at < name.size(); ++at) {
            if (startsWord(name, at) && !name.at(at).isSpace() && (at == 0 || sameLength))
                keys_.push_back({folded.mid(at), i, at == 0});
        }
    }
    std::sort(keys_.begin(), keys_.end(),
              [](const Key& a, const Key& b) { return a.folded < b.folded; });
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
