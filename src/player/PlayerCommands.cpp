#include "player/PlayerCommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include "core/FileCopy.h"
#include "core/Strings.h"
#include "player/PlaylistFile.h"

Q_LOGGING_CATEGORY(lcPlayerCommands, "mirato.player.commands", QtWarningMsg)

namespace mirato {

namespace {

const QString kAnyFile = QStringLiteral("All File(ALL Type)| *.*");
const QString kMediaFiles = QStringLiteral(
    "All File(ALL Type)| *.mp3;*.wma;*.wav;*.mid;*.midi;*.wpl;*.m3u;*.asx|MP3 File| *.mp3|"
    "WMA File| *.wma|WAV File| *.wav|MIDI File| *.mid;*.midi|Playlist File| *.wpl;*.m3u;*.asx");

// The name after the last separator of a path.
QString lastName(const QString& path) {
    const qsizetype cut =
        std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(cut + 1);
}

}  // namespace

PlayerCommands::PlayerCommands(const Services& services) : c_(services) {}

QString PlayerCommands::message(MessageCode code) const {
    return Strings::message(c_.state.language(), code);
}

QStringList PlayerCommands::dropPatterns() {
    return {QStringLiteral("*.wma"), QStringLiteral("*.mp3"), QStringLiteral("*.wav"),
            QStringLiteral("*.mid")};
}

bool PlayerCommands::isWebAddress(const QString& text) {
    const QString first2 = text.left(2);
    return first2 == QLatin1String("Ht") || first2 == QLatin1String("HT") ||
           first2 == QLatin1String("ht");
}

bool PlayerCommands::writeCurrentList(const QStringList& entries) {
    const QString path = c_.paths.currentPlaylistFile();
    if (PlaylistFile::write(path, entries))
        return true;
    c_.notifier.messageBox(
        Strings::message(c_.state.language(), MessageCode::PlaylistNotWritten).arg(path));
    return false;
}

void PlayerCommands::openFiles() {
    // "Open several files"
    const QStringList chosen = c_.dialogs.openFiles(QString::fromUtf8("打开多个文件"), kMediaFiles);
    if (chosen.isEmpty())
        return;
    if (chosen.size() == 1) {
        opened_.append(chosen.first());
        c_.media.setUrl(chosen.first());
        return;
    }
    opened_.append(chosen);
    if (writeCurrentList(opened_))
        c_.media.setUrl(c_.paths.currentPlaylistFile());
}

void PlayerCommands::openAddress() {
    const auto answer =
        c_.dialogs.askText(message(MessageCode::OpenUrlTitle), message(MessageCode::OpenUrlPrompt));
    if (!answer || answer->isEmpty())
        return;
    c_.media.setUrl(*answer);
    c_.state.setLyricLine({});
    c_.windows.clearLyrics();
}

void PlayerCommands::saveMediaAs() {
    saveCopyOf(c_.media.item().location);
}

void PlayerCommands::savePlaylistAs() {
    saveCopyOf(c_.media.url());
}

void PlayerCommands::saveCopyOf(const QString& source) {
    if (source.isEmpty())
        return;
    if (isWebAddress(source)) {
        c_.web.open(source);
        return;
    }
    const QString proposed = lastName(source);
    const QString target = c_.dialogs.saveFile(proposed, kAnyFile);
    if (target.isEmpty() || target == proposed || target == source)
        return;
    copyReplacing(source, target);
}

bool PlayerCommands::copyReplacing(const QString& source, const QString& target) {
    // A failed copy never costs the old file.
    const bool copied = FileCopy::replace(source, target);
    if (!copied) {
        qCDebug(lcPlayerCommands) << "copy failed" << source << target;
        c_.notifier.messageBox(
            Strings::message(c_.state.language(), MessageCode::CopyFailed).arg(source, target));
    }
    return copied;
}

void PlayerCommands::savePlaylist() {
    const QString source = c_.media.url();
    if (isWebAddress(source)) {
        c_.web.open(source);
        return;
    }
    const auto name = c_.dialogs.askText(message(MessageCode::NewPlaylistTitle),
                                         message(MessageCode::NewPlaylistPrompt));
    if (!name || name->isEmpty() || source.isEmpty())
        return;
    QDir().mkpath(c_.paths.playlistFolder());
    const QString target = c_.paths.playlistFolder() + QLatin1Char('/') + *name + source.right(4);
    if (copyReplacing(source, target))
        c_.notifier.messageBox(message(MessageCode::PlaylistAddedBefore) + *name +
                               message(MessageCode::PlaylistAddedAfter));
}

void PlayerCommands::dropOnPlayer(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    const QFileInfo first(paths.first());
    if (first.isDir()) {
        const QDir folder(first.absoluteFilePath());
        const QStringList names =
            folder.entryList(dropPatterns(), QDir::Files | QDir::Readable, QDir::Name);
        QStringList entries;
        for (const QString& name : names)
            entries.append(folder.filePath(name));
        if (writeCurrentList(entries) && !entries.isEmpty())
            c_.media.setUrl(c_.paths.currentPlaylistFile());
        return;
    }
    if (paths.size() == 1) {
        c_.media.setUrl(paths.first());
        return;
    }
    if (writeCurrentList(paths))
        c_.media.setUrl(c_.paths.currentPlaylistFile());
}

}  // namespace mirato
