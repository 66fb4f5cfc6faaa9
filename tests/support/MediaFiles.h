#pragma once

#include <QByteArray>
#include <QString>

namespace mirato::test {

// Small media files made on the spot, so the tests need no sample files.

// A mono 16-bit WAV of a quiet tone.
QByteArray wavTone(double seconds, int sampleRate = 22050);
// A stereo 16-bit WAV holding samples [from, from + count) of one endless sine: files made
// from consecutive ranges join into one unbroken tone.
struct Sine {
    qint64 from = 0;
    qint64 count = 44100;
    double amplitude = 0.5;  // of full scale
    double frequency = 441;
    int rate = 44100;
};
QByteArray wavSine(const Sine& sine);
// A Standard MIDI file playing one note after another, `notes` quarter notes at 120 bpm
// (half a second each).
QByteArray midiNotes(int notes);

}  // namespace mirato::test
