#pragma once

#include <cstdint>
#include <cstring>

namespace velmora {

// The numeric fields of a record as they lie in its bytes: little-endian 16-bit integers
// and IEEE single-precision reals, at any offset (records have no alignment).

inline int16_t readInt16(const char* at)
{
    const auto lo = static_cast<unsigned char>(at[0]);
    const auto hi = static_cast<unsigned char>(at[1]);
    return static_cast<int16_t>(static_cast<uint16_t>(lo | (hi << 8)));
}

inline void writeInt16(char* at, int16_t value)
{
    const auto u = static_cast<uint16_t>(value);
    at[0] = static_cast<char>(u & 0xFF);
    at[1] = static_cast<char>(u >> 8);
}

inline float readSingle(const char* at)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= uint32_t(static_cast<unsigned char>(at[i])) << (8 * i);
    float v;
    std::memcpy(&v, &u, 4);
    return v;
}

inline void writeSingle(char* at, float value)
{
    uint32_t u;
    std::memcpy(&u, &value, 4);
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

} // namespace velmora
