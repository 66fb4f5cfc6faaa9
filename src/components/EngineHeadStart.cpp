#include "components/EngineHeadStart.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

#include "components/EngineLoader.h"
#include "components/MediaPlayer.h"
#include "components/PlaylistReader.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"
#include "core/TextRules.h"

Q_LOGGING_CATEGORY(lcHeadStart, "mirato.components.headstart", QtWarningMsg)

namespace mirato {

std::unique_ptr<EngineHeadStart> EngineHeadStart::forDocument(const QString& document) {
    if (!TextRules::hasMediaExtension(document) || document.contains(QLatin1String("://")))
        return nullptr;
    const QFileInfo file(document);
    if (!file.isFile() || PlaylistReader::isPlaylist(document))
        return nullptr;
    const Settings settings(Settings::defaultFilePath());
    return std::make_unique<EngineHeadStart>(
        QDir::cleanPath(file.absoluteFilePath()), settings.get(SettingKeys::kVolume),
        settings.get(SettingKeys::kLoudness), EngineLoader::defaultFolder());
}

EngineHeadStart::EngineHeadStart(QString location, int volume, Loudness loudness,
                                 QString engineFolder)
    : location_(std::move(location)), volume_(volume), loudness_(loudness) {
    worker_.start([this, folder = std::move(engineFolder)] { run(folder); });
}

EngineHeadStart::~EngineHeadStart() {
    worker_.join();
    if (engine_)
        engine_->stop();
}

void EngineHeadStart::run(const QString& engineFolder) {
    EngineLoader loader(engineFolder);
    const QString name = loader.engineFor(location_);
    if (name.isEmpty() || !loader.isEarly(name))
        return;
    QString error;
    std::unique_ptr<PlaybackEngine> engine(loader.create(name, &error));
    if (!engine) {
        // The player says why when it tries the same engine.
        qCDebug(lcHeadStart) << "no head start:" << error;
        return;
    }
    engine->setVolume(volume_);
    engine->setLoudness(loudness_);
    if (!engine->open(location_))
        return;
    engineName_ = name;
    engine_ = std::move(engine);
}

std::unique_ptr<PlaybackEngine> EngineHeadStart::take(QString* engineName) {
    worker_.join();
    if (engineName)
        *engineName = engineName_;
    return std::move(engine_);
}

}  // namespace mirato
