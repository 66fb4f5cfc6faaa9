#pragma once

#include <QString>

namespace mirato {

// Small tests on typed text that several steps share.
namespace TextRules {

// The last four characters name a media file: .mp3 .wma .mid .wav .wpl .m3u .asx, each only
// all lower case, capitalised or all upper case (".Mp3" counts, ".mP3" does not).
bool isMediaExtension(const QString& last4);
// The same rule for the three playlist types (.m3u .asx .wpl).
bool isPlaylistExtension(const QString& last4);
// The last four characters of a text, compared by the media rule.
inline bool hasMediaExtension(const QString& text) {
    return isMediaExtension(text.right(4));
}

// A number as people type it: blanks around, an optional sign, digits with at most one decimal
// point ('.' or the locale's separator), an optional exponent. "19", ".1", "-2.5e3" are
// numbers; "", ".", "1.2.3", "12a" are not.
bool isNumeric(const QString& text);
// The value of a text that isNumeric() accepts.
double numericValue(const QString& text);

}  // namespace TextRules

}  // namespace mirato
