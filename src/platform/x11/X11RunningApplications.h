#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QString>

#include "platform/RunningApplications.h"

struct xcb_connection_t;

namespace mirato {

// The windows an EWMH window manager lists (_NET_CLIENT_LIST), matched to an application by
// their WM_CLASS. Switching asks the window manager to activate a window (_NET_ACTIVE_WINDOW).
// Without an X display or a window manager that keeps the list, nothing runs.
class X11RunningApplications : public RunningApplications {
public:
    bool isRunning(const InstalledApplication& app) override;
    bool switchTo(const InstalledApplication& app) override;

private:
    struct Snapshot {
        QList<OpenWindow> mapped;  // named by WM_CLASS
        QList<quint64> stacked;    // bottom to top
        quint64 active = 0;        // the program's own windows aside
    };
    // The window manager's lists, read again when older than a moment (typing asks often).
    const Snapshot& snapshot();
    quint32 atom(xcb_connection_t* c, const char* name);

    Snapshot snapshot_;
    QHash<QByteArray, quint32> atoms_;
    QElapsedTimer age_;
};

}  // namespace mirato
