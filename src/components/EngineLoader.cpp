#include "components/EngineLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QPluginLoader>
#include <QThreadPool>

namespace mirato {

EngineLoader::EngineLoader(QString folder) : folder_(std::move(folder)) {}

QString EngineLoader::defaultFolder() {
    const QString chosen = qEnvironmentVariable("MIRATO_BACKEND_DIR");
    if (!chosen.isEmpty())
        return chosen;
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/backends");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../lib/mirato/backends"));
}

QString EngineLoader::pathOf(const QString& name) const {
    return folder_ + QStringLiteral("/libmirato-") + name + QStringLiteral(".so");
}

void EngineLoader::preload(const QString& name) {
    if (factories_.contains(name) || preloading_.contains(name))
        return;
    preloading_.insert(name);
    const QString path = pathOf(name);
    // Only the libraries are mapped there; the plug-in object is made on this thread later.
    QThreadPool::globalInstance()->start([path] {
        QLibrary library(path);
        library.load();
    });
}

PlaybackEngine* EngineLoader::create(const QString& name, QString* error) {
    PlaybackEngineFactory* factory = factories_.value(name);
    if (!factory) {
        QPluginLoader loader(pathOf(name));
        factory = qobject_cast<PlaybackEngineFactory*>(loader.instance());
        if (!factory) {
            if (error)
                *error = loader.errorString();
            return nullptr;
        }
        factories_.insert(name, factory);
    }
    return factory->createEngine();
}

}  // namespace mirato
