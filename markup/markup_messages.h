#pragma once
// The texts the parser shows or logs; callers and tests compare against them.

namespace ionvue::markup_text {

inline constexpr const char* kAttributeParsingError = "Attribute parsing error";
inline constexpr const char* kTextParsingError = "Text parsing error";
inline constexpr const char* kObjectParsingError = "Object parsing error";
inline constexpr const char* kErrorCreatingObject = "Error creating object";
inline constexpr const char* kScriptEndMissing = "A </script> tag was missing";
inline constexpr const char* kNoBinaryLength = "No 'length=\"' in a binary tag.";
inline constexpr const char* kNoBinaryTagEnd = "No '>' in a binary tag.";
// A declared payload that is negative or longer than the bytes after its tag.
inline constexpr const char* kBinaryPastEnd = "A binary tag's length does not fit the text.";
// More levels than CMarkupNode::kMaxDepth.
inline constexpr const char* kNestedTooDeep = "Elements are nested too deeply";

}  // namespace ionvue::markup_text
