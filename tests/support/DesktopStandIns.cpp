#include "support/DesktopStandIns.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>

namespace mirato::test {

namespace {

const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");

struct StandInShortcut {
    QString id;
    QVariantMap properties;
};

}  // namespace

}  // namespace mirato::test

Q_DECLARE_METATYPE(mirato::test::StandInShortcut)

namespace mirato::test {

namespace {

QDBusArgument& operator<<(QDBusArgument& out, const StandInShortcut& entry) {
    out.beginStructure();
    out << entry.id << entry.properties;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, StandInShortcut& entry) {
    in.beginStructure();
    in >> entry.id >> entry.properties;
    in.endStructure();
    return in;
}

int connectionCount = 0;

QDBusConnection ownConnection(const char* what) {
    return QDBusConnection::connectToBus(
        QDBusConnection::SessionBus,
        QStringLiteral("%1-%2").arg(QLatin1String(what)).arg(++connectionCount));
}

}  // namespace

PortalStandIn::PortalStandIn(Options options)
    : options_(options), bus_(ownConnection("portal-stand-in")) {
    qDBusRegisterMetaType<StandInShortcut>();
    qDBusRegisterMetaType<QList<StandInShortcut>>();
}

PortalStandIn::~PortalStandIn() {
    bus_.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
    bus_.unregisterObject(kPortalPath, QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromBus(bus_.name());
}

bool PortalStandIn::start() {
    return bus_.registerVirtualObject(kPortalPath, this, QDBusConnection::SubPath) &&
           bus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
}

QString PortalStandIn::introspect(const QString& path) const {
    if (path != kPortalPath)
        return {};
    QString xml = QStringLiteral(
                      "<interface name=\"%1\"><property name=\"version\" type=\"u\" "
                      "access=\"read\"/></interface>")
                      .arg(kShortcuts);
    if (options_.registry)
        xml += QStringLiteral("<interface name=\"org.freedesktop.host.portal.Registry\"/>");
    if (options_.singleQuotes)
        xml.replace(QLatin1Char('"'), QLatin1Char('\''));
    return xml;
}

QString PortalStandIn::requestPath(const QDBusMessage& message, const QVariantMap& options) const {
    QString sender = message.service().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("%1/request/%2/%3")
        .arg(kPortalPath, sender, options.value(QStringLiteral("handle_token")).toString());
}

void PortalStandIn::record(const QString& call) {
    calls.append(call);
    if (logFile.isEmpty())
        return;
    QFile log(logFile);
    if (log.open(QIODevice::Append))
        log.write(call.toUtf8() + '\n');
}

void PortalStandIn::respond(const QDBusMessage& call, const QString& path, uint response,
                            const QVariantMap& results) {
    QDBusMessage signal = QDBusMessage::createSignal(
        path, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Response"));
    signal << response << results;
    const QDBusMessage reply = call.createReply(QVariant::fromValue(QDBusObjectPath(path)));
    if (options_.responseFirst) {
        bus_.send(signal);
        bus_.send(reply);
        return;
    }
    bus_.send(reply);
    QTimer::singleShot(10, this, [this, signal] { bus_.send(signal); });
}

bool PortalStandIn::handleMessage(const QDBusMessage& message, const QDBusConnection&) {
    const QString member = message.member();
    const QList<QVariant> args = message.arguments();
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Properties") &&
        member == QLatin1String("Get") && args.value(0).toString() == kShortcuts) {
        bus_.send(message.createReply(QVariant::fromValue(QDBusVariant(options_.version))));
        return true;
    }
    if (message.interface() == QLatin1String("org.freedesktop.host.portal.Registry") &&
        options_.registry && member == QLatin1String("Register")) {
        const QString id = args.value(0).toString();
        if (options_.registryNeedsEntry &&
            QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                   QStringLiteral("applications/%1.desktop").arg(id))
                .isEmpty()) {
            record(QStringLiteral("Register unknown ") + id);
            bus_.send(
                message.createErrorReply(QStringLiteral("org.freedesktop.portal.Error.Failed"),
                                         QStringLiteral("App info not found for '%1'").arg(id)));
            return true;
        }
        record(QStringLiteral("Register ") + id);
        bus_.send(message.createReply());
        return true;
    }
    if (message.interface() == QLatin1String("org.freedesktop.portal.Session") &&
        member == QLatin1String("Close")) {
        record(QStringLiteral("Close"));
        bus_.send(message.createReply());
        return true;
    }
    if (message.interface() == QLatin1String("org.mirato.StandIn") &&
        member == QLatin1String("Activate")) {
        activate();
        bus_.send(message.createReply());
        return true;
    }
    if (message.interface() != kShortcuts)
        return false;
    if (member == QLatin1String("CreateSession")) {
        record(QStringLiteral("CreateSession"));
        const QVariantMap options = qdbus_cast<QVariantMap>(args.value(0));
        const QString request = requestPath(message, options);
        QString sender = message.service().mid(1);
        sender.replace(QLatin1Char('.'), QLatin1Char('_'));
        session = QStringLiteral("%1/session/%2/%3")
                      .arg(kPortalPath, sender,
                           options.value(QStringLiteral("session_handle_token")).toString());
        respond(message, request, options_.sessionResponse,
                {{QStringLiteral("session_handle"), session}});
        return true;
    }
    if (member == QLatin1String("BindShortcuts")) {
        const auto shortcuts = qdbus_cast<QList<StandInShortcut>>(args.value(1));
        const QVariantMap options = qdbus_cast<QVariantMap>(args.value(3));
        QList<StandInShortcut> granted;
        for (const StandInShortcut& shortcut : shortcuts) {
            const QString description =
                shortcut.properties.value(QStringLiteral("description")).toString();
            record(
                QStringLiteral("BindShortcuts %1 %2 %3")
                    .arg(
                        shortcut.id, description,
                        shortcut.properties.value(QStringLiteral("preferred_trigger")).toString()));
            granted.append({shortcut.id,
                            {{QStringLiteral("description"), description},
                             {QStringLiteral("trigger_description"), QStringLiteral("Alt+R")}}});
        }
        if (!options_.grant)
            granted.clear();
        if (options_.changedSignal) {
            QDBusMessage changed = QDBusMessage::createSignal(kPortalPath, kShortcuts,
                                                              QStringLiteral("ShortcutsChanged"));
            changed << QVariant::fromValue(QDBusObjectPath(session))
                    << QVariant::fromValue(granted);
            bus_.send(changed);
        }
        const QString request = requestPath(message, options);
        respond(message, request, options_.bindResponse,
                {{QStringLiteral("shortcuts"), QVariant::fromValue(granted)}});
        return true;
    }
    if (member == QLatin1String("ConfigureShortcuts")) {
        record(QStringLiteral("ConfigureShortcuts"));
        bus_.send(message.createReply());
        return true;
    }
    return false;
}

void PortalStandIn::activate(const QString& id) {
    QDBusMessage signal =
        QDBusMessage::createSignal(kPortalPath, kShortcuts, QStringLiteral("Activated"));
    signal << QVariant::fromValue(QDBusObjectPath(session)) << id << qulonglong(1234)
           << QVariantMap();
    bus_.send(signal);
}

IdleStandIn::IdleStandIn(Kind kind) : kind_(kind), bus_(ownConnection("idle-stand-in")) {}

IdleStandIn::~IdleStandIn() {
    QDBusConnection::disconnectFromBus(bus_.name());
}

bool IdleStandIn::start() {
    if (kind_ == Kind::ScreenSaver)
        return bus_.registerVirtualObject(QStringLiteral("/org/freedesktop/ScreenSaver"), this) &&
               bus_.registerService(QStringLiteral("org.freedesktop.ScreenSaver"));
    return bus_.registerVirtualObject(QStringLiteral("/org/gnome/Mutter/IdleMonitor/Core"), this) &&
           bus_.registerService(QStringLiteral("org.gnome.Mutter.IdleMonitor"));
}

QString IdleStandIn::introspect(const QString&) const {
    return {};
}

bool IdleStandIn::handleMessage(const QDBusMessage& message, const QDBusConnection&) {
    ++asked;
    if (kind_ == Kind::ScreenSaver && message.member() == QLatin1String("GetSessionIdleTime")) {
        bus_.send(message.createReply(QVariant::fromValue(uint(idleMs))));
        return true;
    }
    if (kind_ == Kind::Mutter && message.member() == QLatin1String("GetIdletime")) {
        bus_.send(message.createReply(QVariant::fromValue(qulonglong(idleMs))));
        return true;
    }
    return false;
}

NotificationsStandIn::NotificationsStandIn() : bus_(ownConnection("notifications-stand-in")) {}

NotificationsStandIn::~NotificationsStandIn() {
    bus_.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
    QDBusConnection::disconnectFromBus(bus_.name());
}

bool NotificationsStandIn::start() {
    return bus_.registerVirtualObject(QStringLiteral("/org/freedesktop/Notifications"), this) &&
           bus_.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

QString NotificationsStandIn::introspect(const QString&) const {
    return {};
}

bool NotificationsStandIn::handleMessage(const QDBusMessage& message, const QDBusConnection&) {
    if (message.member() != QLatin1String("Notify"))
        return false;
    bodies.append(message.arguments().value(4).toString());
    const QVariantMap hints = qdbus_cast<QVariantMap>(message.arguments().value(6));
    desktopEntries.append(hints.value(QStringLiteral("desktop-entry")).toString());
    bus_.send(message.createReply(QVariant::fromValue(uint(bodies.size()))));
    return true;
}

}  // namespace mirato::test
