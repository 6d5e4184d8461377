// quintara-archive info and check: what the archive holds, and what is
// wrong with it.
#include <nlohmann/json.hpp>

#include <cstdio>
#include <ctime>

#include "archive/archive_summary.h"
#include "commands.h"

namespace quintara::archive_tool {
namespace {

std::string textOf(const ArchiveSummary& summary) {
    const auto line = [](const char* label, const std::string& value) {
        char text[128];
        std::snprintf(text, sizeof text, "%-17s%s\n", label, value.c_str());
        return std::string(text);
    };
    const auto issueOrNone = [](const std::string& issue) { return issue.empty() ? std::string("none") : issue; };
    return line("draws held:", std::to_string(summary.draws)) + line("first issue:", issueOrNone(summary.first)) +
           line("last issue:", issueOrNone(summary.last)) + line("days with draws:", std::to_string(summary.days)) +
           line("missing issues:", std::to_string(summary.missing)) +
           line("conflicts:", std::to_string(summary.conflicts)) +
           line("file size:", std::to_string(summary.bytes) + " bytes");
}

std::string jsonOf(const ArchiveSummary& summary) {
    const auto issueOrNull = [](const std::string& issue) {
        return issue.empty() ? nlohmann::ordered_json() : nlohmann::ordered_json(issue);
    };
    return nlohmann::ordered_json{{"draws", summary.draws},         {"first", issueOrNull(summary.first)},
                                  {"last", issueOrNull(summary.last)}, {"days", summary.days},
                                  {"missing", summary.missing},     {"conflicts", summary.conflicts},
                                  {"bytes", summary.bytes}}
               .dump() +
           "\n";
}

// "2019-01-01 08:00:00 UTC"
std::string timeText(std::int64_t secondsSince1970) {
    const auto moment = static_cast<std::time_t>(secondsSince1970);
    std::tm parts{};
    char text[32] = "?";
    if (::gmtime_r(&moment, &parts) != nullptr) std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UTC", &parts);
    return text;
}

}  // namespace

int describeArchive(const Request& request) {
    const ArchiveSummary summary = summarize(DrawArchive(request.place().file, DrawArchive::Access::ReadOnly));
    return print(request.json ? jsonOf(summary) : textOf(summary));
}

int checkArchive(const Request& request) {
    const DrawArchive archive(request.place().file, DrawArchive::Access::ReadOnly);
    const std::vector<std::string> problems = archive.integrityProblems();
    const std::vector<std::string> missing = missingIssues(archive);
    const std::vector<ArchiveConflict> conflicts = archive.conflicts();

    std::string out = "integrity check: " + std::string(problems.empty() ? "ok" : "failed") + "\n";
    for (const std::string& problem : problems) out += problem + "\n";
    out += "missing issues: " + std::to_string(missing.size()) + "\n";
    for (const std::string& issue : missing) out += issue + "\n";
    out += "conflicts: " + std::to_string(conflicts.size()) + "\n";
    for (const ArchiveConflict& conflict : conflicts) {
        out += conflict.issue + ": held " + conflict.held + " (" + conflict.heldOrigin + "), arrived " +
               conflict.arrived + " (" + conflict.arrivedOrigin + ") at " + timeText(conflict.recordedAt) + "\n";
    }
    const int printed = print(out);
    const bool sound = problems.empty() && conflicts.empty() && (missing.empty() || !request.strict);
    return sound ? printed : kFailed;
}

}  // namespace quintara::archive_tool
