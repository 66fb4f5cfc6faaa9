#include "platform/windows/WindowsClassStore.h"

#include <windows.h>
// after windows.h
#include <shellapi.h>
#include <shlobj.h>

#include <QDir>

#include "platform/windows/UserRegistry.h"

namespace mirato {

namespace {

QString classKey(const QString& name) {
    return QLatin1String(WindowsClassStore::kClasses) + name;
}

}  // namespace

WindowsClassStore::WindowsClassStore(QString program, QString iconFolder)
    : program_(QDir::toNativeSeparators(std::move(program))),
      iconFolder_(QDir::toNativeSeparators(std::move(iconFolder))) {}

std::optional<QString> WindowsClassStore::currentHandler(const AssociationRow& row) {
    if (auto chosen = userChoice(row.extension))
        return chosen;
    auto current = UserRegistry::read(classKey(row.extension), {});
    if (current && current->isEmpty())
        return std::nullopt;
    return current;
}

QString WindowsClassStore::handlerName(const AssociationRow& row) const {
    return row.className;
}

void WindowsClassStore::registerHandler(const AssociationRow& row) {
    const QString key = classKey(row.className);
    UserRegistry::write(key, {}, row.description);
    UserRegistry::write(key + QStringLiteral("\\DefaultIcon"), {},
                        iconFolder_ + QLatin1Char('\\') + row.iconFile);
    UserRegistry::write(key + QStringLiteral("\\shell\\open\\command"), {},
                        QLatin1Char('"') + program_ + QStringLiteral("\" \"%1\""));
    // Listed under "Open with" whatever the default is.
    UserRegistry::write(classKey(row.extension) + QStringLiteral("\\OpenWithProgids"),
                        row.className, {});
}

void WindowsClassStore::setHandler(const AssociationRow& row, const QString& handler) {
    UserRegistry::write(classKey(row.extension), {}, handler);
}

void WindowsClassStore::refresh() {
    SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

bool WindowsClassStore::offerChoice() {
    // ShellExecute answers above 32 when it started something.
    const auto started = reinterpret_cast<INT_PTR>(ShellExecuteW(
        nullptr, L"open", L"ms-settings:defaultapps", nullptr, nullptr, SW_SHOWNORMAL));
    return started > 32;
}

std::optional<QString> WindowsClassStore::userChoice(const QString& extension) {
    auto chosen = UserRegistry::read(
        QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\") +
            extension + QStringLiteral("\\UserChoice"),
        QStringLiteral("ProgId"));
    if (chosen && chosen->isEmpty())
        return std::nullopt;
    return chosen;
}

}  // namespace mirato
