#pragma once

#include <QString>
#include <QStringList>

namespace mirato {

// The lines the user ran in the command box, newest first, kept in a file of their own (one
// line each, UTF-8). A line starting with a blank is private and never kept.
class LineHistory {
public:
    static constexpr qsizetype kLimit = 500;

    // Reads the file; a missing or unreadable file is an empty history.
    explicit LineHistory(QString filePath);

    // Keeps a line at the top (a line already kept moves there) and writes the file; false when
    // the line is not kept or the file cannot be written.
    bool remember(const QString& line);
    void clear();
    const QStringList& lines() const { return lines_; }

    static bool isPrivate(const QString& line);

private:
    bool save() const;

    QString filePath_;
    QStringList lines_;
};

}  // namespace mirato
