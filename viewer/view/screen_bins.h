#pragma once
// The reduction of the displayed range to screen bins: the largest sample
// of each bin, so narrow peaks survive however many samples a bin holds.

#include <cstdint>

namespace ionvue {

class CSpectrum;
class CIonvueDoc;

struct SampleRange {
  long start = 0;  // sample index of the displayed low m/z, at least 0
  long end = 0;    // sample index of the displayed high m/z, at least 0
};

struct BinResult {
  double factor = 1;  // samples per bin; the caller keeps it for repaints
  int count = 0;      // bins produced
  // The smallest sample of at least 2 over the displayed samples, 10000
  // when the first of them is below 2 and none is found.
  int32_t minimumIntensity = 10000;
};

// Sample indices of an m/z range through the inverse calibration.
SampleRange DisplayedSamples(const CSpectrum& spectrum, double low, double high);

// Fills up to `capacity` bins into mz/intensity. A factor that is not
// positive asks for as many samples per bin as fill the capacity.
BinResult BinSpectrum(const CSpectrum& spectrum, double low, double high, double factor,
                      int capacity, double* mz, int32_t* intensity);

// The same into the document's screen bins (what "Save screen as ASCII"
// writes); the arrays grow to PointsPlottedOnScreen when short.
BinResult BuildScreenBins(CIonvueDoc& doc, double low, double high, double factor);

}  // namespace ionvue
