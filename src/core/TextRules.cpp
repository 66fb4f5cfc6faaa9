#include "core/TextRules.h"

#include <QLocale>
#include <QStringList>

namespace mirato::TextRules {

namespace {

bool inThreeSpellings(const QString& last4, std::initializer_list<const char*> stems) {
    for (const char* stem : stems) {
        const QString lower = QLatin1Char('.') + QLatin1String(stem);
        const QString capital =
            QLatin1Char('.') + QChar(QLatin1Char(stem[0])).toUpper() + QLatin1String(stem + 1);
        if (last4 == lower || last4 == capital || last4 == lower.toUpper())
            return true;
    }
    return false;
}

QChar localeDecimalPoint() {
    const QString point = QLocale().decimalPoint();
    return point.isEmpty() ? QLatin1Char('.') : point.at(0);
}

// The text in the C locale's form, or "" when it is no number.
QString normalised(const QString& text) {
    const QString t = text.trimmed();
    const QChar localPoint = localeDecimalPoint();
    qsizetype i = 0;
    QString out;
    if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
        out += t.at(i++);
    int digits = 0;
    bool point = false;
    for (; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            out += c;
            ++digits;
        } else if ((c == QLatin1Char('.') || c == localPoint) && !point) {
            out += QLatin1Char('.');
            point = true;
        } else {
            break;
        }
    }
    if (digits == 0)
        return {};
    if (i < t.size() && (t.at(i) == QLatin1Char('e') || t.at(i) == QLatin1Char('E'))) {
        out += QLatin1Char('e');
        ++i;
        if (i < t.size() && (t.at(i) == QLatin1Char('+') || t.at(i) == QLatin1Char('-')))
            out += t.at(i++);
        int exponentDigits = 0;
        for (; i < t.size() && t.at(i) >= QLatin1Char('0') && t.at(i) <= QLatin1Char('9'); ++i) {
            out += t.at(i);
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return {};
    }
    return i == t.size() ? out : QString();
}

}  // namespace

bool isMediaExtension(const QString& last4) {
    return inThreeSpellings(last4, {"mp3", "wma", "mid", "wav", "wpl", "m3u", "asx"});
}

bool isPlaylistExtension(const QString& last4) {
    return inThreeSpellings(last4, {"m3u", "asx", "wpl"});
}

bool isNumeric(const QString& text) {
    return !normalised(text).isEmpty();
}

double numericValue(const QString& text) {
    return normalised(text).toDouble();
}

}  // namespace mirato::TextRules
