#pragma once
// `ionvue --render OUT FILE`: FILE's whole spectrum drawn as the printer
// lays it out, written to OUT (PNG, SVG or PDF by its extension). Needs no
// display; never changes the user's settings.

#include <ostream>
#include <string>

namespace ionvue {

struct DocumentServices;

// Exit status 0 when the page was written; the messages of a failed open
// go to `err`.
int RunRender(const std::string& out, const std::string& file, const DocumentServices& services,
              std::ostream& err);

}  // namespace ionvue
