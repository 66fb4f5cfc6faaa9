// Benchmarks of playback, run by bench/run.sh (not by the test suite):
//   mirato-bench cpu FILE      CPU seconds to play FILE through the component, decoding as fast
//                              as the null output allows, next to the mpv command line doing
//                              the same in the same run
//   mirato-bench start FILE [warm]   milliseconds from nothing to "playing": loading the
//                              engine, creating the player window and starting FILE, and the
//                              RSS then; "warm" loads the engine first, as typing a media name
//                              does
//   mirato-bench lyrics        the lyric work per second of playback over a 10 000-line file
//   mirato-bench lateness      how late lines show against the engine over a 3-minute song
//   mirato-bench dispatch      10 000 typed lines through the Enter dispatch
//   mirato-bench soak [CHANGES]   RSS after the first song of a 300-song list and after CHANGES
//                              (1000) song changes, with the player window and the lyric
//                              sync running as in the program
//   mirato-bench entities      a WPL list of 1 MB of character references read through
//   mirato-bench completion    the completion look-up over 5 000 names and 500 typed lines
//   mirato-bench answers       keystroke to answers in the real box: 5 000 applications, 500
//                              typed lines and 200 learnt picks
//   mirato-bench answers desktop   the same with three of the desktop's search programs
//                              answering (stand-ins on the session bus, one of them slow): the
//                              keystrokes, and the work of taking each answer in
//   mirato-bench calculator    the first calculation-like line to its answer (the calculator
//                              loading), and the answers after it
//   mirato-bench gaps [CHANGES]   the silence at each change of song in a list of one-second
//                              WAV files (20 changes), from where the engine says each song
//                              began against how long the one before it lasted
//   mirato-bench wav FILE SECONDS   writes a test tone to encode
#include <malloc.h>
#include <sys/resource.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <vector>

#include "commandbox/AnswerList.h"
#include "commandbox/CommandBox.h"
#include "commandbox/CommandInterpreter.h"
#include "commandbox/LineCompleter.h"
#include "commandbox/LyricsSearch.h"
#include "commandbox/rules/ProgramRules.h"
#include "components/CalculatorModule.h"
#include "components/MediaPlayer.h"
#include "components/PlaylistReader.h"
#include "core/AppPaths.h"
#include "core/AppState.h"
#include "core/ApplicationCatalog.h"
#include "core/CompletionIndex.h"
#include "core/Launcher.h"
#include "core/LearntPicks.h"
#include "core/LineHistory.h"
#include "core/PluginCatalog.h"
#include "core/ProcessMemory.h"
#include "core/Settings.h"
#include "lyrics/LyricSync.h"
#include "platform/dbus/DBusDesktopSearch.h"
#include "player/PlayerCommands.h"
#include "player/PlayerWindow.h"

using namespace mirato;

