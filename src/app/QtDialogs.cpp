#include "app/QtDialogs.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QStringList>

#include "core/Strings.h"

namespace mirato {

QString QtDialogs::qtFilter(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1).trimmed();
        patterns.replace(QLatin1String("*.*"), QLatin1String("*"));
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out.append(parts.at(i).trimmed() + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return out.join(QStringLiteral(";;"));
}

QString QtDialogs::openFile(const QString& filter) {
    return QFileDialog::getOpenFileName(nullptr, Strings::programTitle(), QString(),
                                        qtFilter(filter));
}

QStringList QtDialogs::openFiles(const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileNames(nullptr, title, QString(), qtFilter(filter));
}

QString QtDialogs::saveFile(const QString& proposedName, const QString& filter) {
    return QFileDialog::getSaveFileName(nullptr, QString(), proposedName, qtFilter(filter));
}

std::optional<QString> QtDialogs::askText(const QString& title, const QString& prompt) {
    bool ok = false;
    const QString text = QInputDialog::getText(nullptr, title, prompt, QLineEdit::Normal, {}, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

}  // namespace mirato
