// quorel-soundgen: synthesises the platform sounds of the program folder's
// Sound folder (run-in and departure per SOUND stem, the passing train, the
// door sounds and the departure melodies). Plain C++ so the build runs it in
// well under a second.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kRate = 44100;
constexpr double kPi = 3.14159265358979323846;
constexpr double kDt = 1.0 / kRate;

using Buffer = std::vector<float>;

// Deterministic white noise, so every build writes the same files.
struct Noise {
    uint32_t state;
    explicit Noise(uint32_t seed) : state(seed ? seed : 1) {}
    float next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return float(state) / 2147483648.0f - 1.0f;
    }
};

struct OnePole {
    float a = 0, y = 0;
    explicit OnePole(double cutoff) : a(float(1.0 - std::exp(-2.0 * kPi * cutoff / kRate))) {}
    float lp(float x) { return y += a * (x - y); }
    float hp(float x) { return x - lp(x); }
};

// Constant-peak band-pass biquad; the centre can move per sample.
struct BandPass {
    double b0 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    BandPass(double f, double q) { tune(f, q); }
    void tune(double f, double q)
    {
        double w = 2 * kPi * f / kRate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
        b0 = alpha / a0;
        b2 = -alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }
    float run(float x)
    {
        double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return float(y);
    }
};

