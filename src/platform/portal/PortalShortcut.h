#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QVariantMap>

#include "platform/GlobalShortcut.h"

namespace mirato {

// Alt+R through the desktop's global-shortcuts portal (Wayland sessions): the program is
// registered with the host registry where the portal offers one, a session is created and kept
// for the process's life, and one shortcut is bound with Alt+R as its preferred trigger. The
// desktop may ask the user, who may refuse; a portal without the interface is NoPortal. The
// shortcut is bound once the portal names it, in its answer or in a ShortcutsChanged signal,
// whatever the answer's code (GNOME 48 answers 2 after the user added it).
class PortalShortcut : public GlobalShortcut {
    Q_OBJECT
public:
    static constexpr const char* kShortcutId = "toggle-box";
    // Alt+R as desktops write a trigger: modifiers in capitals, then the key's name.
    static constexpr const char* kPreferredTrigger = "ALT+r";

    // appId: the program's application id, given to the host registry. executable: the
    // running program, for which a desktop entry of its own is written before registering
    // when no installed one names the id (see OwnDesktopEntry); "" writes none.
    PortalShortcut(QString appId, QString executable = {},
                   QDBusConnection bus = QDBusConnection::sessionBus(), QObject* parent = nullptr);
    ~PortalShortcut() override;

    void bind(const QString& description) override;
    void release() override;
    bool canChangeTrigger() const override { return !session_.isEmpty() && version_ >= 2; }
    void changeTrigger() override;

private slots:
    void onActivated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                     const QVariantMap& options);
    void onShortcutsChanged(const QDBusMessage& message);

private:
    void inspectPortal();
    void registerApplication();
    void readVersion();
    void createSession();
    void bindShortcut();
    void fail(Problem why);
    // Says bound() when shortcuts, an a(sa{sv}) list, holds ours; false when it does not.
    bool takeGranted(const QVariant& shortcuts);

    QString appId_;
    QString executable_;
    QDBusConnection bus_;
    QString description_;
    uint version_ = 1;
    QString session_;
    bool finished_ = false;  // bound() or unavailable() has been said
};

}  // namespace mirato
