#include "platform/RunningApplications.h"

namespace mirato {

bool windowBelongsTo(const OpenWindow& window, const InstalledApplication& app) {
    const QStringList names =
        app.windowClass.isEmpty() ? QStringList{app.program, app.id} : QStringList{app.windowClass};
    for (const QString& name : names) {
        if (name.isEmpty())
            continue;
        for (const QString& own : window.names) {
            if (own.compare(name, Qt::CaseInsensitive) == 0)
                return true;
        }
    }
    return false;
}

quint64 windowToRaise(const QList<OpenWindow>& opened, const QList<quint64>& recent, quint64 active,
                      const InstalledApplication& app) {
    QList<quint64> own;
    for (const OpenWindow& window : opened) {
        if (windowBelongsTo(window, app))
            own.append(window.id);
    }
    if (own.isEmpty())
        return 0;
    const qsizetype at = own.indexOf(active);
    if (at >= 0)
        return own.at((at + 1) % own.size());
    for (auto it = recent.crbegin(); it != recent.crend(); ++it) {
        if (own.contains(*it))
            return *it;
    }
    return own.first();
}

}  // namespace mirato
