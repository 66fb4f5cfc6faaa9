#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "core/AppState.h"

namespace mirato {

// One media type the program can open.
struct AssociationRow {
    QString extension;    // ".mp3"
    QString className;    // "Mirato.mp3"
    QString description;  // shown by file managers
    QString iconFile;     // under RunIco/
    QString settingsKey;  // where the previous handler is kept: "MP3"
    QString mimeType;     // the type the desktop knows the extension by
};

// Where file types meet the desktop: who opens an extension, and our own handler entries.
class AssociationBackend {
public:
    virtual ~AssociationBackend() = default;
    // The handler that opens the extension now; nullopt when there is none or it cannot be read.
    virtual std::optional<QString> currentHandler(const AssociationRow& row) = 0;
    // Our own handler's name for a row, as currentHandler reports it.
    virtual QString handlerName(const AssociationRow& row) const = 0;
    // Writes our handler for the row (description, icon, open command).
    virtual void registerHandler(const AssociationRow& row) = 0;
    virtual void setHandler(const AssociationRow& row, const QString& handler) = 0;
    // Lets the desktop notice the change.
    virtual void refresh() = 0;
};

// Makes the program the opener of seven media and playlist types, keeping the handler each had
// before in the settings, and gives them back.
class FileAssociations {
public:
    explicit FileAssociations(AssociationBackend& backend) : backend_(backend) {}

    // The seven types in the order they are taken over.
    static const QList<AssociationRow>& rows();

    void takeOver();
    // Restores the handlers known since start-up (kept in the shared state); a type with none
    // saved stays ours.
    void giveBack(const AppState& state);
    // True when ".mp3" opens with us (the menu tick at start).
    bool isTakenOver();

private:
    AssociationBackend& backend_;
};

}  // namespace mirato
