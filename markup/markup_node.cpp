#include "markup/markup_node.h"

#include <new>
#include <ostream>

#include "markup/entities.h"
#include "markup/error_log.h"
#include "markup/markup_messages.h"
#include "markup/script_blocks.h"
#include "markup/setup_source.h"
#include "markup/tag_scanner.h"
#include "markup/text_whitespace.h"
#include "platform/host.h"

namespace ionvue {

namespace {
constexpr size_t kNone = TagScanner::kNone;
}  // namespace

// What one parse shares between its elements. Elements are parsed in place
// as ranges of the one source text rather than as copies of it.
struct CMarkupNode::Context {
  std::string_view source;
  MarkupProfile profile;
  Host* host;
  int& counter;
  MarkupErrorLog& log;

  bool Fail(std::string_view message) {
    if (profile == MarkupProfile::Setup) log.Add(message);
    if (host) host->Message(message);
    return false;
  }
};

CMarkupNode::CMarkupNode(MarkupProfile profile, Host* host) : profile_(profile), host_(host) {}

void CMarkupNode::Clear() {
  name_.clear();
  attributes_.clear();
  text_.clear();
  children_.clear();
  index_ = -1;
  binary_ = false;
  empty_ = false;
  parsed_ = false;
}

bool CMarkupNode::Parse(std::string_view source, int& counter) {
  if (parsed_) return false;
  Clear();
  MarkupErrorLog log;
  bool ok = false;
  try {
    // Viewer sources are C strings; setup sources run on past zeros inside
    // binary payloads.
    size_t length = source.find('\0');
    if (length == std::string_view::npos) length = source.size();
    if (profile_ == MarkupProfile::Setup) {
      const std::optional<size_t> measured = MeasureSetupSource(source, 0, source.size(), log);
      length = measured ? *measured : kNone;
    }
    if (length != kNone) {
      std::string_view text = source.substr(0, length);
      std::string without_scripts;
      if (profile_ == MarkupProfile::Viewer) {
        // Done once for the whole text: what it leaves holds no complete
        // block, so repeating it for every element could only repeat the
        // message.
        ScriptBlockRemoval removal = RemoveScriptBlocks(text);
        if (removal.end_missing && host_) host_->Message(markup_text::kScriptEndMissing);
        if (removal.removed) {
          without_scripts = std::move(removal.text);
          text = without_scripts;
        }
      }
      // The root ends where a child of its name would; without an end tag
      // it runs to the end of the text.
      const TagScanner scanner(text, profile_);
      size_t end = text.size();
      const size_t lt = scanner.FindStartTag(0, end);
      if (lt != kNone) {
        const size_t root_end = scanner.ChildEnd(lt, end);
        if (root_end != kNone) end = root_end;
      }
      Context context{text, profile_, host_, counter, log};
      ok = ParseElement(context, 0, end, 0, true);
    }
  } catch (const std::bad_alloc&) {
    Clear();
    if (profile_ == MarkupProfile::Setup) log.Add(markup_text::kErrorCreatingObject);
    if (host_) host_->Message(markup_text::kErrorCreatingObject);
    ok = false;
  }
  if (!ok) Clear();
  errors_ = log.text();
  return ok;
}

bool CMarkupNode::ParseElement(Context& context, size_t begin, size_t end, int depth,
                               bool measured) {
  if (profile_ == MarkupProfile::Viewer && host_) host_->DispatchPendingMessages();
  index_ = context.counter++;
  if (profile_ == MarkupProfile::Setup && !measured) {
    const std::optional<size_t> length = MeasureSetupSource(context.source, begin, end, context.log);
    if (!length) return false;
    end = *length;
  }

  const TagScanner scanner(context.source, profile_);
  const std::string_view src = context.source;
  const size_t lt = scanner.FindStartTag(begin, end);
  if (lt == kNone) return context.Fail(markup_text::kAttributeParsingError);
  const size_t gt = scanner.Find('>', lt + 1, end);
  if (gt == kNone) return context.Fail(markup_text::kAttributeParsingError);
  attributes_ = scanner.Attributes(lt, gt);

  const std::string_view name = scanner.OwnName(lt, gt);
  if (name.empty()) return context.Fail(markup_text::kTextParsingError);
  name_.assign(name);
  // A '/' that the name swallowed ("<b/>" is named "b/") does not make the
  // element empty.
  empty_ = gt > scanner.OwnNameEnd(lt, gt) && src[gt - 1] == '/';
  if (empty_) {
    parsed_ = true;
    return true;
  }

  size_t content = gt + 1;
  if (name_ == "binary") {
    const std::string* length = FindAttribute(attributes_, "length");
    const std::optional<size_t> n = ParseDecimalLength(length ? *length : std::string_view());
    if (!n || *n > end - content) return context.Fail(markup_text::kTextParsingError);
    text_.assign(src.substr(content, *n));
    binary_ = true;
    content += *n;
  }
  if (!ParseContent(context, scanner, content, end, depth)) return false;
  parsed_ = true;
  return true;
}

// One sweep over the element's content collects its own text (up to its
// first closing tag or "/>", children left out) and parses each child.
bool CMarkupNode::ParseContent(Context& context, const TagScanner& scanner, size_t from,
                               size_t end, int depth) {
  const std::string_view src = context.source;
  std::string raw;
  bool text_open = !binary_;
  bool text_closed = false;
  size_t at = from;
  while (at < end) {
    size_t lt = at;
    if (text_open) {
      size_t stop = at;
      while (stop < end && src[stop] != '<' && src[stop] != '/') ++stop;
      raw.append(src.substr(at, stop - at));
      at = stop;
      if (at >= end) break;
      const char next = at + 1 < end ? src[at + 1] : '\0';
      if (src[at] == '/' || next == '/') {
        if (src[at] == '/' && next != '>') {
          raw.push_back('/');
          ++at;
          continue;
        }
        text_open = false;
        text_closed = true;
        at += 2;
        continue;
      }
      if (next == '!' || next == '?') {
        raw.push_back('<');
        ++at;
        continue;
      }
      lt = at;
    } else {
      lt = scanner.FindStartTag(at, end);
      if (lt == kNone) break;
    }

    const size_t child_end = scanner.ChildEnd(lt, end);
    if (child_end == kNone) return context.Fail(markup_text::kObjectParsingError);
    if (depth + 1 >= kMaxDepth) return context.Fail(markup_text::kNestedTooDeep);
    children_.emplace_back(profile_, host_);
    if (!children_.back().ParseElement(context, lt, child_end, depth + 1, false)) return false;
    at = child_end;
  }

  if (!binary_ && text_closed) {
    text_ = CollapseTextWhitespace(raw);
    if (profile_ == MarkupProfile::Viewer && !KeepsTextEntities(name_))
      text_ = DecodeTextEntities(text_);
  }
  return true;
}

std::string CMarkupNode::GetName() const { return parsed_ ? name_ : std::string(); }

std::string CMarkupNode::GetText() const { return parsed_ ? text_ : std::string(); }

size_t CMarkupNode::GetTextLength() const {
  if (!parsed_ || empty_) return 0;
  return text_.size();
}

bool CMarkupNode::GetAttribute(std::string_view name, std::string& out) const {
  out.clear();
  if (!parsed_) return false;
  const std::string* value = FindAttribute(attributes_, name);
  if (!value) return false;
  out = *value;
  return true;
}

std::string CMarkupNode::GetAttribute(std::string_view name) const {
  std::string value;
  GetAttribute(name, value);
  return value;
}

const MarkupAttributes& CMarkupNode::GetAttributes() const {
  static const MarkupAttributes kNoAttributes;
  return parsed_ ? attributes_ : kNoAttributes;
}

int CMarkupNode::GetChildCount() const { return parsed_ ? static_cast<int>(children_.size()) : 0; }

const CMarkupNode* CMarkupNode::GetChild(int i) const {
  if (i < 0 || i >= GetChildCount()) return nullptr;
  return &children_[static_cast<size_t>(i)];
}

void CMarkupNode::CopyTo(CMarkupNode& node) const {
  if (&node != this) node = *this;
}

void CMarkupNode::Write(std::ostream& out) const {
  if (!parsed_) return;
  out << '<' << name_ << ' ';
  for (const MarkupAttribute& attribute : attributes_)
    out << attribute.name << "=\"" << attribute.value << "\" ";
  if (empty_) {
    out << "/>\r\n";
    return;
  }
  if (binary_)
    out << '>' << text_ << "\r\n";
  else
    out << ">\r\n" << text_ << "\r\n";
  for (const CMarkupNode& child : children_) child.Write(out);
  out << "</" << name_ << ">\r\n";
}

}  // namespace ionvue
