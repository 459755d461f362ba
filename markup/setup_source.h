#pragma once
// How much of a setup source is markup: up to its first zero byte, except
// that binary payloads (which may hold zeros) are stepped over by their
// declared length.

#include <cstddef>
#include <optional>
#include <string_view>

#include "markup/error_log.h"

namespace ionvue {

// The end of the markup within [begin, end) of `source`, or nothing after
// logging why a binary tag cannot be stepped over.
std::optional<size_t> MeasureSetupSource(std::string_view source, size_t begin, size_t end,
                                         MarkupErrorLog& log);

}  // namespace ionvue
