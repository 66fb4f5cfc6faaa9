#include "platform/InstanceChannel.h"

#include <QLoggingCategory>
#include <QStringDecoder>

Q_LOGGING_CATEGORY(lcInstanceLines, "mirato.platform.instance.lines", QtWarningMsg)

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

QStringList InstanceChannel::takeLines(QByteArray& pending, bool* tooLong) {
    QStringList lines;
    *tooLong = false;
    qsizetype start = 0;
    for (qsizetype end; (end = pending.indexOf('\n', start)) >= 0; start = end + 1) {
        if (end - start > kMaxMessageBytes) {
            *tooLong = true;
            return lines;
        }
        const QByteArray line = pending.mid(start, end - start);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringConverter::Flag::Stateless);
        const QString text = utf8(line);
        // A sequence cut off at the end of the line is not an error to the decoder (it would
        // wait for more): only a line that comes back byte for byte is text.
        if (utf8.hasError() || text.toUtf8() != line) {
            qCDebug(lcInstanceLines) << "dropping a message that is not text";
            continue;
        }
        lines.append(text);
    }
    pending.remove(0, start);
    *tooLong = pending.size() > kMaxMessageBytes;
    return lines;
}

}  // namespace mirato
