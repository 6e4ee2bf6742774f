#pragma once
#include <string>
#include <vector>

namespace gs::soundgen {

// Writes samples (full scale = 1.0) as a mono 16-bit 44.1 kHz RIFF wave file.
// Returns false when the file cannot be written.
bool WriteWaveFile(const std::string& path, const std::vector<double>& samples);

}  // namespace gs::soundgen
