// Minimal WAV (RIFF, PCM 16-bit mono) writer and reader.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace gen {

bool writeWav16(const std::string &path, const std::vector<double> &samples, int rate);

struct WavInfo
{
    int channels = 0, rate = 0, bits = 0, format = 0;
    std::vector<int16_t> samples;
};
bool readWav16(const std::string &path, WavInfo &out);

} // namespace gen
