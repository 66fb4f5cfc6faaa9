#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace mirato {

// A program and its arguments, started without a shell.
struct Command {
    Command() = default;
    Command(QString program, QStringList arguments, QString workingFolder = {})
        : program(std::move(program)),
          arguments(std::move(arguments)),
          workingFolder(std::move(workingFolder)) {}

    QString program;
    QStringList arguments;
    QString workingFolder;  // "": wherever the program itself runs

    bool operator==(const Command&) const = default;
};

// How the host desktop does the few things the logic must not hard-code: what a local path looks
// like, how a file is handed to the desktop's default handler, how a terminal is opened.
// Two flavours exist; the build picks the host's, tests run the logic against both.
class HostConventions {
public:
    enum class Flavour { Windows, Posix };

    explicit HostConventions(Flavour flavour) : flavour_(flavour) {}

    Flavour flavour() const { return flavour_; }
    bool isWindows() const { return flavour_ == Flavour::Windows; }

    // "C:\..." on Windows (the second character is a colon, or the text is ":"); "/..." or
    // "~/..." elsewhere.
    bool isLocalPath(const QString& text) const;
    // The path as the file system knows it: "~/" expanded on POSIX, unchanged on Windows.
    QString expandLocalPath(const QString& text) const;

    // Splits a typed command line into a program and its arguments. POSIX: blanks separate,
    // '...' and "..." group, a backslash escapes the next character (inside "..." only before
    // " \ $ `). Windows: blanks separate, "..." groups, backslashes are path separators.
    QStringList splitCommandLine(const QString& line) const;
    // A whole typed command line as a program with arguments; nullopt when it names nothing.
    std::optional<Command> commandFromLine(const QString& line) const;

    // ".exe" on Windows, nothing elsewhere.
    QString executableSuffix() const;
    QChar separator() const;

    // Opens a file, folder or address with the desktop's default handler.
    Command openWithDesktop(const QString& target) const;
    // Shows a plain text help file.
    Command helpViewer(const QString& file) const;
    // Runs a line in a shell inside a terminal window that stays open afterwards.
    // terminalProgram is only used on POSIX; empty means "pick one" (see defaultTerminal()).
    Command terminal(const QString& line, const QString& terminalProgram = {}) const;
    // Registers a component library; absent where the host has no such thing.
    std::optional<Command> componentRegistrar(const QString& library) const;
    // Opens a management console snap-in; absent where the host has no such thing.
    std::optional<Command> managementConsole(const QString& snapIn) const;

    // The desktop's terminal on POSIX: $TERMINAL, else x-terminal-emulator, else xterm.
    static QString defaultTerminal();
    // The folders of $PATH, in order (":" between them; ";" on Windows).
    QStringList searchPath() const;

private:
    Flavour flavour_;
};

const HostConventions& windowsConventions();
const HostConventions& posixConventions();
// The flavour of the machine the program was built for.
const HostConventions& hostConventions();

}  // namespace mirato
