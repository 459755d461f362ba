// The sample stream on arbitrary bytes, in both group layouts. Byte 0 picks
// the layout and the writer's settings, bytes 1 and 2 the number of samples
// wanted; the rest is read as groups, and also written as samples and read
// back.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "platform/scripted_host.h"
#include "viewer/formats/compression.h"

using namespace ionvue;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  if (size < 3) return 0;
  const uint8_t mode = data[0];
  const GroupHeader header = mode & 1 ? GroupHeader::kFourByte : GroupHeader::kOneByte;
  const std::size_t wanted = data[1] | data[2] << 8;
  const std::span<const uint8_t> stream(data + 3, size - 3);

  // Reading: both paths agree and stay within the data and the buffers.
  std::vector<uint32_t> codes(wanted);
  GroupReadResult unpacked = UnpackGroups(stream, header, codes.data(), wanted);
  std::vector<int32_t> samples(wanted);
  GroupReadResult decoded = DecodeSampleStream(stream, header, samples.data(), wanted);
  if (unpacked.codes > wanted || unpacked.bytes > stream.size()) __builtin_trap();
  if (unpacked.codes != decoded.codes || unpacked.bytes != decoded.bytes ||
      unpacked.error != decoded.error || unpacked.groups != decoded.groups)
    __builtin_trap();
  if (unpacked.error == GroupError::kNone && unpacked.codes != wanted) __builtin_trap();
  std::vector<int32_t> viaCodes(unpacked.codes);
  std::memcpy(viaCodes.data(), codes.data(), unpacked.codes * sizeof(int32_t));
  DecodeSamples(viaCodes.data(), viaCodes.size());
  if (!std::equal(viaCodes.begin(), viaCodes.end(), samples.begin())) __builtin_trap();

  if (mode & 2) {
    // Writing the bytes as samples, then reading them back.
    std::vector<int32_t> raw(stream.size() / 4);
    std::memcpy(raw.data(), stream.data(), raw.size() * sizeof(int32_t));
    const bool lossless = mode & 4;
    const int window = static_cast<int>(data[1]) - 8;  // zero and negative windows too
    const int factor = static_cast<int>(data[2] % 40) - 2;
    const int binFactor = (mode >> 3) - 2;
    ScriptedHost host;
    std::vector<uint8_t> written;
    auto stored = AppendSampleStream(raw.data(), raw.size(), lossless, window, factor, binFactor,
                                     header, written, &host);
    if (!stored) __builtin_trap();
    std::vector<int32_t> back(*stored);
    GroupReadResult r = DecodeSampleStream(written, header, back.data(), back.size());
    if (r.error != GroupError::kNone || r.codes != back.size() || r.bytes != written.size())
      __builtin_trap();
    if (lossless) {
      // What was stored comes back exactly.
      std::vector<int32_t> expected = raw;
      ScaleForStorage(expected.data(), expected.size());
      if (back != expected) __builtin_trap();
    }
  }
  return 0;
}
