#include <gtest/gtest.h>
#include <qsystemdetection.h>
#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>
#include <vector>

#include "components/MediaPlayer.h"
#include "support/MediaFiles.h"
#include "support/TempEnvironment.h"

using namespace mirato;
using mirato::test::Sine;
using mirato::test::TempEnvironment;

namespace {

// How far into its item the player is, in seconds; -1 when nothing is loaded.
double secondsIn(const MediaControl& player) {
    const auto position = player.position();
    return position ? std::chrono::duration<double>(*position).count() : -1;
}

constexpr int kRate = 44100;

#ifndef Q_OS_WIN
// A sound card stand-in: the engine writes raw 16-bit stereo samples at 44.1 kHz into a FIFO,
// which this reads at four times the pace of playback, as a card takes them in time. Each time
// the engine opens its output afresh is one more run of samples: a list played without a
// break is one run.
class PacedListener {
public:
    explicit PacedListener(QString fifo) : fifo_(std::move(fifo)) {
        ::mkfifo(fifo_.toLocal8Bit().constData(), 0600);
        thread_ = std::thread([this] { listen(); });
    }
    ~PacedListener() {
        done_ = true;
        // Lets a reader that waits for the engine to open the FIFO go.
        const int fd = ::open(fifo_.toLocal8Bit().constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0)
            ::close(fd);
        thread_.join();
    }
    std::vector<QByteArray> runs() {
        std::lock_guard<std::mutex> lock(mutex_);
        return runs_;
    }

private:
    void listen() {
        constexpr int kChunk = kRate / 10 * 4;  // a tenth of a second
        std::vector<char> chunk(kChunk);
        while (!done_) {
            const int fd = ::open(fifo_.toLocal8Bit().constData(), O_RDONLY);
            if (fd < 0)
                return;
            QByteArray run;
            ssize_t got = 0;
            while ((got = ::read(fd, chunk.data(), chunk.size())) > 0) {
                run.append(chunk.data(), got);
                std::this_thread::sleep_for(std::chrono::milliseconds(25));
            }
            ::close(fd);
            if (!run.isEmpty()) {
                std::lock_guard<std::mutex> lock(mutex_);
                runs_.push_back(run);
            }
        }
    }

    const QString fifo_;
    std::atomic<bool> done_{false};
    std::mutex mutex_;
    std::vector<QByteArray> runs_;
    std::thread thread_;
};
using Card = PacedListener;
#else
// Windows has no FIFO: the engine writes into a file at its own pace. Opening the output afresh
// starts the file anew, so what a list left there is one run only if it was never reopened.
class CardFile {
public:
    explicit CardFile(QString path) : path_(std::move(path)) { QFile::remove(path_); }
    std::vector<QByteArray> runs() const {
        QFile file(path_);
        if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
            return {};
        return {file.readAll()};
    }

private:
    const QString path_;
};
using Card = CardFile;
#endif

// What is heard when a list plays, through the real engine.
class HeardTest : public ::testing::Test {
protected:
    HeardTest() {
        env.set("MIRATO_AUDIO_OUTPUT", QStringLiteral("pcm:") + env.path("card"));
        player.setVolume(100);  // the samples as decoded
    }

    // A song made of a range of the sine, as WAV or as MP3 with the ID3 text frames given
    // ("TXXX=REPLAYGAIN_TRACK_GAIN=-6.00 dB").
    QString song(const QString& name, const Sine& sine, const QStringList& frames = {}) {
        const QString base = name.section(QLatin1Char('.'), 0, 0);
        const QString wav = env.writeFile(base + ".wav", mirato::test::wavSine(sine));
        if (!name.endsWith(QLatin1String(".mp3")))
            return wav;
        QStringList arguments{"--quiet", "--noreplaygain", "-b", "192"};
        for (const QString& frame : frames)
            arguments << "--tv" << frame;
        const QString mp3 = env.path(name);
        EXPECT_EQ(QProcess::execute("lame", arguments << wav << mp3), 0);
        return mp3;
    }

