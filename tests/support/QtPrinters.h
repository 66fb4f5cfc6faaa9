#pragma once

#include <QString>
#include <QStringList>
#include <ostream>

// Readable failure messages for Qt values in gtest assertions.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& value, std::ostream* out) {
    *out << '"' << value.toStdString() << '"';
}
inline void PrintTo(const QStringList& value, std::ostream* out) {
    *out << '[' << value.join(QStringLiteral("\", \"")).toStdString() << ']';
}
QT_END_NAMESPACE
