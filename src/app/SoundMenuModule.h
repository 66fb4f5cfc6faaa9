#pragma once

#include <QObject>
#include <memory>

namespace mirato {

class AppState;
class MediaPlayer;
class Settings;
class SoundMenu;
class WindowRequests;

// Brings the desktop's media keys and sound menu to the player once the player exists, and
// carries out what they ask: the player window up, repeat or random (played and kept).
class SoundMenuModule : public QObject {
    Q_OBJECT
public:
    SoundMenuModule(AppState& state, MediaPlayer& media, Settings& settings,
                    WindowRequests& windows);
    ~SoundMenuModule() override;

signals:
    // Quit, asked from the sound menu.
    void quitRequested();

private:
    void playerLoaded(bool loaded);

    MediaPlayer& media_;
    Settings& settings_;
    WindowRequests& windows_;
    std::unique_ptr<SoundMenu> menu_;
};

}  // namespace mirato
