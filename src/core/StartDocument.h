#pragma once

#include <QString>

namespace mirato {

// The document a start is given on its command line.
namespace StartDocument {

// The command line as one document: the quotes around a path with blanks go, and a relative
// name of a file or folder that exists in the starting folder becomes its full path (so a
// running instance, started elsewhere, gets the same file). Anything else stays as it is.
QString resolve(const QString& commandLine, const QString& startFolder);

}  // namespace StartDocument

}  // namespace mirato