namespace {

// How far into its item the player is, in seconds; -1 when nothing is loaded.
double secondsIn(const MediaControl& player) {
    const auto position = player.position();
    return position ? std::chrono::duration<double>(*position).count() : -1;
}

double cpuSeconds(int who) {
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
           usage.ru_stime.tv_usec / 1e6;
}

long rssKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

// Effects that go nowhere, for timing the logic alone.
struct QuietDialogs : Dialogs {
    QString openFile(const QString&) override { return {}; }
    QStringList openFiles(const QString&, const QString&) override { return {}; }
    QString saveFile(const QString&, const QString&) override { return {}; }
    std::optional<QString> askText(const QString&, const QString&) override { return {}; }
};
struct QuietOpener : AddressOpener {
    void open(const QString&) override {}
};
struct QuietNotifier : Notifier {
    void messageBox(const QString&, const QString&) override {}
    void stopBox(const QString&) override {}
    void balloon(const QString&) override {}
};
struct QuietWindows : WindowRequests {
    void showPlayer() override {}
    void showLyricsWindow() override {}
    void clearLyrics() override {}
    void showCommandBox() override {}
    void fillCommandBox(const QString&) override {}
    bool showLyricsDocument(const QString&) override { return false; }
    void closeLyricsWindow() override {}
    void searchLyrics() override {}
    void openHelp() override {}
    void nudgeLyrics(qint64) override {}
    void applyOpacity() override {}
    void applyTheme() override {}
    void applyTopMost() override {}
};
struct QuietLauncher : Launcher {
    bool start(const Command&, WindowStyle) override { return true; }
};

// The player window with its commands, as the program builds them, with effects that go nowhere.
struct PlayerSetUp {
    PlayerSetUp(MediaPlayer& player, const QString& folder)
        : paths(AppPaths::forProgramFolder(folder)),
          settings(folder + QStringLiteral("/Mirato.dat")),
          plugins(paths.pluginFolders(), posixConventions()),
          commands({state, paths, posixConventions(), plugins, launcher, web, player, windows,
                    notifier, dialogs}),
          window({state, player, windows, commands, settings, paths.skinFolder()}, player) {}
    AppState state;
    const AppPaths paths;
    Settings settings;
    QuietDialogs dialogs;
    QuietOpener web;
    QuietNotifier notifier;
    QuietWindows windows;
    QuietLauncher launcher;
    PluginCatalog plugins;
    PlayerCommands commands;
    PlayerWindow window;
};

bool waitFor(MediaPlayer& player, PlayState state, int ms) {
    return QTest::qWaitFor([&] { return player.playState() == state; }, ms);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int cpu(const QString& file) {
    // Rounds taken in turns and their medians: a single round of each was at the mercy of the
    // machine (0.61x to 0.85x across runs). The component's first round also loads the engine
    // library.
    constexpr int kRounds = 5;
    qputenv("MIRATO_AUDIO_OUTPUT", "null-untimed");
    std::vector<double> reference;
    std::vector<double> ours;
    for (int round = 0; round < kRounds; ++round) {
        const double childrenBefore = cpuSeconds(RUSAGE_CHILDREN);
        QProcess mpv;
        mpv.start(QStringLiteral("mpv"),
                  {QStringLiteral("--no-config"), QStringLiteral("--no-video"),
                   QStringLiteral("--ao=null"), QStringLiteral("--ao-null-untimed"),
                   QStringLiteral("--really-quiet"), file});
        if (!mpv.waitForFinished(600000) || mpv.exitCode() != 0) {
            std::fprintf(stderr, "the mpv command line did not play %s\n", qPrintable(file));
            return 1;
        }
        reference.push_back(cpuSeconds(RUSAGE_CHILDREN) - childrenBefore);

        // A player of its own each round, as the command line is a process of its own.
        const double before = cpuSeconds(RUSAGE_SELF);
        MediaPlayer player;
        // Untimed, a minute plays in a blink: the player's word that it played is what counts.
        bool played = false;
        QObject::connect(&player, &MediaControl::stateChanged,
                         [&played](PlayState state) { played |= state == PlayState::Playing; });
        player.setUrl(file);
        if (!QTest::qWaitFor([&] { return played && player.playState() == PlayState::Stopped; },
                             600000)) {
            std::fprintf(stderr, "the component did not play %s\n", qPrintable(file));
            return 1;
        }
        ours.push_back(cpuSeconds(RUSAGE_SELF) - before);
    }
    const double theirs = median(reference);
    const double mine = median(ours);
    std::printf("cpu mpv-cli %.3f s, component %.3f s, ratio %.2f\n", theirs, mine, mine / theirs);
    return 0;
}

int start(const QString& file, bool warm) {
    qputenv("MIRATO_AUDIO_OUTPUT", "null");
    MediaPlayer player;
    if (warm) {
        // As when the user typed a media name: the engine loads while the line is typed.
        player.prepare(file);
        QTest::qWait(1000);
    }
    QElapsedTimer clock;
    clock.start();
    PlayerSetUp set(player, QDir::tempPath());
    set.window.show();
    player.setUrl(file);
    if (!waitFor(player, PlayState::Playing, 10000)) {
        std::fprintf(stderr, "did not start %s\n", qPrintable(file));
        return 1;
    }
    const double ms = clock.nsecsElapsed() / 1e6;
    QTest::qWait(1000);
    std::printf("start %.1f ms (%s), rss playing %ld kB\n", ms, warm ? "warm" : "cold",
                rssKilobytes());
    return 0;
}

// A fixed position on a song that plays, for timing the lyric sync alone.
struct StillMedia : MediaControl {
    void setUrl(const QString&) override {}
    QString url() const override { return {}; }
    void play() override {}
    void pause() override {}
    void next() override {}
    void previous() override {}
    MediaItem item() const override { return {source, {}, {}, {}, std::chrono::seconds(3599)}; }
    std::optional<std::chrono::milliseconds> position() const override { return at; }
    PlayState playState() const override { return PlayState::Playing; }
    int volume() const override { return 50; }
    void setVolume(int) override {}
    bool mute() const override { return false; }
    void setMute(bool) override {}
    void setMode(PlayMode, bool) override {}
    void setFullScreen(bool) override {}
    void setLoudness(Loudness) override {}
    std::chrono::milliseconds at{0};
    QString source;
};

int wav(const QString& file, int seconds);

// A time tag for a moment: "[mm:ss.xx]".
QString timeTag(qint64 ms) {
    return QStringLiteral("[%1:%2.%3]")
        .arg(ms / 60000, 2, 10, QLatin1Char('0'))
        .arg(ms / 1000 % 60, 2, 10, QLatin1Char('0'))
        .arg(ms / 10 % 100, 2, 10, QLatin1Char('0'));
}

// The lyric work per second of playback over a 10 000-line file: each position report of the
// player (four a second) and each line's moment costs one step of the sync.
int lyrics() {
    QTemporaryDir dir;
    qputenv("windir", dir.path().toUtf8());
    const QString song = dir.filePath(QStringLiteral("song.mp3"));
    QFile(song).open(QIODevice::WriteOnly);
    QFile lrc(dir.filePath(QStringLiteral("song.lrc")));
    lrc.open(QIODevice::WriteOnly);
    // A line every 0.36 s: an hour of lyrics.
    for (int i = 0; i < 10000; ++i) {
        lrc.write((timeTag(i * 360) + QStringLiteral("line %1 of the lyrics\n").arg(i)).toUtf8());
    }
    lrc.close();
    AppState state;
    StillMedia media;
    media.source = song;
    Settings settings(dir.filePath(QStringLiteral("Mirato.dat")));
    LyricSync sync(state, settings, media, posixConventions(),
                   dir.filePath(QStringLiteral("cache")));
    sync.setActive(true);
    emit media.stateChanged(PlayState::Playing);
    emit media.itemChanged(song);
    const int steps = 20000;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < steps; ++i)
        emit media.positionChanged(std::chrono::milliseconds(i * 180));  // two steps a line
    const double perStep = clock.nsecsElapsed() / 1e3 / steps;
    const double stepsPerSecond = 4 + 1 / 0.36;
    if (!state.lyricLine().startsWith(QLatin1String("line ")))
        return 1;
    std::printf("lyrics step over %zu lines %.2f us, %.3f ms of work a second of playback\n",
                sync.document().lines().size(), perStep, perStep * stepsPerSecond / 1e3);
    return 0;
}

// How late each line shows against the real engine's position, over a 3-minute song with a line
// every 0.37 s.
int lyricsLateness() {
    QTemporaryDir dir;
    qputenv("windir", dir.path().toUtf8());
    const QString song = dir.filePath(QStringLiteral("song.wav"));
    if (wav(song, 180) != 0)
        return 1;
    QFile lrc(dir.filePath(QStringLiteral("song.lrc")));
    lrc.open(QIODevice::WriteOnly);
    QList<qint64> moments;
    for (qint64 ms = 500; ms < 179000; ms += 370) {
        moments.append(ms);
        lrc.write((timeTag(ms) + QStringLiteral("line at %1\n").arg(ms)).toUtf8());
    }
    lrc.close();
    MediaPlayer player;
    AppState state;
    Settings settings(dir.filePath(QStringLiteral("Mirato.dat")));
    LyricSync sync(state, settings, player, posixConventions(),
                   dir.filePath(QStringLiteral("cache")));
    sync.setActive(true);
    std::vector<double> late;
    QObject::connect(&state, &AppState::lyricLineChanged, [&](const QString& line) {
        if (!line.startsWith(QLatin1String("line at ")))
            return;
        const double tag = line.mid(8).toDouble();
        late.push_back(secondsIn(player) * 1000 - tag);
    });
    player.setUrl(song);
    if (!QTest::qWaitFor([&] { return player.playState() == PlayState::Stopped; }, 200000))
        return 1;
    if (late.size() < size_t(moments.size()) / 2)
        return 1;
    std::sort(late.begin(), late.end());
    std::printf("lyrics lateness over %zu lines: median %.1f ms, worst %.1f ms, earliest %.1f ms\n",
                late.size(), late[late.size() / 2], late.back(), late.front());
    return 0;
}

// Each song's start on the wall clock, read off the engine's position many times while it
// plays; a change of song costs the time between one song's end so reckoned and the next one's
// start. The null output runs in real time, as a sound card does.
int gaps(int changes) {
    QTemporaryDir dir;
    QFile list(dir.filePath(QStringLiteral("album.m3u")));
    list.open(QIODevice::WriteOnly);
    for (int i = 0; i <= changes; ++i) {
        const QString song = dir.filePath(QStringLiteral("%1.wav").arg(i, 2, 10, QLatin1Char('0')));
        if (wav(song, 1) != 0)
            return 1;
        list.write(song.toUtf8() + '\n');
    }
    list.close();
    MediaPlayer player;
    std::vector<std::vector<double>> starts(changes + 1);
    QElapsedTimer clock;
    clock.start();
    QTimer sampler;
    sampler.setInterval(3);
    QObject::connect(&sampler, &QTimer::timeout, [&] {
        const double position = secondsIn(player);
        const int index = player.currentIndex();
        // Clear of both ends, where the position may still belong to the song before.
        if (player.playState() == PlayState::Playing && position > 0.15 && position < 0.85 &&
            index >= 0 && index <= changes)
            starts[index].push_back(clock.nsecsElapsed() / 1e6 - position * 1000);
    });
    sampler.start();
    player.setUrl(list.fileName());
    // Between two songs the player may be stopped for a moment: the last one ends the wait.
    if (!QTest::qWaitFor(
            [&] {
                return player.currentIndex() == changes && player.playState() == PlayState::Stopped;
            },
            (changes + 10) * 2000)) {
        std::fprintf(stderr, "the list did not play to its end\n");
        return 1;
    }
    auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values.empty() ? -1 : values[values.size() / 2];
    };
    std::vector<double> gaps;
    for (int i = 0; i < changes; ++i) {
        if (starts[i].empty() || starts[i + 1].empty()) {
            std::fprintf(stderr, "song %d was never seen playing\n", starts[i].empty() ? i : i + 1);
            return 1;
        }
        gaps.push_back(median(starts[i + 1]) - median(starts[i]) - 1000);
    }
    std::sort(gaps.begin(), gaps.end());
    std::printf("gaps over %d changes: median %.1f ms, worst %.1f ms\n", changes,
                gaps[gaps.size() / 2], gaps.back());
    return 0;
}

