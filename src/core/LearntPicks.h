#pragma once

#include <QHash>
#include <QObject>
#include <QString>
#include <QTimer>

namespace mirato {

// What the user ran after typing the start of it: a row of the list, a completion taken with
// Tab. A line picked twice for the same typing (case aside) comes first for it from then on,
// and for the shorter typings on the way to it. Kept in a file of its own beside the history,
// readable by the user alone, written a moment after the last change.
class LearntPicks : public QObject {
    Q_OBJECT
public:
    static constexpr int kTimesToLearn = 2;
    static constexpr qsizetype kMaxTypings = 5000;  // the least recently used go first
    static constexpr qsizetype kMaxTypedLength = 40;

    // Reads the file; a missing or unreadable one, or a line of it that does not parse, is
    // left out.
    explicit LearntPicks(QString filePath, QObject* parent = nullptr);
    ~LearntPicks() override;

    // The user typed typed and ran line (another text: a pick, not the typing itself).
    void learn(const QString& typed, const QString& line);
    // The line learnt for the typing, "" when none has been picked often enough.
    QString pickFor(const QString& typed) const;
    void clear();

private:
    struct Pick {
        int count = 0;
        qint64 lastUsed = 0;
    };
    struct Typing {
        QHash<QString, Pick> lines;
        qint64 lastUsed = 0;
    };

    void count(const QString& typing, const QString& line, int times, qint64 when);
    void forgetOldest();
    bool save();

    QString filePath_;
    QHash<QString, Typing> typings_;  // by the case-folded typing
    qint64 clock_ = 0;                // grows with every pick; orders them in time
    QTimer saveTimer_;
};

}  // namespace mirato
