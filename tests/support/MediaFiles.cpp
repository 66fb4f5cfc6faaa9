#include "support/MediaFiles.h"

#include <QtEndian>
#include <cmath>

namespace mirato::test {

namespace {

void appendLe(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void appendBe(QByteArray& out, quint32 value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

QByteArray wavTone(double seconds, int sampleRate) {
    const quint32 samples = static_cast<quint32>(seconds * sampleRate);
    QByteArray out("RIFF");
    appendLe(out, 36 + samples * 2, 4);
    out.append("WAVEfmt ");
    appendLe(out, 16, 4);
    appendLe(out, 1, 2);  // PCM
    appendLe(out, 1, 2);  // mono
    appendLe(out, sampleRate, 4);
    appendLe(out, sampleRate * 2, 4);
    appendLe(out, 2, 2);
    appendLe(out, 16, 2);
    out.append("data");
    appendLe(out, samples * 2, 4);
    for (quint32 i = 0; i < samples; ++i) {
        const auto value = static_cast<qint16>(2000 * std::sin(2 * M_PI * 440 * i / sampleRate));
        appendLe(out, static_cast<quint16>(value), 2);
    }
    return out;
}

QByteArray wavSine(const Sine& sine) {
    const auto bytes = static_cast<quint32>(sine.count * 4);
    QByteArray out("RIFF");
    appendLe(out, 36 + bytes, 4);
    out.append("WAVEfmt ");
    appendLe(out, 16, 4);
    appendLe(out, 1, 2);  // PCM
    appendLe(out, 2, 2);  // stereo
    appendLe(out, sine.rate, 4);
    appendLe(out, sine.rate * 4, 4);
    appendLe(out, 4, 2);
    appendLe(out, 16, 2);
    out.append("data");
    appendLe(out, bytes, 4);
    out.reserve(out.size() + bytes);
    for (qint64 i = sine.from; i < sine.from + sine.count; ++i) {
        const double phase = 2 * M_PI * sine.frequency * static_cast<double>(i) / sine.rate;
        const auto value =
            static_cast<qint16>(std::lround(sine.amplitude * 32767 * std::sin(phase)));
        appendLe(out, static_cast<quint16>(value), 2);
        appendLe(out, static_cast<quint16>(value), 2);
    }
    return out;
}

QByteArray midiNotes(int notes) {
    QByteArray track;
    for (int i = 0; i < notes; ++i) {
        track.append('\x00');
        track.append("\x90", 1);
        track.append(static_cast<char>(60 + i % 12));
        track.append('\x60');
        appendBe(track, 0x8360, 2);  // delta 480 ticks as a variable-length number
        track.append("\x80", 1);
        track.append(static_cast<char>(60 + i % 12));
        track.append('\x40');
    }
    track.append("\x00\xFF\x2F\x00", 4);  // end of track
    QByteArray out("MThd");
    appendBe(out, 6, 4);
    appendBe(out, 0, 2);    // format 0
    appendBe(out, 1, 2);    // one track
    appendBe(out, 480, 2);  // ticks per quarter note
    out.append("MTrk");
    appendBe(out, track.size(), 4);
    out.append(track);
    return out;
}

}  // namespace mirato::test
