#include "app/DesktopNotifier.h"

#include <QLoggingCategory>
#include <QMessageBox>
#include <QSystemTrayIcon>

#include "app/DesktopNotices.h"
#include "core/Strings.h"

Q_LOGGING_CATEGORY(lcNotify, "mirato.app.notify", QtWarningMsg)

namespace mirato {

void DesktopNotifier::messageBox(const QString& text, const QString& title) {
    QMessageBox::information(nullptr, title.isEmpty() ? Strings::programTitle() : title, text);
}

void DesktopNotifier::stopBox(const QString& text) {
    QMessageBox::critical(nullptr, Strings::programTitle(), text);
}

void DesktopNotifier::balloon(const QString& text) {
    if (DesktopNotices::show(Strings::programTitle(), text))
        return;
    if (tray_ && tray_->isVisible() && QSystemTrayIcon::supportsMessages())
        tray_->showMessage(Strings::programTitle(), text, QSystemTrayIcon::Information);
    else
        qCDebug(lcNotify) << "no notification service for:" << text;
}

}  // namespace mirato
