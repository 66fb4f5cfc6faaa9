#pragma once

#include <QList>
#include <QStringList>
#include <memory>

#include "platform/InstalledApplications.h"

namespace mirato {

// The applications that run in this session with a window of theirs open, and switching to
// them instead of starting another copy.
class RunningApplications {
public:
    virtual ~RunningApplications() = default;
    // Whether the application has a window that switchTo() brings forward.
    virtual bool isRunning(const InstalledApplication& app) = 0;
    // Raises and focuses a window of the application: the next of its windows when one of them
    // is the active window already. False when it has none (then nothing happened).
    virtual bool switchTo(const InstalledApplication& app) = 0;
};

// Asks one source, then the other: the first that knows an application's windows switches.
class EitherRunningApplications : public RunningApplications {
public:
    EitherRunningApplications(std::unique_ptr<RunningApplications> first,
                              std::unique_ptr<RunningApplications> second)
        : first_(std::move(first)), second_(std::move(second)) {}
    bool isRunning(const InstalledApplication& app) override {
        return first_->isRunning(app) || second_->isRunning(app);
    }
    bool switchTo(const InstalledApplication& app) override {
        return first_->switchTo(app) || second_->switchTo(app);
    }

private:
    std::unique_ptr<RunningApplications> first_;
    std::unique_ptr<RunningApplications> second_;
};

// A window of the desktop as its window manager or compositor lists it.
struct OpenWindow {
    quint64 id = 0;
    QStringList names;  // what it calls its application: WM_CLASS's two names, an app id
};

// Whether the window is one of the application's: by the class its entry names where it names
// one, else by its program's name or its desktop id, as windows usually call themselves.
bool windowBelongsTo(const OpenWindow& window, const InstalledApplication& app);

// Which of the application's windows to bring forward. opened: the windows in the order they
// appeared; recent: from the least to the most recently raised; active: the window the user is
// in (0: none). The most recent of them, or the one after the active window when that is one
// of them. 0: it has none.
quint64 windowToRaise(const QList<OpenWindow>& opened, const QList<quint64>& recent, quint64 active,
                      const InstalledApplication& app);

}  // namespace mirato