// Runs typed lines through the whole Enter dispatch with every effect stubbed out.
int dispatch() {
    QTemporaryDir dir;
    qputenv("windir", dir.path().toUtf8());
    QDir().mkpath(dir.filePath(QStringLiteral("app/skin")));
    AppState state;
    state.setLanguage(Language::English);
    const AppPaths paths = AppPaths::forProgramFolder(dir.filePath(QStringLiteral("app")));
    PluginCatalog plugins(paths.pluginFolders(), posixConventions());
    StillMedia media;
    QuietLauncher launcher;
    QuietOpener web;
    QuietNotifier notifier;
    QuietWindows windows;
    QuietDialogs dialogs;
    ApplicationCatalog applications({});
    CalculatorModule calculator;
    LineHistory history(dir.filePath(QStringLiteral("Mirato.history")));
    CommandInterpreter interpreter({state, paths, posixConventions(), plugins, launcher, web, media,
                                    windows, notifier, dialogs},
                                   programRules(applications, calculator), history);
    const QStringList lines = {QStringLiteral("example.org"),
                               QStringLiteral("12345678"),
                               QStringLiteral("192.168.0.1"),
                               QStringLiteral("host/music/song.mp3"),
                               QStringLiteral("/usr/share/doc"),
                               QStringLiteral("TM20"),
                               QStringLiteral("some words to search"),
                               QStringLiteral("party"),
                               QStringLiteral("lNk"),
                               QStringLiteral("13812345678")};
    const int count = 10000;
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i)
        interpreter.run(lines.at(i % lines.size()));
    std::printf("dispatch of %d lines %.1f ms (%.1f us a line)\n", count,
                clock.nsecsElapsed() / 1e6, clock.nsecsElapsed() / 1e3 / count);
    return 0;
}

