#include "components/PlaylistReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QUrl>

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
    QStringDecoder legacy("GB18030");
    if (legacy.isValid()) {
        const QString chinese = legacy(data);
        if (!legacy.hasError())
            return chinese;
    }
    return QString::fromLatin1(data);
}

QString decodeEntities(QString text) {
    static const QRegularExpression numeric(QStringLiteral("&#(x?)([0-9A-Fa-f]+);"));
    QRegularExpressionMatch match;
    qsizetype from = 0;
    while ((match = numeric.match(text, from)).hasMatch()) {
        bool ok = false;
        const uint code = match.captured(2).toUInt(&ok, match.captured(1).isEmpty() ? 10 : 16);
        const QString replacement =
            ok && code > 0 ? QString::fromUcs4(reinterpret_cast<const char32_t*>(&code), 1)
                           : QString();
        text.replace(match.capturedStart(), match.capturedLength(), replacement);
        from = match.capturedStart() + replacement.size();
    }
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

// An entry as something the engines can open.
QString resolve(QString entry, const QString& folder) {
    entry = entry.trimmed();
    if (entry.isEmpty())
        return {};
    if (entry.startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        return QUrl(entry).toLocalFile();
    if (entry.contains(QLatin1String("://")))
        return entry;
    // Windows-made lists use backslashes; here they separate folders too.
    if (!QFileInfo::exists(entry))
        entry.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(entry))
        return QDir::cleanPath(entry);
    return QDir::cleanPath(folder + QLatin1Char('/') + entry);
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
        const QStringList inEntry = attributeValues(it.next().captured(), "ref", "href");
        if (!inEntry.isEmpty())
            refs.append(inEntry.first());
    }
    return refs.isEmpty() ? attributeValues(text, "ref", "href") : refs;
}

}  // namespace

bool PlaylistReader::isPlaylist(const QString& location) {
    const QString suffix = QFileInfo(location).suffix().toLower();
    return !location.contains(QLatin1String("://")) &&
           (suffix == QLatin1String("m3u") || suffix == QLatin1String("m3u8") ||
            suffix == QLatin1String("wpl") || suffix == QLatin1String("asx"));
}

QStringList PlaylistReader::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QFileInfo info(path);
    return parse(file.readAll(), info.suffix().toLower(), info.absolutePath());
}

QStringList PlaylistReader::parse(const QByteArray& data, const QString& extension,
                                  const QString& folder) {
    const QString text = decode(data);
    QStringList raw;
    if (extension == QLatin1String("wpl")) {
        raw = attributeValues(text, "media", "src");
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
