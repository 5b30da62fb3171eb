#pragma once
// The platform's pseudo-random generator: a multiplicative congruential generator (multiplier
// 16807, modulus 2^31 - 1) whose state is one process-wide seed. Seeded from the clock on first
// use; tests seed it to make a sequence repeat.
#include <cstdint>

// The next value, -32767 to 32767 (never -32768). Not for anything that must be unguessable.
int16_t Random();

// Sets the generator's state; a seed of 0 (which would stick at 0) is taken as 1.
void SetRandomSeed(uint32_t seed);
