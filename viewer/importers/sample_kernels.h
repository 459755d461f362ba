#pragma once
// The loops over blocks of samples that opening a large raw file spends
// its time in. They run in fixed-width steps so the compiler turns them
// into vector code at the default optimisation level.

#include <cstddef>
#include <cstdint>

namespace ionvue {

// Lowers `minimum` to the smallest value; true when any value is below
// `threshold`.
bool SurveyBlock(const int32_t* v, size_t n, int32_t& minimum, int32_t threshold);

// How many values v[i] (i ≥ 1) are 0 right after a positive v[i − 1].
int64_t ZerosAfterPositive(const int32_t* v, size_t n);

// v[i] = v[i] > limit ? INT32_MAX : v[i] + add (modulo 2^32).
void AddSaturating(int32_t* v, size_t n, int32_t limit, uint32_t add);

// Little-endian 16-bit words widened to int32, signed or not.
void WidenSigned16(const uint16_t* in, int32_t* out, size_t n);
void WidenUnsigned16(const uint16_t* in, int32_t* out, size_t n);

}  // namespace ionvue
