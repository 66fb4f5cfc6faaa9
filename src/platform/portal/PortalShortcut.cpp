#include "platform/portal/PortalShortcut.h"

#include <QDBusArgument>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QLoggingCategory>
#include <QXmlStreamReader>
#include <optional>

#include "platform/OwnDesktopEntry.h"
#include "platform/XdgApplications.h"
#include "platform/portal/PortalRequest.h"

Q_LOGGING_CATEGORY(lcPortalShortcut, "mirato.platform.shortcut", QtWarningMsg)

namespace mirato {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRegistry = QStringLiteral("org.freedesktop.host.portal.Registry");

// One entry of the a(sa{sv}) lists BindShortcuts takes and answers with.
struct ShortcutEntry {
    QString id;
    QVariantMap properties;
};

QDBusArgument& operator<<(QDBusArgument& out, const ShortcutEntry& entry) {
    out.beginStructure();
    out << entry.id << entry.properties;
    out.endStructure();
    return out;
}

const QDBusArgument& operator>>(const QDBusArgument& in, ShortcutEntry& entry) {
    in.beginStructure();
    in >> entry.id >> entry.properties;
    in.endStructure();
    return in;
}

}  // namespace

}  // namespace mirato

Q_DECLARE_METATYPE(mirato::ShortcutEntry)

namespace mirato {

namespace {

// The trigger of shortcut id in a BindShortcuts answer, a list a(sa{sv}); nullopt when it is
// not there. Older KDE portals say "triggers" where the documented key is
// "trigger_description", and bind no key until the user picks one in the shortcut settings
// they open.
std::optional<QString> grantedTrigger(const QVariant& answer, const QString& id) {
    if (!answer.canConvert<QDBusArgument>())
        return std::nullopt;
    const QDBusArgument argument = answer.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("a(sa{sv})"))
        return std::nullopt;
    QList<ShortcutEntry> granted;
    argument >> granted;
    for (const ShortcutEntry& entry : std::as_const(granted)) {
        if (entry.id == id)
            return entry.properties
                .value(QStringLiteral("trigger_description"),
                       entry.properties.value(QStringLiteral("triggers")))
                .toString();
    }
    return std::nullopt;
}

// The interfaces an introspection description names, read as XML (which quotes attributes
// with either quote).
QStringList interfacesOf(const QString& xml) {
    QStringList names;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() == QXmlStreamReader::StartElement &&
            reader.name() == QLatin1String("interface"))
            names.append(reader.attributes().value(QLatin1String("name")).toString());
    }
    if (reader.hasError() && reader.error() != QXmlStreamReader::PrematureEndOfDocumentError)
        qCDebug(lcPortalShortcut) << "unreadable portal description:" << reader.errorString();
    return names;
}

// The one shortcut the program binds.
QList<ShortcutEntry> ourShortcuts(const QString& description) {
    return {{QLatin1String(PortalShortcut::kShortcutId),
             {{QStringLiteral("description"), description},
              {QStringLiteral("preferred_trigger"),
               QLatin1String(PortalShortcut::kPreferredTrigger)}}}};
}

}  // namespace

}  // namespace mirato

namespace mirato {

PortalShortcut::PortalShortcut(QString appId, QString executable, QDBusConnection bus,
                               QObject* parent)
    : GlobalShortcut(parent),
      appId_(std::move(appId)),
      executable_(std::move(executable)),
      bus_(std::move(bus)) {
    qDBusRegisterMetaType<ShortcutEntry>();
    qDBusRegisterMetaType<QList<ShortcutEntry>>();
}

PortalShortcut::~PortalShortcut() {
    release();
}

void PortalShortcut::bind(const QString& description) {
    description_ = description;
    if (!bus_.isConnected()) {
        fail(Problem::NoPortal);
        return;
    }
    inspectPortal();
}

void PortalShortcut::fail(Problem why) {
    if (finished_)
        return;
    finished_ = true;
    emit unavailable(why);
}

void PortalShortcut::inspectPortal() {
    // The portal's own description says whether it has global shortcuts and a host registry.
    const QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Introspectable"),
        QStringLiteral("Introspect"));
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QString> reply = *w;
        if (reply.isError()) {
            qCDebug(lcPortalShortcut) << "no desktop portal:" << reply.error().message();
            fail(Problem::NoPortal);
            return;
        }
        const QStringList interfaces = interfacesOf(reply.value());
        if (!interfaces.contains(kInterface)) {
            qCDebug(lcPortalShortcut) << "the desktop portal has no global shortcuts";
            fail(Problem::NoPortal);
            return;
        }
        if (interfaces.contains(kRegistry))
            registerApplication();
        else
            readVersion();
    });
}

