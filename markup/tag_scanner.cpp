#include "markup/tag_scanner.h"

#include <cctype>
#include <cstring>
#include <string>
#include <unordered_map>

#include "markup/entities.h"

namespace ionvue {

std::optional<size_t> ParseDecimalLength(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  if (i < text.size() && text[i] == '-') {
    // "-0" is still nothing to read; any other negative length is not.
    size_t j = i + 1;
    while (j < text.size() && text[j] == '0') ++j;
    if (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j]))) return std::nullopt;
    return 0;
  }
  if (i < text.size() && text[i] == '+') ++i;
  size_t n = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    n = n * 10 + static_cast<size_t>(text[i] - '0');
    if (n > (size_t{1} << 40)) return std::nullopt;
  }
  return n;
}

const std::string* FindAttribute(const MarkupAttributes& attributes, std::string_view name) {
  for (const MarkupAttribute& attribute : attributes)
    if (attribute.name == name) return &attribute.value;
  return nullptr;
}

bool TagScanner::IsStartTag(size_t at, size_t end) const {
  if (at >= end || src_[at] != '<') return false;
  if (at + 1 >= end) return true;
  const char next = src_[at + 1];
  return next != '!' && next != '/' && next != '?';
}

size_t TagScanner::Find(char c, size_t from, size_t end) const {
  if (from >= end) return kNone;
  const void* hit = std::memchr(src_.data() + from, c, end - from);
  return hit ? static_cast<size_t>(static_cast<const char*>(hit) - src_.data()) : kNone;
}

size_t TagScanner::FindStartTag(size_t from, size_t end) const {
  for (size_t at = Find('<', from, end); at != kNone; at = Find('<', at + 1, end))
    if (IsStartTag(at, end)) return at;
  return kNone;
}

size_t TagScanner::SkipSpace(size_t from, size_t end) const {
  while (from < end && IsMarkupSpace(profile_, static_cast<unsigned char>(src_[from]))) ++from;
  return from;
}

size_t TagScanner::NameStop(size_t begin, size_t gt, bool stop_at_slash) const {
  size_t stop = begin;
  while (stop < gt && IsNameChar(static_cast<unsigned char>(src_[stop])) &&
         !(stop_at_slash && src_[stop] == '/'))
    ++stop;
  return stop;
}

std::string_view TagScanner::NameFrom(size_t lt, size_t gt, bool stop_at_slash) const {
  const size_t begin = NameBegin(lt, gt);
  const size_t stop = NameStop(begin, gt, stop_at_slash);
  return src_.substr(begin, std::min(stop - begin, kMaxNameLength));
}

std::string_view TagScanner::OwnName(size_t lt, size_t gt) const { return NameFrom(lt, gt, false); }

size_t TagScanner::OwnNameEnd(size_t lt, size_t gt) const {
  return NameStop(NameBegin(lt, gt), gt, false);
}

std::string_view TagScanner::NameSeenByParent(size_t lt, size_t gt) const { return NameFrom(lt, gt, true); }

MarkupAttributes TagScanner::Attributes(size_t lt, size_t gt) const {
  MarkupAttributes attributes;
  std::unordered_map<std::string, size_t> seen;  // only once a tag has many
  size_t at = SkipSpace(lt + 1, gt);
  while (at < gt && IsNameChar(static_cast<unsigned char>(src_[at]))) ++at;
  for (;;) {
    at = SkipSpace(at, gt);
    if (at >= gt) break;
    const size_t equals = Find('=', at, gt);
    if (equals == kNone) break;
    std::string name(src_.substr(at, equals - at));
    // The character after '=' is taken to be the opening quote, whatever it is.
    const size_t value_begin = std::min(equals + 2, gt);
    size_t value_end = Find('"', value_begin, gt);
    if (value_end == kNone) value_end = gt;
    std::string_view raw = src_.substr(value_begin, value_end - value_begin);
    std::string value = profile_ == MarkupProfile::Viewer ? DecodeAttributeValue(raw) : std::string(raw);
    at = value_end < gt ? value_end + 1 : gt;

    if (attributes.size() < 8 && seen.empty()) {
      bool replaced = false;
      for (MarkupAttribute& attribute : attributes) {
        if (attribute.name == name) {
          attribute.value = std::move(value);
          replaced = true;
          break;
        }
      }
      if (!replaced) attributes.push_back({std::move(name), std::move(value)});
      continue;
    }
    if (seen.empty())
      for (size_t i = 0; i < attributes.size(); ++i) seen.emplace(attributes[i].name, i);
    auto [it, inserted] = seen.emplace(name, attributes.size());
    if (inserted)
      attributes.push_back({std::move(name), std::move(value)});
    else
      attributes[it->second].value = std::move(value);
  }
  return attributes;
}

size_t TagScanner::ChildEnd(size_t lt, size_t end) const {
  const size_t gt = Find('>', lt + 1, end);
  if (gt == kNone) return kNone;
  if (gt > lt + 1 && src_[gt - 1] == '/') return gt + 1;

  const std::string_view name = NameSeenByParent(lt, gt);
  size_t search_from = gt + 1;
  if (name.substr(0, 6) == "binary") {
    const MarkupAttributes attributes = Attributes(lt, gt);
    const std::string* length = FindAttribute(attributes, "length");
    const std::optional<size_t> n = ParseDecimalLength(length ? *length : std::string_view());
    if (!n || *n > end - search_from) return kNone;
    search_from += *n;
  }
  const size_t close = MatchingClose(name, search_from, end);
  if (close == kNone) return kNone;
  const size_t close_gt = Find('>', close + 2, end);
  return close_gt == kNone ? kNone : close_gt + 1;
}

size_t TagScanner::MatchingClose(std::string_view name, size_t from, size_t end) const {
  auto name_at = [&](size_t at) {
    return at + name.size() <= end && src_.compare(at, name.size(), name) == 0;
  };
  auto ends_name = [&](size_t at) {
    if (at >= end) return false;
    const char c = src_[at];
    return c == ' ' || c == '\r' || c == '\n' || c == '\t' || c == '>';
  };
  // An end tag must name the element whole: "</ab>" does not close "a",
  // or an element would lose every child after a longer-named one. Names
  // cut to their first kMaxNameLength characters can only match by those.
  const bool cut = name.size() >= kMaxNameLength;
  size_t depth = 1;
  // Tags that overlap share their '>', so each is looked up once; `end`
  // stands for "no '>' left".
  size_t known_gt = 0;
  for (size_t at = Find('<', from, end); at != kNone; at = Find('<', at + 1, end)) {
    if (at + 1 < end && src_[at + 1] == '/') {
      if (name_at(at + 2) && (cut || ends_name(at + 2 + name.size())) && --depth == 0) return at;
      continue;
    }
    const size_t after = at + 1 + name.size();
    if (!name_at(at + 1) || !ends_name(after)) continue;
    if (known_gt < after) {
      known_gt = Find('>', after, end);
      if (known_gt == kNone) known_gt = end;
    }
    const bool self_closing = known_gt < end && src_[known_gt - 1] == '/';
    if (!self_closing) ++depth;
  }
  return kNone;
}

}  // namespace ionvue
