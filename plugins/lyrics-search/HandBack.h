#pragma once

#include <QString>

#include "core/Launcher.h"

namespace mirato::lyricsearch {

// Gives chosen lyrics back to Mirato: written as a ".wrc" document, then Mirato is started
// with its path, which the running instance receives and loads.
class HandBack {
public:
    HandBack(QString cacheFolder, Launcher& launcher)
        : cacheFolder_(std::move(cacheFolder)), launcher_(launcher) {}

    // The document's path for the media (its path without extension, as "MusicPath" holds it).
    QString documentPath(const QString& musicPath) const;
    // Writes the lyrics exactly as given; "" when the file cannot be written.
    QString write(const QString& musicPath, const QString& lyrics) const;
    // Starts <miratoFolder>/mirato with the document.
    bool start(const QString& miratoFolder, const QString& document) const;

private:
    QString cacheFolder_;
    Launcher& launcher_;
};

}  // namespace mirato::lyricsearch
