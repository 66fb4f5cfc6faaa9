#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

namespace mirato {

// A picture as the desktop's search interfaces send it: rows of 8-bit RGB or RGBA pixels.
struct AnswerPicture {
    int width = 0;
    int height = 0;
    int rowStride = 0;
    bool alpha = false;
    QByteArray pixels;
    bool isNull() const { return width <= 0 || height <= 0; }
    bool operator==(const AnswerPicture&) const = default;
};

// One answer another program of the desktop gave to a line.
struct DesktopAnswer {
    QString source;  // which program answered (a search provider's or runner's own id)
    QString id;      // the answer's id in that program, what activating it hands back
    QString title;
    QString description;
    QString icon;           // a theme icon's name or a picture's path ("": none)
    AnswerPicture picture;  // a picture the program sent along, if any
    bool operator==(const DesktopAnswer&) const = default;
};

// The answers the desktop's own search sources (the programs that answer the desktop's search
// field) have for a line being typed. Asking never blocks: answers come by signal, each
// source's on its own, and only while they are in time for the line asked last.
class DesktopSearch : public QObject {
    Q_OBJECT
public:
    // Shorter lines are not asked about: every source would answer with noise.
    static constexpr int kShortestLine = 3;

    using QObject::QObject;

    // Asks every source about the line; serial names the question in answered(). A new question
    // makes the answers to every older one be dropped.
    virtual void ask(quint64 serial, const QString& line) = 0;
    // The line was run or the box closed: nothing asked so far is answered any more.
    virtual void forget() = 0;
    // Hands the answer back to its program, which does what it stands for (opens the file,
    // raises the window, ...). line: the line it answered.
    virtual void activate(const DesktopAnswer& answer, const QString& line) = 0;

signals:
    // A source's answers to the question named serial, best first; an empty list when it has
    // none. Each source answers a question once at most.
    void answered(quint64 serial, const QString& source,
                  const QList<mirato::DesktopAnswer>& answers);
};

}  // namespace mirato

Q_DECLARE_METATYPE(mirato::DesktopAnswer)
