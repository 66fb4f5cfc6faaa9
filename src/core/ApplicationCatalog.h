#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <memory>
#include <mutex>
#include <optional>

#include "core/Language.h"
#include "core/WorkerThread.h"
#include "platform/FileStamp.h"
#include "platform/InstalledApplications.h"

namespace mirato {

// The installed applications by name. They are read on a worker thread when load() is called,
// and again when rereadIfChanged() finds their folders changed; until the first reading is
// done there are none, so nobody ever waits for them.
class ApplicationCatalog : public QObject {
    Q_OBJECT
public:
    explicit ApplicationCatalog(QStringList dataFolders, QObject* parent = nullptr);
    ~ApplicationCatalog() override;

    // Starts reading with the languages and desktop given.
    void load(const ApplicationFilter& filter);
    // What this session shows: names in the desktop's language and in the program's own,
    // entries for the desktop running, TryExec looked up along PATH.
    static ApplicationFilter sessionFilter(Language programLanguage);
    // Reads again when a folder of desktop entries was changed since the last reading (an
    // installed or removed package): a look at a few folders, cheap enough for every Enter.
    void rereadIfChanged();
    // The same, but waits for the reading (and for one under way): what a line about to be
    // dispatched needs, so that an application installed a moment ago is found by the first
    // Enter. A few milliseconds, and only when something changed.
    void settle();
    bool isLoaded() const { return loaded_; }

    // The application a whole line names, compared without case: a shown name first, then a
    // program name, then a desktop file id; nullptr when none.
    const InstalledApplication* find(const QString& line) const;
    const QList<InstalledApplication>& applications() const { return applications_; }

signals:
    void changed();

private:
    void startReading();
    // Takes the worker's result, if it has not been taken yet.
    void deliver();
    void take(QList<InstalledApplication> applications);
    QList<std::optional<FileStamp>> folderStamps() const;

    QStringList dataFolders_;
    ApplicationFilter filter_;
    QList<InstalledApplication> applications_;
    QHash<QString, qsizetype> byName_;
    QList<std::optional<FileStamp>> readStamps_;  // the folders as the last reading found them
    WorkerThread worker_;                         // reads the entries, then ends
    std::mutex resultLock_;
    std::optional<QList<InstalledApplication>> result_;  // read, not yet taken
    bool reading_ = false;
    bool readAgain_ = false;
    bool loadAsked_ = false;
    bool loaded_ = false;
};

}  // namespace mirato
