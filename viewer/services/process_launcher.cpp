#include "viewer/services/process_launcher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace ionvue {

// Double fork: the middle process exits at once and is reaped here, so the
// program is adopted by init. A close-on-exec pipe reports whether the exec
// itself succeeded.
bool SystemProcessLauncher::Start(const std::string& program,
                                  const std::vector<std::string>& arguments) {
  if (program.empty() || ::access(program.c_str(), X_OK) != 0) return false;
  std::vector<std::string> words;
  words.push_back(program);
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return false;
  pid_t middle = ::fork();
  if (middle < 0) {
    ::close(report[0]);
    ::close(report[1]);
    return false;
  }
  if (middle == 0) {
    ::close(report[0]);
    ::setsid();
    pid_t child = ::fork();
    if (child == 0) {
      ::execv(argv[0], argv.data());
      int error = errno;
      ssize_t ignored = ::write(report[1], &error, sizeof error);
      (void)ignored;
      ::_exit(127);
    }
    ::_exit(child < 0 ? 1 : 0);
  }
  ::close(report[1]);
  int status = 0;
  while (::waitpid(middle, &status, 0) < 0 && errno == EINTR) {
  }
  int error = 0;
  ssize_t got;
  do {
    got = ::read(report[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  ::close(report[0]);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 && got == 0;
}

}  // namespace ionvue
