#pragma once
// The options of `ionvue` that never need a display.

#include <ostream>
#include <string>
#include <vector>

namespace ionvue {

struct DocumentServices;

// Runs a command-line option when `args` (without the program name) names
// one; `handled` tells whether it did. Returns the exit status.
int RunCommandLine(const std::vector<std::string>& args, const DocumentServices& services,
                   std::ostream& out, std::ostream& err, bool& handled);

// `--info FILE`: the spectrum as the open road reads it, as one JSON object.
int RunInfo(const std::string& path, const DocumentServices& services, std::ostream& out);
// `--hash FILE`: the file authentication value.
int RunHash(const std::string& path, const DocumentServices& services, std::ostream& out,
            std::ostream& err);

// `--convert OUT FILE`: FILE through the open road, saved as ROZIRO to OUT;
// prints the new file's authentication value.
int RunConvert(const std::string& target, const std::string& path, const DocumentServices& services,
               std::ostream& out, std::ostream& err);

std::string UsageText();

}  // namespace ionvue
