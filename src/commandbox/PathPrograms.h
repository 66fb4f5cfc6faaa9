#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <optional>
#include <thread>

#include "platform/FileStamp.h"

namespace mirato {

// The programs a command line may start by name: the executable files of the folders of PATH.
// They are read on a worker thread when first asked for, and again when one of those folders
// has changed (a package installed or removed); until then there are none.
class PathPrograms : public QObject {
    Q_OBJECT
public:
    // folders: where to look, in order (the folders of $PATH in the program).
    explicit PathPrograms(QStringList folders, QObject* parent = nullptr);
    ~PathPrograms() override;

    // Starts a reading unless one runs or the folders are as the last one found them.
    void load();
    // Sorted, each name once.
    const QStringList& names() const { return names_; }

signals:
    void changed();

private:
    QList<std::optional<FileStamp>> stamps() const;

    QStringList folders_;
    QStringList names_;
    QList<std::optional<FileStamp>> readStamps_;
    bool reading_ = false;
    bool read_ = false;
    std::thread worker_;
};

}  // namespace mirato
