#pragma once
// The coded layout of TOFDCS and MSDCS files: a plain prefix that depends on
// the file version, a little-endian uint32 text size T, then the LZARI code
// stream. Decoding yields the plain text the file readers parse: the prefix
// followed by the T expanded bytes.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace ionvue {

class Host;
class ProgressWindow;

enum class TextDecodeError {
  kNone,
  kCannotOpen,       // the file could not be read
  kPrematureEnd,     // the file ends inside its plain prefix
  kSizeUnreadable,   // fewer than 4 bytes left for T
  kTextSizeInvalid,  // T is 0, above the caller's limit, or more than the code could hold
  kOutOfMemory,
};

// The text the user is shown for a failure; "" for kNone.
const char* TextDecodeMessage(TextDecodeError error);

// The most decoded text accepted by default. The text holds at most a few
// bytes per sample plus labels, well below this for any real spectrum.
inline constexpr std::size_t kMaxDecodedText = std::size_t{1} << 30;

// Length of the plain prefix of `file` for version character `version`
// ('3': through the first 0xDB; '4': through the second 0xDB; '5': 11 bytes,
// an int32 L and L + 1 bytes; others: none). Empty when the file ends inside
// the prefix (or L is negative).
std::optional<std::size_t> PlainPrefixLength(std::span<const uint8_t> file, char version);

// Decodes a whole coded file held in memory. On success `text` is the prefix
// followed by the T expanded bytes; on failure it holds what was copied
// before the failure. `step` runs once per max(1, T / 50) decoded symbols.
// A code stream that ends early still yields T bytes (missing bits read as
// zeros) and succeeds, as the acquisition software's own decoder did.
TextDecodeError DecodeCodedText(std::span<const uint8_t> file, char version,
                                std::vector<uint8_t>& text,
                                const std::function<void()>& step = {},
                                std::size_t maxText = kMaxDecodedText);

// Reads `inputPath` and decodes it as above. A failure is shown through
// `host` with its message and returns false. Each decoding step advances
// `progress` (when given) and lets the host dispatch pending messages.
bool DecodeCodedTextFile(const std::string& inputPath, char version, std::vector<uint8_t>& text,
                         Host& host, ProgressWindow* progress,
                         std::size_t maxText = kMaxDecodedText);

// Builds a coded file from its plain prefix and body: prefix, T = body size,
// code stream. For tests, benchmarks and fuzz seeds only.
std::vector<uint8_t> BuildCodedText(std::span<const uint8_t> prefix,
                                    std::span<const uint8_t> body);

}  // namespace ionvue
