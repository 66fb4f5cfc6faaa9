#pragma once

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QVariantMap>

#include "platform/GlobalShortcut.h"

namespace mirato {

// Alt+R through the desktop's global-shortcuts portal (Wayland sessions): the program is
// registered with the host registry where the portal offers one, a session is created and kept
// for the process's life, and one shortcut is bound with Alt+R as its preferred trigger. The
// desktop may ask the user, who may refuse; a portal without the interface is NoPortal.
class PortalShortcut : public GlobalShortcut {
    Q_OBJECT
public:
    static constexpr const char* kShortcutId = "toggle-box";
    // Alt+R as desktops write a trigger: modifiers in capitals, then the key's name.
    static constexpr const char* kPreferredTrigger = "ALT+r";

    // appId: the program's application id, given to the host registry.
    PortalShortcut(QString appId, QDBusConnection bus = QDBusConnection::sessionBus(),
                   QObject* parent = nullptr);
    ~PortalShortcut() override;

    void bind(const QString& description) override;
    void release() override;
    bool canChangeTrigger() const override { return !session_.isEmpty() && version_ >= 2; }
    void changeTrigger() override;

private slots:
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);

private:
    void inspectPortal();
    void registerApplication();
    void readVersion();
    void createSession();
    void bindShortcut();
    void fail(Problem why);

    QString appId_;
    QDBusConnection bus_;
    QString description_;
    uint version_ = 1;
    QString session_;
    bool finished_ = false;  // bound() or unavailable() has been said
};

}  // namespace mirato
