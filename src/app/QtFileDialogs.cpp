#include "app/QtFileDialogs.h"

#include <QFileDialog>
#include <QStringList>

#include "core/Strings.h"

namespace mirato {

QString QtFileDialogs::qtFilter(const QString& filter) {
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1).trimmed();
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));  // every file, dot or not
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out.append(parts.at(i).trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return out.join(QStringLiteral(";;"));
}

QString QtFileDialogs::openFile(const QString& filter) {
    return QFileDialog::getOpenFileName(nullptr, Strings::programTitle(), QString(),
                                        qtFilter(filter));
}

}  // namespace mirato
