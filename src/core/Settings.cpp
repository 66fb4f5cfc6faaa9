#include "core/Settings.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <algorithm>
#include <cmath>
#include <utility>

#include "core/Log.h"

namespace mirato {

namespace {

const QString kSection = QStringLiteral("Option");

std::optional<double> numberOrNothing(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        qCDebug(lcSettings) << "ignoring a position that is not a number:" << text;
        return std::nullopt;
    }
    return value;
}

QString twipsText(double twips) {
    // Positions are stored as single-precision numbers.
    return QString::number(static_cast<float>(twips), 'g', 7);
}

}  // namespace

namespace {

// Whether the program may write the file: it opens for writing, or it can be made (and is
// removed again). Windows keeps its own folder from programs without the folder saying so.
bool canWrite(const QString& path) {
    QFile file(path);
    if (file.exists())
        return file.open(QIODevice::ReadWrite);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.remove();
    return true;
}

}  // namespace

QString Settings::defaultFilePath() {
    const QString windir = qEnvironmentVariable("windir");
    if (!windir.isEmpty()) {
        const QString beside = QDir(windir).filePath(QStringLiteral("Mirato.dat"));
        if (canWrite(beside))
            return beside;
        // Windows 10 and later protect %windir%: the user's roaming folder takes the file.
        const QString appData = qEnvironmentVariable("APPDATA");
        if (!appData.isEmpty()) {
            QDir(appData).mkpath(QStringLiteral("Mirato"));
            return QDir(appData).filePath(QStringLiteral("Mirato/Mirato.dat"));
        }
    }
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/mirato/Mirato.dat");
}

Settings::Settings(QString filePath) : file_(std::move(filePath)) {}

const QHash<QString, QString>& Settings::values() const {
    // A look at the file's stamp costs far less than reading it: read only when it changed.
    const std::optional<FileStamp> stamp = FileStamp::of(file_.path());
    if (!valuesRead_ || stamp != readStamp_) {
        values_ = file_.readSection(kSection);
        readStamp_ = stamp;
        valuesRead_ = true;
    }
    return values_;
}

QString Settings::read(const QString& key) const {
    for (auto it = heldWrites_.crbegin(); it != heldWrites_.crend(); ++it) {
        // Keys match as in the file: case-insensitively.
        if (it->first.compare(key, Qt::CaseInsensitive) == 0)
            return ProfileFile::cutForRead(it->second);
    }
    return values().value(key.toCaseFolded());
}

bool Settings::write(const QString& key, const QString& value) {
    if (holds_ > 0) {
        heldWrites_.append({key, ProfileFile::cutForWrite(value)});
        return true;
    }
    valuesRead_ = false;  // read again, as the file now holds it
    return file_.write(kSection, key, value);
}

Settings::Hold::Hold(Settings& settings) : settings_(settings) {
    ++settings_.holds_;
}

Settings::Hold::~Hold() {
    if (--settings_.holds_ == 0)
        settings_.release();
}

void Settings::release() {
    const QList<std::pair<QString, QString>> writes = std::exchange(heldWrites_, {});
    for (const auto& [key, value] : writes) {
        if (!write(key, value))
            qCDebug(lcSettings) << "a held setting could not be stored:" << key;
    }
}

bool Settings::publish(const Setting<QString>& setting, const QString& value) {
    if (holds_ > 0)
        return write(setting.key, value);
    valuesRead_ = false;
    return file_.write(kSection, setting.key, value, ProfileFile::Durability::Passing);
}

bool Settings::savePosition(const QString& prefix, double topTwips, double leftTwips) {
    const bool top = write(prefix + QStringLiteral(".top"), twipsText(topTwips));
    const bool left = write(prefix + QStringLiteral(".left"), twipsText(leftTwips));
    return top && left;
}

TwipsPosition Settings::readPosition(const QString& prefix) const {
    TwipsPosition position;
    position.top = numberOrNothing(read(prefix + QStringLiteral(".top")));
    position.left = numberOrNothing(read(prefix + QStringLiteral(".left")));
    return position;
}

int Settings::twipsToPixels(double twips) {
    // A hand-edited settings file may hold anything; keep the result a sane screen coordinate.
    if (!std::isfinite(twips))
        return 0;
    return static_cast<int>(std::lround(std::clamp(twips / kTwipsPerPixel, -1.0e6, 1.0e6)));
}

double Settings::pixelsToTwips(int pixels) {
    return static_cast<double>(pixels) * kTwipsPerPixel;
}

}  // namespace mirato
