#pragma once
// Entity decoding of the viewer profile. Attribute values and element texts
// follow different rules: values know a table of names (any case) and
// numeric references, texts only a few exact sequences.

#include <string>
#include <string_view>

namespace ionvue {

// Tab and LF become a blank, CR is dropped; "&name;" is replaced from the
// table, "&#65;" gives the byte 65 and unknown names vanish with their '&'
// and ';'. An '&' whose name ends at a blank stays, as does the blank; one
// cut off by the end of the value is dropped.
std::string DecodeAttributeValue(std::string_view value);

// "&bullet;", "&angstrom;", "&plusminus;", "&degree;", "&mu;",
// "&copyright;", "&trademark;", "&endash;", "&emdash;" become their
// Windows-1252 byte and "&virgule;" a '/'; any other '&' stays.
std::string DecodeTextEntities(std::string_view text);

// Elements whose text keeps its entities: copyright, note, name and species
// texts, matched by the start of the element name.
bool KeepsTextEntities(std::string_view element_name);

}  // namespace ionvue
