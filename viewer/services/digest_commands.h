#pragma once
// The commands that fill and empty a document's two overlay slots. Import
// and paste toggle a slot: used again, they remove what is there.

#include <optional>
#include <string>

namespace ionvue {

class CIonvueDoc;
class DigestOverlay;
class Host;

inline constexpr const char* kCleavageDialogTitle = "Load cleavage data from Cleavix";
inline constexpr const char* kCleavageDialogFilter = "Cleavix or data|*.clv;*.dat|All files|*.*||";

bool DigestPresent(const CIonvueDoc& document, int slot);  // slot 0 or 1
// The overlay in a slot, when it is one of ours.
DigestOverlay* DigestIn(CIonvueDoc& document, int slot);

// Import 1st (slot 0) and ... 2nd (slot 1): removes the overlay when the
// slot holds one, else asks for a cleavage file and reads it into the slot.
void ToggleCleavageFile(Host& host, CIonvueDoc& document, int slot);

// Paste mass template: removes overlay 2 when present, else reads the
// clipboard's text into it. No text means the clipboard could not be read.
void TogglePastedTemplate(Host& host, CIonvueDoc& document,
                          const std::optional<std::string>& clipboardText);

// Remove template: empties slot 2 only.
void RemoveTemplate(CIonvueDoc& document);

}  // namespace ionvue
