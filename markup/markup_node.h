#pragma once
// One element of a parsed markup document: name, attributes, text or binary
// payload, and its child elements. The parser is tolerant: it finds start
// tags, matching end tags and attribute pairs by simple scanning, and knows
// one special element, "binary", whose payload is raw bytes of the length
// its "length" attribute declares.

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "markup/markup_attribute.h"
#include "markup/markup_profile.h"

namespace ionvue {

class Host;
class MarkupErrorLog;
class TagScanner;

class CMarkupNode {
 public:
  // Deeper elements fail the parse instead of exhausting the stack.
  static constexpr int kMaxDepth = 100;
  static constexpr size_t kMaxNameLength = 255;

  // The viewer profile lets `host` dispatch pending window messages before
  // each element; both profiles show parse failures through it. The host
  // may be null (setup then only logs).
  explicit CMarkupNode(MarkupProfile profile = MarkupProfile::Viewer, Host* host = nullptr);

  // Parses the first element of `source` (text before its start tag is
  // ignored, as is anything after its end tag) into this node and its
  // children. `counter` numbers the elements in document order and is shared
  // by the whole parse; start it at 0. A node is parsed once: a second call
  // returns false. On failure one message is shown (and, in the setup
  // profile, logged) and the node stays unparsed.
  bool Parse(std::string_view source, int& counter);

  // Accessors give nothing ("" / 0 / null / false) until a parse succeeded.
  bool IsParsed() const { return parsed_; }
  std::string GetName() const;
  // The text, or for a binary node its payload bytes.
  std::string GetText() const;
  // 0 for an empty node, the payload length for a binary node, else the
  // text length.
  size_t GetTextLength() const;
  // Copies the value (or "") into `out`; names match exactly.
  bool GetAttribute(std::string_view name, std::string& out) const;
  // The value, or "" when missing.
  std::string GetAttribute(std::string_view name) const;
  const MarkupAttributes& GetAttributes() const;
  int GetChildCount() const;
  // Null when `i` is out of range.
  const CMarkupNode* GetChild(int i) const;
  bool IsBinary() const { return parsed_ && binary_; }
  // Written as a self-closing tag.
  bool IsEmpty() const { return parsed_ && empty_; }
  // Number in document order (pre-order); -1 until parsed.
  int GetIndex() const { return parsed_ ? index_ : -1; }

  // Setup profile: the numbered error lines of the last parse.
  std::string GetErrors() const { return errors_; }

  // Deep copy of name, flags, attributes, text or payload and children.
  void CopyTo(CMarkupNode& node) const;

  // "<name a="v" ...", then "/>" for an empty node; otherwise ">", CR LF,
  // the text, CR LF, the children, "</name>". Lines end with CR LF; values
  // are written as they are. A binary payload follows its '>' directly, so
  // that it reads back byte for byte. Nothing is written before a parse.
  void Write(std::ostream& out) const;

  MarkupProfile profile() const { return profile_; }

 private:
  struct Context;

  bool ParseElement(Context& context, size_t begin, size_t end, int depth, bool measured);
  bool ParseContent(Context& context, const TagScanner& scanner, size_t from, size_t end,
                    int depth);
  void Clear();

  MarkupProfile profile_;
  Host* host_;
  std::string name_;
  MarkupAttributes attributes_;
  std::string text_;  // the payload for a binary node
  std::vector<CMarkupNode> children_;
  int index_ = -1;
  bool binary_ = false;
  bool empty_ = false;
  bool parsed_ = false;
  std::string errors_;
};

}  // namespace ionvue
