#pragma once
#include <vector>

namespace gs::soundgen {

// Peak ceiling of every file: 1 dB below full scale, so that players that
// resample or add a little gain still do not clip.
inline constexpr double kCeiling = 0.88;
// Digital silence at the end of every file, after the sound's own tail.
inline constexpr double kSilentEnd = 0.06;

// The loudest 400 ms of a 44.1 kHz mono sound, K-weighted: the momentary
// maximum of EBU R128, in LUFS. -70 for silence.
double MomentaryMaxLufs(const std::vector<double>& samples);

// Brings a sound to its place in the mix: its momentary maximum at
// `targetLufs`, or as near as a plain gain gets with its peak at
// `kCeiling` (no limiting: a shot's crack keeps its edge and no wave is
// flattened), a click-free start and end, and exactly `seconds` long. A
// playing sound is not started again, so the length is part of the sound:
// the sound is faded out where its final `kSilentEnd` of silence begins.
void Master(std::vector<double>& samples, double targetLufs, double seconds);

double Rms(const std::vector<double>& samples);

}  // namespace gs::soundgen
