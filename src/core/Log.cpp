#include "core/Log.h"

Q_LOGGING_CATEGORY(lcSettings, "mirato.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcCore, "mirato.core", QtWarningMsg)
