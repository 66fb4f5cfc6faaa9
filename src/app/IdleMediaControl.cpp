#include "app/IdleMediaControl.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcIdleMedia, "mirato.app.media", QtWarningMsg)

namespace mirato {

void IdleMediaControl::setUrl(const QString& url) {
    url_ = url;
    qCDebug(lcIdleMedia) << "no playback engine yet for" << url;
}

}  // namespace mirato
