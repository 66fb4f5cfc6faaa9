#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace mirato {

// The dialogs the program asks questions with. Filters are written "Description|patterns|..."
// with patterns separated by ';' (" *.mp3;*.wma").
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // One file's full path, "" when cancelled.
    virtual QString openFile(const QString& filter) = 0;
    // Full paths of the chosen files in the order chosen; empty when cancelled.
    virtual QStringList openFiles(const QString& title, const QString& filter) = 0;
    // Where to save, proposing a file name; "" when cancelled.
    virtual QString saveFile(const QString& proposedName, const QString& filter) = 0;
    // A line of text; nullopt when cancelled.
    virtual std::optional<QString> askText(const QString& title, const QString& prompt) = 0;
};

}  // namespace mirato
