#pragma once
// The texts an overlay is filled from: cleavage files (and the mass tables
// that stand in their place), and the mass template on the clipboard.

#include <string>
#include <string_view>

namespace ionvue {

class DigestOverlay;
class Host;

inline constexpr const char* kInvalidCleavageFile = "Protein information file format invalid";
inline constexpr const char* kNoMassesInTable = "No masses found in mass table file";
inline constexpr const char* kEmptyClipboard = "No masses on the clipboard";
inline constexpr const char* kNoMassesOnClipboard = "No masses found on the Clipboard";
inline constexpr const char* kClipboardUnavailable =
    "Error loading masses from the Clipboard\nTry reloading the data.";
inline constexpr const char* kCleavageFileUnreadable = "The cleavage file could not be opened.";
inline constexpr const char* kTooManyFragments =
    "The file holds more than 100000 fragments.\nOnly the first 100000 are shown.";
inline constexpr const char* kTooManyFileMasses =
    "The file holds more than 100000 masses.\nOnly the first 100000 are shown.";
inline constexpr const char* kTooManyClipboardMasses =
    "The Clipboard holds more than 100000 masses.\nOnly the first 100000 are shown.";

// Reads a cleavage file (or a mass table, when its first line is a number
// above 1) into the overlay. False, with the message shown, when the file
// is no such file; the overlay is then left as it was.
bool ReadCleavageFile(Host& host, const std::string& path, DigestOverlay& overlay);

// Reads every line of a mass table file as one mass.
bool ReadMassTableFile(Host& host, const std::string& path, DigestOverlay& overlay);

// Every run of digits and decimal points that starts with a digit is one
// mass, in order of appearance.
bool ParseMassTemplate(Host& host, std::string_view text, DigestOverlay& overlay);

}  // namespace ionvue
