#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include "platform/RunningApplications.h"
#include "platform/wayland/WaylandConnection.h"

struct zwlr_foreign_toplevel_manager_v1;
struct zwlr_foreign_toplevel_handle_v1;

namespace mirato {

// The windows a wlroots compositor (sway, Hyprland, labwc, ...) lists through its foreign-
// toplevel protocol, on a Wayland connection of the program's own beside Qt's (which is
// XWayland's): matched to an application by their app id, and activated on the user's seat.
// The connection is made when asked (not at start) and closed again a while after the last
// question, so that the compositor's news of every window's title does not wake the program
// while nobody types; where the compositor does not offer the protocol, nothing runs.
class WlrRunningApplications : public QObject, public RunningApplications {
    Q_OBJECT
public:
    // socket: the compositor's ("": $WAYLAND_DISPLAY). ownAppIds: the program's own windows,
    // which are never the window the user came from.
    explicit WlrRunningApplications(const QString& socket = {}, QStringList ownAppIds = {},
                                    QObject* parent = nullptr);
    ~WlrRunningApplications() override;

    bool isRunning(const InstalledApplication& app) override;
    bool switchTo(const InstalledApplication& app) override;

    // The protocol's side (called from its listeners).
    struct Toplevel {
        zwlr_foreign_toplevel_handle_v1* handle = nullptr;
        quint64 id = 0;
        QString appId;
        bool activated = false;   // as the latest state says
        quint64 activatedAt = 0;  // when it last became the active one (0: never)
    };
    void toplevelAdded(zwlr_foreign_toplevel_handle_v1* handle);
    Toplevel* toplevelOf(zwlr_foreign_toplevel_handle_v1* handle);
    void toplevelActivated(Toplevel& toplevel, bool activated);
    void toplevelClosed(zwlr_foreign_toplevel_handle_v1* handle);

private:
    // Connects on the first question; false when there is nothing to ask.
    bool connected();

    QString socket_;
    QStringList ownAppIds_;
    bool tried_ = false;
    QTimer closeLater_;
    WaylandConnection connection_;
    zwlr_foreign_toplevel_manager_v1* manager_ = nullptr;
    QList<Toplevel> toplevels_;  // in the order they appeared
    quint64 nextId_ = 1;
    quint64 clock_ = 0;  // counts activations
};

}  // namespace mirato
