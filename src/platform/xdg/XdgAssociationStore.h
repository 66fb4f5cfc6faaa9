#pragma once

#include "platform/AssociationStore.h"

namespace mirato {

// File types on a freedesktop desktop: a desktop entry of ours per type in
// $XDG_DATA_HOME/applications ("Mirato.mp3.desktop") and the type's default in the user's
// mimeapps.list.
class XdgAssociationStore : public AssociationStore {
public:
    // program: what the entries start; iconFolder: where the RunIco pictures are.
    XdgAssociationStore(QString program, QString iconFolder);

    std::optional<QString> currentHandler(const AssociationRow& row) override;
    QString handlerName(const AssociationRow& row) const override;
    void registerHandler(const AssociationRow& row) override;
    void setHandler(const AssociationRow& row, const QString& handler) override;
    // update-desktop-database, started without waiting for it.
    void refresh() override;

    static QString applicationsFolder();

private:
    QString program_;
    QString iconFolder_;
};

}  // namespace mirato
