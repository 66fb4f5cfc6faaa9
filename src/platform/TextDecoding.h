#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace mirato::TextDecoding {

// The text of bytes in a named encoding ("GB18030", "GBK", "BIG5", "UTF-16LE", "UTF-8" ...):
// nothing when the encoding is unknown here or the bytes are not text in it. The legacy
// Chinese encodings come from the system (iconv on Linux, the code pages on Windows), since
// Qt reads them only where it has ICU.
std::optional<QString> decode(const QByteArray& data, const QByteArray& encoding);

}  // namespace mirato::TextDecoding
