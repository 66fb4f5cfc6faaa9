#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QTimer>

namespace mirato {

// The lines the user ran in the command box, newest first, kept in a file of their own (one
// line each, UTF-8, readable by the user alone). A line starting with a blank is private and
// never kept. The file is written a moment after the last change and when the history goes
// away, so Enter never waits for the disk.
class LineHistory : public QObject {
    Q_OBJECT
public:
    static constexpr qsizetype kLimit = 500;

    // Reads the file; a missing or unreadable file is an empty history.
    explicit LineHistory(QString filePath, QObject* parent = nullptr);
    ~LineHistory() override;

    // Keeps a line at the top (a line already kept moves there); false when it is not kept.
    bool remember(const QString& line);
    void clear();
    const QStringList& lines() const { return lines_; }

    static bool isPrivate(const QString& line);

private:
    bool save();

    QString filePath_;
    QStringList lines_;
    QTimer saveTimer_;
};

}  // namespace mirato
