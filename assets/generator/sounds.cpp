#include "sounds.h"

#include <QDataStream>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <numbers>

Tone DingTone() {
    // C6 with a few soft harmonics: a clear, short chime.
    return {1046.5, 0.30, {{1.0, 1.0, 0.090}, {2.0, 0.30, 0.050}, {3.0, 0.10, 0.030}}};
}

Tone BellTone() {
    // E5 with the uneven partials of a small bell (hum, fundamental, minor
    // third, fifth, octave, upper partial), the high ones dying first.
    return {659.25,
            0.32,
            {{0.5, 0.30, 0.160},
             {1.0, 1.00, 0.140},
             {1.19, 0.45, 0.110},
             {1.5, 0.30, 0.090},
             {2.0, 0.35, 0.070},
             {2.74, 0.15, 0.045}}};
}

std::vector<std::int16_t> Synthesize(const Tone& tone) {
    const int count = static_cast<int>(std::lround(tone.seconds * SoundSampleRate));
    const double attack = 0.005;
    const double release = 0.020;
    std::vector<double> wave(count);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / SoundSampleRate;
        double value = 0;
        for (const Partial& partial : tone.partials) {
            value += partial.amplitude * std::exp(-t / partial.decay) *
                     std::sin(2 * std::numbers::pi * tone.fundamental * partial.ratio * t);
        }
        double envelope = 1;
        if (t < attack) {
            envelope = 0.5 - 0.5 * std::cos(std::numbers::pi * t / attack);
        }
        const double left = tone.seconds - t;
        if (left < release) {
            envelope *= 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(0.0, left) / release);
        }
        wave[i] = value * envelope;
    }
    double peak = 0;
    for (double value : wave) {
        peak = std::max(peak, std::abs(value));
    }
    const double gain = peak > 0 ? 0.6 * 32767 / peak : 0;
    std::vector<std::int16_t> samples(count);
    for (int i = 0; i < count; ++i) {
        samples[i] = static_cast<std::int16_t>(std::lround(wave[i] * gain));
    }
    return samples;
}

QByteArray WaveFile(const std::vector<std::int16_t>& samples) {
    const quint32 dataBytes = static_cast<quint32>(samples.size() * 2);
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVE", 4);
    out.writeRawData("fmt ", 4);
    out << quint32(16);                  // format chunk size
    out << quint16(1);                   // PCM
    out << quint16(1);                   // mono
    out << quint32(SoundSampleRate);     // samples per second
    out << quint32(SoundSampleRate * 2); // bytes per second
    out << quint16(2);                   // bytes per sample frame
    out << quint16(16);                  // bits per sample
    out.writeRawData("data", 4);
    out << dataBytes;
    for (std::int16_t sample : samples) {
        out << qint16(sample);
    }
    return bytes;
}
