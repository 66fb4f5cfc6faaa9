#include "commandbox/rules/ShortcutRule.h"

#include <QDir>
#include <QFileInfo>

#include "commandbox/rules/LineContext.h"
#include "platform/DesktopEntry.h"

namespace mirato {

bool ShortcutRule::tryRun(const QString& name, LineContext& c) {
    if (c.isPathLike(name) || !LineContext::isPlainName(name))
        return false;
    if (c.conventions.isWindows())
        return openWindowsShortcut(name, c);
    // Here a shortcut is a desktop entry, or any file or link the desktop can open.
    const QString folder = c.paths.shortcutFolder();
    const QString entryPath = folder + QLatin1Char('/') + name + QStringLiteral(".desktop");
    if (LineContext::isVisibleFile(entryPath)) {
        const auto entry = DesktopEntry::load(entryPath);
        QStringList words = entry ? entry->execArguments() : QStringList();
        if (!words.isEmpty()) {
            const QString program = words.takeFirst();
            c.start(Command{program, words});
        } else if (entry && !entry->value(QStringLiteral("URL")).isEmpty()) {
            c.web.open(entry->value(QStringLiteral("URL")));
        } else {
            c.openWithDesktop(entryPath);
        }
        return true;
    }
    const QFileInfo exact(folder + QLatin1Char('/') + name);
    if (exact.exists() || exact.isSymLink()) {
        c.openWithDesktop(exact.filePath());
        return true;
    }
    const QStringList matches = QDir(folder).entryList(
        {name + QStringLiteral(".*")}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& match : matches) {
        if (QFileInfo(match).completeBaseName() == name) {
            c.openWithDesktop(folder + QLatin1Char('/') + match);
            return true;
        }
    }
    return false;
}

bool ShortcutRule::openWindowsShortcut(const QString& name, LineContext& c) {
    const QString folder = c.paths.shortcutFolder();
    const QString root = QFileInfo(folder).path();
    const bool found = LineContext::isVisibleFile(folder + QLatin1Char('/') + name + ".lnk") ||
                       LineContext::isVisibleFile(root + "/LNK/" + name + ".LNK") ||
                       LineContext::isVisibleFile(root + "/Lnk/" + name + ".Lnk");
    if (found)
        c.openWithDesktop(folder + QLatin1Char('/') + name);
    return found;
}

}  // namespace mirato
