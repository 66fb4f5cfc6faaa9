#include "platform/OwnDesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSaveFile>

#include "platform/DesktopEntry.h"

Q_LOGGING_CATEGORY(lcOwnEntry, "mirato.platform.entry", QtWarningMsg)

namespace mirato {

namespace {

// The key that tells our entry from one the user wrote under the same name.
const QString kMarker = QStringLiteral("X-Mirato-Written");

// A plain string value of a desktop entry: only the backslash needs its escape.
QString stringValue(QString text) {
    return text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
}

}  // namespace

OwnDesktopEntry::OwnDesktopEntry(QString appId, QString executable, QStringList dataFolders)
    : appId_(std::move(appId)),
      executable_(std::move(executable)),
      dataFolders_(std::move(dataFolders)) {}

QString OwnDesktopEntry::path() const {
    return dataFolders_.value(0) + QStringLiteral("/applications/") + appId_ +
           QStringLiteral(".desktop");
}

OwnDesktopEntry::Outcome OwnDesktopEntry::ensure() {
    if (dataFolders_.isEmpty() || executable_.isEmpty())
        return Outcome::Failed;
    const QString file = path();
    const auto existing = DesktopEntry::load(file);
    const bool ours = existing && existing->value(kMarker) == QLatin1String("true");
    if (existing && !ours)
        return Outcome::UsersOwn;

    bool installed = false;
    for (qsizetype i = 1; i < dataFolders_.size() && !installed; ++i)
        installed = QFileInfo(dataFolders_.at(i) + QStringLiteral("/applications/") + appId_ +
                              QStringLiteral(".desktop"))
                        .isFile();
    if (installed) {
        // Ours would hide the installed entry of the same name.
        if (!ours)
            return Outcome::Installed;
        qCDebug(lcOwnEntry) << "an installed entry serves; removing" << file;
        return QFile::remove(file) ? Outcome::Removed : Outcome::Failed;
    }
    if (ours && existing->value(QStringLiteral("TryExec")) == executable_)
        return Outcome::Kept;
    if (executable_.contains(QLatin1Char('\n')) || executable_.contains(QLatin1Char('\r'))) {
        qCDebug(lcOwnEntry) << "no desktop entry can name" << executable_;
        return Outcome::Failed;
    }

    QByteArray text =
        "[Desktop Entry]\nType=Application\nName=Mirato\n"
        "Comment=Quick entry, music and lyrics\nExec=" +
        DesktopEntry::quoteExecWord(executable_).toUtf8() +
        " %F\nTryExec=" + stringValue(executable_).toUtf8() + '\n';
    const QString icon =
        QFileInfo(executable_).absolutePath() + QStringLiteral("/skin/other/run.ico");
    if (QFileInfo(icon).isFile())
        text += "Icon=" + stringValue(icon).toUtf8() + '\n';
    text += "Terminal=false\nNoDisplay=true\nStartupNotify=false\n" + kMarker.toUtf8() + "=true\n";

    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return Outcome::Failed;
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(text) != text.size() || !out.commit()) {
        qCDebug(lcOwnEntry) << "cannot write" << file << out.errorString();
        return Outcome::Failed;
    }
    qCDebug(lcOwnEntry) << "the desktop knows the program by" << file;
    return Outcome::Written;
}

}  // namespace mirato
