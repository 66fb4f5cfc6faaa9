#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QString>

#include "platform/RunningApplications.h"

namespace mirato {

// The windows an EWMH window manager lists (_NET_CLIENT_LIST), matched to an application by
// their WM_CLASS: its StartupWMClass where the entry names one, else its program's name or its
// desktop id. Switching asks the window manager to activate a window (_NET_ACTIVE_WINDOW).
// Without an X display or a window manager that keeps the list, nothing runs.
class X11RunningApplications : public RunningApplications {
public:
    struct Window {
        quint32 id = 0;
        QString instance;  // WM_CLASS's two names
        QString className;
    };

    bool isRunning(const InstalledApplication& app) override;
    bool switchTo(const InstalledApplication& app) override;

    // Whether the window is one of the application's.
    static bool belongsTo(const Window& window, const InstalledApplication& app);
    // Which of the application's windows to bring forward. mapped: the windows in the order
    // they appeared; stacked: bottom to top; active: the active window (0: none). The topmost
    // of them, or the next one after the active window when that is one of them. 0: none.
    static quint32 windowToRaise(const QList<Window>& mapped, const QList<quint32>& stacked,
                                 quint32 active, const InstalledApplication& app);

private:
    struct Snapshot {
        QList<Window> mapped;
        QList<quint32> stacked;
        quint32 active = 0;  // the program's own windows aside
    };
    // The window manager's lists, read again when older than a moment (typing asks often).
    const Snapshot& snapshot();

    Snapshot snapshot_;
    QElapsedTimer age_;
};

}  // namespace mirato
