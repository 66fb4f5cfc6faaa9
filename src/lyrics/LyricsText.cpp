#include "lyrics/LyricsText.h"

#include <iconv.h>
#include <uchardet.h>

#include <QFile>
#include <QStringDecoder>

namespace mirato::LyricsText {

namespace {

bool isValidUtf8(const QByteArray& data) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(data);  // the decoder works only when its result is taken
    return !decoder.hasError();
}

// Converts with iconv; an empty result when the encoding is unknown or the bytes are not in it.
std::optional<QString> convert(const QByteArray& data, const QByteArray& encoding) {
    iconv_t cd = iconv_open("UTF-8", encoding.constData());
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    QByteArray out(data.size() * 4 + 16, Qt::Uninitialized);
    char* in = const_cast<char*>(data.constData());
    size_t inLeft = static_cast<size_t>(data.size());
    char* outPtr = out.data();
    size_t outLeft = static_cast<size_t>(out.size());
    const size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1))
        return std::nullopt;
    out.truncate(out.size() - static_cast<qsizetype>(outLeft));
    return QString::fromUtf8(out);
}

}  // namespace

QByteArray detectEncoding(const QByteArray& data) {
    if (data.startsWith("\xEF\xBB\xBF"))
        return "UTF-8";
    if (data.startsWith("\xFF\xFE"))
        return "UTF-16LE";
    if (data.startsWith("\xFE\xFF"))
        return "UTF-16BE";
    if (isValidUtf8(data))
        return "UTF-8";
    uchardet_t detector = uchardet_new();
    uchardet_handle_data(detector, data.constData(), static_cast<size_t>(data.size()));
    uchardet_data_end(detector);
    QByteArray found = uchardet_get_charset(detector);
    uchardet_delete(detector);
    // GB18030 reads every GB2312 and GBK file too.
    if (found.isEmpty() || found == "GB2312" || found == "GBK" || found == "ASCII")
        return "GB18030";
    return found;
}

QStringList decodeLines(const QByteArray& data) {
    const QByteArray encoding = detectEncoding(data);
    QString text;
    if (encoding == "UTF-8") {
        text = QString::fromUtf8(data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data);
    } else if (const auto converted = convert(data, encoding)) {
        text = *converted;
    } else if (const auto chinese = convert(data, "GB18030")) {
        text = *chinese;
    } else {
        text = QString::fromLatin1(data);
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lines = text.split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::optional<QStringList> readLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return decodeLines(data);
}

QString trimTrailingBlanks(const QString& text) {
    qsizetype end = text.size();
    while (end > 0 && (text.at(end - 1) == QLatin1Char(' ') || text.at(end - 1) == QChar(0)))
        --end;
    return text.left(end);
}

QString shownPart(const QString& line) {
    const qsizetype bracket = line.lastIndexOf(QLatin1Char(']'));
    return bracket < 0 ? line : line.mid(bracket + 1);
}

}  // namespace mirato::LyricsText
