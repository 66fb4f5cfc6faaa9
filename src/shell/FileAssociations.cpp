#include "shell/FileAssociations.h"

#include "core/Settings.h"

namespace mirato {

const QList<AssociationRow>& FileAssociations::rows() {
    // The descriptions are fixed Chinese texts: "playlist" and "music file".
    static const QString playlist = QString::fromUtf8("播放列表");
    static const QString music = QString::fromUtf8("音乐文件");
    static const QList<AssociationRow> table = {
        {QStringLiteral(".wpl"), QStringLiteral("Mirato.wpl"), playlist, QStringLiteral("m3u.ico"),
         QStringLiteral("WPL"), QStringLiteral("application/vnd.ms-wpl")},
        {QStringLiteral(".m3u"), QStringLiteral("Mirato.m3u"), playlist, QStringLiteral("m3u.ico"),
         QStringLiteral("M3U"), QStringLiteral("audio/x-mpegurl")},
        {QStringLiteral(".asx"), QStringLiteral("Mirato.asx"), playlist, QStringLiteral("M3u.ico"),
         QStringLiteral("ASX"), QStringLiteral("audio/x-ms-asx")},
        {QStringLiteral(".mp3"), QStringLiteral("Mirato.mp3"), music, QStringLiteral("mp3.ico"),
         QStringLiteral("MP3"), QStringLiteral("audio/mpeg")},
        {QStringLiteral(".wma"), QStringLiteral("Mirato.wma"), music, QStringLiteral("wma.ico"),
         QStringLiteral("WMA"), QStringLiteral("audio/x-ms-wma")},
        {QStringLiteral(".wav"), QStringLiteral("Mirato.wav"), music, QStringLiteral("wav.ico"),
         QStringLiteral("WAV"), QStringLiteral("audio/x-wav")},
        {QStringLiteral(".mid"), QStringLiteral("Mirato.mid"), music, QStringLiteral("Mid.ico"),
         QStringLiteral("MID"), QStringLiteral("audio/midi")},
    };
    return table;
}

void FileAssociations::recallPreviousHandlers(AppState& state) {
    for (const AssociationRow& row : rows())
        state.setPreviousClass(row.settingsKey, settings_.read(row.settingsKey));
}

FileAssociations::Outcome FileAssociations::takeOver() {
    for (const AssociationRow& row : rows()) {
        const auto current = backend_.currentHandler(row);
        if (current && *current == backend_.handlerName(row))
            continue;  // already ours: nothing saved, nothing written again
        if (current)
            settings_.write(row.settingsKey, *current);
        backend_.registerHandler(row);
        backend_.setHandler(row, backend_.handlerName(row));
    }
    backend_.refresh();
    // Windows 8 and later ignore the default a program writes where the user chose one.
    if (!isTakenOver() && backend_.offerChoice())
        return Outcome::UserChooses;
    return Outcome::TakenOver;
}

void FileAssociations::giveBack(const AppState& state) {
    for (const AssociationRow& row : rows()) {
        const QString previous = state.previousClass(row.settingsKey);
        if (!previous.isEmpty())
            backend_.setHandler(row, previous);
    }
    backend_.refresh();
}

bool FileAssociations::isTakenOver() {
    const AssociationRow& mp3 = rows().at(3);
    const auto current = backend_.currentHandler(mp3);
    return current && *current == backend_.handlerName(mp3);
}

}  // namespace mirato
