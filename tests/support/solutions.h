// Reads the solutions back out of a transcript.
#pragma once

#include <string>
#include <vector>

struct ListedSolution {
  long long number = 0;
  std::vector<std::string> values;
};

// Every solution line of the output ("\t \t \t number  :  values..."), in order,
// the single-solution line of the driver included.
std::vector<ListedSolution> ListedSolutions(const std::string& output);

// n as announced with the first solution or the single solution, or 0.
int AnnouncedLength(const std::string& output, const std::string& atLeast, const std::string& itTakes);
