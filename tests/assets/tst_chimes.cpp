// The five chimes the build lays into the program folder: short, starting and
// ending in silence, about equally loud, and not alike in their spectra.
#include <QFile>
#include <QTest>

#include <cmath>
#include <vector>

namespace {
struct Wave {
    int rate = 0;
    std::vector<double> samples; // -1..1
};

Wave ReadWav(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    const auto u32 = [&](int at) { return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8
                                          | quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24; };
    const auto u16 = [&](int at) { return quint16(quint8(b[at]) | quint8(b[at + 1]) << 8); };
    if (b.size() < 44 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE" || u16(20) != 1 || u16(22) != 1
        || u16(34) != 16 || b.mid(36, 4) != "data")
        return {};
    Wave w;
    w.rate = static_cast<int>(u32(24));
    const int n = static_cast<int>(u32(40) / 2);
    for (int i = 0; i < n && 44 + 2 * i + 1 < b.size(); ++i)
        w.samples.push_back(qint16(u16(44 + 2 * i)) / 32768.0);
    return w;
}

// Loudness over the 50 ms blocks that are not near silence, in dB.
double GatedLoudness(const Wave &w)
{
    const size_t block = w.rate / 20;
    std::vector<double> energy;
    double loudest = 0;
    for (size_t i = 0; i + block <= w.samples.size(); i += block) {
        double e = 0;
        for (size_t j = 0; j < block; ++j)
            e += w.samples[i + j] * w.samples[i + j];
        energy.push_back(e / block);
        loudest = std::max(loudest, e / block);
    }
    double sum = 0;
    int n = 0;
    for (double e : energy)
        if (e > loudest * 1e-3) {
            sum += e;
            ++n;
        }
    return 10 * std::log10(sum / n);
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
            const Wave w = ReadWav(TOCSIMO_SOUND_DIR "/" + name + ".wav");
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
            loudness << GatedLoudness(w);
        }
        const double quietest = *std::min_element(loudness.begin(), loudness.end());
        const double loudest = *std::max_element(loudness.begin(), loudness.end());
        QVERIFY2(loudest - quietest < 4.0, qPrintable(QString("loudness from %1 to %2 dB").arg(quietest).arg(loudest)));
        for (int i = 0; i < waves.size(); ++i)
            for (int j = i + 1; j < waves.size(); ++j) {
                const double c = Correlation(Spectrum(waves[i]), Spectrum(waves[j]));
                QVERIFY2(c < 0.8, qPrintable(names[i] + " sounds like " + names[j] + QString(" (%1)").arg(c)));
            }
    }
};

QTEST_GUILESS_MAIN(TestChimes)
#include "tst_chimes.moc"
