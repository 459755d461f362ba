#pragma once
// Writes a spectrum as a ROZIRO file: its properties as ENTRY elements, its
// labels as LABEL elements and its samples as an MSDCS7 data section.

#include <string>

namespace ionvue {

class CSpectrum;
class Host;

// The ROZIRO text of `spectrum` (header entries refreshed, property text
// serialised). Empty when memory for the samples is short.
std::string RoziroText(CSpectrum& spectrum, Host* host);

// Writes `path` beside itself and renames it into place only once complete,
// so a failure keeps the previous file. 1 on success, 0 after a message.
int WriteRoziro(Host& host, CSpectrum& spectrum, const std::string& path);

}  // namespace ionvue
