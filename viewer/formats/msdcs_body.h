#pragma once
// What follows the parameters in a decoded TOFDCS or MSDCS file: the sample
// groups (four-byte group headers), the label count and labels, the recent
// display range and one trailer byte. Both file readers share it.

#include <cstdint>

#include "viewer/formats/label_lines.h"

namespace ionvue {

class CSpectrum;
class Host;
class ProgressWindow;

struct DcsBodyLayout {
  // MSDCS labels carry a CHARGE line after MASS.
  bool labelCharge = false;
  // MSDCS shows "Error" for a label text without its line feed.
  bool reportLabelText = false;
};

// Reads the body at `cursor` into `spectrum`: `length` samples are wanted
// (the caller has rejected negative lengths). The spectrum is sized for the
// samples the groups really hold, never for a bare count, and the samples
// are decoded. A damaged sample stream shows its message, keeps the samples
// before the damage and reads no labels after it; a missing label count
// leaves no labels and no recent range. The labels replace the spectrum's
// own; the recent range is 0 when absent. `progress` (when given) advances
// one step per fiftieth of the samples. Returns false only when memory for
// the samples is short, after the insufficient-memory message.
bool ReadDcsBody(Host& host, ProgressWindow* progress, TextCursor& cursor, int64_t length,
                 const DcsBodyLayout& layout, CSpectrum& spectrum);

}  // namespace ionvue
