#include "components/EngineLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

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

PlaybackEngine* EngineLoader::create(const QString& name, QString* error) {
    PlaybackEngineFactory* factory = factories_.value(name);
    if (!factory) {
        const QString path = folder_ + QStringLiteral("/libmirato-") + name + QStringLiteral(".so");
        QPluginLoader loader(path);
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
