#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "core/AppState.h"
#include "platform/AssociationStore.h"

namespace mirato {

class Settings;

// Makes the program the opener of seven media and playlist types, keeping the handler each had
// before in the settings, and gives them back.
class FileAssociations {
public:
    FileAssociations(AssociationStore& backend, Settings& settings)
        : backend_(backend), settings_(settings) {}

    // The seven types in the order they are taken over.
    static const QList<AssociationRow>& rows();

    // Keeps the handlers the settings hold from earlier take-overs in the shared state, so
    // that giving back restores those and not what a take-over in this run writes.
    void recallPreviousHandlers(AppState& state);
    enum class Outcome { TakenOver, UserChooses };
    // UserChooses: the system kept another default and showed the user where to choose.
    Outcome takeOver();
    // Restores the handlers known since start-up (kept in the shared state); a type with none
    // saved stays ours.
    void giveBack(const AppState& state);
    // True when ".mp3" opens with us (the menu tick at start).
    bool isTakenOver();

private:
    AssociationStore& backend_;
    Settings& settings_;
};

}  // namespace mirato
