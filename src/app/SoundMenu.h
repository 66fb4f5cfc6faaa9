#pragma once

#include <QObject>
#include <memory>

#include "core/PlayMode.h"

namespace mirato {

class MediaPlayer;

// The desktop's own controls of the player (media keys, a sound menu), where the desktop
// has them. What they cannot do themselves they ask for by signal.
class SoundMenu : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Made known to the desktop; false (with a debug line) when it has no place for it.
    virtual bool registerOnBus() = 0;

    // The desktop's sound menu for the player; nothing where the desktop has none.
    static std::unique_ptr<SoundMenu> forDesktop(MediaPlayer& media);

signals:
    void raiseRequested();
    void quitRequested();
    // Repeat or random switched from outside.
    void playModeRequested(PlayMode mode, bool on);
};

}  // namespace mirato
