#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;
struct wl_display;
struct wl_registry;
struct wl_seat;

namespace mirato {

// A Wayland connection of the program's own, beside Qt's (which is XWayland's): the user's
// seat and the globals its owner binds, and the compositor's messages read as they come.
// The owner destroys what it bound when told the connection is about to close.
class WaylandConnection : public QObject {
    Q_OBJECT
public:
    // Called for each global the compositor offers, while the connection opens.
    using Bind = std::function<void(wl_registry* registry, uint32_t name, const char* interface,
                                    uint32_t version)>;

    explicit WaylandConnection(QObject* parent = nullptr);
    ~WaylandConnection() override;

    // Connects to socket ("": $WAYLAND_DISPLAY) and learns its globals in one round; false
    // when no compositor answers or it has no seat.
    bool open(const QString& socket, Bind bind);
    // One more round: every answer to what was asked so far has been read; false when the
    // connection broke (it is closed then).
    bool roundTrip();
    // From now on the compositor's messages are read as they come.
    void listen();
    // Sends what was asked without waiting.
    void flush();
    void close();

    bool isOpen() const { return display_ != nullptr; }
    wl_seat* seat() const { return seat_; }

    // What the listener's registry callback calls.
    void globalAdded(wl_registry* registry, uint32_t name, const char* interface, uint32_t version);

signals:
    // Whatever closes it (the owner, a broken connection): the owner's objects go now.
    void aboutToClose();
    // The compositor went away; the connection is closed.
    void broken();

private:
    void readMessages();

    Bind bind_;
    wl_display* display_ = nullptr;
    wl_registry* registry_ = nullptr;
    wl_seat* seat_ = nullptr;
    QSocketNotifier* reader_ = nullptr;
};

}  // namespace mirato
