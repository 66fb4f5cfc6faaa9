#pragma once

#include "core/FileDialogs.h"

namespace mirato {

class QtFileDialogs : public FileDialogs {
  public:
    QString openFile(const QString& filter) override;

    // "Description| *.*" as the menus write it, in Qt's "Description (*)" form.
    static QString qtFilter(const QString& filter);
};

}  // namespace mirato
