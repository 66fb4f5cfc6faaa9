#pragma once

#include <QString>

namespace mirato::DefaultBrowser {

// The command line the system opens web addresses with ("%1" where the address goes), "" when
// it names none: on Linux the Exec of the default x-scheme-handler/http desktop entry (its
// field codes turned into %1), on Windows the open command of the http class.
QString command();

}  // namespace mirato::DefaultBrowser
