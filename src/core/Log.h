#pragma once

#include <QLoggingCategory>

// One category per subsystem of the core, so "QT_LOGGING_RULES=mirato.*.debug=true" shows why
// a step that tells the user nothing was skipped.
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcCore)
