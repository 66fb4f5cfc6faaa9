#include "platform/wayland/WlrRunningApplications.h"

#include <wayland-client.h>

#include <QLoggingCategory>
#include <algorithm>
#include <cstring>

#include "wlr-foreign-toplevel-management-unstable-v1-client.h"

Q_LOGGING_CATEGORY(lcToplevels, "mirato.platform.toplevels", QtWarningMsg)

namespace mirato {

namespace {

// How long the list is kept after the last question: the typing of a line.
constexpr int kKeepOpenMs = 10000;

WlrRunningApplications::Toplevel* toplevel(void* data, zwlr_foreign_toplevel_handle_v1* handle) {
    return static_cast<WlrRunningApplications*>(data)->toplevelOf(handle);
}

void onTitle(void*, zwlr_foreign_toplevel_handle_v1*, const char*) {}

void onAppId(void* data, zwlr_foreign_toplevel_handle_v1* handle, const char* appId) {
    if (auto* t = toplevel(data, handle))
        t->appId = QString::fromUtf8(appId);
}

void onOutput(void*, zwlr_foreign_toplevel_handle_v1*, wl_output*) {}

void onState(void* data, zwlr_foreign_toplevel_handle_v1* handle, wl_array* states) {
    auto* t = toplevel(data, handle);
    if (!t)
        return;
    bool activated = false;
    const auto* state = static_cast<const uint32_t*>(states->data);
    for (size_t i = 0; i < states->size / sizeof(uint32_t); ++i)
        activated = activated || state[i] == ZWLR_FOREIGN_TOPLEVEL_HANDLE_V1_STATE_ACTIVATED;
    static_cast<WlrRunningApplications*>(data)->toplevelActivated(*t, activated);
}

void onDone(void*, zwlr_foreign_toplevel_handle_v1*) {}

void onClosed(void* data, zwlr_foreign_toplevel_handle_v1* handle) {
    static_cast<WlrRunningApplications*>(data)->toplevelClosed(handle);
}

void onParent(void*, zwlr_foreign_toplevel_handle_v1*, zwlr_foreign_toplevel_handle_v1*) {}

const zwlr_foreign_toplevel_handle_v1_listener kToplevelListener = {
    onTitle, onAppId, onOutput, onOutput, onState, onDone, onClosed, onParent};

void onToplevel(void* data, zwlr_foreign_toplevel_manager_v1*,
                zwlr_foreign_toplevel_handle_v1* handle) {
    static_cast<WlrRunningApplications*>(data)->toplevelAdded(handle);
}

void onFinished(void*, zwlr_foreign_toplevel_manager_v1*) {}

const zwlr_foreign_toplevel_manager_v1_listener kManagerListener = {onToplevel, onFinished};

}  // namespace

WlrRunningApplications::WlrRunningApplications(const QString& socket, QStringList ownAppIds,
                                               QObject* parent)
    : QObject(parent), socket_(socket), ownAppIds_(std::move(ownAppIds)) {
    closeLater_.setSingleShot(true);
    closeLater_.setInterval(kKeepOpenMs);
    connect(&closeLater_, &QTimer::timeout, this, [this] {
        connection_.close();
        tried_ = false;
    });
    connect(&connection_, &WaylandConnection::aboutToClose, this, [this] {
        for (const Toplevel& t : toplevels_)
            zwlr_foreign_toplevel_handle_v1_destroy(t.handle);
        toplevels_.clear();
        if (manager_)
            zwlr_foreign_toplevel_manager_v1_destroy(manager_);
        manager_ = nullptr;
    });
}

bool WlrRunningApplications::connected() {
    closeLater_.start();
    if (tried_)
        return connection_.isOpen();
    tried_ = true;
    const auto bind = [this](wl_registry* registry, uint32_t name, const char* interface,
                             uint32_t version) {
        if (manager_ || std::strcmp(interface, zwlr_foreign_toplevel_manager_v1_interface.name))
            return;
        // Version 2 adds nothing that is used; 3 sends parents, which are not.
        manager_ = static_cast<zwlr_foreign_toplevel_manager_v1*>(wl_registry_bind(
            registry, name, &zwlr_foreign_toplevel_manager_v1_interface, std::min(version, 1u)));
        zwlr_foreign_toplevel_manager_v1_add_listener(manager_, &kManagerListener, this);
    };
    if (!connection_.open(socket_, bind))
        return false;
    // A second round for the windows open now.
    if (!manager_ || !connection_.roundTrip()) {
        qCDebug(lcToplevels) << "the compositor lists no windows to others";
        connection_.close();
        return false;
    }
    connection_.listen();
    qCDebug(lcToplevels) << toplevels_.size() << "windows from the compositor";
    return true;
}

WlrRunningApplications::~WlrRunningApplications() {
    connection_.close();
}

void WlrRunningApplications::toplevelAdded(zwlr_foreign_toplevel_handle_v1* handle) {
    toplevels_.append({handle, nextId_++, {}, false, 0});
    zwlr_foreign_toplevel_handle_v1_add_listener(handle, &kToplevelListener, this);
}

WlrRunningApplications::Toplevel* WlrRunningApplications::toplevelOf(
    zwlr_foreign_toplevel_handle_v1* handle) {
    for (Toplevel& t : toplevels_) {
        if (t.handle == handle)
            return &t;
    }
    return nullptr;
}

void WlrRunningApplications::toplevelActivated(Toplevel& toplevel, bool activated) {
    if (activated && !toplevel.activated)
        toplevel.activatedAt = ++clock_;
    toplevel.activated = activated;
}

void WlrRunningApplications::toplevelClosed(zwlr_foreign_toplevel_handle_v1* handle) {
    for (qsizetype i = 0; i < toplevels_.size(); ++i) {
        if (toplevels_.at(i).handle == handle) {
            zwlr_foreign_toplevel_handle_v1_destroy(handle);
            toplevels_.removeAt(i);
            return;
        }
    }
}

bool WlrRunningApplications::isRunning(const InstalledApplication& app) {
    if (!connected())
        return false;
    return std::any_of(toplevels_.begin(), toplevels_.end(), [&app](const Toplevel& t) {
        return windowBelongsTo({t.id, {t.appId}}, app);
    });
}

bool WlrRunningApplications::switchTo(const InstalledApplication& app) {
    if (!connected())
        return false;
    if (!connection_.roundTrip())  // the active window is the one that counts now
        return false;
    QList<OpenWindow> opened;
    QList<const Toplevel*> byActivation;
    for (const Toplevel& t : toplevels_) {
        opened.append({t.id, {t.appId}});
        byActivation.append(&t);
    }
    std::stable_sort(
        byActivation.begin(), byActivation.end(),
        [](const Toplevel* a, const Toplevel* b) { return a->activatedAt < b->activatedAt; });
    // The box is active while the user types: the window that counts is the one activated
    // last that is not the program's own.
    QList<quint64> recent;
    quint64 cameFrom = 0;
    for (const Toplevel* t : byActivation) {
        recent.append(t->id);
        if (t->activatedAt && !ownAppIds_.contains(t->appId, Qt::CaseInsensitive))
            cameFrom = t->id;
    }
    const quint64 chosen = windowToRaise(opened, recent, cameFrom, app);
    for (const Toplevel& t : toplevels_) {
        if (t.id == chosen) {
            zwlr_foreign_toplevel_handle_v1_activate(t.handle, connection_.seat());
            connection_.flush();
            qCDebug(lcToplevels) << "activated a window of" << app.id;
            return true;
        }
    }
    return false;
}

}  // namespace mirato
