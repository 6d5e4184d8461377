#include "arguments.h"

#include "draws/issue.h"

namespace quintara::archive_tool {
namespace {

// The transform of an issue option: "YYYYMMDD-NNN" or "YYYYMMDDNNN" of a
// real date, handed on as "YYYYMMDD-NNN".
CLI::Validator issueNumber() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            const std::optional<Issue> issue = Issue::read(text);
            if (!issue) return "wants an issue YYYYMMDD-NNN of a real date, not \"" + text + "\"";
            text = issue->text();
            return {};
        },
        "");
}

CLI::App& command(CLI::App& commandLine, Request& request, Command which, const std::string& name,
                  const std::string& description) {
    CLI::App& sub = *commandLine.add_subcommand(name, description);
    sub.callback([&request, which] { request.command = which; });
    sub.add_option("--archive", request.archive, "The archive file.")->type_name("PATH");
    return sub;
}

}  // namespace

void declareCommands(CLI::App& commandLine, Request& request) {
    commandLine.require_subcommand(1);

    CLI::App& import = command(commandLine, request, Command::Import, "import",
                               "Records the draws of history feeds (*.xml), day files (YYYYMMDD.txt) and CSV "
                               "files (*.csv), each file in one transaction; prints per file the draws added, "
                               "already held, conflicting and the lines rejected, each rejected line on "
                               "standard error as FILE:LINE: reason. Ends with 1 unless every draw read was "
                               "added or already held.");
    import.add_option("FILE|DIR", request.inputs, "The files to import; a folder means its files of those kinds, "
                                                  "in the order of their names.")
        ->required()
        ->check(CLI::ExistingPath.description(""))
        ->type_name("")
        ->default_str("");

    CLI::App& exporting = command(commandLine, request, Command::Export, "export",
                                  "Writes the draws held, oldest first, on standard output.");
    exporting.add_option("--from", request.from, "The first issue written.")
        ->type_name("ISSUE")
        ->transform(issueNumber());
    exporting.add_option("--to", request.to, "The last issue written.")->type_name("ISSUE")->transform(issueNumber());
    exporting
        .add_option_function<std::string>(
            "--format",
            [&request](const std::string& format) {
                request.exportFormat = format == "feed" ? ExportFormat::Feed
                                       : format == "json" ? ExportFormat::Json
                                                          : ExportFormat::Csv;
            },
            "csv (the default): a line issue,digits and then one per draw; feed: a history feed document the "
            "program loads; json: an array of {\"issue\":..,\"digits\":..}.")
        ->type_name("csv|feed|json")
        ->check(CLI::IsMember({"csv", "feed", "json"}).description(""));

    CLI::App& info = command(commandLine, request, Command::Info, "info",
                             "Tells the draws held, the first and last issue, the days that hold a draw, the "
                             "missing issues, the conflicts and the file's size.");
    info.add_option_function<std::string>(
            "--format", [&request](const std::string& format) { request.json = format == "json"; },
            "text (the default) or json.")
        ->type_name("text|json")
        ->check(CLI::IsMember({"text", "json"}).description(""));

    CLI::App& check = command(commandLine, request, Command::Check, "check",
                              "Runs SQLite's integrity check and lists the missing issues and the conflicts; "
                              "ends with 1 when the file is damaged or holds conflicts. Missing issues are "
                              "listed for information: the sources themselves miss some.");
    check.add_flag("--strict", request.strict, "Ends with 1 for missing issues too.");
}

}  // namespace quintara::archive_tool
