#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace gs {

// The longest sound the show can use; its cues last a second or two.
constexpr double kMaxSoundSeconds = 30.0;

// Reads a wave file for decoding: it must be a regular file holding a RIFF
// WAVE header whose data lasts no longer than the bound above, so that
// neither a FIFO nor a file claiming hours of sound can hang the show or
// take its memory. Answers nullopt, after one line on standard error naming
// the file and what is wrong, for a missing, unreadable, oversized or broken
// file.
std::optional<std::string> ReadSoundFile(const std::string& path);

// What is wrong with a wave file's header; "" when it may be decoded.
std::string WaveProblem(std::string_view bytes);

// How long a wave file plays, in seconds; nullopt when WaveProblem finds fault.
std::optional<double> WaveSeconds(std::string_view bytes);

}  // namespace gs
