#pragma once

// Runs the real tirovane-cli with a given standard input and collects its
// output lines and exit status.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace tirovane::test {

struct CliRun {
    std::vector<std::string> Lines;
    int ExitStatus = -1;
};

CliRun RunCli(const std::string& arguments, const std::string& input);

// A run through the shell: `arguments` may carry redirections and the
// standard error is kept.
struct ShellRun {
    std::string Out;
    std::string Err;
    int ExitStatus = -1; // -1 when the tool ended by a signal
};

ShellRun RunCliShell(const std::string& arguments);

// The published worked example: 12 April 1992, 00:00 GMT, 0 degrees, 51
// degrees 30 minutes north.
nlohmann::json WorkedExamplePerson();

} // namespace tirovane::test
