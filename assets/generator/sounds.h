// The two short cue sounds: a bright "ding" (the cue of several exercises
// and one metronome sound) and a lower, rounder "bell" (the other metronome
// sound). Both are 16-bit mono PCM WAV files.
#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

constexpr int SoundSampleRate = 44100;

struct Partial {
    double ratio;     // frequency as a multiple of the fundamental
    double amplitude; // relative loudness
    double decay;     // seconds for the partial to fall to 1/e
};

struct Tone {
    double fundamental; // Hz
    double seconds;     // total length
    std::vector<Partial> partials;
};

Tone DingTone();
Tone BellTone();

// The tone as samples: a 5 ms raised-cosine attack and a 20 ms fade at the
// end keep both ends free of clicks; the peak is scaled to about -4 dBFS.
std::vector<std::int16_t> Synthesize(const Tone& tone);
QByteArray WaveFile(const std::vector<std::int16_t>& samples);
