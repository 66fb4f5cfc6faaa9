#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace mirato {

// The [Desktop Entry] group of a freedesktop .desktop file.
class DesktopEntry {
public:
    static std::optional<DesktopEntry> load(const QString& path);
    static DesktopEntry parse(const QString& text);

    // A key of the main group with the string escapes (\s \n \t \r \\) resolved; "" if absent.
    QString value(const QString& key) const;
    QString exec() const { return value(QStringLiteral("Exec")); }

    // Exec as a program and its arguments. %f %u (and %F %U) become the targets, one argument
    // each (none when there are no targets), %i %c %k are dropped, %% is a percent sign.
    QStringList execArguments(const QStringList& targets = {}) const;
    // Exec as a command-line text whose file or address field code reads "%1", the way a
    // browser's open command is written elsewhere; other field codes are dropped.
    QString execWithPlaceholder() const;

    // A path or argument as one word of an Exec value, quoted where it needs to be.
    static QString quoteExecWord(const QString& word);

private:
    QMap<QString, QString> values_;
};

}  // namespace mirato
