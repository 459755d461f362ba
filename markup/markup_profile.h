#pragma once
// The two programs read markup with the same parser under different rules:
// the viewer strips script blocks and decodes entities; setup keeps zero
// bytes in binary payloads and logs numbered errors.

namespace ionvue {

enum class MarkupProfile { Viewer, Setup };

// Whitespace between tag parts. The viewer takes every control byte and the
// blank; setup only the four characters a script is written with.
inline bool IsMarkupSpace(MarkupProfile profile, unsigned char c) {
  if (profile == MarkupProfile::Viewer) return c < '!';
  return c == '\r' || c == '\n' || c == '\t' || c == ' ';
}

// Bytes that make up a tag or attribute-region name.
inline bool IsNameChar(unsigned char c) { return c >= '!'; }

}  // namespace ionvue
