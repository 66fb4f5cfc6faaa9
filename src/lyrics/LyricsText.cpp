#include "lyrics/LyricsText.h"

#include <uchardet.h>

#include <QFile>
#include <QStringDecoder>

#include "platform/TextDecoding.h"

namespace mirato::LyricsText {

namespace {

bool isValidUtf8(const QByteArray& data) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(data);  // the decoder works only when its result is taken
    return !decoder.hasError();
}

}  // namespace

namespace {

// UTF-16 without a byte order mark: lyrics are mostly ASCII tags and digits, so one byte of
// each pair is zero far more often than in any 8-bit text.
std::optional<QByteArray> utf16WithoutMark(const QByteArray& data) {
    if (data.size() < 4 || data.size() % 2 != 0)
        return std::nullopt;
    qsizetype evenZeros = 0;
    qsizetype oddZeros = 0;
    for (qsizetype i = 0; i + 1 < data.size(); i += 2) {
        evenZeros += data.at(i) == 0;
        oddZeros += data.at(i + 1) == 0;
    }
    const qsizetype pairs = data.size() / 2;
    if (oddZeros * 4 >= pairs && evenZeros * 8 < pairs)
        return QByteArray("UTF-16LE");
    if (evenZeros * 4 >= pairs && oddZeros * 8 < pairs)
        return QByteArray("UTF-16BE");
    return std::nullopt;
}

// How many two-byte characters of the text are everyday characters in each Chinese encoding:
// GB2312's symbols and common hanzi (lead A1-A9 or B0-F7, trail A1-FE) for GBK, Big5's symbols
// and frequent hanzi (lead A1-A3 or A4-C6) for Big5. The other encoding reads the same bytes
// as rare characters or not at all.
struct ChineseScores {
    int gbk = 0;
    int big5 = 0;
};

ChineseScores everydayCharacters(const QByteArray& data) {
    ChineseScores scores;
    for (qsizetype i = 0; i + 1 < data.size(); ++i) {
        const auto lead = static_cast<unsigned char>(data.at(i));
        if (lead < 0x81)
            continue;
        const auto trail = static_cast<unsigned char>(data.at(i + 1));
        const bool gbTrail = trail >= 0xA1 && trail <= 0xFE;
        if (gbTrail && ((lead >= 0xA1 && lead <= 0xA9) || (lead >= 0xB0 && lead <= 0xF7)))
            ++scores.gbk;
        const bool big5Trail = (trail >= 0x40 && trail <= 0x7E) || gbTrail;
        if (big5Trail && lead >= 0xA1 && lead <= 0xC6)
            ++scores.big5;
        ++i;  // the pair is one character
    }
    return scores;
}

QByteArray uchardetGuess(const QByteArray& data) {
    uchardet_t detector = uchardet_new();
    uchardet_handle_data(detector, data.constData(), static_cast<size_t>(data.size()));
    uchardet_data_end(detector);
    QByteArray found = uchardet_get_charset(detector);
    uchardet_delete(detector);
    return found.toUpper();
}

}  // namespace

QByteArray detectEncoding(const QByteArray& data) {
    if (data.startsWith("\xEF\xBB\xBF"))
        return "UTF-8";
    if (data.startsWith("\xFF\xFE"))
        return "UTF-16LE";
    if (data.startsWith("\xFE\xFF"))
        return "UTF-16BE";
    if (const auto utf16 = utf16WithoutMark(data))
        return *utf16;
    if (isValidUtf8(data))
        return "UTF-8";
    // Lyrics come in a few encodings only: the choice is between the two Chinese ones, never
    // some code page a detector finds likely for a short sample.
    const bool gbk = TextDecoding::decode(data, "GB18030").has_value();
    const bool big5 = TextDecoding::decode(data, "BIG5").has_value();
    if (gbk != big5)
        return gbk ? "GB18030" : "BIG5";
    const ChineseScores scores = everydayCharacters(data);
    if (scores.gbk != scores.big5)
        return scores.gbk > scores.big5 ? "GB18030" : "BIG5";
    // GB18030 reads every GB2312 and GBK file, the most common kind.
    return uchardetGuess(data) == "BIG5" ? "BIG5" : "GB18030";
}

QStringList decodeLines(const QByteArray& data) {
    const QByteArray encoding = detectEncoding(data);
    QString text;
    if (encoding == "UTF-8") {
        text = QString::fromUtf8(data.startsWith("\xEF\xBB\xBF") ? data.mid(3) : data);
    } else if (const auto converted = TextDecoding::decode(data, encoding)) {
        text = *converted;
    } else if (const auto chinese = TextDecoding::decode(data, "GB18030")) {
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
