#pragma once

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QTimer>
#include <memory>

#include "platform/InstalledApplications.h"

class QThread;

namespace mirato {

// The installed applications by name. They are read on a worker thread when load() is called
// and again shortly after their folders change; until the first reading is done there are
// none, so nobody ever waits for them.
class ApplicationCatalog : public QObject {
    Q_OBJECT
public:
    explicit ApplicationCatalog(QStringList dataFolders, QObject* parent = nullptr);
    ~ApplicationCatalog() override;

    // Starts reading, and watching the folders, with the languages and desktop given.
    void load(const ApplicationFilter& filter);
    bool isLoaded() const { return loaded_; }

    // The application a whole line names, compared without case: a shown name first, then a
    // program name, then a desktop file id; nullptr when none.
    const InstalledApplication* find(const QString& line) const;
    const QList<InstalledApplication>& applications() const { return applications_; }

signals:
    void changed();

private:
    void startReading();
    void take(QList<InstalledApplication> applications);
    void watchFolders();

    QStringList dataFolders_;
    ApplicationFilter filter_;
    QList<InstalledApplication> applications_;
    QHash<QString, qsizetype> byName_;
    QFileSystemWatcher watcher_;
    QTimer rereadTimer_;
    std::unique_ptr<QThread> worker_;
    bool readAgain_ = false;
    bool loaded_ = false;
};

}  // namespace mirato
