#include "components/PlaylistReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

#include "platform/TextDecoding.h"

namespace mirato {

namespace {

QString decode(const QByteArray& data) {
    if (data.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(data.mid(3));
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(QStringDecoder::Utf16);
        return utf16(data);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(data);
    if (!utf8.hasError())
        return text;
    // Older lists were written in the system's code page, often GBK.
    if (const auto chinese = TextDecoding::decode(data, "GB18030"))
        return *chinese;
    return QString::fromLatin1(data);
}

// XML character references and the five named entities, in one pass (a list full of them
// reads in time linear in its size). Unknown or broken references stay as they are.
QString decodeEntities(const QString& text) {
    if (!text.contains(QLatin1Char('&')))
        return text;
    static const std::pair<QLatin1String, QChar> named[] = {
        {QLatin1String("lt"), QLatin1Char('<')},
        {QLatin1String("gt"), QLatin1Char('>')},
        {QLatin1String("quot"), QLatin1Char('"')},
        {QLatin1String("apos"), QLatin1Char('\'')},
        {QLatin1String("amp"), QLatin1Char('&')}};
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const qsizetype semicolon = c == QLatin1Char('&') ? text.indexOf(QLatin1Char(';'), i) : -1;
        // References are short: a far semicolon belongs to something else.
        if (semicolon < 0 || semicolon - i > 12) {
            out.append(c);
            continue;
        }
        const QStringView name = QStringView(text).mid(i + 1, semicolon - i - 1);
        bool decoded = false;
        if (name.startsWith(QLatin1Char('#'))) {
            const bool hex = name.size() > 1 && (name.at(1) == QLatin1Char('x'));
            bool ok = false;
            const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (ok && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                const char32_t character = code;
                out.append(QString::fromUcs4(&character, 1));
                decoded = true;
            } else if (ok) {
                decoded = true;  // a reference to no character: dropped
            }
        } else {
            for (const auto& [entity, character] : named) {
                if (name == entity) {
                    out.append(character);
                    decoded = true;
                    break;
                }
            }
        }
        if (decoded)
            i = semicolon;
        else
            out.append(c);
    }
    return out;
}

// An entry as something the engines can open: relative entries belong to the list's folder,
// whatever folder the program runs in.
QString resolve(QString entry, const QString& folder) {
    entry = entry.trimmed();
    if (entry.isEmpty())
        return {};
    if (entry.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        return QUrl(entry).toLocalFile();
    if (entry.contains(QLatin1String("://")))
        return entry;
    // A full path starts with "/", or with a drive ("C:/") where the system has drives; to Qt a
    // leading ":" would name a resource, which an entry never is.
    const auto inFolder = [&folder](const QString& name) {
        const bool full = !name.startsWith(QLatin1Char(':')) && QDir::isAbsolutePath(name);
        return full ? name : folder + QLatin1Char('/') + name;
    };
    // Windows-made lists use backslashes; here they separate folders too.
    if (!QFileInfo::exists(inFolder(entry)))
        entry.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(inFolder(entry));
}

QStringList attributeValues(const QString& text, const QString& element, const QString& name) {
    const QRegularExpression pattern(
        QStringLiteral("<%1\\b[^>]*\\b%2\\s*=\\s*(\"([^\"]*)\"|'([^']*)')").arg(element, name),
        QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    auto it = pattern.globalMatch(text);
    while (it.hasNext()) {
        const auto match = it.next();
        values.append(
            decodeEntities(match.captured(2).isNull() ? match.captured(3) : match.captured(2)));
    }
    return values;
}

QStringList readAsx(const QString& text) {
    // Each entry plays its first reference; the others are fall-backs for the same item.
    static const QRegularExpression entry(
        QStringLiteral("<entry\\b.*?</entry\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QStringList refs;
    auto it = entry.globalMatch(text);
    while (it.hasNext()) {
        const QStringList inEntry =
            attributeValues(it.next().captured(), QStringLiteral("ref"), QStringLiteral("href"));
        if (!inEntry.isEmpty())
            refs.append(inEntry.first());
    }
    return refs.isEmpty() ? attributeValues(text, QStringLiteral("ref"), QStringLiteral("href"))
                          : refs;
}

}  // namespace

bool PlaylistReader::isPlaylist(const QString& location) {
    const QString suffix = QFileInfo(location).suffix().toLower();
    return !location.contains(QLatin1String("://")) &&
           (suffix == QLatin1String("m3u") || suffix == QLatin1String("m3u8") ||
            suffix == QLatin1String("wpl") || suffix == QLatin1String("asx"));
}

QStringList PlaylistReader::read(const QString& path) {
    return readNested(path, {});
}

QStringList PlaylistReader::readNested(const QString& path, QStringList opened) {
    const QFileInfo info(path);
    const QString identity = info.canonicalFilePath();
    // A list met again on the way down names itself, directly or through another list: it is
    // skipped like any unplayable entry.
    if (identity.isEmpty() || opened.contains(identity) || opened.size() >= kMaxNesting)
        return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    opened.append(identity);
    QStringList entries;
    for (const QString& entry :
         parse(file.readAll(), info.suffix().toLower(), info.absolutePath())) {
        if (isPlaylist(entry))
            entries += readNested(entry, opened);
        else
            entries.append(entry);
    }
    return entries;
}

QStringList PlaylistReader::parse(const QByteArray& data, const QString& extension,
                                  const QString& folder) {
    const QString text = decode(data);
    QStringList raw;
    if (extension == QLatin1String("wpl")) {
        raw = attributeValues(text, QStringLiteral("media"), QStringLiteral("src"));
    } else if (extension == QLatin1String("asx")) {
        raw = readAsx(text);
    } else {
        for (QString line : text.split(QLatin1Char('\n'))) {
            line = line.trimmed();
            if (!line.isEmpty() && !line.startsWith(QLatin1Char('#')))
                raw.append(line);
        }
    }
    QStringList entries;
    for (const QString& entry : raw) {
        const QString resolved = resolve(entry, folder);
        if (!resolved.isEmpty())
            entries.append(resolved);
    }
    return entries;
}

}  // namespace mirato
