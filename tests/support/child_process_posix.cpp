// Child processes on POSIX systems: posix_spawn and SIGKILL.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "support/child_process.h"

extern char** environ;

namespace klotix::testing {
namespace {

std::string& programPath() {
  static std::string path;
  return path;
}

}  // namespace

std::vector<std::string> argumentsOf(int argc, char** argv) {
  // The program's own path, for starting it again; made absolute before
  // anything can change the working folder.
  if (programPath().empty() && argc > 0) programPath() = std::filesystem::absolute(argv[0]).string();
  return {argv, argv + argc};
}

ChildProcess::ChildProcess(std::string_view role, const std::vector<std::string>& args) {
  std::vector<std::string> command{programPath(), std::string(kChildFlag), std::string(role)};
  command.insert(command.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : command) argv.push_back(arg.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  if (::posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) == 0) process_ = pid;
}

ChildProcess::~ChildProcess() {
  if (started() && !status_) {
    kill();
    wait();
  }
}

void ChildProcess::kill() {
  if (started()) ::kill(static_cast<pid_t>(process_), SIGKILL);
}

int ChildProcess::wait() {
  if (!started() || status_) return status_.value_or(kKilled);
  int status = 0;
  while (::waitpid(static_cast<pid_t>(process_), &status, 0) < 0) {
  }
  status_ = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL ? kKilled : WEXITSTATUS(status);
  return *status_;
}

}  // namespace klotix::testing
