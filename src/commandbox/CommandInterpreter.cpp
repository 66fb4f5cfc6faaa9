#include "commandbox/CommandInterpreter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include "core/FileCopy.h"
#include "core/InputModes.h"
#include "core/ServiceAddresses.h"
#include "core/Strings.h"
#include "core/TextRules.h"
#include "platform/DesktopEntry.h"

Q_LOGGING_CATEGORY(lcInterpreter, "mirato.commandbox", QtWarningMsg)

namespace mirato {

namespace {

bool isOneOf(const QString& text, std::initializer_list<const char*> spellings) {
    for (const char* spelling : spellings) {
        if (text == QLatin1String(spelling))
            return true;
    }
    return false;
}

// An ordinary file as a directory listing shows it: hidden files do not count.
bool isVisibleFile(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

// Names looked up in the program's folders must stay inside them.
bool isPlainName(const QString& name) {
    return !name.isEmpty() && !name.startsWith(QLatin1Char('.')) &&
           !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'));
}

// Add and Del act on one file in the playlist folder; an empty name is allowed (".m3u").
bool isPlaylistName(const QString& name) {
    for (const char c : {'/', '\\', '*', '?'}) {
        if (name.contains(QLatin1Char(c)))
            return false;
    }
    return true;
}

}  // namespace

CommandInterpreter::CommandInterpreter(InterpreterContext context) : c_(context) {}

void CommandInterpreter::setText(const QString& text) {
    text_ = text;
    c_.state.followText(text_);
}

QString CommandInterpreter::message(MessageCode code) const {
    return Strings::message(c_.state.language(), code);
}

void CommandInterpreter::start(const std::optional<Command>& command, WindowStyle style) {
    if (!command) {
        qCDebug(lcInterpreter) << "nothing to start";
        return;
    }
    if (!c_.launcher.start(*command, style))
        qCDebug(lcInterpreter) << "could not start" << command->program;
}

void CommandInterpreter::openWithDesktop(const QString& target) {
    start(c_.conventions.openWithDesktop(target));
}

bool CommandInterpreter::isPathLike() const {
    const QString& first2 = c_.state.probes().first2;
    return text_.isEmpty() || c_.conventions.isLocalPath(text_) ||
           isOneOf(first2, {"ht", "Ht", "HT", "mm", "Mm", "MM"});
}

void CommandInterpreter::run(const QString& line) {
    setText(line);
    if (!text_.isEmpty()) {
        runMode();
        runPlugin();
        runBuiltin();
        resolveName();
        if (!text_.isEmpty()) {
            if (TextRules::isNumeric(text_))
                runNumber();
            else
                runText();
        }
    }
    consume();
}

void CommandInterpreter::runMode() {
    AppState& state = c_.state;
    if (InputModes::isActive(state, MessageCode::ModeRun)) {
        std::optional<Command> console;
        if (isOneOf(state.probes().last4, {".msc", ".Msc", ".MSC"}))
            console = c_.conventions.managementConsole(text_);
        start(console ? console : c_.conventions.commandFromLine(text_));
        consume();
        state.setInputMode({});
    } else if (InputModes::isActive(state, MessageCode::ModeRunCmd)) {
        start(c_.conventions.terminal(text_));
        consume();
        state.setInputMode({});
    } else if (InputModes::isActive(state, MessageCode::ModeBaidu)) {
        c_.web.open(ServiceAddresses::baiduSearch(text_));
        consume();
        state.setInputMode({});
    } else if (InputModes::isActive(state, MessageCode::ModeGoogle)) {
        c_.web.open(ServiceAddresses::googleSearch(text_));
        consume();
        state.setInputMode({});
    } else if (InputModes::isActive(state, MessageCode::ModeMusic)) {
        // The line stays; the later steps read it as a media name.
        state.overrideExtension(QStringLiteral(".mp3"));
        state.setInputMode({});
    }
}

void CommandInterpreter::runPlugin() {
    const QString program = c_.plugins.programFor(text_);
    if (program.isEmpty())
        return;
    start(Command{program, {}});
    consume();
}

void CommandInterpreter::runBuiltin() {
    runOpacityCommand();
    const QString first4 = text_.left(4);
    if (isOneOf(first4, {"Add ", "add ", "ADD "}))
        runAddPlaylist(text_.mid(4));
    if (isOneOf(text_.left(4), {"Del ", "del ", "DEL "}))
        runDeletePlaylist(text_.mid(4));
}

bool CommandInterpreter::runOpacityCommand() {
    if (!isOneOf(c_.state.probes().first2, {"TM", "tm", "Tm"}))
        return false;
    const QString value = text_.mid(2);
    // Anything but a number from 21 to 255 is no opacity and goes on through the dispatch.
    if (!TextRules::isNumeric(value))
        return false;
    const double number = TextRules::numericValue(value);
    if (!(number > 20 && number < 256))
        return false;
    c_.state.setOpacity(value);
    consume();
    c_.windows.applyOpacity();
    return true;
}

void CommandInterpreter::runAddPlaylist(const QString& name) {
    const QString target =
        c_.paths.playlistFolder() + QLatin1Char('/') + name + QStringLiteral(".m3u");
    bool added = false;
    if (isPlaylistName(name)) {
        const QString source = c_.paths.currentPlaylistFile();
        QDir().mkpath(c_.paths.playlistFolder());
        if (QFileInfo::exists(source) && target != source && !FileCopy::replace(source, target))
            qCDebug(lcInterpreter) << "cannot copy" << source << "to" << target;
        added = QFileInfo(target).isFile();
    }
    if (added) {
        c_.notifier.messageBox(message(MessageCode::PlaylistAddedBefore) + name +
                               message(MessageCode::PlaylistAddedAfter));
    } else {
        qCDebug(lcInterpreter) << "playlist not added:" << target;
        c_.notifier.messageBox(message(MessageCode::PlaylistAddFailed));
    }
    consume();
}

void CommandInterpreter::runDeletePlaylist(const QString& name) {
    const QString target =
        c_.paths.playlistFolder() + QLatin1Char('/') + name + QStringLiteral(".m3u");
    bool gone = false;
    if (isPlaylistName(name)) {
        QFile::remove(target);
        gone = !QFileInfo::exists(target);
    }
    c_.notifier.messageBox(
        message(gone ? MessageCode::PlaylistDeleted : MessageCode::PlaylistDeleteFailed));
    consume();
}

void CommandInterpreter::resolveName() {
    if (isOneOf(text_, {"Lnk", "lnk", "LNK"})) {
        QDir().mkpath(c_.paths.shortcutFolder());
        openWithDesktop(QString(c_.paths.shortcutFolder()).replace(QLatin1Char('\\'), '/'));
        consume();
    }
    if (isOneOf(text_, {"PlayList", "Playlist", "playlist", "PLAYLIST"})) {
        QDir().mkpath(c_.paths.playlistFolder());
        openWithDesktop(QString(c_.paths.playlistFolder()).replace(QLatin1Char('\\'), '/'));
        consume();
    }
    if (!isPathLike() && isPlainName(text_)) {
        for (const char* extension : {".wpl", ".m3u"}) {
            const QString list =
                c_.paths.playlistFolder() + QLatin1Char('/') + text_ + QLatin1String(extension);
            if (isVisibleFile(list)) {
                c_.windows.showPlayer();
                c_.media.setUrl(list);
                consume();
                break;
            }
        }
    }
    if (!isPathLike() && isPlainName(text_) && openShortcut(text_))
        consume();
}

bool CommandInterpreter::openShortcut(const QString& name) {
    const QString folder = c_.paths.shortcutFolder();
    const QString root = QFileInfo(folder).path();
    if (c_.conventions.isWindows()) {
        const bool found = isVisibleFile(folder + QLatin1Char('/') + name + ".lnk") ||
                           isVisibleFile(root + "/LNK/" + name + ".LNK") ||
                           isVisibleFile(root + "/Lnk/" + name + ".Lnk");
        if (found)
            openWithDesktop(folder + QLatin1Char('/') + name);
        return found;
    }
    // Here a shortcut is a desktop entry, or any file or link the desktop can open.
    const QString entryPath = folder + QLatin1Char('/') + name + QStringLiteral(".desktop");
    if (isVisibleFile(entryPath)) {
        const auto entry = DesktopEntry::load(entryPath);
        QStringList words = entry ? entry->execArguments() : QStringList();
        if (!words.isEmpty()) {
            const QString program = words.takeFirst();
            start(Command{program, words});
        } else if (entry && !entry->value(QStringLiteral("URL")).isEmpty()) {
            c_.web.open(entry->value(QStringLiteral("URL")));
        } else {
            openWithDesktop(entryPath);
        }
        return true;
    }
    const QFileInfo exact(folder + QLatin1Char('/') + name);
    if (exact.exists() || exact.isSymLink()) {
        openWithDesktop(exact.filePath());
        return true;
    }
    const QStringList matches = QDir(folder).entryList(
        {name + QStringLiteral(".*")}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& match : matches) {
        if (QFileInfo(match).completeBaseName() == name) {
            openWithDesktop(folder + QLatin1Char('/') + match);
            return true;
        }
    }
    return false;
}

void CommandInterpreter::runNumber() {
    const qsizetype length = text_.size();
    if (length > 4 && length < 11)
        c_.web.open(ServiceAddresses::qqSpace(text_));
    else if (length == 11)
        c_.web.open(ServiceAddresses::mobileLookup(text_));
}

void CommandInterpreter::runText() {
    const TextProbes& probes = c_.state.probes();
    if (TextRules::isMediaExtension(probes.last4)) {
        playTypedMedia(text_);
        return;
    }
    if (isOneOf(probes.last4, {".ocx", ".Ocx", ".OCX", ".dll", ".Dll", ".DLL"})) {
        if (const auto registrar = c_.conventions.componentRegistrar(text_)) {
            start(registrar, WindowStyle::MinimisedWithFocus);
            return;
        }
    }
    if (TextRules::isNumeric(probes.first2) && TextRules::isNumeric(probes.last2)) {
        c_.web.open(ServiceAddresses::ipLookup(text_));
        return;
    }
    if (c_.conventions.isLocalPath(text_)) {
        if (c_.conventions.isWindows())
            setText(QString(text_).replace(QLatin1Char('\\'), QLatin1Char('/')));
        openWithDesktop(c_.conventions.expandLocalPath(text_));
        return;
    }
    c_.web.open(text_);
}

void CommandInterpreter::playTypedMedia(const QString& text) {
    c_.windows.showPlayer();
    c_.state.setLyricLine({});
    c_.windows.clearLyrics();
    const QString first2 = text.left(2);
    const bool asTyped =
        c_.conventions.isLocalPath(text) || isOneOf(first2, {"MM", "Mm", "mm", "HT", "Ht", "ht"});
    c_.media.setUrl(asTyped ? c_.conventions.expandLocalPath(text)
                            : QStringLiteral("http://") + text);
}

}  // namespace mirato
