#include "platform/InstanceChannel.h"

namespace mirato {

namespace {

// An execute string is one line.
QString oneLine(QString text) {
    return text.replace(QLatin1Char('\n'), QLatin1Char(' '));
}

}  // namespace

bool InstanceChannel::forward(const QString& commandLine) {
    QStringList lines{QStringLiteral("Count")};
    if (!commandLine.isEmpty())
        lines.append(QStringLiteral("CommandLine=") + oneLine(commandLine));
    return deliver(lines);
}

bool InstanceChannel::send(const QString& command) {
    return deliver({oneLine(command)});
}

}  // namespace mirato
