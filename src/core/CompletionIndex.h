#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace mirato {

// The names a typed line may complete to, kept in memory so that a look-up costs no more than a
// keystroke can wait. Names (applications, plug-ins, shortcuts, playlists) are indexed sorted;
// the history, at most a few hundred lines, is searched as it is.
class CompletionIndex {
public:
    void setNames(const QStringList& names);
    // The lines typed before, newest first.
    void setHistory(const QStringList& lines) { history_ = lines; }

    // The best candidate that the typed text starts, or whose word starts with it (not the text
    // itself), or a name whose words the typing starts in order ("lib wri" for "LibreOffice
    // Writer") or spells by their initials ("yft" for "Y Fixture Two"): a match at the start
    // before one at a word before one of the words, then the same case before another case,
    // then a line typed before (the newer the better) before a name, then the shorter, then the
    // first in order. "" when there is none.
    QString complete(const QString& typed) const;
    // The best candidates in that order, at most count, each once.
    QStringList candidates(const QString& typed, qsizetype count) const;

    qsizetype size() const { return qsizetype(names_.size()) + history_.size(); }

private:
    struct Key {
        QString folded;  // the name from a word start on, case-folded
        int name;        // index into names_
        bool atStart;
    };

    struct Initials {
        QString letters;  // the first letter of each word, case-folded
        int name;
    };
    // Whether the typed words (case-folded, one blank between) start words of the name in order.
    static bool startsWordsOf(const QString& foldedName, const QStringList& typedWords);

    std::vector<QString> names_;
    std::vector<Initials> initials_;  // sorted by letters
    std::vector<Key> keys_;
    QStringList history_;
};

}  // namespace mirato
