#include "commandbox/rules/PlaylistFileRule.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include "commandbox/rules/LineContext.h"
#include "core/FileCopy.h"

Q_DECLARE_LOGGING_CATEGORY(lcLines)

namespace mirato {

namespace {

// Both commands act on one file in the playlist folder; an empty name is allowed (".m3u").
bool isPlaylistName(const QString& name) {
    for (const char c : {'/', '\\', '*', '?'}) {
        if (name.contains(QLatin1Char(c)))
            return false;
    }
    return true;
}

QString savedList(const LineContext& c, const QString& name) {
    return c.paths.playlistFolder() + QLatin1Char('/') + name + QStringLiteral(".m3u");
}

void addPlaylist(const QString& name, LineContext& c) {
    const QString target = savedList(c, name);
    bool added = false;
    if (isPlaylistName(name)) {
        const QString source = c.paths.currentPlaylistFile();
        QDir().mkpath(c.paths.playlistFolder());
        if (QFileInfo::exists(source) && target != source && !FileCopy::replace(source, target))
            qCDebug(lcLines) << "cannot copy" << source << "to" << target;
        added = QFileInfo(target).isFile();
    }
    if (!added) {
        qCDebug(lcLines) << "playlist not added:" << target;
        c.notifier.messageBox(c.message(MessageCode::PlaylistAddFailed));
        return;
    }
    c.notifier.messageBox(c.message(MessageCode::PlaylistAddedBefore) + name +
                          c.message(MessageCode::PlaylistAddedAfter));
}

void deletePlaylist(const QString& name, LineContext& c) {
    const QString target = savedList(c, name);
    bool gone = false;
    if (isPlaylistName(name)) {
        QFile::remove(target);
        gone = !QFileInfo::exists(target);
    }
    c.notifier.messageBox(
        c.message(gone ? MessageCode::PlaylistDeleted : MessageCode::PlaylistDeleteFailed));
}

}  // namespace

std::optional<LineAction> PlaylistFileRule::decide(const TypedLine& line,
                                                   const LineContext& c) const {
    const QString command = line.text.left(4);
    const QString name = line.text.mid(4);
    if (LineContext::isOneOf(command, {"Add ", "add ", "ADD "}))
        return LineAction{c.row(MessageCode::RowSavePlaylist, name),
                          QStringLiteral("document-save"),
                          [name](LineContext& c) { addPlaylist(name, c); }};
    if (LineContext::isOneOf(command, {"Del ", "del ", "DEL "}))
        return LineAction{c.row(MessageCode::RowDeletePlaylist, name),
                          QStringLiteral("edit-delete"),
                          [name](LineContext& c) { deletePlaylist(name, c); }};
    return std::nullopt;
}

}  // namespace mirato
