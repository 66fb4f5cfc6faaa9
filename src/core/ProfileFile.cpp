#include "core/ProfileFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

#include "core/Log.h"
#include "platform/FileReplace.h"

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

// One line of the file as bytes, with the line end it had ("\n", "\r\n", or none for a last
// line without one). Lines are only decoded to find names: what is not touched is written
// back byte for byte, whatever its encoding.
struct RawLine {
    QByteArray text;
    QByteArray end;
    QString decoded() const { return QString::fromUtf8(text); }
};

struct RawFile {
    QByteArray bom;  // a UTF-8 byte order mark, kept where it was
    QList<RawLine> lines;
    QByteArray newline = "\n";  // for lines this program adds: the file's own
    bool readable = true;

    QByteArray bytes() const {
        QByteArray all = bom;
        for (const RawLine& line : lines)
            all += line.text + line.end;
        return all;
    }
};

RawFile load(const QString& path) {
    RawFile result;
    QFile file(path);
    // Open first and ask afterwards: an exists() check before the open was seen to miss the
    // file for a moment while another thread replaced it.
    if (!file.open(QIODevice::ReadOnly)) {
        result.readable = !QFileInfo::exists(path);
        return result;
    }
    QByteArray data = file.readAll();
    if (data.startsWith("\xEF\xBB\xBF")) {
        result.bom = data.left(3);
        data.remove(0, 3);
    }
    if (data.contains("\r\n"))
        result.newline = "\r\n";
    qsizetype start = 0;
    while (start < data.size()) {
        const qsizetype newline = data.indexOf('\n', start);
        if (newline < 0) {
            result.lines.append({data.mid(start), {}});
            break;
        }
        const bool crlf = newline > start && data.at(newline - 1) == '\r';
        const qsizetype textEnd = crlf ? newline - 1 : newline;
        result.lines.append({data.mid(start, textEnd - start), crlf ? "\r\n" : "\n"});
        start = newline + 1;
    }
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
    const RawFile file = load(path_);
    if (!file.readable)
        qCDebug(lcSettings) << "cannot read" << path_;
    bool inSection = false;
    for (const RawLine& raw : file.lines) {
        const QString line = raw.decoded();
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

QHash<QString, QString> ProfileFile::readSection(const QString& section) const {
    const RawFile file = load(path_);
    if (!file.readable)
        qCDebug(lcSettings) << "cannot read" << path_;
    QHash<QString, QString> values;
    bool inSection = false;
    for (const RawLine& raw : file.lines) {
        const QString line = raw.decoded();
        const QString name = sectionName(line);
        if (!name.isNull()) {
            if (inSection)
                break;
            inSection = sameName(name, section);
            continue;
        }
        QString k, v;
        if (inSection && splitEntry(line, &k, &v)) {
            const QString folded = k.toCaseFolded();
            if (!values.contains(folded))
                values.insert(folded, cutForRead(v));
        }
    }
    return values;
}

bool ProfileFile::replaceWithoutSync(const QByteArray& bytes) const {
    // Beside the file and renamed over it, as QSaveFile does, without its wait for the disk.
    const QString temporary =
        path_ + QStringLiteral(".%1.tmp").arg(QCoreApplication::applicationPid());
    QFile out(temporary);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size()) {
        qCDebug(lcSettings) << "cannot write" << temporary << out.errorString();
        out.remove();
        return false;
    }
    if (QFile::exists(path_))
        out.setPermissions(QFile::permissions(path_));
    out.close();
    if (!FileReplace::renameOver(temporary, path_)) {
        qCDebug(lcSettings) << "cannot replace" << path_;
        QFile::remove(temporary);
        return false;
    }
    return true;
}

bool ProfileFile::write(const QString& section, const QString& key, const QString& value,
                        Durability durability) const {
    RawFile file = load(path_);
    if (!file.readable) {
        qCDebug(lcSettings) << "not writing" << key << "- cannot read" << path_;
        return false;
    }
    const QByteArray entry = (key + QLatin1Char('=') + cutForWrite(value)).toUtf8();

    qsizetype sectionLine = -1;  // the header of the section we look for
    qsizetype lastEntry = -1;    // the last non-blank line inside it
    bool replaced = false;
    for (qsizetype i = 0; i < file.lines.size(); ++i) {
        const QString line = file.lines.at(i).decoded();
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
            if (file.lines.at(i).text == entry)
                return true;             // already so: the file is left alone
            file.lines[i].text = entry;  // its line end stays
            replaced = true;
            break;
        }
        if (!trimBlanks(line).isEmpty())
            lastEntry = i;
    }
    // A line this program adds after another ends that one first.
    const auto endLine = [&file](qsizetype i) {
        if (i >= 0 && i < file.lines.size() && file.lines[i].end.isEmpty())
            file.lines[i].end = file.newline;
    };
    if (!replaced) {
        if (sectionLine < 0) {
            endLine(file.lines.size() - 1);
            file.lines.append({'[' + section.toUtf8() + ']', file.newline});
            file.lines.append({entry, file.newline});
        } else {
            endLine(lastEntry);
            file.lines.insert(lastEntry + 1, {entry, file.newline});
        }
    }

    const QFileInfo info(path_);
    if (!QDir().mkpath(info.absolutePath())) {
        qCDebug(lcSettings) << "cannot create the folder of" << path_;
        return false;
    }
    if (durability == Durability::Passing)
        return replaceWithoutSync(file.bytes());
    QSaveFile out(path_);
    // Unbuffered, so a short write shows in write()'s result instead of vanishing in a flush.
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        qCDebug(lcSettings) << "cannot write" << path_ << out.errorString();
        return false;
    }
    const QByteArray bytes = file.bytes();
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
