#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QVariantMap>

namespace mirato {

// One call of a desktop portal that answers later through an org.freedesktop.portal.Request
// object: the Response signal is subscribed on the handle the portal will use (built from
// our unique bus name and a token of ours) before the call goes out, and again on the handle
// the call returns should an older portal pick another. finished() comes exactly once; a call
// that fails outright finishes with response code 3 (our own "no answer").
class PortalRequest : public QObject {
    Q_OBJECT
public:
    static constexpr uint kNoAnswer = 3;

    // call: the method call; it gets {"handle_token": token} added to its last argument (the
    // options vardict). The request deletes itself after finished().
    static PortalRequest* send(QDBusConnection bus, QDBusMessage call, QObject* parent);

    // The object path a portal gives a request or session made with this token.
    static QString handlePath(const QDBusConnection& bus, const QString& kind,
                              const QString& token);
    // A fresh token: letters, digits and underscores only.
    static QString newToken();

signals:
    void finished(uint response, const QVariantMap& results);

private slots:
    void onResponse(uint response, const QVariantMap& results);

private:
    PortalRequest(QDBusConnection bus, QObject* parent);
    void subscribe(const QString& path);
    void finish(uint response, const QVariantMap& results);

    QDBusConnection bus_;
    QStringList subscribed_;
    bool done_ = false;
};

}  // namespace mirato
