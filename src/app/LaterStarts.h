#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>

namespace mirato {

class AppState;
class Notifier;

// How long what a later start asked for waits.
struct LaterStartDelays {
    // After an execute string: a start's strings come one after the other.
    std::chrono::milliseconds handover{20};
    // After a bare start was dispatched: the balloon that says the program runs already.
    std::chrono::milliseconds balloon{1000};
};

// What a later start of the program asks of this one, as execute strings: "Toggle" shows or
// hides the box; "CommandLine=<document>" hands a document over, dispatched 20 ms after the
// last string so that a start's strings arrive together; a bare start ("Count" alone) is
// answered a second later with a balloon, and also shows the box where there is no tray icon
// to reach it by.
class LaterStarts : public QObject {
    Q_OBJECT
public:
    LaterStarts(AppState& state, Notifier& notifier, LaterStartDelays delays = {},
                QObject* parent = nullptr);

    void execute(const QString& command);
    // The document of this start's own command line, dispatched the same way once the start
    // is done.
    void handOver(const QString& document);
    // Nothing waits to be dispatched or answered.
    bool settled() const { return !handoverTimer_.isActive() && !balloonTimer_.isActive(); }

signals:
    void toggleRequested();
    // A document is on its way: its playback engine may start loading.
    void documentAnnounced(const QString& document);
    void documentArrived(const QString& document);
    // A bare start on a desktop without a tray icon.
    void boxWanted();

private:
    void dispatchPending();

    AppState& state_;
    Notifier& notifier_;
    QTimer handoverTimer_;  // dispatches what came
    QTimer balloonTimer_;   // a bare start gets a balloon
};

}  // namespace mirato
