#include "support/solutions.h"

#include <cstdlib>
#include <sstream>

std::vector<ListedSolution> ListedSolutions(const std::string& output) {
  std::vector<ListedSolution> found;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    std::size_t start =
        line.rfind("\t \t \t ", 0) == 0 ? 0 : (line.rfind(" \t \t \t ", 0) == 0 ? 1 : std::string::npos);
    if (start == std::string::npos) continue;
    std::size_t colon = line.find("  :     ", start);
    if (colon == std::string::npos) continue;
    ListedSolution s;
    s.number = std::atoll(line.c_str() + start + 6);
    std::size_t pos = line.find_first_not_of(' ', colon + 3);
    while (pos != std::string::npos && pos < line.size()) {
      std::size_t end = line.find("\t \t", pos);
      if (end == std::string::npos) break;
      s.values.push_back(line.substr(pos, end - pos));
      pos = end + 3;
    }
    found.push_back(s);
  }
  return found;
}

int AnnouncedLength(const std::string& output, const std::string& atLeast, const std::string& itTakes) {
  for (const std::string& lead : {atLeast, itTakes}) {
    std::size_t at = output.find(lead);
    if (at != std::string::npos) return std::atoi(output.c_str() + at + lead.size());
  }
  return 0;
}