// Completion over 5 000 names and 500 lines typed before: the median look-up of a typed
// beginning, and the heap the index takes.
int completion() {
    QRandomGenerator random(7);
    const char* const words[] = {"office",  "image",    "studio",  "player",   "text",
                                 "editor",  "viewer",   "manager", "terminal", "system",
                                 "monitor", "sound",    "video",   "photo",    "writer",
                                 "calc",    "draw",     "mail",    "chat",     "browser",
                                 "files",   "settings", "network", "disk",     "code"};
    auto word = [&] { return QString::fromLatin1(words[random.bounded(25)]); };
    QStringList names;
    for (int i = 0; i < 5000; ++i) {
        QString name = word();
        name[0] = name[0].toUpper();
        names.append(name + QLatin1Char(' ') + word() + QString::number(i));
    }
    QStringList lines;
    for (int i = 0; i < 500; ++i)
        lines.append(word() + QStringLiteral(".example.org/") + QString::number(i));
    const size_t before = mallinfo2().uordblks;
    QElapsedTimer clock;
    clock.start();
    CompletionIndex index;
    index.setNames(names);
    index.setHistory(lines);
    const double buildMs = clock.nsecsElapsed() / 1e6;
    const size_t after = mallinfo2().uordblks;
    std::vector<double> micros;
    for (int i = 0; i < 2000; ++i) {
        const QString typed = word().left(1 + i % 4);
        clock.start();
        const QString best = index.complete(typed);
        micros.push_back(clock.nsecsElapsed() / 1e3);
        if (best.isEmpty())
            return 1;
    }
    std::sort(micros.begin(), micros.end());
    std::printf("completion median %.1f us, slowest %.1f us, index %.2f MiB built in %.1f ms\n",
                micros[micros.size() / 2], micros.back(), (after - before) / 1048576.0, buildMs);
    return 0;
}

