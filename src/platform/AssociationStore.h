#pragma once

#include <QString>
#include <optional>

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
class AssociationStore {
public:
    virtual ~AssociationStore() = default;
    // The handler that opens the extension now; nullopt when there is none or it cannot be read.
    virtual std::optional<QString> currentHandler(const AssociationRow& row) = 0;
    // Our own handler's name for a row, as currentHandler reports it.
    virtual QString handlerName(const AssociationRow& row) const = 0;
    // Writes our handler for the row (description, icon, open command).
    virtual void registerHandler(const AssociationRow& row) = 0;
    virtual void setHandler(const AssociationRow& row, const QString& handler) = 0;
    // Lets the desktop notice the change.
    virtual void refresh() = 0;
    // Where the system keeps the choice of default programs to the user (and a program's
    // choice is ignored), opens the system's own page for it; false where there is none.
    virtual bool offerChoice() { return false; }
};

}  // namespace mirato
