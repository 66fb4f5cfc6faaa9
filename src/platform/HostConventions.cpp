#include "platform/HostConventions.h"

#include <QDir>
#include <QStandardPaths>

namespace mirato {

bool HostConventions::isLocalPath(const QString& text) const {
    if (isWindows())
        return text.left(2).endsWith(QLatin1Char(':'));
    return text.startsWith(QLatin1Char('/')) || text.startsWith(QLatin1String("~/"));
}

QString HostConventions::expandLocalPath(const QString& text) const {
    if (!isWindows() && text.startsWith(QLatin1String("~/")))
        return QDir::homePath() + text.mid(1);
    return text;
}

QStringList HostConventions::splitCommandLine(const QString& line) const {
    QStringList words;
    QString word;
    bool inWord = false;
    QChar quote;  // the open quote character, null outside quotes
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (!quote.isNull()) {
            if (c == quote) {
                quote = QChar();
            } else if (!isWindows() && quote == QLatin1Char('"') && c == QLatin1Char('\\') &&
                       i + 1 < line.size() && QStringLiteral("\"\\$`").contains(line.at(i + 1))) {
                word += line.at(++i);
            } else {
                word += c;
            }
            continue;
        }
        if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inWord)
                words.append(word);
            word.clear();
            inWord = false;
            continue;
        }
        inWord = true;
        if (c == QLatin1Char('"') || (!isWindows() && c == QLatin1Char('\''))) {
            quote = c;
        } else if (!isWindows() && c == QLatin1Char('\\') && i + 1 < line.size()) {
            word += line.at(++i);
        } else {
            word += c;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

std::optional<Command> HostConventions::commandFromLine(const QString& line) const {
    QStringList words = splitCommandLine(line);
    if (words.isEmpty() || words.first().isEmpty())
        return std::nullopt;
    const QString program = expandLocalPath(words.takeFirst());
    return Command{program, words};
}

QString HostConventions::executableSuffix() const {
    return isWindows() ? QStringLiteral(".exe") : QString();
}

QChar HostConventions::separator() const {
    return isWindows() ? QLatin1Char('\\') : QLatin1Char('/');
}

Command HostConventions::openWithDesktop(const QString& target) const {
    if (isWindows())
        return {QStringLiteral("rundll32.exe"),
                {QStringLiteral("url.dll,FileProtocolHandler"), target}};
    // xdg-open takes a word starting with "-" for an option: a relative name keeps its meaning
    // with "./" before it.
    return {QStringLiteral("xdg-open"),
            {target.startsWith(QLatin1Char('-')) ? QStringLiteral("./") + target : target}};
}

Command HostConventions::helpViewer(const QString& file) const {
    if (isWindows())
        return {QStringLiteral("notepad"), {file}};
    return {QStringLiteral("xdg-open"), {file}};
}

Command HostConventions::terminal(const QString& line, const QString& terminalProgram) const {
    if (isWindows())
        return {QStringLiteral("cmd.exe"), {QStringLiteral("/k"), line}};
    const QString program = terminalProgram.isEmpty() ? defaultTerminal() : terminalProgram;
    // The user asked for a shell here, so the line goes to sh as typed; the trailing exec keeps
    // the terminal open the way "cmd /k" does.
    return {program,
            {QStringLiteral("-e"), QStringLiteral("sh"), QStringLiteral("-c"),
             line + QStringLiteral("; exec \"${SHELL:-sh}\"")}};
}

std::optional<Command> HostConventions::componentRegistrar(const QString& library) const {
    if (isWindows())
        return Command{QStringLiteral("regsvr32"), {library}};
    return std::nullopt;
}

std::optional<Command> HostConventions::managementConsole(const QString& snapIn) const {
    if (isWindows())
        return Command{QStringLiteral("mmc.exe"), {snapIn}};
    return std::nullopt;
}

QString HostConventions::defaultTerminal() {
    const QString fromEnvironment = qEnvironmentVariable("TERMINAL");
    if (!fromEnvironment.isEmpty())
        return fromEnvironment;
    if (!QStandardPaths::findExecutable(QStringLiteral("x-terminal-emulator")).isEmpty())
        return QStringLiteral("x-terminal-emulator");
    return QStringLiteral("xterm");
}

QStringList HostConventions::searchPath() const {
    return qEnvironmentVariable("PATH").split(isWindows() ? QLatin1Char(';') : QLatin1Char(':'),
                                              Qt::SkipEmptyParts);
}

const HostConventions& windowsConventions() {
    static const HostConventions conventions(HostConventions::Flavour::Windows);
    return conventions;
}

const HostConventions& posixConventions() {
    static const HostConventions conventions(HostConventions::Flavour::Posix);
    return conventions;
}

const HostConventions& hostConventions() {
#ifdef Q_OS_WIN
    return windowsConventions();
#else
    return posixConventions();
#endif
}

}  // namespace mirato