double percentile(std::vector<double> values, double share) {
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, size_t(share * double(values.size())))];
}

// The desktop's search programs for the answers benchmark: two providers and a runner, each a
// process of its own on the session bus, the second provider slower than the deadline.
class DesktopSources {
public:
    DesktopSources(const QString& dataFolder, const QStringList& titles) {
        const struct {
            const char* kind;
            const char* bus;
            const char* delay;
        } sources[] = {{"provider", "org.mirato.bench.Files", "5"},
                       {"provider", "org.mirato.bench.Slow", "400"},
                       {"runner", "org.mirato.bench.Runner", "20"}};
        QDir().mkpath(dataFolder + "/gnome-shell/search-providers");
        QDir().mkpath(dataFolder + "/krunner/dbusplugins");
        for (const auto& source : sources) {
            const QString name = QString::fromLatin1(source.bus).section('.', -1);
            const bool provider = QLatin1String(source.kind) == QLatin1String("provider");
            QFile file(dataFolder + (provider ? "/gnome-shell/search-providers/" + name + ".ini"
                                              : "/krunner/dbusplugins/" + name + ".desktop"));
            file.open(QIODevice::WriteOnly);
            if (provider) {
                QFile(dataFolder + "/applications/" + name + ".desktop").open(QIODevice::WriteOnly);
                file.write("[Shell Search Provider]\nDesktopId=" + name.toUtf8() +
                           ".desktop\nBusName=" + source.bus + "\nObjectPath=/s\nVersion=2\n");
            } else {
                file.write(QByteArray("[Desktop Entry]\nX-KDE-PluginInfo-Name=runner\n"
                                      "X-Plasma-DBusRunner-Service=") +
                           source.bus + "\nX-Plasma-DBusRunner-Path=/s\n");
            }
            auto* process = new QProcess;
            const QString log = dataFolder + '/' + name + ".log";
            process->start(QCoreApplication::applicationDirPath() + "/mirato-search-stand-in",
                           QStringList{log, source.kind, source.bus, "/s", source.delay} + titles);
            processes_.append(process);
            logs_.append(log);
        }
    }
    ~DesktopSources() {
        for (QProcess* process : processes_) {
            process->kill();
            process->waitForFinished();
            delete process;
        }
    }
    bool ready() const {
        return std::all_of(logs_.begin(), logs_.end(), [](const QString& log) {
            return QTest::qWaitFor([&log] { return QFile::exists(log); }, 5000);
        });
    }

private:
    QList<QProcess*> processes_;
    QStringList logs_;
};

