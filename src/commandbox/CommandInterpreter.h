#pragma once

#include <QString>

#include "core/AddressOpener.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/Launcher.h"
#include "core/MediaControl.h"
#include "core/MessageCode.h"
#include "core/Notifier.h"
#include "core/PluginCatalog.h"
#include "core/WindowRequests.h"

namespace mirato {

// Everything the interpreter acts on.
struct InterpreterContext {
    AppState& state;
    const AppPaths& paths;
    const HostConventions& conventions;
    const PluginCatalog& plugins;
    Launcher& launcher;
    AddressOpener& web;
    MediaControl& media;
    WindowRequests& windows;
    Notifier& notifier;
};

// What a line typed into the command box does when Enter is pressed. The steps run in a fixed
// order, each on the text the one before left: the input mode, a plug-in name, a built-in
// command (TM, Add, Del), a name the program keeps (folder words, saved playlists, shortcuts),
// then a number or anything else (media, component, IP address, local path, web address).
// A step that uses the line empties it, so the later steps find nothing to do.
class CommandInterpreter {
public:
    explicit CommandInterpreter(InterpreterContext context);

    // Runs the whole dispatch on a line; the box is empty afterwards.
    void run(const QString& line);

    // Plays a typed media location: shows the player, forgets the old lyrics and plays the
    // text as it is when it is a local path or starts like an http or mms address, else with
    // "http://" in front.
    void playTypedMedia(const QString& text);

private:
    void runMode();
    void runPlugin();
    void runBuiltin();
    void resolveName();
    void runNumber();
    void runText();

    bool runOpacityCommand();
    void runAddPlaylist(const QString& name);
    void runDeletePlaylist(const QString& name);
    bool openShortcut(const QString& name);

    void setText(const QString& text);
    void consume() { setText(QString()); }
    bool isPathLike() const;
    QString message(MessageCode code) const;
    void start(const std::optional<Command>& command, WindowStyle style = WindowStyle::Normal);
    void openWithDesktop(const QString& target);

    InterpreterContext c_;
    QString text_;
};

}  // namespace mirato
