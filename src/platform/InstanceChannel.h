#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>

namespace mirato {

// One running instance per user: the first start holds the channel and listens on it; a later
// start sends it its execute strings and ends. The strings are "Count", then "CommandLine="
// followed by the command line when there is one, or "Toggle" (show or hide the box).
class InstanceChannel : public QObject {
    Q_OBJECT
public:
    static constexpr const char* kToggle = "Toggle";
    static constexpr int kAnswerTimeoutMs = 100;
    static constexpr int kMaxMessageBytes = 32 * 1024;

    // The whole lines at the front of what a client sent, as text; they leave pending, a line
    // that is not UTF-8 is dropped. tooLong: a line (finished or not) is over the limit.
    static QStringList takeLines(QByteArray& pending, bool* tooLong);

    using QObject::QObject;

    // True when this process is the first: it holds the channel from now on.
    virtual bool acquire() = 0;
    // Starts listening (the first instance, once the application object exists).
    virtual bool listen() = 0;

    // A later start: "Count" and, with a command line, "CommandLine=" + it. False when no
    // running instance answered.
    bool forward(const QString& commandLine);
    // One execute string.
    bool send(const QString& command);

signals:
    // One execute string from a later start.
    void executeReceived(const QString& command);

protected:
    // Hands the lines to the running instance in one go; false when it did not take them.
    virtual bool deliver(const QStringList& lines) = 0;
};

}  // namespace mirato