    // Plays the songs as a list to its end; the left channel of what was heard, when it was
    // heard in one run.
    std::vector<qint16> play(const QStringList& songs) {
        Card card(env.path("card"));
        QStringList told;
        const QMetaObject::Connection telling = QObject::connect(
            &player, &MediaControl::itemChanged, [&](const QString& item) { told << item; });
        QByteArray list;
        for (const QString& song : songs)
            list += song.toUtf8() + '\n';
        player.setUrl(env.writeFile("list.m3u", list));
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return !told.isEmpty() && told.last().isEmpty(); }, 20000));
        QObject::disconnect(telling);
        EXPECT_EQ(told, QStringList(songs) << QString()) << "the songs, then the end";
        // The output closes when the list has ended.
        EXPECT_TRUE(QTest::qWaitFor([&] { return !card.runs().empty(); }, 2000));
        const std::vector<QByteArray> runs = card.runs();
        EXPECT_EQ(runs.size(), 1u) << "the output was opened again between songs";
        const QByteArray bytes = runs.empty() ? QByteArray() : runs.front();
        std::vector<qint16> left(static_cast<std::size_t>(bytes.size() / 4));
        for (std::size_t i = 0; i < left.size(); ++i) {
            const auto* frame = reinterpret_cast<const uchar*>(bytes.constData() + 4 * i);
            left[i] = static_cast<qint16>(frame[0] | frame[1] << 8);
        }
        return left;
    }

    bool haveEncoder() const { return !QStandardPaths::findExecutable("lame").isEmpty(); }

    TempEnvironment env;
    MediaPlayer player{std::make_unique<EngineLoader>(MIRATO_TEST_BACKEND_DIR)};
};

// The longest run of samples that are (nearly) silent.
std::size_t longestSilence(const std::vector<qint16>& samples) {
    std::size_t run = 0, longest = 0;
    for (const qint16 sample : samples) {
        run = std::abs(sample) <= 8 ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// The largest second difference: a sine's is at most its amplitude times (2 pi f / rate)
// squared (64 here), a click or a jump in phase makes it thousands.
int largestJump(const std::vector<qint16>& samples) {
    int largest = 0;
    for (std::size_t i = 1; i + 1 < samples.size(); ++i)
        largest = std::max(largest, std::abs(samples[i + 1] - 2 * samples[i] + samples[i - 1]));
    return largest;
}

// The samples of [from, to) seconds, as far as there are any.
std::pair<std::size_t, std::size_t> span(const std::vector<qint16>& samples, double from,
                                         double to) {
    return {static_cast<std::size_t>(from * kRate),
            std::min(samples.size(), static_cast<std::size_t>(to * kRate))};
}

// Level in dB of full scale over [from, to) seconds.
double level(const std::vector<qint16>& samples, double from, double to) {
    const auto [first, last] = span(samples, from, to);
    double sum = 0;
    for (std::size_t i = first; i < last; ++i)
        sum += double(samples[i]) * samples[i];
    return last > first ? 10 * std::log10(sum / double(last - first) / (32767.0 * 32767.0)) : -999;
}

// The share of samples at full scale over [from, to) seconds.
double clipped(const std::vector<qint16>& samples, double from, double to) {
    const auto [first, last] = span(samples, from, to);
    std::size_t full = 0;
    for (std::size_t i = first; i < last; ++i)
        full += std::abs(samples[i]) >= 32760;
    return last > first ? double(full) / double(last - first) : 1;
}

// A tone split into three files plays as the one tone: every sample there, in order, with no
// silence or click where one file ends and the next begins, MP3's encoder delay and padding
// taken off.
TEST_F(HeardTest, SongsOfAListJoinWithoutAGap) {
    const QStringList kinds[] = {
        {"1.wav", "2.wav", "3.wav"}, {"1.mp3", "2.mp3", "3.mp3"}, {"1.mp3", "2.wav", "3.mp3"}};
    for (const QStringList& kind : kinds) {
        SCOPED_TRACE(kind.join(' ').toStdString());
        // Without the encoder, WAV only.
        if (kind.join(' ').contains("mp3") && !haveEncoder())
            continue;
        QStringList songs;
        for (int part = 0; part < 3; ++part)
            songs << song(QString::number(part) + kind.at(part), {part * kRate, kRate});
        const std::vector<qint16> heard = play(songs);
        EXPECT_NEAR(double(heard.size()), 3.0 * kRate, kRate / 1000.0) << "samples heard";
        EXPECT_LE(longestSilence(heard), std::size_t(kRate / 1000)) << "silence at a join";
        EXPECT_LT(largestJump(heard), 1000) << "a click at a join";
    }
}

// On an output that plays at the pace of a sound card, the player tells the next song when it
// is heard, not when the engine begins reading it a moment earlier (the gaps themselves, on the
// wall clock, are measured by the benchmarks).
TEST_F(HeardTest, TheNextSongIsToldWhenItIsHeard) {
    env.set("MIRATO_AUDIO_OUTPUT", "null");
    QByteArray list;
    QStringList songs;
    for (int part = 0; part < 4; ++part) {
        songs << song(QString::number(part) + ".wav", {part * kRate, kRate});
        list += songs.last().toUtf8() + '\n';
    }
    QList<double> startsTold;  // the position told with each change
    QObject::connect(&player, &MediaControl::itemChanged, [&](const QString& item) {
        if (!item.isEmpty() && item != songs.first())
            startsTold << secondsIn(player);
    });
    player.setUrl(env.writeFile("list.m3u", list));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return player.currentIndex() == 3 && player.playState() == PlayState::Stopped; },
        15000));
    ASSERT_EQ(startsTold.size(), 3);
    for (const double start : startsTold)
        EXPECT_LT(start, 0.1) << "the next song was told while the last still played";
}

