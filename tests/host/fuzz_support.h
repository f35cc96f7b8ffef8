#pragma once
// The time budget of the seeded randomized tests: QUILLET_FUZZ_SECONDS
// (make fuzz-long sets minutes), or a short default that keeps make test fast.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>

inline double FuzzSeconds(double normal = 0.5) {
  const char* env = std::getenv("QUILLET_FUZZ_SECONDS");
  const double s = env ? std::atof(env) : 0.0;
  return s > 0 ? s : normal;
}

// Runs body(seed) for seeds base, base + 1, ...: at least five, then until
// the budget is spent; stops at the first failure, which names its seed.
template <typename Body>
void RunSeeds(uint32_t base, Body body, double seconds = FuzzSeconds()) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  for (uint32_t i = 0; i < 5 || std::chrono::steady_clock::now() < end; ++i) {
    SCOPED_TRACE("seed " + std::to_string(base + i));
    body(base + i);
    if (::testing::Test::HasFailure()) return;
  }
}

// The random source of a generator of inputs.
class FuzzRandom {
 public:
  explicit FuzzRandom(uint32_t seed) : rng_(seed) {}
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

 private:
  std::mt19937 rng_;
};

// RunSeeds with a generator of type Gen made from each seed.
template <typename Gen, typename Body>
void RunFuzzWith(uint32_t base, Body body) {
  RunSeeds(base, [&](uint32_t seed) {
    Gen gen(seed);
    body(gen);
  });
}