// Keystroke to answers, in the box as the program builds it: each key typed until the list
// under the box and the pale completion are updated and painted. desktop: the desktop's search
// programs answer too, and the work of taking each of their answers in is measured as well.
int answers(bool desktop) {
    QTemporaryDir dir;
    qputenv("windir", dir.path().toUtf8());
    QDir().mkpath(dir.filePath(QStringLiteral("app/skin")));
    QDir().mkpath(dir.filePath(QStringLiteral("data/applications")));
    QRandomGenerator random(11);
    const char* const words[] = {"office", "image",   "studio", "player",   "text",   "editor",
                                 "viewer", "manager", "sound",  "terminal", "system", "photo"};
    auto word = [&] { return QString::fromLatin1(words[random.bounded(12)]); };
    QStringList names;
    for (int i = 0; i < 5000; ++i) {
        QString name = word();
        name[0] = name[0].toUpper();
        name += QLatin1Char(' ') + word() + QString::number(i);
        names.append(name);
        QFile entry(dir.filePath(QStringLiteral("data/applications/app%1.desktop").arg(i)));
        entry.open(QIODevice::WriteOnly);
        entry.write("[Desktop Entry]\nType=Application\nName=" + name.toUtf8() +
                    "\nExec=/bin/true\nIcon=utilities-terminal\n");
    }
    AppState state;
    state.setLanguage(Language::English);
    const AppPaths paths = AppPaths::forProgramFolder(dir.filePath(QStringLiteral("app")));
    Settings settings(dir.filePath(QStringLiteral("Mirato.dat")));
    PluginCatalog plugins(paths.pluginFolders(), posixConventions());
    StillMedia media;
    QuietLauncher launcher;
    QuietOpener web;
    QuietNotifier notifier;
    QuietWindows windows;
    QuietDialogs dialogs;
    const Services services{state, paths,   posixConventions(), plugins, launcher, web,
                            media, windows, notifier,           dialogs};
    ApplicationCatalog applications({dir.filePath(QStringLiteral("data"))});
    CalculatorModule calculator;
    LineHistory history(dir.filePath(QStringLiteral("Mirato.history")));
    for (int i = 0; i < 500; ++i)
        history.remember(word() + QStringLiteral(".example.org/") + QString::number(i));
    LearntPicks picks(dir.filePath(QStringLiteral("Mirato.picks")));
    for (int i = 0; i < 400; ++i)
        picks.learn(word().left(2), names.at(random.bounded(5000)));
    CommandInterpreter interpreter(services, programRules(applications, calculator), history);
    LineCompleter completer(state, applications, interpreter, history, picks, posixConventions(),
                            {});
    CommandBox box(interpreter, {state, media, windows, nullptr, &dialogs}, completer, history,
                   settings, notifier, paths.skinFolder());
    std::optional<DesktopSources> sources;
    std::optional<DBusDesktopSearch> search;
    std::vector<double> taken;  // the box's work on each answer that came
    QElapsedTimer answerClock;
    if (desktop) {
        QStringList titles;
        for (int i = 0; i < 200; ++i)
            titles.append(word() + QLatin1Char(' ') + word() + QString::number(i));
        sources.emplace(dir.filePath(QStringLiteral("data")), titles);
        if (!sources->ready())
            return 1;
        search.emplace(
            DBusDesktopSearch::Options{{dir.filePath(QStringLiteral("data"))}, {}, false});
        // Connected around the box's own: what lies between is the box's work.
        QObject::connect(&*search, &DesktopSearch::answered, [&] { answerClock.start(); });
        box.setDesktopSearch(&*search);
        QObject::connect(&*search, &DesktopSearch::answered,
                         [&] { taken.push_back(answerClock.nsecsElapsed() / 1e3); });
    }
    QSignalSpy read(&applications, &ApplicationCatalog::changed);
    applications.load({});
    if (!read.wait(30000))
        return 1;
    completer.refresh();
    box.show();
    if (!QTest::qWaitForWindowExposed(&box))
        return 1;
    std::vector<double> micros;
    for (int round = 0; round < 300; ++round) {
        box.input()->clear();
        const QString typed = word().left(1 + random.bounded(5));
        for (const QChar key : typed) {
            QElapsedTimer clock;
            clock.start();
            QTest::keyClick(box.input(), key.toLatin1());
            QCoreApplication::processEvents();  // the list and the field paint
            micros.push_back(clock.nsecsElapsed() / 1e3);
            if (desktop)
                QTest::qWait(60);  // a quick typist's pace: some answers come in between
        }
    }
    if (!box.answerList() || box.answerList()->rows().size() < 2)
        return 1;
    std::printf("answers median %.2f ms, 95th percentile %.2f ms over %zu keystrokes",
                percentile(micros, 0.5) / 1e3, percentile(micros, 0.95) / 1e3, micros.size());
    if (desktop && !taken.empty())
        std::printf("; each of %zu answers taken in: median %.2f ms, 95th percentile %.2f ms",
                    taken.size(), percentile(taken, 0.5) / 1e3, percentile(taken, 0.95) / 1e3);
    std::printf("\n");
    return 0;
}

