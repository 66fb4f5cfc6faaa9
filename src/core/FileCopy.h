#pragma once

#include <QString>

namespace mirato {

namespace FileCopy {

// Copies source over target so that target is, at every moment, either the old file or the
// whole new one: the copy is written beside it and renamed over it. False (and the old file
// untouched) when the source cannot be read or the copy cannot be written.
bool replace(const QString& source, const QString& target);

}  // namespace FileCopy

}  // namespace mirato
