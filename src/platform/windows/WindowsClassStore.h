#pragma once

#include "platform/AssociationStore.h"

namespace mirato {

// File types in the user's part of the registry (HKCU\Software\Classes): a class of ours per
// type ("Mirato.mp3": description, DefaultIcon, shell\open\command), offered to Explorer's
// "Open with" under the extension's OpenWithProgids, and the extension's default class.
// Since Windows 8 a choice the user made in Explorer (UserChoice) wins over the default class,
// and no program may write it: offerChoice() sends the user to the system's Default Apps page.
class WindowsClassStore : public AssociationStore {
public:
    static constexpr const char* kClasses = "Software\\Classes\\";

    // program: what the classes start; iconFolder: where the RunIco pictures are.
    WindowsClassStore(QString program, QString iconFolder);

    std::optional<QString> currentHandler(const AssociationRow& row) override;
    QString handlerName(const AssociationRow& row) const override;
    void registerHandler(const AssociationRow& row) override;
    void setHandler(const AssociationRow& row, const QString& handler) override;
    // SHChangeNotify: Explorer reads the types again.
    void refresh() override;
    // Opens Settings at Default Apps (ms-settings:defaultapps).
    bool offerChoice() override;

    // The class Explorer opens the extension with by the user's own choice, if any.
    static std::optional<QString> userChoice(const QString& extension);

private:
    QString program_;
    QString iconFolder_;
};

}  // namespace mirato
