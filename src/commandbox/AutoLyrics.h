#pragma once

#include <QObject>
#include <QString>

namespace mirato {

class Launcher;
class MediaControl;
class PluginCatalog;
class Settings;

// Asks the lyrics plug-in, without a window, for the lyrics of a local song that has none,
// while "Find lyrics online" (the setting AutoLyrics) is ticked; otherwise nothing is asked and
// nothing leaves the machine. The song is described by its tags (artist, title, album) and its
// length, which the player tells once it has opened it, or by a file named "Artist - Title".
// A song the service did not know is not asked about again for a week.
class AutoLyrics : public QObject {
    Q_OBJECT
public:
    AutoLyrics(Settings& settings, const PluginCatalog& plugins, MediaControl& media,
               Launcher& launcher, QString cacheFolder, QObject* parent = nullptr);

    // The lyric sync found no lyrics for the song playing.
    void songWithoutLyrics(const QString& source);

private:
    // Asks once the song's length is known, for the song still playing.
    void askWhenKnown();

    Settings& settings_;
    const PluginCatalog& plugins_;
    MediaControl& media_;
    Launcher& launcher_;
    const QString cacheFolder_;
    QString waiting_;  // the song whose length is awaited
};

}  // namespace mirato
