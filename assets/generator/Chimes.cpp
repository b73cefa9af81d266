#include "generator/Chimes.h"

#include "generator/Sound.h"
#include "generator/WavFile.h"

#include <QList>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

namespace {
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2 * kPi;
constexpr int kRate = Chimes::kRate;

int Samples(double seconds)
{
    return static_cast<int>(seconds * kRate);
}

// The samples as the ear weighs them (the K weighting of loudness meters: a
// shelf lifting the treble by 4 dB, a high-pass below 40 Hz), so a deep drum
// and a shout brought to one level sound about as loud.
std::vector<double> EarWeighted(const std::vector<float> &samples)
{
    struct Section {
        double b0, b1, b2, a1, a2;
    };
    double k = std::tan(kPi * 1681.974450955533 / kRate);
    const double q1 = 0.7071752369554196, vh = std::pow(10.0, 3.999843853973347 / 20);
    const double vb = std::pow(vh, 0.4996667741545416), d1 = 1 + k / q1 + k * k;
    const Section shelf{(vh + vb * k / q1 + k * k) / d1, 2 * (k * k - vh) / d1, (vh - vb * k / q1 + k * k) / d1,
                        2 * (k * k - 1) / d1, (1 - k / q1 + k * k) / d1};
    k = std::tan(kPi * 38.13547087602444 / kRate);
    const double q2 = 0.5003270373238773, d2 = 1 + k / q2 + k * k;
    const Section highPass{1, -2, 1, 2 * (k * k - 1) / d2, (1 - k / q2 + k * k) / d2};

    std::vector<double> out(samples.begin(), samples.end());
    for (const Section &s : {shelf, highPass}) {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (double &v : out) {
            const double y = s.b0 * v + s.b1 * x1 + s.b2 * x2 - s.a1 * y1 - s.a2 * y2;
            x2 = x1;
            x1 = v;
            y2 = y1;
            y1 = v = y;
        }
    }
    return out;
}

// A struck bell: inharmonic partials, the higher ones dying sooner.
void AddBell(std::vector<float> &out, double at, double pitch, double gain)
{
    struct Partial {
        double ratio, amp, decay;
    };
    static const Partial partials[] = {
        {0.5, 0.25, 1.2}, {1.0, 1.0, 0.9}, {1.19, 0.35, 0.6}, {1.5, 0.3, 0.5},
        {2.0, 0.45, 0.45}, {2.74, 0.2, 0.3}, {3.76, 0.1, 0.2},
    };
    const int start = Samples(at);
    for (int i = start; i < static_cast<int>(out.size()); ++i) {
        const double t = double(i - start) / kRate;
        const double attack = std::min(1.0, t / 0.003);
        double v = 0;
        for (const Partial &p : partials)
            v += p.amp * std::exp(-t / p.decay) * std::sin(kTwoPi * pitch * p.ratio * t);
        out[i] += static_cast<float>(gain * attack * v);
    }
}

// The magnitude of a resonance (a formant) at frequency f, 1 at 0 Hz.
double Resonance(double f, double centre, double bandwidth)
{
    const double x = f / centre;
    return 1.0 / std::sqrt((1 - x * x) * (1 - x * x) + (f * bandwidth / (centre * centre)) * (f * bandwidth / (centre * centre)));
}

struct Formants {
    double f1, f2, f3;
};

Formants Blend(const Formants &a, const Formants &b, double k)
{
    return {a.f1 + (b.f1 - a.f1) * k, a.f2 + (b.f2 - a.f2) * k, a.f3 + (b.f3 - a.f3) * k};
}

// A voiced sound: the harmonics of a glottal buzz shaped by three formants.
// pitch, formants and level are functions of the time since `at`.
void AddVoice(std::vector<float> &out, double at, double length, const std::function<double(double)> &pitch,
              const std::function<Formants(double)> &formants, const std::function<double(double)> &level,
              double breath = 0.0)
{
    static std::mt19937 noise(7);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    const int start = Samples(at);
    const int end = std::min(static_cast<int>(out.size()), start + Samples(length));
    std::vector<double> phase(40, 0.0);
    double lowpassed = 0;
    for (int i = start; i < end; ++i) {
        const double t = double(i - start) / kRate;
        const double f0 = pitch(t);
        const Formants f = formants(t);
        double v = 0;
        for (int k = 1; k < static_cast<int>(phase.size()) && k * f0 < 6000; ++k) {
            phase[k] += kTwoPi * k * f0 / kRate;
            const double fk = k * f0;
            const double shape = Resonance(fk, f.f1, 90) * 0.9 + Resonance(fk, f.f2, 120) * 0.5
                + Resonance(fk, f.f3, 180) * 0.25;
            v += shape / k * std::sin(phase[k]);
        }
        lowpassed += 0.3 * (uniform(noise) - lowpassed);
        v += breath * 4.0 * lowpassed;
        out[i] += static_cast<float>(level(t) * v);
    }
}

// Rises over `rise` seconds, holds, and falls over the last `fall` seconds.
std::function<double(double)> Swell(double length, double rise, double fall)
{
    return [=](double t) {
        if (t < rise)
            return 0.5 - 0.5 * std::cos(kPi * t / rise);
        if (t > length - fall)
            return std::max(0.0, 0.5 + 0.5 * std::cos(kPi * (t - (length - fall)) / fall));
        return 1.0;
    };
}

QByteArray ChimeFile(std::vector<float> (*make)())
{
    return WavFile::Pcm16Mono(Chimes::Finish(make()), kRate);
}

const QList<Sound> &AllSounds()
{
    static const QList<Sound> sounds = {
        {QStringLiteral("sound/Chime.wav"), [] { return ChimeFile(Chimes::Chime); }},
        {QStringLiteral("sound/Mac.wav"), [] { return ChimeFile(Chimes::Mac); }},
        {QStringLiteral("sound/Rooster.wav"), [] { return ChimeFile(Chimes::Rooster); }},
        {QStringLiteral("sound/Boom.wav"), [] { return ChimeFile(Chimes::Boom); }},
        {QStringLiteral("sound/Yee Haa.wav"), [] { return ChimeFile(Chimes::YeeHaa); }},
    };
    return sounds;
}
} // namespace

