#include "core/ApplicationCatalog.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QThread>

Q_LOGGING_CATEGORY(lcCatalog, "mirato.core.applications", QtWarningMsg)

namespace mirato {

ApplicationCatalog::ApplicationCatalog(QStringList dataFolders, QObject* parent)
    : QObject(parent), dataFolders_(std::move(dataFolders)) {
    // Installing a package writes many entries at once: read them once it has settled.
    rereadTimer_.setSingleShot(true);
    rereadTimer_.setInterval(1000);
    connect(&rereadTimer_, &QTimer::timeout, this, &ApplicationCatalog::startReading);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, &rereadTimer_,
            qOverload<>(&QTimer::start));
}

ApplicationCatalog::~ApplicationCatalog() {
    if (worker_)
        worker_->wait();
}

void ApplicationCatalog::load(const ApplicationFilter& filter) {
    filter_ = filter;
    watchFolders();
    startReading();
}

void ApplicationCatalog::startReading() {
    if (worker_ && worker_->isRunning()) {
        readAgain_ = true;
        return;
    }
    if (worker_)
        worker_->wait();
    const QStringList folders = dataFolders_;
    const ApplicationFilter filter = filter_;
    worker_.reset(QThread::create([this, folders, filter] {
        auto found = scanApplications(folders, filter);
        QMetaObject::invokeMethod(
            this, [this, found = std::move(found)]() mutable { take(std::move(found)); },
            Qt::QueuedConnection);
    }));
    worker_->start(QThread::LowPriority);
}

void ApplicationCatalog::take(QList<InstalledApplication> applications) {
    applications_ = std::move(applications);
    byName_.clear();
    auto add = [this](const QString& name, qsizetype index) {
        const QString key = name.toCaseFolded();
        if (!key.isEmpty() && !byName_.contains(key))
            byName_.insert(key, index);
    };
    // Shown names win over program names, which win over ids.
    for (qsizetype i = 0; i < applications_.size(); ++i) {
        for (const QString& name : applications_.at(i).names)
            add(name, i);
    }
    for (qsizetype i = 0; i < applications_.size(); ++i)
        add(applications_.at(i).program, i);
    for (qsizetype i = 0; i < applications_.size(); ++i)
        add(applications_.at(i).id, i);
    loaded_ = true;
    qCDebug(lcCatalog) << applications_.size() << "applications";
    watchFolders();  // folders made since the last reading
    emit changed();
    if (readAgain_) {
        readAgain_ = false;
        startReading();
    }
}

void ApplicationCatalog::watchFolders() {
    QStringList folders;
    for (const QString& data : dataFolders_) {
        for (const QString& folder : {data, data + QStringLiteral("/applications")}) {
            if (QFileInfo(folder).isDir() && !watcher_.directories().contains(folder))
                folders.append(folder);
        }
    }
    if (!folders.isEmpty())
        watcher_.addPaths(folders);
}

const InstalledApplication* ApplicationCatalog::find(const QString& line) const {
    const auto it = byName_.constFind(line.toCaseFolded());
    return it == byName_.constEnd() ? nullptr : &applications_.at(*it);
}

}  // namespace mirato
