// The lyrics search plug-in: finds timed lyrics for the song Mirato plays and hands them back.
#include <QApplication>
#include <QProcess>
#include <QStandardPaths>

#include "FindMode.h"
#include "HandBack.h"
#include "LrclibClient.h"
#include "SearchWindow.h"
#include "core/SettingKeys.h"
#include "core/Settings.h"

namespace {

class DetachedLauncher : public mirato::Launcher {
public:
    bool start(const mirato::Command& command, mirato::WindowStyle) override {
        return QProcess::startDetached(command.program, command.arguments);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    // Started by Mirato for a song without lyrics: no window, no display needed.
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--find") == 0) {
            QCoreApplication app(argc, argv);
            QCoreApplication::setApplicationName(QStringLiteral("mirato"));
            return mirato::lyricsearch::runFindMode(QCoreApplication::arguments());
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("mirato"));
    // The program's settings file, which the program keeps up to date while it plays.
    const mirato::Settings settings(mirato::Settings::defaultFilePath());

    using namespace mirato::SettingKeys;
    const QString musicPath = settings.get(kMusicPath);
    QString title = settings.get(kLyricsSearchTitle);
    if (title.isEmpty() && musicPath != QLatin1String("Close") && musicPath != QLatin1String("End"))
        title = musicPath.section(QLatin1Char('/'), -1);

    mirato::lyricsearch::LrclibClient client{
        mirato::lyricsearch::LrclibClient::configuredService()};
    DetachedLauncher launcher;
    const mirato::lyricsearch::HandBack handBack(
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
            QStringLiteral("/mirato/lyrics"),
        launcher);
    mirato::lyricsearch::SearchWindow window(
        {settings.get(kLanguage), title, musicPath, settings.get(kProgramPath)}, client, handBack);
    window.show();
    window.search();
    return QApplication::exec();
}
