#include "commandbox/rules/ShortcutRule.h"

#include <QDir>
#include <QFileInfo>

#include "commandbox/rules/LineContext.h"
#include "platform/DesktopEntry.h"

namespace mirato {

std::optional<LineAction> ShortcutRule::decide(const TypedLine& line, const LineContext& c) const {
    const QString name = line.text;
    if (c.isPathLike(name) || !LineContext::isPlainName(name))
        return std::nullopt;
    const std::optional<Deed> deed =
        c.conventions.isWindows() ? windowsShortcut(name, c) : shortcut(name, c);
    if (!deed)
        return std::nullopt;
    return LineAction{c.row(MessageCode::RowOpen, name), QStringLiteral("emblem-symbolic-link"),
                      *deed};
}

std::optional<ShortcutRule::Deed> ShortcutRule::shortcut(const QString& name,
                                                         const LineContext& c) {
    // Here a shortcut is a desktop entry, or any file or link the desktop can open.
    const QString folder = c.paths.shortcutFolder();
    const QString entryPath = folder + QLatin1Char('/') + name + QStringLiteral(".desktop");
    if (LineContext::isVisibleFile(entryPath)) {
        const auto entry = DesktopEntry::load(entryPath);
        QStringList words = entry ? entry->execArguments() : QStringList();
        if (!words.isEmpty()) {
            const QString program = words.takeFirst();
            return [program, words](LineContext& c) { c.start(Command{program, words}); };
        }
        const QString url = entry ? entry->value(QStringLiteral("URL")) : QString();
        if (!url.isEmpty())
            return [url](LineContext& c) { c.web.open(url); };
        return [entryPath](LineContext& c) { c.openWithDesktop(entryPath); };
    }
    const QFileInfo exact(folder + QLatin1Char('/') + name);
    if (exact.exists() || exact.isSymLink()) {
        const QString target = exact.filePath();
        return [target](LineContext& c) { c.openWithDesktop(target); };
    }
    const QStringList matches = QDir(folder).entryList(
        {name + QStringLiteral(".*")}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& match : matches) {
        if (QFileInfo(match).completeBaseName() == name) {
            const QString target = folder + QLatin1Char('/') + match;
            return [target](LineContext& c) { c.openWithDesktop(target); };
        }
    }
    return std::nullopt;
}

std::optional<ShortcutRule::Deed> ShortcutRule::windowsShortcut(const QString& name,
                                                                const LineContext& c) {
    const QString folder = c.paths.shortcutFolder();
    const QString root = QFileInfo(folder).path();
    const auto file = [&](const char* subfolder, const char* suffix) {
        return LineContext::isVisibleFile(root + QLatin1String(subfolder) + name +
                                          QLatin1String(suffix));
    };
    const bool found =
        LineContext::isVisibleFile(folder + QLatin1Char('/') + name + QLatin1String(".lnk")) ||
        file("/LNK/", ".LNK") || file("/Lnk/", ".Lnk");
    if (!found)
        return std::nullopt;
    const QString target = folder + QLatin1Char('/') + name;
    return [target](LineContext& c) { c.openWithDesktop(target); };
}

QStringList ShortcutRule::names(const LineContext& c) const {
    return LineContext::baseNames(c.paths.shortcutFolder(), {});
}

}  // namespace mirato
