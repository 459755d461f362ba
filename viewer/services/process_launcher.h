#pragma once
// Starting another program without waiting for it, behind an interface so
// tests never spawn a process.

#include <string>
#include <vector>

namespace ionvue {

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts `program` with `arguments` (argv[1] onwards) detached from the
  // viewer; false when it could not be started.
  virtual bool Start(const std::string& program, const std::vector<std::string>& arguments) = 0;
};

// The real one: the program runs on after the viewer quits and is never
// left behind as a zombie.
class SystemProcessLauncher : public ProcessLauncher {
 public:
  bool Start(const std::string& program, const std::vector<std::string>& arguments) override;
};

}  // namespace ionvue
