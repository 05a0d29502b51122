// make_cues: writes the six sound cues of the program into a folder, as 16-bit PCM mono WAV files
// at 22050 Hz. Every cue is a few soft sine tones, each with a quick attack, an exponential decay
// and a short fade to silence at its end, so nothing clicks. The output is the same on every run.
//
//   make_cues OUTDIR
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kFadeOutMs = 8.0;  // every tone ends on this fade, reaching silence exactly

struct Tone {
  double startMs;
  double durationMs;
  double startHz;
  double endHz;  // the pitch glides from startHz to endHz over the tone, evenly in octaves
  double level;  // peak amplitude, 1.0 being full scale
  double attackMs;
  double decayMs;        // time for the exponential decay to fall to 1/e
  double octaveOverlay;  // level of a faster-decaying partial one octave up, for a bell's shine
};

struct Cue {
  const char* file;
  std::vector<Tone> tones;
};

// clang-format off
const std::vector<Cue> kCues = {
    // Start shake: a soft rising chime, E5 then B5.
    {"Button1.wav", {{0, 320, 659.26, 659.26, 0.30, 4, 110, 0.15},
                     {110, 380, 987.77, 987.77, 0.28, 4, 130, 0.15}}},
    // Layout switch: a short blip, almost a click.
    {"Button2.wav", {{0, 40, 1400, 1100, 0.25, 1, 12, 0}}},
    // Phrase sent: a soft pop, a quick downward glide.
    {"Button3.wav", {{0, 80, 480, 240, 0.35, 2, 25, 0}}},
    // Exit: a short falling tone, G5 down an octave.
    {"Close.wav", {{0, 150, 783.99, 392.00, 0.30, 4, 70, 0}}},
    // The bot speaks: a gentle two-note bell, G5 then C6.
    {"CpuSound.wav", {{0, 200, 783.99, 783.99, 0.24, 3, 70, 0.20},
                      {100, 200, 1046.50, 1046.50, 0.22, 3, 70, 0.20}}},
    // Key press: a very short, quiet tick.
    {"KeyBoard.wav", {{0, 25, 2400, 1800, 0.12, 0.5, 5, 0}}},
};
// clang-format on

double envelope(const Tone& tone, double ms) {
  const double attack =
      ms < tone.attackMs ? 0.5 - 0.5 * std::cos(std::numbers::pi * ms / tone.attackMs) : 1.0;
  const double decay = std::exp(-ms / tone.decayMs);
  const double left = tone.durationMs - ms;
  const double fade =
      left < kFadeOutMs ? 0.5 - 0.5 * std::cos(std::numbers::pi * left / kFadeOutMs) : 1.0;
  return attack * decay * fade;
}

void addTone(const Tone& tone, std::vector<double>& mix) {
  const auto first = static_cast<std::size_t>(std::lround(tone.startMs * kSampleRate / 1000));
  const auto count = static_cast<std::size_t>(std::lround(tone.durationMs * kSampleRate / 1000));
  double phase = 0;  // integrated, so a glide stays smooth
  for (std::size_t i = 0; i < count && first + i < mix.size(); ++i) {
    const double ms = 1000.0 * static_cast<double>(i) / kSampleRate;
    const double hz = tone.startHz * std::pow(tone.endHz / tone.startHz, ms / tone.durationMs);
    const double body = std::sin(phase);
    const double shine = tone.octaveOverlay * std::sin(2 * phase) * std::exp(-ms / tone.decayMs);
    mix[first + i] += tone.level * envelope(tone, ms) * (body + shine);
    phase += 2 * std::numbers::pi * hz / kSampleRate;
  }
}

std::vector<std::int16_t> render(const Cue& cue) {
  double endMs = 0;
  for (const auto& tone : cue.tones) endMs = std::max(endMs, tone.startMs + tone.durationMs);
  std::vector<double> mix(static_cast<std::size_t>(std::ceil(endMs * kSampleRate / 1000)), 0.0);
  for (const auto& tone : cue.tones) addTone(tone, mix);
  std::vector<std::int16_t> samples;
  samples.reserve(mix.size());
  for (const double value : mix)
    samples.push_back(static_cast<std::int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 32767)));
  return samples;
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::string wavFile(const std::vector<std::int16_t>& samples) {
  constexpr std::uint32_t kBytesPerSample = 2;
  const auto dataSize = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
  std::string out = "RIFF";
  putLittleEndian(out, 36 + dataSize, 4);
  out += "WAVEfmt ";
  putLittleEndian(out, 16, 4);  // size of the format chunk
  putLittleEndian(out, 1, 2);   // PCM
  putLittleEndian(out, 1, 2);   // mono
  putLittleEndian(out, kSampleRate, 4);
  putLittleEndian(out, kSampleRate * kBytesPerSample, 4);  // bytes per second
  putLittleEndian(out, kBytesPerSample, 2);                // block alignment
  putLittleEndian(out, 16, 2);                             // bits per sample
  out += "data";
  putLittleEndian(out, dataSize, 4);
  for (const auto sample : samples) putLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_cues OUTDIR\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  for (const auto& cue : kCues) {
    const std::string bytes = wavFile(render(cue));
    std::ofstream out(folder / cue.file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::fprintf(stderr, "%s: cannot be written\n", (folder / cue.file).c_str());
      return 1;
    }
  }
  return 0;
}
