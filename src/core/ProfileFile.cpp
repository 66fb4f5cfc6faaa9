#include "core/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "core/Log.h"

namespace mirato {

namespace {

// Blanks as the profile calls understand them.
bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text.at(begin)))
        ++begin;
    while (end > begin && isBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// "[name]" with optional blanks around; returns the name or a null string.
QString sectionName(const QString& line) {
    const QString trimmed = trimBlanks(line);
    if (trimmed.size() < 2 || !trimmed.startsWith(QLatin1Char('[')))
        return {};
    const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
    if (close < 0)
        return {};
    return trimBlanks(trimmed.mid(1, close - 1));
}

bool isComment(const QString& line) {
    const QString trimmed = trimBlanks(line);
    return trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#'));
}

// Splits "key = value"; false for lines that carry no key.
bool splitEntry(const QString& line, QString* key, QString* value) {
    if (isComment(line))
        return false;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq <= 0)
        return false;
    *key = trimBlanks(line.left(eq));
    *value = trimBlanks(line.mid(eq + 1));
    return !key->isEmpty();
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

struct Lines {
    QStringList lines;
    QString newline = QStringLiteral("\n");
    bool readable = true;
};

Lines load(const QString& path) {
    Lines result;
    QFile file(path);
    // Open first and ask afterwards: an exists() check before the open was seen to miss the
    // file for a moment while another thread replaced it.
    if (!file.open(QIODevice::ReadOnly)) {
        result.readable = !QFileInfo::exists(path);
        return result;
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    if (text.contains(QLatin1String("\r\n")))
        result.newline = QStringLiteral("\r\n");
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.lines = text.split(QLatin1Char('\n'));
    // A final newline leaves one empty element that is not a line of its own.
    if (!result.lines.isEmpty() && result.lines.last().isEmpty())
        result.lines.removeLast();
    return result;
}

}  // namespace

QString ProfileFile::cutForWrite(const QString& value) {
    QString cut = value;
    // A line break would end the entry and start a line of its own.
    cut.replace(QLatin1Char('\r'), QLatin1Char(' '));
    cut.replace(QLatin1Char('\n'), QLatin1Char(' '));
    const qsizetype nul = cut.indexOf(QChar(0));
    if (nul >= 0)
        cut.truncate(nul);
    if (cut.size() > kWriteLimit) {
        qsizetype length = kWriteLimit;
        if (cut.at(length - 1).isHighSurrogate())
            --length;
        cut.truncate(length);
    }
    return cut;
}

QString ProfileFile::cutForRead(const QString& stored) {
    const QByteArray bytes = stored.toUtf8();
    if (bytes.size() <= kReadLimitBytes)
        return trimBlanks(stored);
    qsizetype length = kReadLimitBytes;
    // Step back over continuation bytes so the cut never splits a character.
    while (length > 0 && (static_cast<unsigned char>(bytes.at(length)) & 0xC0) == 0x80)
        --length;
    return trimBlanks(QString::fromUtf8(bytes.left(length)));
}

QString ProfileFile::read(const QString& section, const QString& key) const {
    const Lines file = load(path_);
    if (!file.readable)
        qCDebug(lcSettings) << "cannot read" << path_;
    bool inSection = false;
    for (const QString& line : file.lines) {
        const QString name = sectionName(line);
        if (!name.isNull()) {
            if (inSection)
                break;
            inSection = sameName(name, section);
            continue;
        }
        QString k, v;
        if (inSection && splitEntry(line, &k, &v) && sameName(k, key))
            return cutForRead(v);
    }
    return {};
}

bool ProfileFile::write(const QString& section, const QString& key, const QString& value) const {
    Lines file = load(path_);
    if (!file.readable) {
        qCDebug(lcSettings) << "not writing" << key << "- cannot read" << path_;
        return false;
    }
    const QString entry = key + QLatin1Char('=') + cutForWrite(value);

    qsizetype sectionLine = -1;  // the header of the section we look for
    qsizetype lastEntry = -1;    // the last non-blank line inside it
    bool replaced = false;
    for (qsizetype i = 0; i < file.lines.size(); ++i) {
        const QString& line = file.lines.at(i);
        const QString name = sectionName(line);
        if (!name.isNull()) {
            if (sectionLine >= 0)
                break;
            if (sameName(name, section)) {
                sectionLine = i;
                lastEntry = i;
            }
            continue;
        }
        if (sectionLine < 0)
            continue;
        QString k, v;
        if (splitEntry(line, &k, &v) && sameName(k, key)) {
            if (line == entry)
                return true;  // already so: the file is left alone
            file.lines[i] = entry;
            replaced = true;
            break;
        }
        if (!trimBlanks(line).isEmpty())
            lastEntry = i;
    }
    if (!replaced) {
        if (sectionLine < 0) {
            file.lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
            file.lines.append(entry);
        } else {
            file.lines.insert(lastEntry + 1, entry);
        }
    }

    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath())) {
        qCDebug(lcSettings) << "cannot create the folder of" << path_;
        return false;
    }
    QSaveFile out(path_);
    // Unbuffered, so a short write shows in write()'s result instead of vanishing in a flush.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCDebug(lcSettings) << "cannot write" << path_ << out.errorString();
        return false;
    }
    const QByteArray bytes = (file.lines.join(file.newline) + file.newline).toUtf8();
    if (out.write(bytes) != bytes.size()) {
        qCDebug(lcSettings) << "cannot write" << path_ << out.errorString();
        out.cancelWriting();
        return false;
    }
    if (!out.commit()) {
        qCDebug(lcSettings) << "cannot replace" << path_ << out.errorString();
        return false;
    }
    return true;
}

}  // namespace mirato
