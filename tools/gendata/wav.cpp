#include "wav.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>

namespace gen {
namespace {

void put32(std::ofstream &f, uint32_t v)
{
    const char b[4] = {char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    f.write(b, 4);
}
void put16(std::ofstream &f, uint16_t v)
{
    const char b[2] = {char(v), char(v >> 8)};
    f.write(b, 2);
}
uint32_t get32(const unsigned char *p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (uint32_t(p[3]) << 24); }
uint16_t get16(const unsigned char *p) { return uint16_t(p[0] | (p[1] << 8)); }

} // namespace

bool writeWav16(const std::string &path, const std::vector<double> &samples, int rate)
{
    std::ofstream f(path, std::ios::binary);
    if (!f)
        return false;
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    f.write("RIFF", 4);
    put32(f, 36 + dataBytes);
    f.write("WAVEfmt ", 8);
    put32(f, 16);
    put16(f, 1); // PCM
    put16(f, 1); // mono
    put32(f, uint32_t(rate));
    put32(f, uint32_t(rate) * 2);
    put16(f, 2);
    put16(f, 16);
    f.write("data", 4);
    put32(f, dataBytes);
    for (double s : samples) {
        const long v = std::lround(std::clamp(s, -1.0, 1.0) * 32767.0);
        put16(f, uint16_t(int16_t(v)));
    }
    return bool(f);
}

bool readWav16(const std::string &path, WavInfo &out)
{
    std::ifstream f(path, std::ios::binary);
    if (!f)
        return false;
    std::vector<unsigned char> buf((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (buf.size() < 12 || std::memcmp(buf.data(), "RIFF", 4) || std::memcmp(buf.data() + 8, "WAVE", 4))
        return false;
    size_t pos = 12;
    bool haveFmt = false;
    while (pos + 8 <= buf.size()) {
        const uint32_t len = get32(&buf[pos + 4]);
        const unsigned char *body = &buf[pos + 8];
        if (pos + 8 + len > buf.size())
            return false;
        if (!std::memcmp(&buf[pos], "fmt ", 4) && len >= 16) {
            out.format = get16(body);
            out.channels = get16(body + 2);
            out.rate = int(get32(body + 4));
            out.bits = get16(body + 14);
            haveFmt = true;
        } else if (!std::memcmp(&buf[pos], "data", 4)) {
            if (!haveFmt || out.bits != 16)
                return false;
            out.samples.resize(len / 2);
            for (size_t i = 0; i < out.samples.size(); ++i)
                out.samples[i] = int16_t(get16(body + 2 * i));
            return true;
        }
        pos += 8 + len + (len & 1);
    }
    return false;
}

} // namespace gen
