#pragma once

#include <QString>

namespace mirato {

// What one window asks of the others, implemented where all windows are known.
class WindowRequests {
public:
    virtual ~WindowRequests() = default;
    // Creates the music player window if needed, restores and shows it.
    virtual void showPlayer() = 0;
    // Creates the desktop lyrics window if needed, restores and shows it.
    virtual void showLyricsWindow() = 0;
    // Forgets the lyrics of the media playing: lines cleared, "no lyrics" shown.
    virtual void clearLyrics() = 0;
    // Restores and shows the command box.
    virtual void showCommandBox() = 0;
    // Puts a text into the command box (nothing runs) and shows it.
    virtual void fillCommandBox(const QString& text) = 0;
    // Replaces the lyrics of the song playing with the lines of a lyrics file; false when the
    // file cannot be read.
    virtual bool showLyricsDocument(const QString& path) = 0;
    // Unloads the desktop lyrics window when it is loaded.
    virtual void closeLyricsWindow() = 0;
    // Starts the lyrics search plug-in for the song playing.
    virtual void searchLyrics() = 0;
    // Opens the help text of the current language.
    virtual void openHelp() = 0;
    // Moves the lyrics of the song playing earlier (positive) or later by ms, in its file.
    virtual void nudgeLyrics(qint64 earlierMs) = 0;
    // Applies the shared opacity to the command box (which also stores it) and to the player
    // and lyrics windows while they are loaded.
    virtual void applyOpacity() = 0;
    // The theme of the shared state, to every window loaded (the box stores it).
    virtual void applyTheme() = 0;
    // The top-most setting as stored now, to every window loaded.
    virtual void applyTopMost() = 0;
};

}  // namespace mirato
