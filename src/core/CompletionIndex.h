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
    // itself): a match at the start before one at a word, then the same case before another
    // case, then a line typed before (the newer the better) before a name, then the shorter, then
    // the first in order. "" when there is none.
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

    std::vector<QString> names_;
    std::vector<Key> keys_;
    QStringList history_;
};

}  // namespace mirato
