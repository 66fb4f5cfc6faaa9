#include "platform/DefaultBrowser.h"
#include "platform/DesktopEntry.h"
#include "platform/XdgApplications.h"

namespace mirato::DefaultBrowser {

QString command() {
    const QString id = XdgApplications::defaultApplication(QStringLiteral("x-scheme-handler/http"));
    if (id.isEmpty())
        return {};
    const auto entry = DesktopEntry::load(XdgApplications::findDesktopFile(id));
    return entry ? entry->execWithPlaceholder() : QString();
}

}  // namespace mirato::DefaultBrowser