// ReplayGain from the songs' ID3 frames: the track's or the album's gain, never more than
// the peak allows, and the normal level for a song without them.
TEST_F(HeardTest, SongsPlayAtTheLoudnessTheirTagsSay) {
    if (!haveEncoder())
        GTEST_SKIP() << "no MP3 encoder (lame) here";
    const QStringList quieter{
        "TXXX=REPLAYGAIN_TRACK_GAIN=-6.00 dB", "TXXX=REPLAYGAIN_TRACK_PEAK=0.250000",
        "TXXX=REPLAYGAIN_ALBUM_GAIN=-3.00 dB", "TXXX=REPLAYGAIN_ALBUM_PEAK=0.250000"};
    const QStringList asIs{
        "TXXX=REPLAYGAIN_TRACK_GAIN=+0.00 dB", "TXXX=REPLAYGAIN_TRACK_PEAK=0.250000",
        "TXXX=REPLAYGAIN_ALBUM_GAIN=-3.00 dB", "TXXX=REPLAYGAIN_ALBUM_PEAK=0.250000"};
    // +6 dB asked of a song that peaks at 0.9: it may only rise to full scale.
    const QStringList tooLoud{"TXXX=REPLAYGAIN_TRACK_GAIN=+6.00 dB",
                              "TXXX=REPLAYGAIN_TRACK_PEAK=0.900000"};
    const QStringList songs{song("a.mp3", {0, kRate, 0.25}, quieter),
                            song("b.mp3", {0, kRate, 0.25}, asIs), song("c.mp3", {0, kRate, 0.25}),
                            song("d.mp3", {0, kRate, 0.9}, tooLoud)};
    const double quarter = 20 * std::log10(0.25 / std::sqrt(2.0));  // the sine's own level
    const double nine = 20 * std::log10(0.9 / std::sqrt(2.0));
    struct Case {
        Loudness loudness;
        double a, b, c, d;  // each song's level against its own
    };
    const Case cases[] = {{Loudness::Track, -6, 0, 0, 20 * std::log10(1 / 0.9)},
                          {Loudness::Album, -3, -3, 0, 20 * std::log10(1 / 0.9)},
                          {Loudness::Off, 0, 0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(SettingKeys::kLoudness.print(c.loudness).toStdString());
        player.setLoudness(c.loudness);
        const std::vector<qint16> heard = play(songs);
        EXPECT_NEAR(level(heard, 0.1, 0.9) - quarter, c.a, 0.5);
        EXPECT_NEAR(level(heard, 1.1, 1.9) - quarter, c.b, 0.5);
        EXPECT_NEAR(level(heard, 2.1, 2.9) - quarter, c.c, 0.5);
        EXPECT_NEAR(level(heard, 3.1, 3.9) - nine, c.d, 0.5);
        EXPECT_LT(clipped(heard, 3, 4), 0.02) << "clipped";
    }
}

}  // namespace
