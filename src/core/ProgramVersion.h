#pragma once
// The version of this build, as every program shows it: the windows' "Version ...
// beta" and the --version of kvr27-clone, kvr27 and kvr27-sim.
#include <string>
#include <string_view>

namespace kvr27 {

// The project's version, "0.6.0".
std::string_view ProgramVersion();

// What `program --version` prints: "kvr27 (KV-R27 Clone Utility) 0.6.0 beta", then
// the copyright and the licence (GPL version 3 or later), one line each.
std::string VersionNotice(std::string_view program);

} // namespace kvr27
