// The command line of quintara-archive:
//   quintara-archive import [--archive PATH] FILE|DIR...
//   quintara-archive export [--archive PATH] [--from ISSUE] [--to ISSUE] [--format csv|feed|json]
//   quintara-archive info [--archive PATH] [--format text|json]
//   quintara-archive check [--archive PATH] [--strict]
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "archive/archive_file.h"
#include "tool_cli.h"

namespace quintara::archive_tool {

enum class Command { Import, Export, Info, Check };
enum class ExportFormat { Csv, Feed, Json };

struct Request {
    Command command = Command::Info;
    std::optional<std::filesystem::path> archive;  // none: the default archive
    std::vector<std::string> inputs;     // import: files and folders
    std::optional<std::string> from;     // export: issues "YYYYMMDD-NNN"
    std::optional<std::string> to;
    ExportFormat exportFormat = ExportFormat::Csv;
    bool json = false;                   // info
    bool strict = false;                 // check: missing issues fail it too

    // The archive to open: the one given, whose folder must exist, or the
    // default one, whose folder is made when missing.
    [[nodiscard]] ArchivePlace place() const {
        return archive ? ArchivePlace{.file = *archive} : ArchivePlace::standard();
    }
};

// Declares the tool's commands and their options, read into `request`.
void declareCommands(CLI::App& commandLine, Request& request);

}  // namespace quintara::archive_tool
