#include "ValueNoise.h"

#include <cmath>
#include <random>

namespace {

double Smooth(double t)
{
    return t * t * (3.0 - 2.0 * t);
}

double Mix(double a, double b, double t)
{
    return a + (b - a) * t;
}

} // namespace

ValueNoise::ValueNoise(std::uint32_t seed)
{
    std::mt19937 generator(seed);
    for (double& value : m_values)
        value = static_cast<double>(generator() % 10000) / 9999.0;
}

double ValueNoise::Lattice(int x, int y) const
{
    const int wrappedX = ((x % kSize) + kSize) % kSize;
    const int wrappedY = ((y % kSize) + kSize) % kSize;
    return m_values[static_cast<std::size_t>(wrappedY * kSize + wrappedX)];
}

double ValueNoise::At(double x, double y) const
{
    const double cellX = std::floor(x);
    const double cellY = std::floor(y);
    const int ix = static_cast<int>(cellX);
    const int iy = static_cast<int>(cellY);
    const double tx = Smooth(x - cellX);
    const double ty = Smooth(y - cellY);
    const double top = Mix(Lattice(ix, iy), Lattice(ix + 1, iy), tx);
    const double bottom = Mix(Lattice(ix, iy + 1), Lattice(ix + 1, iy + 1), tx);
    return Mix(top, bottom, ty);
}

double ValueNoise::Fractal(double x, double y, int octaves) const
{
    double sum = 0.0;
    double weight = 1.0;
    double total = 0.0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += At(x, y) * weight;
        total += weight;
        x *= 2.0;
        y *= 2.0;
        weight *= 0.5;
    }
    return sum / total;
}
