#pragma once

#include "core/Dialogs.h"

namespace mirato {

// The dialogs as Qt's file dialogs and input box, titled with the program's title.
class QtDialogs : public Dialogs {
public:
    QString openFile(const QString& filter) override;
    QStringList openFiles(const QString& title, const QString& filter) override;
    QString saveFile(const QString& proposedName, const QString& filter) override;
    std::optional<QString> askText(const QString& title, const QString& prompt) override;

    // "Description| *.mp3;*.wma|..." in Qt's "Description (*.mp3 *.wma);;..." form; "*.*" is
    // every file, dot or not.
    static QString qtFilter(const QString& filter);
};

}  // namespace mirato
