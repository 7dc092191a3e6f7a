// A uniform pseudo-random source of single-precision numbers in [0, 1): the
// program's draws go through this interface so that a test can script or seed them.
#pragma once

#include <cstdint>
#include <random>

class UniformSource {
public:
    virtual ~UniformSource() = default;
    // The next value, 0 <= u < 1.
    virtual float next() = 0;
};

// The program's generator: a Mersenne twister, seeded from the system unless told.
class RandomUniformSource final : public UniformSource {
public:
    RandomUniformSource();
    explicit RandomUniformSource(std::uint32_t seed) : m_engine(seed) {}

    float next() override;

private:
    std::mt19937 m_engine;
};