void PortalShortcut::registerApplication() {
    // The registry looks the id up among the installed desktop entries, and GNOME drops the
    // requests of an id it finds none for.
    if (!executable_.isEmpty())
        OwnDesktopEntry(appId_, executable_, XdgApplications::dataFolders()).ensure();
    // Newer portals learn a host program's id this way; it must come before any other call.
    QDBusMessage call =
        QDBusMessage::createMethodCall(kService, kPath, kRegistry, QStringLiteral("Register"));
    call << appId_ << QVariantMap();
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        if (w->isError())
            qCDebug(lcPortalShortcut) << "host registry:" << w->error().message();
        readVersion();
    });
}

void PortalShortcut::readVersion() {
    QDBusMessage call = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    call << kInterface << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* w) {
        w->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *w;
        if (!reply.isError())
            version_ = reply.value().variant().toUInt();
        createSession();
    });
}

void PortalShortcut::createSession() {
    // One session per process, so the token can stay the same from one run to the next: KDE
    // names the shortcut's settings after it, and the key the user picked there stays.
    const QString sessionToken = QStringLiteral("mirato_toggle");
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("CreateSession"));
    // KDE Plasma 5.27 takes the session's shortcuts here and answers BindShortcuts with them;
    // other portals ignore the key.
    call << QVariantMap{
        {QStringLiteral("session_handle_token"), sessionToken},
        {QStringLiteral("shortcuts"), QVariant::fromValue(ourShortcuts(description_))}};
    auto* request = PortalRequest::send(bus_, call, this);
    connect(
        request, &PortalRequest::finished, this, [this](uint response, const QVariantMap& results) {
            if (response != 0) {
                qCDebug(lcPortalShortcut) << "no shortcut session, response" << response;
                fail(response == PortalRequest::kNoAnswer ? Problem::NoPortal : Problem::Refused);
                return;
            }
            const QVariant handle = results.value(QStringLiteral("session_handle"));
            session_ = handle.canConvert<QDBusObjectPath>() ? handle.value<QDBusObjectPath>().path()
                                                            : handle.toString();
            if (session_.isEmpty()) {
                fail(Problem::Refused);
                return;
            }
            bus_.connect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                         SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
            bus_.connect(kService, kPath, kInterface, QStringLiteral("ShortcutsChanged"), this,
                         SLOT(onShortcutsChanged(QDBusMessage)));
            bindShortcut();
        });
}

void PortalShortcut::bindShortcut() {
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("BindShortcuts"));
    call << QVariant::fromValue(QDBusObjectPath(session_))
         << QVariant::fromValue(ourShortcuts(description_)) << QString() << QVariantMap();
    auto* request = PortalRequest::send(bus_, call, this);
    connect(request, &PortalRequest::finished, this,
            [this](uint response, const QVariantMap& results) {
                if (finished_ || takeGranted(results.value(QStringLiteral("shortcuts"))))
                    return;
                // Cancelled, or answered with nothing bound (KDE does so for a program it
                // knows no application id of).
                qCDebug(lcPortalShortcut)
                    << "binding refused, response" << response << "results" << results;
                fail(Problem::Refused);
            });
}

bool PortalShortcut::takeGranted(const QVariant& shortcuts) {
    const std::optional<QString> trigger = grantedTrigger(shortcuts, QLatin1String(kShortcutId));
    if (!trigger)
        return false;
    if (!finished_) {
        finished_ = true;
        emit bound(*trigger);
    }
    return true;
}

void PortalShortcut::onShortcutsChanged(const QDBusMessage& message) {
    const QList<QVariant> arguments = message.arguments();
    const QVariant session = arguments.value(0);
    if (session.value<QDBusObjectPath>().path() == session_)
        takeGranted(arguments.value(1));
}

void PortalShortcut::onActivated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                 const QVariantMap&) {
    if (session.path() == session_ && id == QLatin1String(kShortcutId))
        emit activated();
}

void PortalShortcut::changeTrigger() {
    if (!canChangeTrigger())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kInterface,
                                                       QStringLiteral("ConfigureShortcuts"));
    call << QVariant::fromValue(QDBusObjectPath(session_)) << QString() << QVariantMap();
    bus_.asyncCall(call);
}

void PortalShortcut::release() {
    if (session_.isEmpty())
        return;
    bus_.disconnect(kService, kPath, kInterface, QStringLiteral("Activated"), this,
                    SLOT(onActivated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    bus_.disconnect(kService, kPath, kInterface, QStringLiteral("ShortcutsChanged"), this,
                    SLOT(onShortcutsChanged(QDBusMessage)));
    bus_.asyncCall(QDBusMessage::createMethodCall(kService, session_,
                                                  QStringLiteral("org.freedesktop.portal.Session"),
                                                  QStringLiteral("Close")));
    session_.clear();
}

}  // namespace mirato
