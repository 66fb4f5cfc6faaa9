#pragma once

#include <QByteArray>
#include <QString>

namespace mirato {

namespace FileCopy {

// Copies source over target so that target is, at every moment, either the old file or the
// whole new one: the copy is written beside it and renamed over it. False (and the old file
// untouched) when the source cannot be read or the copy cannot be written.
bool replace(const QString& source, const QString& target);

enum class Readers { Anyone, OwnerOnly };
// Writes bytes as the whole of target in the same way, creating its folder first; OwnerOnly
// for what the user typed.
bool write(const QString& target, const QByteArray& bytes, Readers readers = Readers::Anyone);

}  // namespace FileCopy

}  // namespace mirato
