#pragma once
#include <vector>

namespace gs::soundgen {

// Peak ceiling of every file: 1 dB below full scale, so that players that
// resample or add a little gain still do not clip.
inline constexpr double kCeiling = 0.88;
// Every file lasts at least this long, so that a sound cued on every frame
// of one second starts only once in that second.
inline constexpr double kMinSeconds = 1.1;
// Digital silence at the end of every file, after the sound's own tail.
inline constexpr double kSilentEnd = 0.06;

// The loudest 400 ms of a 44.1 kHz mono sound, K-weighted: the momentary
// maximum of EBU R128, in LUFS. -70 for silence.
double MomentaryMaxLufs(const std::vector<double>& samples);

// Brings a sound to its place in the mix: its momentary maximum at
// `targetLufs` where the ceiling allows, peaks softly limited below
// `kCeiling`, a click-free start and end, and silence up to the common length.
void Master(std::vector<double>& samples, double targetLufs);

double Rms(const std::vector<double>& samples);

}  // namespace gs::soundgen
