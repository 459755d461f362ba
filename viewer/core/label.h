#pragma once
// One peak label as the spectrum keeps it and ROZIRO stores it; each field
// is named after its LABEL attribute.

#include <cstdint>
#include <string>

namespace ionvue {

struct CLabel {
  static constexpr size_t kMaxText = 255;  // the record's char[256]

  std::string text;      // TEXT
  double mass = 1.0;     // MASS: neutral mass per charge, or flight time for 'T'
  double mz = 1.0;       // MZ
  char type = 'C';       // TYPE: 'C' centroid, 'A' average, 'T' time, 'I' integral, 'M' mass
  double sn = 0.0;       // SN
  int32_t x = 0, y = 0;  // POINT_X, POINT_Y
  int32_t justify = 0;   // JUSTIFY
  int32_t width = 0, height = 0;  // SIZE_X, SIZE_Y
  int32_t vertical = 0;           // ORIENT
  int32_t intensity = 0;          // INTENSITY
  int32_t charge = 1;             // CHARGE

  // Texts from files are cut to what the record holds.
  void SetText(std::string_view value) { text = std::string(value.substr(0, kMaxText)); }
};

}  // namespace ionvue
