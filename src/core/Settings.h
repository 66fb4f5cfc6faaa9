#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>
#include <utility>

#include "core/ProfileFile.h"
#include "core/Setting.h"
#include "platform/FileStamp.h"

namespace mirato {

// A window position in twips, as stored under "<prefix>.top" and "<prefix>.left".
struct TwipsPosition {
    std::optional<double> top;
    std::optional<double> left;
};

// The program's options: section "Option" of the settings file, which plug-ins read and write
// too. Reads come from a copy in memory that is read again whenever the file has changed since
// (another process, a plug-in); writes go to the file at once, changing only their key's line.
class Settings {
public:
    static constexpr int kTwipsPerPixel = 15;

    // "$windir/Mirato.dat" when windir is set and the program may write there, else
    // "%APPDATA%/Mirato/Mirato.dat" where APPDATA is set (Windows), else
    // "$XDG_CONFIG_HOME/mirato/Mirato.dat" (XDG_CONFIG_HOME defaults to ~/.config).
    static QString defaultFilePath();

    explicit Settings(QString filePath);
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    const QString& filePath() const { return file_.path(); }

    // A declared setting's value (its fallback while missing or unreadable), and storing one.
    template <typename T>
    T get(const Setting<T>& setting) const {
        return setting.fromText(read(setting.key));
    }
    template <typename T>
    bool set(const Setting<T>& setting, const T& value) {
        return write(setting.key, setting.print(value));
    }
    // A value published for plug-ins that only matters while the program runs (the current
    // lyric, many times a minute): written the same way, without waiting for the disk.
    bool publish(const Setting<QString>& setting, const QString& value);

    // A key's text as stored, for keys named at run time (the file types' previous handlers).
    QString read(const QString& key) const;
    bool write(const QString& key, const QString& value);

    // Writes prefix.top, then prefix.left.
    bool savePosition(const QString& prefix, double topTwips, double leftTwips);
    // Reads prefix.top, then prefix.left; a missing or non-numeric value stays empty.
    TwipsPosition readPosition(const QString& prefix) const;

    // While a hold lasts, writes wait in memory (reads see them) and reach the file in order
    // when the last hold ends: the settings a first start stores then cost its first picture
    // nothing. Holds nest; a write that fails when it finally happens is logged.
    class Hold {
    public:
        explicit Hold(Settings& settings);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        Settings& settings_;
    };

    static int twipsToPixels(double twips);
    static double pixelsToTwips(int pixels);

private:
    void release();
    const QHash<QString, QString>& values() const;

    ProfileFile file_;
    int holds_ = 0;
    QList<std::pair<QString, QString>> heldWrites_;  // key, value as it will be stored
    // The section as last read, and the file it was read from.
    mutable QHash<QString, QString> values_;
    mutable std::optional<FileStamp> readStamp_;
    mutable bool valuesRead_ = false;
};

}  // namespace mirato
