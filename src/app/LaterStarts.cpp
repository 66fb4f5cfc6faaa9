#include "app/LaterStarts.h"

#include <QSystemTrayIcon>

#include "core/AppState.h"
#include "core/Notifier.h"
#include "core/Strings.h"
#include "platform/InstanceChannel.h"

namespace mirato {

LaterStarts::LaterStarts(AppState& state, Notifier& notifier, LaterStartDelays delays,
                         QObject* parent)
    : QObject(parent), state_(state), notifier_(notifier) {
    handoverTimer_.setSingleShot(true);
    handoverTimer_.setInterval(delays.handover);
    balloonTimer_.setSingleShot(true);
    balloonTimer_.setInterval(delays.balloon);
    connect(&handoverTimer_, &QTimer::timeout, this, &LaterStarts::dispatchPending);
    connect(&balloonTimer_, &QTimer::timeout, this, [this] {
        if (state_.pendingDocument().isEmpty())
            notifier_.balloon(Strings::message(state_.language(), MessageCode::AlreadyRunning));
    });
}

void LaterStarts::execute(const QString& command) {
    if (command == QLatin1String(InstanceChannel::kToggle)) {
        emit toggleRequested();
        return;
    }
    const QString prefix = QStringLiteral("CommandLine=");
    if (command.startsWith(prefix)) {
        const QString document = command.mid(prefix.size()).remove(QLatin1Char('"'));
        emit documentAnnounced(document);
        state_.setPendingDocument(document);
    }
    handoverTimer_.start();
}

void LaterStarts::handOver(const QString& document) {
    state_.setPendingDocument(document);
    handoverTimer_.start();
}

void LaterStarts::dispatchPending() {
    const QString document = state_.pendingDocument();
    if (document.isEmpty()) {
        // Without a notification area a bare start (the desktop's launcher) is the way back
        // to a hidden box.
        if (!QSystemTrayIcon::isSystemTrayAvailable())
            emit boxWanted();
        balloonTimer_.start();
        return;
    }
    balloonTimer_.stop();
    state_.setPendingDocument({});
    emit documentArrived(document);
}

}  // namespace mirato
