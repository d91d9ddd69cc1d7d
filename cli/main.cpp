// tirovane-cli: charts and readings from the command line, JSON out.

#include "cli/chart_command.h"
#include "cli/match_command.h"
#include "cli/people_command.h"
#include "cli/place_command.h"
#include "cli/reading_command.h"
#include "cli/report_command.h"
#include "output/qt_words.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <csignal>
#include <exception>
#include <fcntl.h>
#include <iostream>
#include <limits>
#include <unistd.h>

namespace {

// A standard stream the caller closed gets a stand-in opened the wrong way
// round: using it fails as using the closed one would, yet no file this
// tool opens can take its number and receive the output meant for it.
void ReserveStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1 && errno == EBADF) {
            const int standIn = ::open("/dev/null", fd == 0 ? O_WRONLY : O_RDONLY);
            if (standIn >= 0 && standIn != fd) {
                ::close(standIn);
            }
        }
    }
}

void AddEngineFlags(CLI::App& command, tirovane::cli::EngineOptions& options) {
    auto* precise = command.add_flag(
        "--precise", options.Precise,
        "Compute the positions with the Swiss Ephemeris (Lahiri) instead of the described engine");
    command
        .add_flag("--cross-check", options.CrossCheck,
                  "Add to every person a CrossCheck of the verdicts against the Swiss Ephemeris")
        ->excludes(precise);
}

} // namespace

