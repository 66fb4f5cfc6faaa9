#include "core/ApplicationCatalog.h"

#include <QLocale>
#include <QLoggingCategory>

#include "platform/HostConventions.h"

Q_LOGGING_CATEGORY(lcCatalog, "mirato.core.applications", QtWarningMsg)

namespace mirato {

ApplicationCatalog::ApplicationCatalog(QStringList dataFolders, QObject* parent)
    : QObject(parent), dataFolders_(std::move(dataFolders)) {}

ApplicationCatalog::~ApplicationCatalog() {
    worker_.join();  // before the result it writes goes
}

ApplicationFilter ApplicationCatalog::sessionFilter(Language programLanguage) {
    QStringList own;
    if (programLanguage == Language::SimplifiedChinese)
        own = {QStringLiteral("zh_CN"), QStringLiteral("zh")};
    else if (programLanguage == Language::TraditionalChinese)
        own = {QStringLiteral("zh_TW"), QStringLiteral("zh")};
    return {nameLanguages(QLocale::system().name(), own),
            qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(QLatin1Char(':'), Qt::SkipEmptyParts),
            hostConventions().searchPath()};
}

void ApplicationCatalog::load(const ApplicationFilter& filter) {
    filter_ = filter;
    loadAsked_ = true;
    startReading();
}

void ApplicationCatalog::startReading() {
    if (reading_) {
        readAgain_ = true;
        return;
    }
    worker_.join();  // done: it has handed its result over
    // Taken before reading: a change made while the worker reads is seen next time.
    readStamps_ = folderStamps();
    const QStringList folders = dataFolders_;
    const ApplicationFilter filter = filter_;
    reading_ = true;
    worker_.start([this, folders, filter] {
        auto found = scanApplications(folders, filter);
        {
            const std::lock_guard lock(resultLock_);
            result_ = std::move(found);
        }
        QMetaObject::invokeMethod(this, &ApplicationCatalog::deliver, Qt::QueuedConnection);
    });
}

void ApplicationCatalog::deliver() {
    std::optional<QList<InstalledApplication>> found;
    {
        const std::lock_guard lock(resultLock_);
        found.swap(result_);
    }
    if (found)  // else settle() took it already
        take(std::move(*found));
}

void ApplicationCatalog::take(QList<InstalledApplication> applications) {
    reading_ = false;
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
    emit changed();
    if (readAgain_) {
        readAgain_ = false;
        startReading();
    }
}

void ApplicationCatalog::rereadIfChanged() {
    if (loadAsked_ && folderStamps() != readStamps_)
        startReading();
}

void ApplicationCatalog::settle() {
    rereadIfChanged();
    // take() may start another reading, for a change made while the last one ran.
    while (reading_) {
        worker_.join();
        deliver();
    }
}

QList<std::optional<FileStamp>> ApplicationCatalog::folderStamps() const {
    // Packages add and remove entries by renaming, which changes the folder; a folder of
    // applications/ that appears later changes the data folder.
    QList<std::optional<FileStamp>> stamps;
    for (const QString& data : dataFolders_) {
        stamps.append(FileStamp::of(data));
        stamps.append(FileStamp::of(data + QStringLiteral("/applications")));
    }
    return stamps;
}

const InstalledApplication* ApplicationCatalog::find(const QString& line) const {
    const auto it = byName_.constFind(line.toCaseFolded());
    return it == byName_.constEnd() ? nullptr : &applications_.at(*it);
}

}  // namespace mirato