// The calculator: its first answer comes once it has loaded, on a worker; later ones at once.
int calculator() {
    CalculatorModule calculator;
    QSignalSpy ready(&calculator, &Calculator::ready);
    QElapsedTimer clock;
    clock.start();
    calculator.answer(QStringLiteral("2+3*4"));
    if (!ready.wait(10000))
        return 1;
    const std::optional<QString> first = calculator.answer(QStringLiteral("2+3*4"));
    const double firstMs = clock.nsecsElapsed() / 1e6;
    if (first != QStringLiteral("14"))
        return 1;
    const QStringList lines = {QStringLiteral("10 km to mi"),
                               QStringLiteral("(1+2)^10/7"),
                               QStringLiteral("212 fahrenheit to celsius"),
                               QStringLiteral("sqrt(2)*3"),
                               QStringLiteral("1 GiB to MiB"),
                               QStringLiteral("1-800-flowers")};
    std::vector<double> micros;
    for (int i = 0; i < 600; ++i) {
        // Each line new, as typing makes them: the calculator's last answers are no help.
        const QString line = lines.at(i % lines.size()) + QStringLiteral(" + %1").arg(i);
        clock.start();
        calculator.answer(line);
        micros.push_back(clock.nsecsElapsed() / 1e3);
    }
    std::printf("calculator first %.0f ms, then median %.2f ms, 95th percentile %.2f ms\n", firstMs,
                percentile(micros, 0.5) / 1e3, percentile(micros, 0.95) / 1e3);
    return 0;
}

int entities() {
    // A crafted list once took a minute on the GUI thread: reading must stay linear.
    QByteArray reference;
    for (int i = 0; i < 1 << 20; i += 5)
        reference += "&#38;";
    const QByteArray list = "<smil><media src=\"" + reference + "\"/></smil>";
    QElapsedTimer clock;
    clock.start();
    const QStringList entries = PlaylistReader::parse(list, QStringLiteral("wpl"), "/l");
    std::printf("entities %.1f ms for %lld bytes (%lld characters)\n", clock.nsecsElapsed() / 1e6,
                static_cast<long long>(list.size()),
                static_cast<long long>(entries.value(0).size()));
    return entries.size() == 1 ? 0 : 1;
}

void keepSmaps(const QString& file) {
    QFile in(QStringLiteral("/proc/self/smaps"));
    QFile out(file);
    if (in.open(QIODevice::ReadOnly) && out.open(QIODevice::WriteOnly))
        out.write(in.readAll());
}

int soak(int changes) {
    qputenv("MIRATO_AUDIO_OUTPUT", "null");
    QTemporaryDir dir;
    const QString tone = dir.filePath(QStringLiteral("tone.wav"));
    if (wav(tone, 1) != 0)
        return 1;
    QByteArray list;
    for (int i = 0; i < 300; ++i) {
        const QString song = dir.filePath(QStringLiteral("song %1.wav").arg(i));
        QFile::copy(tone, song);
        list += song.toUtf8() + "\n";
        if (i % 3 == 0) {  // some songs have lyrics
            QFile lrc(dir.filePath(QStringLiteral("song %1.lrc").arg(i)));
            if (lrc.open(QIODevice::WriteOnly))
                lrc.write("[00:00.10]first line\n[00:00.50]second line\n");
        }
    }
    QFile m3u(dir.filePath(QStringLiteral("list.m3u")));
    if (!m3u.open(QIODevice::WriteOnly) || m3u.write(list) != list.size())
        return 1;
    m3u.close();

    MediaPlayer player;
    PlayerSetUp set(player, dir.path());
    LyricSync sync(set.state, set.settings, player, posixConventions());
    sync.setActive(true);
    set.window.show();
    player.setMode(PlayMode::Repeat, true);
    player.setUrl(m3u.fileName());
    if (!waitFor(player, PlayState::Playing, 10000))
        return 1;
    QTest::qWait(500);
    malloc_trim(0);
    const long first = rssKilobytes();
    // MIRATO_SOAK_SMAPS=PREFIX keeps the memory map at both points, to see what grew.
    const QString smaps = qEnvironmentVariable("MIRATO_SOAK_SMAPS");
    if (!smaps.isEmpty())
        keepSmaps(smaps + QStringLiteral(".first"));
    for (int change = 0; change < changes; ++change) {
        const int before = player.currentIndex();
        player.next();
        if (!QTest::qWaitFor(
                [&] {
                    return player.currentIndex() != before &&
                           player.playState() == PlayState::Playing;
                },
                5000))
            return 1;
        QTest::qWait(30);  // the window and the sync take their turns
        if (qEnvironmentVariableIsSet("MIRATO_SOAK_STEPS") &&
            (change < 5 || change == 9 || change == 49 || change == 99)) {
            QTest::qWait(500);
            malloc_trim(0);
            std::printf("  after %d changes %.1f MiB\n", change + 1, rssKilobytes() / 1024.0);
        }
        if (change % 300 == 299) {  // the list handed over again, as a second start does
            player.setUrl(m3u.fileName());
            if (qEnvironmentVariableIsSet("MIRATO_SOAK_STEPS")) {
                malloc_trim(0);
                std::printf("  after %d changes %.1f MiB\n", change + 1, rssKilobytes() / 1024.0);
            }
        }
    }
    QTest::qWait(500);
    malloc_trim(0);
    const long last = rssKilobytes();
    if (!smaps.isEmpty())
        keepSmaps(smaps + QStringLiteral(".last"));
    std::printf("soak rss after the first song %.1f MiB, after %d changes %.1f MiB (%+.1f MiB)\n",
                first / 1024.0, changes, last / 1024.0, (last - first) / 1024.0);
    return 0;
}

