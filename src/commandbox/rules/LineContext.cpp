#include "commandbox/rules/LineContext.h"

#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

#include "commandbox/rules/LineRule.h"
#include "core/Strings.h"

Q_LOGGING_CATEGORY(lcLines, "mirato.commandbox", QtWarningMsg)

namespace mirato {

void LineContext::start(const std::optional<Command>& command, WindowStyle style) {
    if (!command) {
        qCDebug(lcLines) << "nothing to start";
        return;
    }
    if (!launcher.start(*command, style))
        qCDebug(lcLines) << "could not start" << command->program;
}

void LineContext::openWithDesktop(const QString& target) {
    start(conventions.openWithDesktop(target));
}

QString LineContext::message(MessageCode code) const {
    return Strings::message(state.language(), code);
}

QString LineContext::row(MessageCode title, const QString& argument) const {
    return Strings::message(state.language(), title).arg(argument);
}

TypedLine TypedLine::of(const QString& text, std::optional<InputMode> mode) {
    TypedLine line{text, mode, TextProbes::of(text)};
    if (mode == InputMode::Music)
        line.probes.last4 = QStringLiteral(".mp3");
    return line;
}

bool LineContext::isPathLike(const QString& line) const {
    return line.isEmpty() || conventions.isLocalPath(line) ||
           isOneOf(line.left(2), {"ht", "Ht", "HT", "mm", "Mm", "MM"});
}

bool LineContext::isPlainName(const QString& name) {
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

bool LineContext::isVisibleFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

QStringList LineContext::baseNames(const QString& folder, const QStringList& patterns) {
    QStringList names;
    const QFileInfoList files =
        QDir(folder).entryInfoList(patterns, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& file : files)
        names.append(file.completeBaseName());
    return names;
}

bool LineContext::isOneOf(const QString& text, std::initializer_list<const char*> spellings) {
    for (const char* spelling : spellings) {
        if (text == QLatin1String(spelling))
            return true;
    }
    return false;
}

}  // namespace mirato
