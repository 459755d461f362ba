#pragma once

#include <string>
#include <vector>

namespace ionvue {

// One (name, value) pair of a start tag, in the order of the tag.
struct MarkupAttribute {
  std::string name;
  std::string value;
  bool operator==(const MarkupAttribute&) const = default;
};

using MarkupAttributes = std::vector<MarkupAttribute>;

}  // namespace ionvue
