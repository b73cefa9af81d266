// The five chimes the build lays into the program folder: short, starting and
// ending in silence, about equally loud, and not alike in their spectra.
#include "TestWav.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
using TestWav::Wave;

// One second-order section, run over the samples.
std::vector<double> Biquad(const std::vector<double> &x, const double b[3], const double a[3])
{
    std::vector<double> y(x.size());
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (size_t i = 0; i < x.size(); ++i) {
        y[i] = b[0] * x[i] + b[1] * x1 + b[2] * x2 - a[1] * y1 - a[2] * y2;
        x2 = x1;
        x1 = x[i];
        y2 = y1;
        y1 = y[i];
    }
    return y;
}

// Loudness as a listener hears it (ITU-R BS.1770), in LUFS: the samples
// weighted as the ear weighs them (a shelf lifting the treble, a high-pass
// below 40 Hz), then the mean square over 400 ms blocks, every 100 ms,
// leaving out blocks of near silence and blocks 10 LU below the rest.
double Loudness(const Wave &w)
{
    constexpr double pi = 3.14159265358979;
    double k = std::tan(pi * 1681.974450955533 / w.rate);
    const double q1 = 0.7071752369554196, vh = std::pow(10.0, 3.999843853973347 / 20);
    const double vb = std::pow(vh, 0.4996667741545416), a0 = 1 + k / q1 + k * k;
    const double shelfB[3] = {(vh + vb * k / q1 + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / q1 + k * k) / a0};
    const double shelfA[3] = {1, 2 * (k * k - 1) / a0, (1 - k / q1 + k * k) / a0};
    k = std::tan(pi * 38.13547087602444 / w.rate);
    const double q2 = 0.5003270373238773, d = 1 + k / q2 + k * k;
    const double highB[3] = {1, -2, 1};
    const double highA[3] = {1, 2 * (k * k - 1) / d, (1 - k / q2 + k * k) / d};
    const std::vector<double> y = Biquad(Biquad(w.samples, shelfB, shelfA), highB, highA);

    const size_t block = w.rate * 4 / 10, step = w.rate / 10;
    std::vector<double> blocks;
    for (size_t i = 0; i + block <= y.size(); i += step) {
        double z = 0;
        for (size_t j = i; j < i + block; ++j)
            z += y[j] * y[j];
        blocks.push_back(z / block);
    }
    const auto lufs = [](double z) { return -0.691 + 10 * std::log10(z); };
    const auto gatedMean = [&](double gate) {
        double sum = 0;
        int n = 0;
        for (double z : blocks)
            if (lufs(z) > gate) {
                sum += z;
                ++n;
            }
        return n ? sum / n : 0.0;
    };
    return lufs(gatedMean(lufs(gatedMean(-70)) - 10));
}

// The sound's spectrum, coarsely: the level at 36 frequencies spaced evenly
// on a musical scale from 60 Hz to 6 kHz (Goertzel), in dB.
std::vector<double> Spectrum(const Wave &w)
{
    std::vector<double> levels;
    for (int k = 0; k < 36; ++k) {
        const double f = 60 * std::pow(100.0, k / 35.0);
        const double coeff = 2 * std::cos(2 * 3.14159265358979 * f / w.rate);
        double s1 = 0, s2 = 0;
        for (double x : w.samples) {
            const double s0 = x + coeff * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        levels.push_back(10 * std::log10(1e-9 + s1 * s1 + s2 * s2 - coeff * s1 * s2));
    }
    return levels;
}

// How alike two spectra are: their correlation, from -1 to 1.
double Correlation(const std::vector<double> &a, const std::vector<double> &b)
{
    double ma = 0, mb = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        ma += a[i];
        mb += b[i];
    }
    ma /= a.size();
    mb /= b.size();
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return ab / std::sqrt(aa * bb);
}
} // namespace

class TestChimes : public QObject {
    Q_OBJECT
private slots:
    void chimesAreShortCleanAndEquallyLoud()
    {
        const QStringList names = {"Chime", "Mac", "Rooster", "Boom", "Yee Haa"};
        QList<Wave> waves;
        QList<double> loudness;
        for (const QString &name : names) {
            const Wave w = TestWav::Read(TOCSIMO_SOUND_DIR "/" + name + ".wav");
            QVERIFY2(w.rate > 0 && !w.samples.empty(), qPrintable(name));
            const double seconds = double(w.samples.size()) / w.rate;
            QVERIFY2(seconds > 0.5 && seconds < 2.0, qPrintable(name + QString(": %1 s").arg(seconds)));
            // No click: from silence and back to it, rising and falling over
            // a few milliseconds rather than jumping.
            QVERIFY2(std::abs(w.samples.front()) < 0.001 && std::abs(w.samples.back()) < 0.001, qPrintable(name));
            const int ms = w.rate / 1000;
            for (int i = 0; i < ms; ++i) {
                QVERIFY2(std::abs(w.samples[i]) < 0.1, qPrintable(name + " starts with a click"));
                QVERIFY2(std::abs(w.samples[w.samples.size() - 1 - i]) < 0.1, qPrintable(name + " ends with a click"));
            }
            double peak = 0;
            for (double s : w.samples)
                peak = std::max(peak, std::abs(s));
            QVERIFY2(peak < 0.99, qPrintable(name + " clips"));
            waves << w;
            loudness << Loudness(w);
        }
        const double quietest = *std::min_element(loudness.begin(), loudness.end());
        const double loudest = *std::max_element(loudness.begin(), loudness.end());
        QVERIFY2(loudest - quietest < 4.0, qPrintable(QString("loudness from %1 to %2 LUFS").arg(quietest).arg(loudest)));
        for (int i = 0; i < waves.size(); ++i)
            for (int j = i + 1; j < waves.size(); ++j) {
                const double c = Correlation(Spectrum(waves[i]), Spectrum(waves[j]));
                QVERIFY2(c < 0.8, qPrintable(names[i] + " sounds like " + names[j] + QString(" (%1)").arg(c)));
            }
    }
};

QTEST_GUILESS_MAIN(TestChimes)
#include "tst_chimes.moc"
