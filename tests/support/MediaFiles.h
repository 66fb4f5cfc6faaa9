#pragma once

#include <QByteArray>
#include <QString>

namespace mirato::test {

// Small media files made on the spot, so the tests need no sample files.

// A mono 16-bit WAV of a quiet tone.
QByteArray wavTone(double seconds, int sampleRate = 22050);
// A Standard MIDI file playing one note after another, `notes` quarter notes at 120 bpm
// (half a second each).
QByteArray midiNotes(int notes);

}  // namespace mirato::test
