#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace zorind {

// The "Plik" menu offers the projects last opened or saved, the most recent
// first, by their full paths.
inline constexpr std::size_t kRecentProjectCount = 4;

// `path` goes to the front; an earlier entry for it is dropped and the list
// keeps at most kRecentProjectCount. An empty path changes nothing.
void noteRecentProject(std::vector<std::string>& recent, const std::string& path);

// Takes `path` off the list. Returns whether it was there.
bool forgetRecentProject(std::vector<std::string>& recent, const std::string& path);

// A list as the user's settings kept it, which another program may have
// written: empty entries and repeats go, the first kRecentProjectCount stay
// in their order.
std::vector<std::string> cleanedRecentProjects(const std::vector<std::string>& stored);

} // namespace zorind
