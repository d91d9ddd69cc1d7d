// tirovane-cli: charts and readings from the command line, JSON out.

#include "cli/chart_command.h"
#include "cli/reading_command.h"

#include <CLI/CLI.hpp>
#include <iostream>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);

    CLI::App app{"Tirovane from the command line: sidereal charts and Manglik readings as JSON."};
    app.require_subcommand(1);

    auto* chart = app.add_subcommand(
        "chart", "Read one person per line of standard input (a JSON object with the birth "
                 "details) and write one chart per line (JSON).");

    auto* reading = app.add_subcommand(
        "reading", "Read two people as two lines of standard input (the first person, then the "
                   "partner) and write their Manglik reading as one JSON object.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForAllHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        app.exit(e);
        return 2;
    }

    if (chart->parsed()) {
        return tirovane::cli::RunChart(std::cin, std::cout);
    }
    if (reading->parsed()) {
        return tirovane::cli::RunReading(std::cin, std::cout);
    }
    return 2;
}
