#include "tests/cli/cli_runner.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tirovane::test {

CliRun RunCli(const std::string& arguments, const std::string& input) {
    const auto dir = std::filesystem::temp_directory_path();
    const auto inputPath = dir / ("tirovane-cli-test-" + std::to_string(::getpid()) + ".jsonl");
    {
        std::ofstream file(inputPath, std::ios::binary);
        file << input;
    }
    const std::string command = std::string(TIROVANE_CLI_PATH) + " " + arguments + " < " +
                                inputPath.string() + " 2>/dev/null";
    CliRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    std::string output;
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    run.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::filesystem::remove(inputPath);
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        run.Lines.push_back(line);
    }
    return run;
}

ShellRun RunCliShell(const std::string& arguments) {
    const auto errPath = std::filesystem::temp_directory_path() /
                         ("tirovane-cli-test-" + std::to_string(::getpid()) + ".err");
    // A tool that hangs is ended after 30 s (status 124).
    const std::string command = "exec timeout 30 " + std::string(TIROVANE_CLI_PATH) + " " +
                                arguments + " 2>" + errPath.string();
    ShellRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    EXPECT_NE(pipe, nullptr);
    char buffer[4096];
    size_t n = 0;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        run.Out.append(buffer, n);
    }
    const int status = ::pclose(pipe);
    run.ExitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errPath, std::ios::binary);
    std::stringstream text;
    text << err.rdbuf();
    run.Err = text.str();
    std::filesystem::remove(errPath);
    return run;
}

nlohmann::json WorkedExamplePerson() {
    return nlohmann::json{{"Name", "Example"},
                          {"Day", 12},
                          {"Month", 4},
                          {"Year", 1992},
                          {"Hour", 0},
                          {"Minute", 0},
                          {"ZoneRow", 29},
                          {"LatitudeDegrees", 51},
                          {"LatitudeMinutes", 30},
                          {"South", false},
                          {"LongitudeDegrees", 0},
                          {"LongitudeMinutes", 0},
                          {"East", false},
                          {"DaylightSaving", false},
                          {"City", "London"},
                          {"State", "England"},
                          {"Country", "United Kingdom"}};
}

} // namespace tirovane::test
