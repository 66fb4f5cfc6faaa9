#pragma once

#include <QByteArray>
#include <QStringList>
#include <optional>

namespace mirato {

// Lyrics files as they come: UTF-8 with or without a byte-order mark, UTF-16, or a legacy
// Chinese code page (GBK/GB18030, Big5). The encoding is detected, then converted.
namespace LyricsText {

// The lines of a file in file order; nullopt when it cannot be read.
std::optional<QStringList> readLines(const QString& path);
QStringList decodeLines(const QByteArray& data);
// The name of the encoding the bytes are in, as TextDecoding knows it.
QByteArray detectEncoding(const QByteArray& data);

// The text without trailing spaces and NUL characters.
QString trimTrailingBlanks(const QString& text);
// What a lyric line shows: the part after its last "]" (the whole line without one).
QString shownPart(const QString& line);

}  // namespace LyricsText

}  // namespace mirato
