#include "support/child_process.h"

#include <map>

namespace klotix::testing {
namespace {

std::map<std::string, ChildRole, std::less<>>& roles() {
  static std::map<std::string, ChildRole, std::less<>> registered;
  return registered;
}

}  // namespace

bool registerChildRole(std::string_view name, ChildRole role) {
  return roles().emplace(std::string(name), role).second;
}

std::optional<int> runChildRoleIfAsked(int argc, char** argv) {
  std::vector<std::string> args = argumentsOf(argc, argv);
  if (args.size() < 3 || args[1] != kChildFlag) return std::nullopt;
  const auto found = roles().find(args[2]);
  if (found == roles().end()) return 125;
  return found->second({args.begin() + 3, args.end()});
}

}  // namespace klotix::testing
