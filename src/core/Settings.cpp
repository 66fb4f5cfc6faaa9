#include "core/Settings.h"

#include <QDir>
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

// Writes waiting for the last Settings::Hold to end.
struct HeldWrites {
    int depth = 0;
    QList<std::pair<QString, QString>> writes;  // key, value as it will be stored

    // The latest waiting value of a key (keys match as in the file: case-insensitively).
    std::optional<QString> find(const QString& key) const {
        for (auto it = writes.crbegin(); it != writes.crend(); ++it) {
            if (it->first.compare(key, Qt::CaseInsensitive) == 0)
                return it->second;
        }
        return std::nullopt;
    }
};

HeldWrites& held() {
    static HeldWrites writes;
    return writes;
}

QString twipsText(double twips) {
    // Positions are stored as single-precision numbers.
    return QString::number(static_cast<float>(twips), 'g', 7);
}

}  // namespace

QString Settings::filePath() {
    const QString windir = qEnvironmentVariable("windir");
    if (!windir.isEmpty())
        return QDir(windir).filePath(QStringLiteral("Mirato.dat"));
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || QDir::isRelativePath(config))
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/mirato/Mirato.dat");
}

QString Settings::read(const QString& key) {
    if (const auto waiting = held().find(key))
        return ProfileFile::cutForRead(*waiting);
    return file().read(kSection, key);
}

bool Settings::write(const QString& key, const QString& value) {
    if (held().depth > 0) {
        held().writes.append({key, ProfileFile::cutForWrite(value)});
        return true;
    }
    return file().write(kSection, key, value);
}

Settings::Hold::Hold() {
    ++held().depth;
}

Settings::Hold::~Hold() {
    HeldWrites& h = held();
    if (--h.depth > 0)
        return;
    const QList<std::pair<QString, QString>> writes = std::exchange(h.writes, {});
    for (const auto& [key, value] : writes) {
        if (!file().write(kSection, key, value))
            qCDebug(lcSettings) << "a held setting could not be stored:" << key;
    }
}

bool Settings::readBool(const QString& key) {
    return read(key) == QLatin1String("True");
}

bool Settings::writeBool(const QString& key, bool value) {
    return write(key, value ? QStringLiteral("True") : QStringLiteral("False"));
}

bool Settings::savePosition(const QString& prefix, double topTwips, double leftTwips) {
    const bool top = write(prefix + QStringLiteral(".top"), twipsText(topTwips));
    const bool left = write(prefix + QStringLiteral(".left"), twipsText(leftTwips));
    return top && left;
}

TwipsPosition Settings::readPosition(const QString& prefix) {
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
