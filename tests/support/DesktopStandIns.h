#pragma once

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QStringList>

namespace mirato::test {

// Stand-ins for desktop services on the (private) session bus, implementing the documented
// interfaces and recording what they were asked. Each owns a connection of its own, so the
// code under test talks to it over the bus exactly as to the real service.

// xdg-desktop-portal's org.freedesktop.portal.GlobalShortcuts (and, when offered, the host
// registry), answering each request with a Response signal on the request's handle.
class PortalStandIn : public QDBusVirtualObject {
    Q_OBJECT
public:
    struct Options {
        bool registry = true;        // offers org.freedesktop.host.portal.Registry
        uint version = 2;            // of the GlobalShortcuts interface
        uint sessionResponse = 0;    // CreateSession's response code
        uint bindResponse = 0;       // BindShortcuts's response code
        bool grant = true;           // BindShortcuts answers with the shortcut (else an empty list)
        bool responseFirst = false;  // the Response signal goes out before the call's reply
        // ShortcutsChanged with the granted shortcuts goes out before BindShortcuts's Response
        // (GNOME 48, which then answers 2 although the user added the shortcut).
        bool changedSignal = false;
        // Register knows only ids with a desktop entry in the XDG data folders ("App info not
        // found" otherwise), as xdg-desktop-portal 1.18 and later do.
        bool registryNeedsEntry = false;
        bool singleQuotes = false;  // the introspection quotes its attributes with '
    };
    // What GNOME 48 answers after the user clicked Add in its dialog.
    static Options gnome48() {
        Options options;
        options.version = 1;
        options.bindResponse = 2;
        options.changedSignal = true;
        options.registryNeedsEntry = true;
        return options;
    }

    explicit PortalStandIn(Options options);
    PortalStandIn() : PortalStandIn(Options{}) {}
    ~PortalStandIn() override;

    // Takes the portal's bus name; false when another owner has it.
    bool start();

    // What was asked, in order: "Register <app id>" (or "Register unknown <app id>" when it
    // found no desktop entry), "CreateSession", "BindShortcuts <id>
    // <description> <preferred trigger>", "ConfigureShortcuts", "Close".
    QStringList calls;
    // The session handle given out, empty before CreateSession.
    QString session;

    // Where each call is also written, one line each (for a stand-in run as a process).
    QString logFile;

    // The desktop saw the shortcut's trigger pressed. A process outside can ask for it with
    // the method Activate of the interface org.mirato.StandIn on the portal's path.
    void activate(const QString& id = QStringLiteral("toggle-box"));

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    void record(const QString& call);
    // Replies to the call with the request's handle and answers on it with a Response.
    void respond(const QDBusMessage& call, const QString& requestPath, uint response,
                 const QVariantMap& results);
    QString requestPath(const QDBusMessage& message, const QVariantMap& options) const;

    Options options_;
    QDBusConnection bus_;
};

// The desktop's idle time: org.freedesktop.ScreenSaver (KDE) or org.gnome.Mutter.IdleMonitor.
class IdleStandIn : public QDBusVirtualObject {
    Q_OBJECT
public:
    enum class Kind { ScreenSaver, Mutter };
    explicit IdleStandIn(Kind kind);
    ~IdleStandIn() override;
    bool start();

    unsigned long idleMs = 0;
    int asked = 0;

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    Kind kind_;
    QDBusConnection bus_;
};

// org.freedesktop.Notifications: the balloons the program shows.
class NotificationsStandIn : public QDBusVirtualObject {
    Q_OBJECT
public:
    NotificationsStandIn();
    ~NotificationsStandIn() override;
    bool start();

    QStringList bodies;          // the text of each notice, in order
    QStringList desktopEntries;  // the "desktop-entry" hint of each

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QDBusConnection bus_;
};

// A program that answers the desktop's search field: a GNOME Shell search provider
// (org.gnome.Shell.SearchProvider2) or a KRunner runner (org.kde.krunner1). It knows a few
// items and answers with those whose title holds every term of the question.
class SearchStandIn : public QDBusVirtualObject {
    Q_OBJECT
public:
    enum class Kind { Provider, Runner };
    struct Item {
        QString id;
        QString title;
        QString description;
        QString icon;
        bool picture = false;  // sends a 2x2 picture along
    };

    SearchStandIn(Kind kind, QString busName, QString objectPath, QList<Item> items);
    ~SearchStandIn() override;
    bool start();

    int delayMs = 0;     // how long each answer takes
    bool fails = false;  // answers every question with an error
    // What was asked, in order: "GetInitialResultSet <terms>", "GetSubsearchResultSet
    // <previous ids> | <terms>", "GetResultMetas <ids>", "ActivateResult <id> <terms>",
    // "Match <line>", "Run <id>".
    QStringList calls;
    QString logFile;  // where each call is also written, one line each

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

private:
    QStringList matching(const QStringList& terms, const QStringList& among) const;
    void reply(const QDBusMessage& message, const QVariant& value);

    Kind kind_;
    QString busName_;
    QString objectPath_;
    QList<Item> items_;
    QDBusConnection bus_;
};

}  // namespace mirato::test
