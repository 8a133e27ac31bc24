#pragma once

#include <array>
#include <cstdint>

// Smooth pseudo-random noise in [0, 1] from a fixed seed, so that every build
// draws the same pictures.
class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed);

    double At(double x, double y) const;
    // A few octaves added up, still in [0, 1].
    double Fractal(double x, double y, int octaves = 3) const;

private:
    static constexpr int kSize = 256;
    double Lattice(int x, int y) const;

    std::array<double, kSize * kSize> m_values {};
};
