// A 32-bit RGB accumulator: the per-light sums and the sheen total.
#ifndef NAPSHEEN_SHADER_RGB_H
#define NAPSHEEN_SHADER_RGB_H

namespace napsheen {

struct Rgb {
    float r, g, b;
};

// Adds a term formed in double; the sum is rounded once, as it is stored.
inline void accumulate(float& channel, double term)
{
    channel = static_cast<float>(static_cast<double>(channel) + term);
}

} // namespace napsheen

#endif
