#pragma once

#include <QString>
#include <initializer_list>
#include <optional>

#include "core/MessageCode.h"
#include "core/Services.h"
#include "core/Strings.h"

namespace mirato {

// What a rule acts through, and the few checks several rules share.
class LineContext : public Services {
public:
    explicit LineContext(const Services& services) : Services(services) {}

    // Starts a program; a missing command or a failed start is only logged.
    void start(const std::optional<Command>& command, WindowStyle style = WindowStyle::Normal);
    // Hands a file, folder or address to the desktop's handler.
    void openWithDesktop(const QString& target);
    QString message(MessageCode code) const;
    // The title of an action in the current language, %1 being the line or a name.
    QString row(MessageCode title, const QString& argument) const;

    // Empty, a local path, or starting like an http or mms address: no name to look up.
    bool isPathLike(const QString& line) const;
    // A name looked up in the program's folders stays inside them.
    static bool isPlainName(const QString& name);
    // An ordinary file as a directory listing shows it: hidden files do not count.
    static bool isVisibleFile(const QString& path);
    static bool isOneOf(const QString& text, std::initializer_list<const char*> spellings);
    // The names the files of a folder are typed by: without their last extension, hidden ones
    // left out.
    static QStringList baseNames(const QString& folder, const QStringList& patterns);
};

}  // namespace mirato
