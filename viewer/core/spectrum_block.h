#pragma once
// Flat copy of a spectrum's header values with pointers to its samples and
// path, exchanged with the filters and filled by the block readers.

#include <cstdint>
#include <string>

namespace ionvue {

struct SpectrumBlock {
  int tof = 0;
  int massTable = 0;
  int msms = 0;
  int binFactor = 1;
  int charge = 1;
  int length = 0;
  int reserved = 0;
  int offset = 0;
  int shots = 0;
  double timeBase = 0.0;
  double startMass = 0.0;
  double precursorMass = 0.0;
  int precursorCharge = 0;
  int32_t* samples = nullptr;
  std::string description = "none available";
  double a[4] = {0, 0, 0, 0};
  const char* path = nullptr;
};

}  // namespace ionvue
