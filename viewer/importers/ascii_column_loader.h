#pragma once
// The two passes the one- and two-column ASCII readers share: count the
// lines, size the spectrum, read them again into samples.

#include <cstdint>
#include <string>
#include <string_view>

namespace ionvue {

class CSpectrum;
class Host;

using LineSample = int32_t (*)(std::string_view line);

// At most `points` lines, one sample each; samples ≤ 0 become 1.
int LoadAsciiColumn(Host& host, const std::string& path, CSpectrum& spectrum, int points,
                    LineSample sample);

}  // namespace ionvue
