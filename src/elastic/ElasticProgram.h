#pragma once

#include <filesystem>
#include <ostream>

namespace zorind::elastic {

// Exit statuses of zorind-elastic.
inline constexpr int exitSolved = 0;
inline constexpr int exitFailed = 1; // bad data, unsolvable model, result file not written
inline constexpr int exitUsage = 2;

// Reads the exchange file, solves, writes the result file. On any failure the
// message goes to err and the result path is left as it was: nothing is
// created there and an existing file keeps every byte.
int runElastic(const std::filesystem::path& data, const std::filesystem::path& results, std::ostream& err);

// The command line: zorind-elastic DATA RESULTS.
int runElasticMain(int argc, const char* const* argv, std::ostream& err);

} // namespace zorind::elastic