double smoothstep(double e0, double e1, double x)
{
    double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

int samples(double seconds) { return int(seconds * kRate); }

// A wheel set striking a rail joint: a dull thump and a short metallic ring.
void addClack(Buffer& b, double at, double gain, Noise& n)
{
    int start = samples(at);
    BandPass ring(1400, 3);
    for (int i = 0; i < samples(0.12) && start + i < int(b.size()); ++i) {
        double t = i * kDt;
        double thump = std::sin(2 * kPi * 70 * t) * std::exp(-t / 0.035);
        double metal = ring.run(n.next()) * std::exp(-t / 0.018) * 2.5;
        b[start + i] += float(gain * (0.8 * thump + metal));
    }
}

// The air of the brakes or the doors: broadband noise under an attack and decay.
void addHiss(Buffer& b, double at, double attack, double decay, double gain, double centre, Noise& n)
{
    int start = samples(at);
    BandPass band(centre, 0.7);
    OnePole hp(800);
    for (int i = 0; i < samples(attack + 5 * decay) && start + i < int(b.size()); ++i) {
        double t = i * kDt;
        double env = t < attack ? t / attack : std::exp(-(t - attack) / decay);
        b[start + i] += float(gain * env * band.run(hp.hp(n.next())) * 2);
    }
}

// A struck bell-like tone (the door chime and the melodies): a few inharmonic
// partials with their own decays.
void addBell(Buffer& b, double at, double freq, double length, double gain)
{
    static const double ratio[] = {1.0, 2.0, 3.01, 4.2};
    static const double level[] = {1.0, 0.35, 0.12, 0.05};
    int start = samples(at);
    for (int i = 0; i < samples(length) && start + i < int(b.size()); ++i) {
        double t = i * kDt;
        double attack = std::min(1.0, t / 0.004);
        double v = 0;
        for (int p = 0; p < 4; ++p)
            v += level[p] * std::sin(2 * kPi * freq * ratio[p] * t) * std::exp(-t * (2.2 + 2.5 * p) / length);
        double release = smoothstep(length, length - 0.05, t);
        b[start + i] += float(gain * attack * release * v);
    }
}

// The drive of a train kind: how its motor control sounds.
struct Drive {
    std::string stem;
    bool inverter;          // false: a DC motor under chopper control
    double asyncCarrier;    // fixed carrier tone at low speed (Hz)
    double asyncUntil;      // speed (m/s) up to which the carrier stays fixed
    std::vector<double> modeSpeeds;  // speeds where the pulse mode changes
    std::vector<int> modePulses;     // pulses per motor cycle in each mode
    double toneLevel;
    double harmonics;       // 0 pure, 1 harsh
    double rumbleLevel;
    double squealLevel;
};

Drive driveFor(const std::string& stem)
{
    // An older GTO drive: a low fixed carrier, then several stepped modes.
    if (stem == "gto")
        return {stem, true, 420, 3.0, {3.0, 6.0, 9.5, 13.0}, {27, 15, 9, 5, 3}, 0.30, 0.9, 1.0, 0.5};
    // A newer IGBT drive: a high carrier and fewer, softer steps.
    if (stem == "igbt")
        return {stem, true, 1050, 6.0, {10.0, 15.0}, {15, 9, 5}, 0.16, 0.35, 0.85, 0.3};
    // Permanent-magnet motors: a quiet, smooth whine rising with the speed.
    if (stem == "pmsm")
        return {stem, true, 1500, 0.0, {}, {12}, 0.09, 0.15, 0.7, 0.2};
    // The oldest: a chopper hum at fixed pitch and a loud gear growl.
    return {stem, false, 660, 30.0, {}, {1}, 0.12, 0.6, 1.25, 0.8};
}

// Renders the running gear and drive of a train whose speed (m/s) and
// loudness follow the given functions of time.
template <class Speed, class Loud>
void renderTrain(Buffer& b, const Drive& d, Speed speed, Loud loud, bool braking, uint32_t seed)
{
    Noise n(seed);
    OnePole rumble1(90), rumble2(260), roar(1800);
    double tonePhase = 0, gearPhase = 0, squealPhase = 0;
    double nextJoint = 0.4;
    const double carLength = 20.0, axleGap = 2.5;
    for (size_t i = 0; i < b.size(); ++i) {
        double t = i * kDt;
        double v = speed(t);
        double l = loud(t);
        double vr = std::min(1.0, v / 16.0);
        float w = n.next();
        double body = rumble1.lp(w) * 3.0 * (0.35 + 0.65 * vr) + rumble2.lp(w) * 1.2 * vr + roar.lp(w) * 0.15 * vr * vr;
        double out = d.rumbleLevel * body;

        // Motor: the electrical frequency follows the speed; the heard tone is
        // a carrier fixed at low speed, then pulses per cycle that step by mode.
        double motorHz = 5.5 * v;
        double tone;
        if (!d.inverter) {
            tone = d.asyncCarrier;
        } else if (v < d.asyncUntil) {
            tone = d.asyncCarrier;
        } else {
            size_t mode = 0;
            while (mode < d.modeSpeeds.size() && v >= d.modeSpeeds[mode])
                ++mode;
            tone = std::clamp(motorHz * d.modePulses[mode], 180.0, 2600.0);
        }
        double effort = v > 0.05 ? 1.0 : 0.0;
        tonePhase += 2 * kPi * tone * kDt;
        double s = std::sin(tonePhase);
        double shaped = (1 - d.harmonics) * s + d.harmonics * std::tanh(4 * s) * 0.7;
        out += 1.8 * d.toneLevel * effort * shaped * (0.5 + 0.5 * vr);

        // Gears: a whine at the tooth rate, much louder on the old drive.
        gearPhase += 2 * kPi * (17.0 * v + 1.0) * kDt;
        out += (d.inverter ? 0.05 : 0.22) * vr * std::sin(gearPhase) * (1 + 0.3 * std::sin(gearPhase * 0.5));

        // Friction brakes take over near the halt: a squeal that wavers.
        if (braking && v > 0.02 && v < 3.5) {
            double swell = smoothstep(3.5, 1.5, v) * smoothstep(0.0, 0.4, v);
            squealPhase += 2 * kPi * (3150 + 90 * std::sin(2 * kPi * 5.3 * t)) * kDt;
            out += d.squealLevel * 0.35 * swell * std::sin(squealPhase);
        }
        b[i] += float(out * l);

        // Rail joints pass at one car length per beat, two wheel sets each.
        if (t >= nextJoint && v > 1.2) {
            double g = 1.0 * l * (0.5 + 0.5 * vr) * (d.inverter ? 1.0 : 1.3);
            addClack(b, t, g, n);
            addClack(b, t + axleGap / v, g * 0.85, n);
            nextJoint = t + carLength / v;
        }
    }
}

void fadeEnds(Buffer& b, double in, double out)
{
    int ni = samples(in), no = samples(out);
    for (int i = 0; i < ni && i < int(b.size()); ++i)
        b[i] *= float(smoothstep(0, ni, i));
    for (int i = 0; i < no && i < int(b.size()); ++i)
        b[b.size() - 1 - i] *= float(smoothstep(0, no, i));
}

void normalise(Buffer& b, double peak)
{
    float m = 0;
    for (float s : b)
        m = std::max(m, std::fabs(s));
    if (m > 0)
        for (float& s : b)
            s *= float(peak / m);
}

bool writeWav(const std::string& path, const Buffer& b)
{
    std::ofstream f(path, std::ios::binary);
    auto u32 = [&](uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    uint32_t bytes = uint32_t(b.size() * 2);
    f.write("RIFF", 4);
    u32(36 + bytes);
    f.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(kRate);
    u32(kRate * 2);
    u16(2);
    u16(16);
    f.write("data", 4);
    u32(bytes);
    std::vector<int16_t> pcm(b.size());
    for (size_t i = 0; i < b.size(); ++i)
        pcm[i] = int16_t(std::lround(std::clamp(b[i], -1.0f, 1.0f) * 32767.0f));
    f.write(reinterpret_cast<const char*>(pcm.data()), std::streamsize(bytes));
    return bool(f);
}

// A stopping train: heard from the tunnel mouth, slowing to the halt at 13 s.
Buffer runIn(const Drive& d, uint32_t seed)
{
    const double halt = 13.0, v0 = 17.0;
    Buffer b(samples(14.8), 0.0f);
    auto speed = [=](double t) { return t >= halt ? 0.0 : v0 * std::pow(1 - t / halt, 0.75); };
    auto loud = [=](double t) { return 0.08 + 0.92 * smoothstep(0.0, 6.0, t); };
    renderTrain(b, d, speed, loud, true, seed);
    Noise n(seed + 7);
    // The halt: the car body settles, then the brake cylinders vent.
    for (int i = 0; i < samples(0.4); ++i) {
        double t = i * kDt;
        b[samples(halt) + i] += float(0.6 * std::sin(2 * kPi * 48 * t) * std::exp(-t / 0.09));
    }
    addHiss(b, halt + 0.35, 0.03, 0.35, 0.45, 3500, n);
    fadeEnds(b, 0.2, 0.3);
    normalise(b, 0.79);
    return b;
}

// A departing train: brakes released, accelerating away, fading into the tunnel.
Buffer departure(const Drive& d, uint32_t seed)
{
    const double start = 0.8, accel = 0.85;
    Buffer b(samples(21.5), 0.0f);
    auto speed = [=](double t) { return t < start ? 0.0 : std::min(22.0, accel * (t - start)); };
    auto loud = [=](double t) {
        double tt = std::max(0.0, t - start), x = 0.5 * accel * tt * tt;
        return 1.0 / (1.0 + x / 45.0) * smoothstep(21.5, 17.0, t);
    };
    Noise n(seed + 11);
    addHiss(b, 0.1, 0.02, 0.18, 0.35, 3000, n);
    renderTrain(b, d, speed, loud, false, seed);
    fadeEnds(b, 0.05, 0.5);
    normalise(b, 0.79);
    return b;
}

// A train passing without stopping: it comes out of the tunnel loud and fast,
// the wind and the run of wheels past the platform, then it is gone.
Buffer passing(uint32_t seed)
{
    const double length = 10.0;
    Buffer b(samples(length), 0.0f);
    Drive d = driveFor("igbt");
    auto speed = [](double) { return 21.0; };
    auto loud = [](double t) { return 0.1 + 0.9 * smoothstep(0.0, 2.5, t) * smoothstep(10.0, 7.5, t); };
    renderTrain(b, d, speed, loud, false, seed);
    Noise n(seed + 3);
    OnePole wind(500);
    for (size_t i = 0; i < b.size(); ++i) {
        double t = i * kDt;
        b[i] += float(1.6 * wind.lp(n.next()) * smoothstep(0.5, 3.0, t) * smoothstep(9.8, 6.5, t));
    }
    fadeEnds(b, 0.2, 0.4);
    normalise(b, 0.79);
    return b;
}

// Door chime pitches per slot, a two-note falling call.
struct Chime {
    double high, low;
};
const Chime kChimes[4] = {{1318.5, 1046.5}, {1244.5, 987.8}, {1396.9, 1108.7}, {1174.7, 932.3}};

void addChime(Buffer& b, double at, const Chime& c)
{
    addBell(b, at, c.high, 0.9, 0.5);
    addBell(b, at + 0.42, c.low, 1.2, 0.5);
}

// Doors opening: the chime, the air of the door engines, the rollers, the stop.
Buffer doorsOpen(int slot)
{
    Buffer b(samples(3.0), 0.0f);
    Noise n(100 + slot);
    addChime(b, 0.05, kChimes[slot]);
    addHiss(b, 0.25, 0.08, 0.25, 0.35, 2200, n);
    OnePole roll(180);
    for (int i = samples(0.4); i < samples(1.9); ++i) {
        double t = i * kDt;
        b[i] += float(1.2 * roll.lp(n.next()) * smoothstep(0.4, 0.6, t) * smoothstep(1.9, 1.6, t));
    }
    for (int i = 0; i < samples(0.25); ++i) {
        double t = i * kDt;
        b[samples(1.95) + i] += float(0.35 * std::sin(2 * kPi * 95 * t) * std::exp(-t / 0.05));
    }
    fadeEnds(b, 0.01, 0.3);
    normalise(b, 0.63);
    return b;
}

// One short melody per slot (semitones above A4, beat length), then the
// door chime and the doors shutting.
struct Note {
    int semitone;
    double beats;
};
const std::vector<Note> kMelodies[4] = {
    {{3, 1}, {7, 1}, {10, 1}, {15, 2}, {14, 1}, {10, 1}, {12, 3}},
    {{0, 1}, {4, 1}, {7, 1}, {12, 1}, {11, 1}, {7, 1}, {9, 1}, {12, 3}},
    {{5, 1}, {9, 1}, {12, 2}, {10, 1}, {9, 1}, {7, 1}, {5, 3}},
    {{-2, 1}, {2, 1}, {5, 1}, {9, 1}, {7, 2}, {5, 1}, {10, 3}},
};

Buffer doorsClose(int slot)
{
    const double beat = 0.26;
    Buffer b(samples(5.6), 0.0f);
    double t = 0.05;
    for (const Note& note : kMelodies[slot]) {
        double f = 440.0 * std::pow(2.0, note.semitone / 12.0);
        addBell(b, t, f, std::min(0.9, note.beats * beat + 0.35), 0.42);
        addBell(b, t, f / 2, std::min(0.9, note.beats * beat + 0.35), 0.12);
        t += note.beats * beat;
    }
    double chimeAt = t + 0.35;
    addChime(b, chimeAt, kChimes[slot]);
    Noise n(200 + slot);
    addHiss(b, chimeAt + 1.0, 0.05, 0.2, 0.3, 2200, n);
    for (int i = 0; i < samples(0.3) && samples(chimeAt + 1.6) + i < int(b.size()); ++i) {
        double u = i * kDt;
        b[samples(chimeAt + 1.6) + i] += float(0.45 * std::sin(2 * kPi * 80 * u) * std::exp(-u / 0.06));
    }
    fadeEnds(b, 0.01, 0.3);
    normalise(b, 0.63);
    return b;
}

std::vector<std::string> readStems(const std::string& path)
{
    std::vector<std::string> stems;
    std::ifstream f(path);
    std::string line;
    while (std::getline(f, line)) {
        line.erase(line.find_last_not_of(" \t\r") + 1);
        if (!line.empty() && line[0] != '#')
            stems.push_back(line);
    }
    return stems;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string stemsPath, outDir, stamp;
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string k = argv[i];
        if (k == "--stems")
            stemsPath = argv[i + 1];
        else if (k == "--out")
            outDir = argv[i + 1];
        else if (k == "--stamp")
            stamp = argv[i + 1];
    }
    if (stemsPath.empty() || outDir.empty()) {
        std::cerr << "usage: quorel-soundgen --stems sounds.txt --out DIR [--stamp FILE]\n";
        return 2;
    }
    std::vector<std::string> stems = readStems(stemsPath);
    if (stems.empty()) {
        std::cerr << "no sound stems in " << stemsPath << "\n";
        return 1;
    }
    bool ok = true;
    uint32_t seed = 1;
    for (const std::string& stem : stems) {
        Drive d = driveFor(stem);
        ok &= writeWav(outDir + "/" + stem + "_s.wav", runIn(d, seed++));
        ok &= writeWav(outDir + "/" + stem + "_r.wav", departure(d, seed++));
    }
    ok &= writeWav(outDir + "/exp.wav", passing(99));
    for (int slot = 0; slot < 4; ++slot) {
        ok &= writeWav(outDir + "/open" + std::to_string(slot + 1) + ".wav", doorsOpen(slot));
        ok &= writeWav(outDir + "/close" + std::to_string(slot + 1) + ".wav", doorsClose(slot));
    }
    if (!ok) {
        std::cerr << "cannot write the sounds into " << outDir << "\n";
        return 1;
    }
    if (!stamp.empty())
        std::ofstream(stamp) << stems.size() << " stems\n";
    return 0;
}
