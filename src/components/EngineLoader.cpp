#include "components/EngineLoader.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibrary>
#include <QLoggingCategory>
#include <QPluginLoader>
#include <QThreadPool>
#include <QUrl>

#include "platform/ProgramFolder.h"

Q_LOGGING_CATEGORY(lcEngines, "mirato.components.engines", QtWarningMsg)

namespace mirato {

namespace {

QStringList lowerStrings(const QJsonValue& value) {
    QStringList strings;
    for (const QJsonValue& item : value.toArray())
        strings.append(item.toString().toLower());
    return strings;
}

}  // namespace

EngineLoader::EngineLoader(QString folder) : folder_(std::move(folder)) {}

QString EngineLoader::defaultFolder() {
    const QString chosen = qEnvironmentVariable("MIRATO_BACKEND_DIR");
    if (!chosen.isEmpty())
        return chosen;
    const QString program = ProgramFolder::path();
    const QString beside = program + QStringLiteral("/backends");
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(program + QStringLiteral("/../lib/mirato/backends"));
}

const QList<EngineLoader::Engine>& EngineLoader::engines() {
    if (engines_)
        return *engines_;
    engines_.emplace();
    const QDir dir(folder_);
    // Matched by hand, not by a name filter: a filter is a regular expression, and on Windows a
    // thread of its own that has run one (the head start's) may crash as it ends, in the clean-up
    // of PCRE2's per-thread JIT stack, while another thread runs them too.
    for (const QFileInfo& file : dir.entryInfoList(QDir::Files, QDir::Name)) {
        const QString path = file.filePath();
        if (!file.fileName().contains(QLatin1String("mirato-")) || !QLibrary::isLibrary(path))
            continue;
        // Read from the file: the library is not loaded for it.
        const QJsonObject plugin = QPluginLoader(path).metaData();
        const QJsonObject metadata = plugin.value(QStringLiteral("MetaData")).toObject();
        // The calculator is a plug-in of this folder too.
        if (metadata.isEmpty() || plugin.value(QStringLiteral("IID")).toString() !=
                                      QLatin1String(MiratoPlaybackEngineFactory_iid)) {
            qCDebug(lcEngines) << "not an engine plug-in:" << path;
            continue;
        }
        // libmirato-NAME.so, libmirato-NAME.dll
        const QString base = file.completeBaseName();
        const QString name = base.mid(base.indexOf(QLatin1String("mirato-")) + 7);
        engines_->append({name, path, lowerStrings(metadata.value(QStringLiteral("schemes"))),
                          lowerStrings(metadata.value(QStringLiteral("extensions"))),
                          metadata.value(QStringLiteral("early")).toBool()});
    }
    if (engines_->isEmpty())
        qCDebug(lcEngines) << "no engine plug-ins in" << folder_;
    return *engines_;
}

QString EngineLoader::engineFor(const QString& location) {
    const qsizetype separator = location.indexOf(QLatin1String("://"));
    const bool address = separator > 0;
    const QString scheme = address ? location.left(separator).toLower() : QString();
    const QString extension = address ? QString() : QFileInfo(location).suffix().toLower();
    QString fallback;
    for (const Engine& engine : engines()) {
        if (address ? engine.schemes.contains(scheme) : engine.extensions.contains(extension))
            return engine.name;
        if (fallback.isEmpty() && engine.extensions.contains(QLatin1String("*")))
            fallback = engine.name;
    }
    return fallback;
}

const EngineLoader::Engine* EngineLoader::find(const QString& name) {
    for (const Engine& engine : engines()) {
        if (engine.name == name)
            return &engine;
    }
    return nullptr;
}

bool EngineLoader::isEarly(const QString& name) {
    const Engine* engine = find(name);
    return engine && engine->early;
}

void EngineLoader::preload(const QString& name) {
    if (factories_.contains(name) || preloading_.contains(name))
        return;
    preloading_.insert(name);
    const Engine* engine = find(name);
    if (!engine)
        return;
    const QString path = engine->path;
    // Only the libraries are mapped there; the plug-in object is made on this thread later.
    QThreadPool::globalInstance()->start([path] {
        QLibrary library(path);
        if (!library.load())
            qCWarning(lcEngines) << "the engine" << path
                                 << "did not load:" << library.errorString();
    });
}

PlaybackEngine* EngineLoader::create(const QString& name, QString* error) {
    PlaybackEngineFactory* factory = factories_.value(name);
    if (!factory) {
        const Engine* engine = find(name);
        const QString path = engine ? engine->path : QString();
        if (path.isEmpty()) {
            if (error)
                *error = QStringLiteral("no engine plug-in \"%1\" in %2").arg(name, folder_);
            return nullptr;
        }
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