int wav(const QString& file, int seconds) {
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return 1;
    const int rate = 44100;
    const quint32 samples = static_cast<quint32>(rate) * seconds;
    auto le = [&](quint32 value, int bytes) {
        for (int i = 0; i < bytes; ++i)
            out.putChar(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    out.write("RIFF");
    le(36 + samples * 4, 4);
    out.write("WAVEfmt ");
    le(16, 4), le(1, 2), le(2, 2), le(rate, 4), le(rate * 4, 4), le(4, 2), le(16, 2);
    out.write("data");
    le(samples * 4, 4);
    QByteArray block;
    for (quint32 i = 0; i < samples; ++i) {
        // A chord that moves, so the encoder has something to do.
        const double t = double(i) / rate;
        const double v = 0.2 * std::sin(2 * M_PI * 220 * t) + 0.15 * std::sin(2 * M_PI * 277 * t) +
                         0.1 * std::sin(2 * M_PI * (330 + 30 * std::sin(t)) * t);
        const auto s = static_cast<quint16>(static_cast<qint16>(v * 32767));
        for (int channel = 0; channel < 2; ++channel) {
            block.append(static_cast<char>(s & 0xFF));
            block.append(static_cast<char>(s >> 8));
        }
        if (block.size() > 1 << 16) {
            out.write(block);
            block.clear();
        }
    }
    out.write(block);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    ProcessMemory::useOneArena();  // as the program does
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() >= 3 && args.at(1) == QLatin1String("cpu"))
        return cpu(args.at(2));
    if (args.size() >= 3 && args.at(1) == QLatin1String("start"))
        return start(args.at(2), args.size() >= 4 && args.at(3) == QLatin1String("warm"));
    if (args.size() >= 2 && args.at(1) == QLatin1String("dispatch"))
        return dispatch();
    if (args.size() >= 2 && args.at(1) == QLatin1String("lyrics"))
        return lyrics();
    if (args.size() >= 2 && args.at(1) == QLatin1String("lateness"))
        return lyricsLateness();
    if (args.size() >= 2 && args.at(1) == QLatin1String("entities"))
        return entities();
    if (args.size() >= 2 && args.at(1) == QLatin1String("completion"))
        return completion();
    if (args.size() >= 2 && args.at(1) == QLatin1String("answers"))
        return answers(args.value(2) == QLatin1String("desktop"));
    if (args.size() >= 2 && args.at(1) == QLatin1String("calculator"))
        return calculator();
    if (args.size() >= 2 && args.at(1) == QLatin1String("soak"))
        return soak(args.size() >= 3 ? args.at(2).toInt() : 1000);
    if (args.size() >= 2 && args.at(1) == QLatin1String("gaps"))
        return gaps(args.size() >= 3 ? args.at(2).toInt() : 20);
    if (args.size() >= 4 && args.at(1) == QLatin1String("wav"))
        return wav(args.at(2), args.at(3).toInt());
    std::fprintf(
        stderr,
        "usage: mirato-bench cpu FILE | start FILE [warm] | lyrics | dispatch | soak "
        "[CHANGES] | entities | completion | answers | calculator | lateness | gaps [CHANGES] | "
        "wav FILE SECONDS\n");
    return 2;
}
