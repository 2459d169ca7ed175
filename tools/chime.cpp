// Makes data/sounds/zonaria-alarm.wav, Zonaria's own alarm sound: three soft bell notes rising
// (C6, E6, G6), each a sum of a few partials under an exponential decay. Run by hand:
//   build/bin/chime data/sounds/zonaria-alarm.wav
// 22,050 samples a second, 16-bit mono PCM; about 1.6 seconds.
#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kSeconds = 1.6;
constexpr double kPi = 3.14159265358979323846;

struct Note {
    double start;  // seconds
    double hertz;
};
// A major triad, a fifth of a second apart.
constexpr Note kNotes[] = {{0.0, 1046.50}, {0.2, 1318.51}, {0.4, 1567.98}};
// Partials of a soft bell: the fundamental with two quieter overtones that die away faster.
struct Partial {
    double ratio;
    double gain;
    double decay;  // per second
};
constexpr Partial kPartials[] = {{1.0, 1.0, 3.0}, {2.0, 0.35, 5.0}, {3.0, 0.12, 8.0}};
constexpr double kAttack = 0.006;  // seconds: no click at the start of a note

void PutLe(QByteArray& out, quint32 v, int bytes) {
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: chime OUTPUT.wav\n");
        return 2;
    }
    const int count = static_cast<int>(kSeconds * kRate);
    std::vector<double> mix(static_cast<size_t>(count), 0.0);
    for (const Note& note : kNotes) {
        for (int i = static_cast<int>(note.start * kRate); i < count; ++i) {
            const double t = i / double(kRate) - note.start;
            const double envelope = std::min(1.0, t / kAttack);
            double v = 0;
            for (const Partial& p : kPartials) v += p.gain * std::exp(-p.decay * t) * std::sin(2 * kPi * note.hertz * p.ratio * t);
            mix[static_cast<size_t>(i)] += envelope * v;
        }
    }
    double peak = 0;
    for (double v : mix) peak = std::max(peak, std::fabs(v));
    // A gentle level: half of full scale at the loudest.
    const double scale = peak > 0 ? 0.5 * 32767 / peak : 0;
    // The last 50 ms fade out, so the end is silent.
    const int fade = kRate / 20;
    QByteArray data;
    for (int i = 0; i < count; ++i) {
        const double tail = std::min(1.0, (count - i) / double(fade));
        PutLe(data, static_cast<quint16>(static_cast<qint16>(std::lround(mix[static_cast<size_t>(i)] * scale * tail))), 2);
    }
    QByteArray wav("RIFF");
    PutLe(wav, static_cast<quint32>(36 + data.size()), 4);
    wav.append("WAVEfmt ");
    PutLe(wav, 16, 4);            // format chunk size
    PutLe(wav, 1, 2);             // PCM
    PutLe(wav, 1, 2);             // mono
    PutLe(wav, kRate, 4);         // sample rate
    PutLe(wav, kRate * 2, 4);     // bytes per second
    PutLe(wav, 2, 2);             // block align
    PutLe(wav, 16, 2);            // bits per sample
    wav.append("data");
    PutLe(wav, static_cast<quint32>(data.size()), 4);
    wav.append(data);
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(wav) != wav.size()) {
        std::fprintf(stderr, "chime: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
