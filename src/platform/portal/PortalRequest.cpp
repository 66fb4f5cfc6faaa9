#include "platform/portal/PortalRequest.h"

#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLoggingCategory>
#include <QRandomGenerator>

Q_LOGGING_CATEGORY(lcPortalRequest, "mirato.platform.portal", QtWarningMsg)

namespace mirato {

namespace {
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
}

PortalRequest::PortalRequest(QDBusConnection bus, QObject* parent)
    : QObject(parent), bus_(std::move(bus)) {}

QString PortalRequest::newToken() {
    return QStringLiteral("mirato_%1").arg(QRandomGenerator::global()->generate());
}

QString PortalRequest::handlePath(const QDBusConnection& bus, const QString& kind,
                                  const QString& token) {
    // ":1.42" becomes "1_42".
    QString sender = bus.baseService().mid(1);
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/%1/%2/%3").arg(kind, sender, token);
}

PortalRequest* PortalRequest::send(QDBusConnection bus, QDBusMessage call, QObject* parent) {
    auto* request = new PortalRequest(bus, parent);
    const QString token = newToken();
    QList<QVariant> arguments = call.arguments();
    QVariantMap options = arguments.isEmpty() ? QVariantMap() : arguments.last().toMap();
    options.insert(QStringLiteral("handle_token"), token);
    if (!arguments.isEmpty())
        arguments.last() = options;
    call.setArguments(arguments);
    request->subscribe(handlePath(bus, QStringLiteral("request"), token));

    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), request);
    connect(watcher, &QDBusPendingCallWatcher::finished, request,
            [request, member = call.member()](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusPendingReply<QDBusObjectPath> reply = *done;
                if (reply.isError()) {
                    qCDebug(lcPortalRequest) << member << "failed:" << reply.error().message();
                    request->finish(kNoAnswer, {});
                    return;
                }
                request->subscribe(reply.value().path());
            });
    return request;
}

void PortalRequest::subscribe(const QString& path) {
    if (done_ || subscribed_.contains(path))
        return;
    subscribed_.append(path);
    bus_.connect(QString(), path, kRequestInterface, QStringLiteral("Response"), this,
                 SLOT(onResponse(uint, QVariantMap)));
}

void PortalRequest::onResponse(uint response, const QVariantMap& results) {
    finish(response, results);
}

void PortalRequest::finish(uint response, const QVariantMap& results) {
    if (done_)
        return;
    done_ = true;
    for (const QString& path : std::as_const(subscribed_))
        bus_.disconnect(QString(), path, kRequestInterface, QStringLiteral("Response"), this,
                        SLOT(onResponse(uint, QVariantMap)));
    emit finished(response, results);
    deleteLater();
}

}  // namespace mirato
