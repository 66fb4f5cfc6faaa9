#pragma once

#include <QObject>

namespace mirato {

class AppState;
class MediaPlayer;
class Notifier;

// Keeps the playback engine a step ahead of the user, and tells the user when it cannot play.
// Loading an engine is most of the wait before the first sound, so it starts as soon as a
// media name is being typed (or music mode is on) and when a document to be played arrives.
// A missing engine is a message box; playing without a sound device is a balloon.
class EngineReadiness : public QObject {
    Q_OBJECT
public:
    EngineReadiness(MediaPlayer& media, const AppState& state, Notifier& notifier);

    // A document handed to the program: when it will be played, its engine loads now, on a
    // worker, while the box comes up or the hand-over runs.
    void prepareFor(const QString& document);

private:
    void typed();

    MediaPlayer& media_;
    const AppState& state_;
    Notifier& notifier_;
};

}  // namespace mirato
