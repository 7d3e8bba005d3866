#include "core/session/RecentProjects.h"

#include <algorithm>

namespace zorind {

void noteRecentProject(std::vector<std::string>& recent, const std::string& path)
{
    if (path.empty()) {
        return;
    }
    std::erase(recent, path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentProjectCount) {
        recent.resize(kRecentProjectCount);
    }
}

bool forgetRecentProject(std::vector<std::string>& recent, const std::string& path)
{
    return std::erase(recent, path) > 0;
}

std::vector<std::string> cleanedRecentProjects(const std::vector<std::string>& stored)
{
    std::vector<std::string> cleaned;
    for (const std::string& path : stored) {
        if (cleaned.size() == kRecentProjectCount) {
            break;
        }
        if (!path.empty() && std::find(cleaned.begin(), cleaned.end(), path) == cleaned.end()) {
            cleaned.push_back(path);
        }
    }
    return cleaned;
}

} // namespace zorind
