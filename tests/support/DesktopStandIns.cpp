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

struct StandInMatch {
    QString id;
    QString text;
    QString icon;
    int type = 0;
    double relevance = 0;
    QVariantMap properties;
};

}  // namespace

}  // namespace mirato::test

Q_DECLARE_METATYPE(mirato::test::StandInShortcut)
Q_DECLARE_METATYPE(mirato::test::StandInMatch)

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

QDBusArgument& operator<<(QDBusArgument& out, const StandInMatch& match) {
    out.beginStructure();
    out << match.id << match.text << match.icon << match.type << match.relevance
        << match.properties;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, StandInMatch& match) {
    in.beginStructure();
    in >> match.id >> match.text >> match.icon >> match.type >> match.relevance >> match.properties;
    in.endStructure();
    return in;
}

// A 2x2 red picture as both interfaces send one: width, height, stride, alpha, bits,
// channels, pixels.
QVariant standInPicture() {
    QDBusArgument picture;
    picture.beginStructure();
    picture << 2 << 2 << 8 << true << 8 << 4
            << QByteArray::fromHex("ff0000ffff0000ffff0000ffff0000ff");
    picture.endStructure();
    return QVariant::fromValue(picture);
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

namespace mirato::test {

SearchStandIn::SearchStandIn(Kind kind, QString busName, QString objectPath, QList<Item> items)
    : kind_(kind),
      busName_(std::move(busName)),
      objectPath_(std::move(objectPath)),
      items_(std::move(items)),
      bus_(ownConnection("search-stand-in")) {
    qDBusRegisterMetaType<QList<QVariantMap>>();
    qDBusRegisterMetaType<StandInMatch>();
    qDBusRegisterMetaType<QList<StandInMatch>>();
}

SearchStandIn::~SearchStandIn() {
    bus_.unregisterService(busName_);
    bus_.unregisterObject(objectPath_);
    QDBusConnection::disconnectFromBus(bus_.name());
}

bool SearchStandIn::start() {
    return bus_.registerVirtualObject(objectPath_, this) && bus_.registerService(busName_);
}

QString SearchStandIn::introspect(const QString&) const {
    return {};
}

QStringList SearchStandIn::matching(const QStringList& terms, const QStringList& among) const {
    QStringList ids;
    for (const Item& item : items_) {
        if (!among.isEmpty() && !among.contains(item.id))
            continue;
        if (std::all_of(terms.begin(), terms.end(), [&item](const QString& term) {
                return item.title.contains(term, Qt::CaseInsensitive);
            }))
            ids.append(item.id);
    }
    return ids;
}

void SearchStandIn::reply(const QDBusMessage& message, const QVariant& value) {
    const QDBusMessage answer = fails
                                    ? message.createErrorReply(QStringLiteral("org.mirato.Failed"),
                                                               QStringLiteral("stand-in fails"))
                                : value.isValid() ? message.createReply(value)
                                                  : message.createReply();
    if (delayMs <= 0) {
        bus_.send(answer);
        return;
    }
    QTimer::singleShot(delayMs, this, [this, answer] { bus_.send(answer); });
}

bool SearchStandIn::handleMessage(const QDBusMessage& message, const QDBusConnection&) {
    const QString member = message.member();
    const QList<QVariant> arguments = message.arguments();
    const auto words = [](const QVariant& value) { return value.toStringList().join(' '); };
    if (kind_ == Kind::Provider && member == QLatin1String("GetInitialResultSet")) {
        calls.append(member + ' ' + words(arguments.value(0)));
        reply(message, matching(arguments.value(0).toStringList(), {}));
    } else if (kind_ == Kind::Provider && member == QLatin1String("GetSubsearchResultSet")) {
        calls.append(member + ' ' + words(arguments.value(0)) + " | " + words(arguments.value(1)));
        reply(message,
              matching(arguments.value(1).toStringList(), arguments.value(0).toStringList()));
    } else if (kind_ == Kind::Provider && member == QLatin1String("GetResultMetas")) {
        calls.append(member + ' ' + words(arguments.value(0)));
        QList<QVariantMap> metas;
        for (const Item& item : items_) {
            if (!arguments.value(0).toStringList().contains(item.id))
                continue;
            QVariantMap meta{{"id", item.id}, {"name", item.title}};
            if (!item.description.isEmpty())
                meta.insert("description", item.description);
            if (!item.icon.isEmpty())
                meta.insert("gicon", item.icon);
            if (item.picture)
                meta.insert("icon-data", standInPicture());
            metas.append(meta);
        }
        reply(message, QVariant::fromValue(metas));
    } else if (kind_ == Kind::Provider && member == QLatin1String("ActivateResult")) {
        calls.append(member + ' ' + arguments.value(0).toString() + ' ' +
                     words(arguments.value(1)));
        reply(message, {});
    } else if (kind_ == Kind::Runner && member == QLatin1String("Match")) {
        const QString line = arguments.value(0).toString();
        calls.append(member + ' ' + line);
        QList<StandInMatch> matches;
        double relevance = 0.1;  // the last item is the most relevant
        for (const QString& id : matching(line.split(' ', Qt::SkipEmptyParts), {})) {
            const auto item = std::find_if(items_.begin(), items_.end(),
                                           [&id](const Item& i) { return i.id == id; });
            QVariantMap properties;
            if (!item->description.isEmpty())
                properties.insert("subtext", item->description);
            if (item->picture)
                properties.insert("icon-data", standInPicture());
            matches.append({item->id, item->title, item->icon, 100, relevance += 0.1, properties});
        }
        reply(message, QVariant::fromValue(matches));
    } else if (kind_ == Kind::Runner && member == QLatin1String("Run")) {
        calls.append(member + ' ' + arguments.value(0).toString());
        reply(message, {});
    } else {
        return false;
    }
    QFile log(logFile);
    if (!logFile.isEmpty() && log.open(QIODevice::Append))
        log.write(calls.last().toUtf8() + '\n');
    return true;
}

}  // namespace mirato::test
