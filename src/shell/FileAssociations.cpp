#include "shell/FileAssociations.h"

#include "core/Settings.h"

namespace mirato {

const QList<AssociationRow>& FileAssociations::rows() {
    // The descriptions are fixed Chinese texts: "playlist" and "music file".
    static const QString playlist = QString::fromUtf8("播放列表");
    static const QString music = QString::fromUtf8("音乐文件");
    static const QList<AssociationRow> table = {
        {".wpl", "Mirato.wpl", playlist, "m3u.ico", "WPL", "application/vnd.ms-wpl"},
        {".m3u", "Mirato.m3u", playlist, "m3u.ico", "M3U", "audio/x-mpegurl"},
        {".asx", "Mirato.asx", playlist, "M3u.ico", "ASX", "audio/x-ms-asx"},
        {".mp3", "Mirato.mp3", music, "mp3.ico", "MP3", "audio/mpeg"},
        {".wma", "Mirato.wma", music, "wma.ico", "WMA", "audio/x-ms-wma"},
        {".wav", "Mirato.wav", music, "wav.ico", "WAV", "audio/x-wav"},
        {".mid", "Mirato.mid", music, "Mid.ico", "MID", "audio/midi"},
    };
    return table;
}

void FileAssociations::recallPreviousHandlers(AppState& state) {
    for (const AssociationRow& row : rows())
        state.setPreviousClass(row.settingsKey, settings_.read(row.settingsKey));
}

void FileAssociations::takeOver() {
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
