#pragma once
// Removal of script blocks from a viewer source before it is parsed.

#include <string>
#include <string_view>

namespace ionvue {

struct ScriptBlockRemoval {
  bool removed = false;      // at least one block was taken out
  std::string text;          // then: the source without its script blocks
  bool end_missing = false;  // a "<script" had no "</script>" after it
};

// Works in passes: each takes the next "<script" and the first "</script>"
// still intact after it and blanks the region between, sparing any later
// "<script" tag inside it (that tag opens the next pass). Nested blocks so
// vanish whole. The passes stop at a "<script" without an end tag.
ScriptBlockRemoval RemoveScriptBlocks(std::string_view source);

}  // namespace ionvue
