#pragma once

#include <QString>

namespace mirato {

// The open-file dialog; the filter is "Description|pattern" as the menus write it.
class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen file's full path, "" when cancelled.
    virtual QString openFile(const QString& filter) = 0;
};

}  // namespace mirato
