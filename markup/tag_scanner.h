#pragma once
// The scanning rules of the markup parser over one source text: where tags
// start, what their names and attributes are and where an element ends.
// Positions are byte offsets into the source; `end` bounds every search.

#include <cstddef>
#include <optional>
#include <string_view>

#include "markup/markup_attribute.h"
#include "markup/markup_profile.h"

namespace ionvue {

// A decimal length as C's atoi reads it (leading blanks, optional '+');
// nothing for a negative or absurdly large number.
std::optional<size_t> ParseDecimalLength(std::string_view text);

class TagScanner {
 public:
  static constexpr size_t kNone = std::string_view::npos;
  static constexpr size_t kMaxNameLength = 255;

  TagScanner(std::string_view source, MarkupProfile profile) : src_(source), profile_(profile) {}

  std::string_view source() const { return src_; }

  // A '<' not followed by '!', '/' or '?'. A '<' that ends the text counts.
  bool IsStartTag(size_t at, size_t end) const;
  size_t FindStartTag(size_t from, size_t end) const;
  size_t Find(char c, size_t from, size_t end) const;
  size_t SkipSpace(size_t from, size_t end) const;

  // The name of the element whose '<' is at `lt` and whose tag ends at the
  // '>' at `gt`, as the element itself reads it (a trailing '/' belongs to
  // the name) and as its parent reads it (the name stops at '/').
  // Names longer than kMaxNameLength are cut; OwnNameEnd is where the
  // uncut own name stops.
  std::string_view OwnName(size_t lt, size_t gt) const;
  size_t OwnNameEnd(size_t lt, size_t gt) const;
  std::string_view NameSeenByParent(size_t lt, size_t gt) const;

  // The attributes of the tag [lt, gt]; a name given twice keeps its first
  // place and its later value. Viewer values are entity-decoded.
  MarkupAttributes Attributes(size_t lt, size_t gt) const;

  // One past the source of the child element starting at `lt`: the tag
  // itself when it ends with "/>", otherwise the '>' of its matching end
  // tag. kNone when a '>' or the end tag is missing before `end`, or a
  // binary payload would run past it.
  size_t ChildEnd(size_t lt, size_t end) const;

  // The end tag "</name" at which the element opened just before `from`
  // closes: each further non-self-closing "<name" start tag met on the way
  // needs one more. Both must be followed by a blank, CR, LF, tab or '>'.
  // kNone when there is none before `end`.
  size_t MatchingClose(std::string_view name, size_t from, size_t end) const;

 private:
  size_t NameBegin(size_t lt, size_t gt) const { return SkipSpace(lt + 1, gt); }
  size_t NameStop(size_t begin, size_t gt, bool stop_at_slash) const;
  std::string_view NameFrom(size_t lt, size_t gt, bool stop_at_slash) const;

  std::string_view src_;
  MarkupProfile profile_;
};

// The later value of `name` among `attributes`, or nothing.
const std::string* FindAttribute(const MarkupAttributes& attributes, std::string_view name);

}  // namespace ionvue