int main(int argc, char** argv) {
    ReserveStandardStreams();
    // A reader that goes away makes writing fail, which is reported, instead
    // of ending the tool without a word.
    std::signal(SIGPIPE, SIG_IGN);
    std::ios::sync_with_stdio(false);

    CLI::App app{"Tirovane from the command line: sidereal charts and Manglik readings as JSON."};
    app.require_subcommand(1);

    auto* chart = app.add_subcommand(
        "chart", "Read one person per line of standard input (a JSON object with the birth "
                 "details) and write one chart per line (JSON).");
    tirovane::cli::EngineOptions chartOptions;
    AddEngineFlags(*chart, chartOptions);

    auto* reading = app.add_subcommand(
        "reading", "Compute a Manglik reading and write it as one JSON object: two people from "
                   "standard input (the first person, then the partner), or a saved reading.");
    std::string readingFile;
    auto* readingFileOption = reading->add_option("FILE", readingFile, "A saved reading (.tvr)");
    tirovane::cli::EngineOptions readingOptions;
    AddEngineFlags(*reading, readingOptions);

    auto* save = app.add_subcommand(
        "save", "Write two people from standard input (JSON lines) as a saved reading.");
    std::string saveFile;
    save->add_option("FILE", saveFile, "The saved reading to write (.tvr)")->required();

    auto* exportText = app.add_subcommand(
        "export", "Export the chart of the person computed last (the partner) as text.");
    std::string exportFile;
    std::string exportReading;
    exportText->add_option("OUT", exportFile, "The text file to write")->required();
    auto* exportReadingOption = exportText->add_option(
        "--reading", exportReading,
        "Take the reading from this saved reading instead of standard input");

    auto* report = app.add_subcommand(
        "report", "Write the reading as an A4 PDF report: two people from standard input (JSON "
                  "lines, the first person, then the partner), or a saved reading. Nothing is "
                  "written to standard output.");
    std::string reportFile;
    std::string reportReading;
    std::string reportStyle = "south";
    report->add_option("OUT", reportFile, "The PDF file to write")->required();
    auto* reportReadingOption =
        report->add_option("--reading", reportReading,
                           "Take the reading from this saved reading instead of standard input");
    report
        ->add_option("--style", reportStyle,
                     "The charts' style: south (South Indian, the default) or north")
        ->check(CLI::IsMember({"south", "north"}));
    std::string reportLanguage = "en";
    std::vector<std::string> languages;
    for (const tirovane::ShippedLanguage& language : tirovane::ShippedLanguages()) {
        languages.emplace_back(language.Code);
    }
    report
        ->add_option(
            "--language", reportLanguage,
            "The report's language: en (English, the default), hi, mr, bn, ta, te, kn or ml")
        ->check(CLI::IsMember(languages));
    tirovane::cli::EngineOptions reportOptions;
    AddEngineFlags(*report, reportOptions);

    auto* match = app.add_subcommand(
        "match", "Match one person against many: the first line of standard input is the first "
                 "person, every further line a candidate partner; one line (JSON) per candidate "
                 "with the 36-point match and the Manglik match lines.");
    bool matchPartner = false;
    auto* partnerFlag =
        match->add_flag("--partner", matchPartner,
                        "The first line is the partner and the candidates take the first "
                        "person's side");
    std::string matchLibrary;
    std::int64_t matchPerson = 0;
    double minPoints = 0;
    std::size_t matchLimit = 0;
    std::string matchSort = "points";
    auto* libraryOption = match->add_option(
        "--library", matchLibrary,
        "Rank the people of this library against --person instead of reading standard input");
    auto* personOption =
        match->add_option("--person", matchPerson, "The Id of the person to rank the others for");
    libraryOption->needs(personOption)->excludes(partnerFlag);
    personOption->needs(libraryOption);
    match->add_option("--min-points", minPoints, "Leave out 36-point totals below this (0 to 36)")
        ->check(CLI::Range(0.0, 36.0))
        ->needs(libraryOption);
    match->add_option("--limit", matchLimit, "At most this many candidates, the best (1 or more)")
        ->check(CLI::Range(std::size_t{1}, std::numeric_limits<std::size_t>::max())
                    .description("")
                    .name("a whole number of 1 or more"))
        ->needs(libraryOption);
    match
        ->add_option("--sort", matchSort,
                     "points (by 36-point total, then poruthams; the default) or poruthams (by "
                     "porutham count, then score, then total)")
        ->check(CLI::IsMember({"points", "poruthams"}))
        ->needs(libraryOption);

    auto* peopleCommand = app.add_subcommand(
        "people", "The people library (default ~/.local/share/Tirovane/people.sqlite): add, "
                  "import, list, export and remove people.");
    peopleCommand->require_subcommand(1);
    std::string peopleLibrary;
    peopleCommand->add_option("--library", peopleLibrary, "The library's file");
    bool skipBad = false;
    auto* peopleAdd = peopleCommand->add_subcommand(
        "add", "Add the people of standard input (JSON lines, as chart takes them, or with "
               "\"Place\"); one line {\"Id\", \"Name\"} per new person.");
    peopleAdd->add_flag("--skip-bad", skipBad,
                        "Add the good lines of an input with bad ones (the bad are still listed "
                        "and the exit status is 1)");
    std::string importFile;
    auto* peopleImport = peopleCommand->add_subcommand(
        "import", "Add the people of a CSV, JSON-lines or saved-reading (.tvr) file.");
    peopleImport->add_option("FILE", importFile, "The file")->required();
    peopleImport->add_flag("--skip-bad", skipBad, "Add the good lines of a file with bad ones");
    std::string search;
    auto* peopleList = peopleCommand->add_subcommand(
        "list", "One JSON line per person, in the order they were added.");
    peopleList->add_option("--search", search,
                           "Only people whose name or place holds this text (case and accents "
                           "aside)");
    std::string peopleExportFile;
    auto* peopleExport = peopleCommand->add_subcommand(
        "export", "Write every person to FILE: CSV for a name ending in .csv, JSON lines "
                  "otherwise.");
    peopleExport->add_option("FILE", peopleExportFile, "The file")->required();
    std::int64_t removeId = 0;
    auto* peopleRemove = peopleCommand->add_subcommand("remove", "Remove the person with this Id.");
    peopleRemove->add_option("ID", removeId, "The person's Id")->required();

    auto* place = app.add_subcommand(
        "place", "Find birth places in the atlas: one JSON object per match, best first, with "
                 "the zone row and daylight saving of a date.");
    std::vector<std::string> placeWords;
    std::string placeDate;
    std::string placeTime;
    std::size_t placeLimit = 10;
    place
        ->add_option("QUERY", placeWords, "The place, optionally with \", state\" or \", country\"")
        ->required();
    auto* dateOption =
        place->add_option("--date", placeDate, "The local birth date, YYYY-MM-DD (1901 to 2050)");
    place->add_option("--time", placeTime, "The local birth time, HH:MM (default 12:00)")
        ->needs(dateOption);
    place->add_option("--limit", placeLimit, "At most this many places (1 to 1000, default 10)")
        ->check(CLI::Range(std::size_t{1}, std::size_t{1000})
                    .description("")
                    .name("a whole number from 1 to 1000"));

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

    std::optional<tirovane::cli::PlaceDate> date;
    std::string query;
    if (place->parsed()) {
        if (!placeDate.empty() || place->count("--date") > 0) {
            tirovane::cli::PlaceDate when;
            if (!tirovane::cli::ParseDateArgument(placeDate, when) ||
                (!placeTime.empty() && !tirovane::cli::ParseTimeArgument(placeTime, when)) ||
                (placeTime.empty() && place->count("--time") > 0)) {
                std::cerr << "--date must be YYYY-MM-DD (1901 to 2050) and --time HH:MM\n";
                return 2;
            }
            date = when;
        }
        for (const std::string& word : placeWords) {
            query += (query.empty() ? "" : " ") + word;
        }
        if (query.find_first_not_of(" \t\r\n,") == std::string::npos) {
            std::cerr << "The place to find is empty: give a name, such as \"Chennai\".\n";
            return 2;
        }
    }
    // A file name that was given, even an empty one, is never standard input.
    const auto given = [](const CLI::Option* option, const std::string& value) {
        return option->count() > 0 ? std::optional<std::string>(value) : std::nullopt;
    };
    int status = 2;
    try {
        if (place->parsed()) {
            status =
                tirovane::cli::RunPlace(std::cout, std::cerr, nullptr, query, date, placeLimit);
        } else if (chart->parsed()) {
            status = tirovane::cli::RunChart(std::cin, std::cout, chartOptions);
        } else if (reading->parsed()) {
            status = tirovane::cli::RunReading(
                std::cin, std::cout, given(readingFileOption, readingFile), readingOptions);
        } else if (match->parsed() && libraryOption->count() > 0) {
            tirovane::people::RankOptions options;
            if (match->count("--min-points") > 0) {
                options.MinPoints = minPoints;
            }
            if (match->count("--limit") > 0) {
                options.Limit = matchLimit;
            }
            options.Order = matchSort == "poruthams" ? tirovane::people::RankOrder::Poruthams
                                                     : tirovane::people::RankOrder::Points;
            status = tirovane::cli::RunLibraryMatch(matchPerson, options, std::cout, std::cerr,
                                                    {matchLibrary, false, false});
        } else if (peopleCommand->parsed()) {
            const tirovane::cli::PeopleRun run{
                peopleLibrary.empty() ? tirovane::cli::DefaultLibraryPath() : peopleLibrary,
                skipBad, ::isatty(STDERR_FILENO) == 1};
            if (peopleAdd->parsed()) {
                status = tirovane::cli::RunPeopleAdd(std::cin, std::cout, std::cerr, run);
            } else if (peopleImport->parsed()) {
                status = tirovane::cli::RunPeopleImport(importFile, std::cout, std::cerr, run);
            } else if (peopleList->parsed()) {
                status = tirovane::cli::RunPeopleList(search, std::cout, std::cerr, run);
            } else if (peopleExport->parsed()) {
                status = tirovane::cli::RunPeopleExport(peopleExportFile, std::cerr, run);
            } else if (peopleRemove->parsed()) {
                status = tirovane::cli::RunPeopleRemove(removeId, std::cerr, run);
            }
        } else if (match->parsed()) {
            status = tirovane::cli::RunMatch(std::cin, std::cout,
                                             matchPartner ? tirovane::cli::FixedSide::Partner
                                                          : tirovane::cli::FixedSide::FirstPerson);
        } else if (report->parsed()) {
            status = tirovane::cli::RunReport(
                std::cin, std::cerr, reportFile, given(reportReadingOption, reportReading),
                reportOptions,
                reportStyle == "north" ? tirovane::ChartStyle::North : tirovane::ChartStyle::South,
                reportLanguage);
        } else if (save->parsed()) {
            status = tirovane::cli::RunSave(std::cin, std::cout, saveFile);
        } else if (exportText->parsed()) {
            status = tirovane::cli::RunExport(std::cin, std::cout, exportFile,
                                              given(exportReadingOption, exportReading));
        }
    } catch (const std::ios_base::failure&) {
        std::cout.flush();
        std::cerr << "tirovane-cli: standard input could not be read.\n";
        return 1;
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "tirovane-cli: " << e.what() << '\n';
        return 1;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << "tirovane-cli: the output could not be written whole (the disk may be full "
                     "or the reader gone).\n";
        return 1;
    }
    return status;
}
