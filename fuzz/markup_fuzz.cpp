// Parses the input under both profiles, checks the tree is consistent,
// writes it and parses what was written.

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "markup/markup_node.h"
#include "platform/scripted_host.h"

namespace {

using ionvue::CMarkupNode;
using ionvue::MarkupProfile;

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string Written(const CMarkupNode& node) {
  std::ostringstream out;
  node.Write(out);
  return out.str();
}

// Walks the tree in document order; every element must carry the next index.
void CheckTree(const CMarkupNode& node, int& next_index, int depth) {
  Check(node.IsParsed());
  Check(depth < CMarkupNode::kMaxDepth);
  Check(node.GetIndex() == next_index++);
  const std::string name = node.GetName();
  Check(!name.empty() && name.size() <= CMarkupNode::kMaxNameLength);
  Check(node.GetTextLength() == (node.IsEmpty() ? 0 : node.GetText().size()));
  if (node.IsEmpty()) Check(node.GetChildCount() == 0 && !node.IsBinary());
  if (node.IsBinary()) Check(name == "binary");
  for (int i = 0; i < node.GetChildCount(); ++i)
    CheckTree(*node.GetChild(i), next_index, depth + 1);
  Check(node.GetChild(node.GetChildCount()) == nullptr && node.GetChild(-1) == nullptr);
}

// What survives a write and a read in the setup profile, where nothing is
// decoded: names, attributes, payloads, flags and the shape of the tree.
bool SameShape(const CMarkupNode& a, const CMarkupNode& b) {
  if (a.GetName() != b.GetName() || a.GetAttributes() != b.GetAttributes() ||
      a.IsEmpty() != b.IsEmpty() || a.IsBinary() != b.IsBinary() ||
      a.GetChildCount() != b.GetChildCount())
    return false;
  if (a.IsBinary() && a.GetText() != b.GetText()) return false;
  for (int i = 0; i < a.GetChildCount(); ++i)
    if (!SameShape(*a.GetChild(i), *b.GetChild(i))) return false;
  return true;
}

// Trees the format cannot write back whole, by its own rules: a name with
// '<' or '/' or one that starts like a declaration changes how tags are
// found; a '<' in an attribute can look like a tag to the end-tag search;
// the setup scan for binary lengths looks beyond the tag, so a binary
// element without its length, or an empty one, is measured differently
// once the text around it is rewritten.
bool WritesBackWhole(const CMarkupNode& node) {
  const std::string name = node.GetName();
  if (name.find_first_of("</") != std::string::npos || name[0] == '!' || name[0] == '?')
    return false;
  if (name.rfind("binary", 0) == 0 && (node.GetAttribute("length").empty() || node.IsEmpty()))
    return false;
  for (const ionvue::MarkupAttribute& attribute : node.GetAttributes())
    if ((attribute.name + attribute.value).find('<') != std::string::npos) return false;
  for (int i = 0; i < node.GetChildCount(); ++i)
    if (!WritesBackWhole(*node.GetChild(i))) return false;
  return true;
}

void Exercise(std::string_view input, MarkupProfile profile, ionvue::Host* host) {
  CMarkupNode node(profile, host);
  int counter = 0;
  if (!node.Parse(input, counter)) {
    Check(!node.IsParsed() && node.GetChildCount() == 0 && node.GetName().empty());
    Check(Written(node).empty());
    return;
  }
  int next_index = 0;
  CheckTree(node, next_index, 0);
  Check(next_index == counter);
  int again_counter = 0;
  Check(!node.Parse(input, again_counter));

  CMarkupNode copy;
  node.CopyTo(copy);
  const std::string written = Written(node);
  Check(Written(copy) == written);

  CMarkupNode reread(profile, host);
  int reread_counter = 0;
  const bool reread_ok = reread.Parse(written, reread_counter);
  if (reread_ok) {
    next_index = 0;
    CheckTree(reread, next_index, 0);
  }
  if (profile == MarkupProfile::Setup && WritesBackWhole(node))
    Check(reread_ok && SameShape(node, reread));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ionvue::ScriptedHost host;
  Exercise(input, MarkupProfile::Viewer, &host);
  Exercise(input, MarkupProfile::Setup, nullptr);
  return 0;
}
