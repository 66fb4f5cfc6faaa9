#include "platform/DesktopEntry.h"

#include <QFile>

#include "platform/HostConventions.h"

namespace mirato {

namespace {

QString unescapeString(const QString& raw) {
    QString out;
    out.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const QChar c = raw.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= raw.size()) {
            out += c;
            continue;
        }
        const QChar next = raw.at(++i);
        switch (next.unicode()) {
            case 's':
                out += QLatin1Char(' ');
                break;
            case 'n':
                out += QLatin1Char('\n');
                break;
            case 't':
                out += QLatin1Char('\t');
                break;
            case 'r':
                out += QLatin1Char('\r');
                break;
            case '\\':
                out += QLatin1Char('\\');
                break;
            default:
                out += c;
                out += next;
        }
    }
    return out;
}

bool isFileCode(const QString& word) {
    return word == QLatin1String("%f") || word == QLatin1String("%F") ||
           word == QLatin1String("%u") || word == QLatin1String("%U");
}

bool isDroppedCode(const QString& word) {
    return word == QLatin1String("%i") || word == QLatin1String("%c") ||
           word == QLatin1String("%k") || word == QLatin1String("%d") ||
           word == QLatin1String("%D") || word == QLatin1String("%n") ||
           word == QLatin1String("%N") || word == QLatin1String("%v") ||
           word == QLatin1String("%m");
}

}  // namespace

std::optional<DesktopEntry> DesktopEntry::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parse(QString::fromUtf8(file.readAll()));
}

DesktopEntry DesktopEntry::parse(const QString& text) {
    DesktopEntry entry;
    bool inMain = false;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (QString line : lines) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMain = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inMain || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed();
        if (!entry.values_.contains(key))
            entry.values_.insert(key, unescapeString(line.mid(eq + 1).trimmed()));
    }
    return entry;
}

QString DesktopEntry::value(const QString& key) const {
    return values_.value(key);
}

QStringList DesktopEntry::execArguments(const QStringList& targets) const {
    QStringList out;
    const QStringList words = posixConventions().splitCommandLine(exec());
    for (const QString& word : words) {
        if (isFileCode(word)) {
            const bool many = word == QLatin1String("%F") || word == QLatin1String("%U");
            if (many)
                out += targets;
            else if (!targets.isEmpty())
                out += targets.first();
        } else if (!isDroppedCode(word)) {
            out += QString(word).replace(QLatin1String("%%"), QLatin1String("%"));
        }
    }
    return out;
}

QString DesktopEntry::execWithPlaceholder() const {
    // Exec keeps its quoting: the caller splits the text again when it starts the browser.
    QStringList out;
    const QStringList words = exec().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (isFileCode(word))
            out += QStringLiteral("%1");
        else if (!isDroppedCode(word))
            out += word;
    }
    return out.join(QLatin1Char(' '));
}

QString DesktopEntry::quoteExecWord(const QString& word) {
    static const QString reserved = QStringLiteral(" \t\"'\\><~|&;$*?#()`");
    bool quote = false;
    for (const QChar c : word)
        quote = quote || reserved.contains(c);
    if (!quote)
        return word;
    // Inside quotes, \ " ` $ take a backslash; the value's own escapes double every backslash.
    QString escaped = word;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\\\""));
    escaped.replace(QLatin1Char('`'), QLatin1String("\\\\`"));
    escaped.replace(QLatin1Char('$'), QLatin1String("\\\\$"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

}  // namespace mirato