const Sound *FindSound(const QString &path)
{
    for (const Sound &s : AllSounds())
        if (s.path == path)
            return &s;
    return nullptr;
}

std::vector<float> Chimes::Chime()
{
    std::vector<float> out(Samples(1.9));
    AddBell(out, 0.00, 783.99, 1.0); // G5
    AddBell(out, 0.38, 659.26, 1.0); // E5
    AddBell(out, 0.76, 523.25, 1.1); // C5
    return out;
}

std::vector<float> Chimes::Mac()
{
    // F sharp major, spread over two octaves, on a soft sawtooth-like tone.
    const double notes[] = {92.50, 185.00, 277.18, 369.99, 466.16, 554.37};
    const double length = 1.7;
    std::vector<float> out(Samples(length));
    for (int i = 0; i < static_cast<int>(out.size()); ++i) {
        const double t = double(i) / kRate;
        const double env = std::min(1.0, t / 0.025) * (0.35 + 0.65 * std::exp(-t / 0.5));
        double v = 0;
        for (double note : notes)
            for (int k = 1; k <= 8; ++k) {
                const double detune = 1.0 + 0.0015 * ((k % 2) ? 1 : -1);
                v += std::pow(k, -1.6) * std::sin(kTwoPi * note * k * detune * t + k);
            }
        out[i] = static_cast<float>(env * v);
    }
    return out;
}

std::vector<float> Chimes::Rooster()
{
    // Cock - a - doodle - doooo: four calls, the last one long, with a harsh,
    // bright voice.
    std::vector<float> out(Samples(1.75));
    const Formants harsh{900, 1700, 2900};
    const Formants open{1100, 1900, 3100};
    struct Call {
        double at, length, from, to;
    };
    const Call calls[] = {
        {0.00, 0.13, 520, 600}, {0.17, 0.10, 600, 560}, {0.31, 0.16, 640, 700}, {0.52, 1.15, 720, 0},
    };
    for (const Call &c : calls) {
        const bool last = c.to == 0;
        auto pitch = [c, last](double t) {
            if (!last)
                return c.from + (c.to - c.from) * t / c.length;
            // Up, a long wavering hold, then a fall.
            const double rise = std::min(1.0, t / 0.12);
            const double fall = t > 0.75 ? (t - 0.75) / (c.length - 0.75) : 0.0;
            return c.from + 180 * rise - 330 * fall * fall + 14 * std::sin(kTwoPi * 7 * t);
        };
        auto formants = [&, last](double t) { return last ? Blend(harsh, open, std::min(1.0, t / 0.3)) : harsh; };
        AddVoice(out, c.at, c.length, pitch, formants, Swell(c.length, 0.02, last ? 0.35 : 0.04), 0.05);
    }
    return out;
}

std::vector<float> Chimes::Boom()
{
    // A deep drum: a falling tone with a touch of overtone for small speakers,
    // struck with a short thump of noise.
    const double length = 1.4;
    std::vector<float> out(Samples(length));
    std::mt19937 noise(11);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    double phase = 0, lowpassed = 0;
    for (int i = 0; i < static_cast<int>(out.size()); ++i) {
        const double t = double(i) / kRate;
        const double f = 48 + 95 * std::exp(-t / 0.09);
        phase += kTwoPi * f / kRate;
        const double body = std::exp(-t / 0.42) * (std::sin(phase) + 0.45 * std::sin(2 * phase + 0.3)
                                                   + 0.2 * std::sin(3 * phase + 0.7));
        lowpassed += 0.08 * (uniform(noise) - lowpassed);
        const double thump = 2.5 * std::exp(-t / 0.025) * lowpassed;
        // A little saturation makes the boom fuller, as a real drum sounds.
        out[i] = static_cast<float>(std::tanh(1.6 * (body + thump)) * std::min(1.0, t / 0.002));
    }
    return out;
}

std::vector<float> Chimes::YeeHaa()
{
    std::vector<float> out(Samples(1.6));
    // "Yee": a glide into a bright i, rising.
    const Formants y{250, 2500, 3200};
    const Formants ee{290, 2250, 3000};
    AddVoice(
        out, 0.0, 0.5, [](double t) { return 260 + 200 * std::min(1.0, t / 0.35); },
        [&](double t) { return Blend(y, ee, std::min(1.0, t / 0.12)); }, Swell(0.5, 0.04, 0.08), 0.02);
    // "Haa": breath, then an open a falling away with a little vibrato.
    const Formants h{700, 1200, 2500};
    const Formants aa{780, 1180, 2600};
    AddVoice(
        out, 0.56, 1.0,
        [](double t) { return 480 - 210 * std::min(1.0, t / 0.9) + 8 * std::sin(kTwoPi * 6 * t); },
        [&](double t) { return Blend(h, aa, std::min(1.0, t / 0.1)); },
        [](double t) {
            const double voiced = std::min(1.0, std::max(0.0, (t - 0.05) / 0.06));
            return voiced * (t > 0.7 ? std::max(0.0, 0.5 + 0.5 * std::cos(kPi * (t - 0.7) / 0.3)) : 1.0);
        },
        0.0);
    // The h itself: a short puff of breath before the vowel.
    std::mt19937 noise(3);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    double a = 0, b = 0;
    const int start = Samples(0.56);
    for (int i = 0; i < Samples(0.12); ++i) {
        const double t = double(i) / kRate;
        a += 0.35 * (uniform(noise) - a);
        b += 0.35 * (a - b);
        const double env = std::sin(kPi * std::min(1.0, t / 0.12));
        out[start + i] += static_cast<float>(0.6 * env * (a - b));
    }
    return out;
}

std::vector<float> Chimes::Finish(std::vector<float> samples)
{
    // Loudness as heard, over the 50 ms blocks that are not near silence, so
    // a long quiet tail does not make a sound seem softer than it is.
    const std::vector<double> weighted = EarWeighted(samples);
    const int block = kRate / 20;
    std::vector<double> energies;
    double loudest = 0;
    for (size_t i = 0; i + block <= weighted.size(); i += block) {
        double e = 0;
        for (int j = 0; j < block; ++j)
            e += weighted[i + j] * weighted[i + j];
        energies.push_back(e / block);
        loudest = std::max(loudest, e / block);
    }
    double sum = 0;
    int count = 0;
    for (double e : energies)
        if (e > loudest * 1e-3) {
            sum += e;
            ++count;
        }
    const double rms = count ? std::sqrt(sum / count) : 1.0;
    constexpr double kTargetRms = 0.16; // about -16 dBFS
    constexpr double kMaxPeak = 0.89;   // -1 dBFS
    double gain = rms > 0 ? kTargetRms / rms : 1.0;
    float peak = 0;
    for (float s : samples)
        peak = std::max(peak, std::abs(s));
    if (peak * gain > kMaxPeak)
        gain = kMaxPeak / peak;

    // Short fades at both ends: the first and last samples are exactly 0.
    const int fadeIn = kRate / 200;  // 5 ms
    const int fadeOut = kRate / 25;  // 40 ms
    const int n = static_cast<int>(samples.size());
    for (int i = 0; i < n; ++i) {
        double g = gain;
        if (i < fadeIn)
            g *= 0.5 - 0.5 * std::cos(kPi * i / fadeIn);
        if (i >= n - fadeOut)
            g *= 0.5 - 0.5 * std::cos(kPi * (n - 1 - i) / fadeOut);
        samples[i] = static_cast<float>(samples[i] * g);
    }
    return samples;
}
