// quintara-archive: imports files of draws into the draw archive, exports
// its draws, and tells what it holds and what is wrong with it.
// Exit status: 0 done, 1 an archive that cannot be opened or written, an
// import that did not take every draw it read (a file that cannot be read or
// holds none, a line refused, a draw in conflict), a check that finds damage
// or conflicts (or, --strict, missing issues), 2 bad arguments.
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "archive/archive_error.h"
#include "archive/archive_file.h"
#include "commands.h"

namespace quintara::archive_tool {

void complain(const std::string& message) { std::fprintf(stderr, "quintara-archive: %s\n", message.c_str()); }

int print(std::string_view text) {
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        complain(std::string("cannot write: ") + std::strerror(errno));
        return kFailed;
    }
    return kDone;
}

bool isCommand(CLI::App& commandLine, const std::string& name) {
    const auto named = [&name](CLI::App* command) { return command->get_name() == name; };
    return !commandLine.get_subcommands(named).empty();
}

}  // namespace quintara::archive_tool

int main(int argc, char** argv) {
    using namespace quintara::archive_tool;
    quintara::tools::ToolCommandLine commandLine(
        "quintara-archive", "Imports draws into the draw archive, exports them, and tells what it holds.");
    Request request;
    declareCommands(commandLine, request);
    // CLI11 would only say that a command is required.
    if (argc > 1 && argv[1][0] != '-' && !isCommand(commandLine, argv[1])) {
        complain(std::string("unknown command: ") + argv[1] + " (import, export, info or check)");
        return quintara::tools::kBadArguments;
    }
    if (const auto status = commandLine.read(argc, argv)) return *status;
    try {
        switch (request.command) {
            case Command::Import:
                return importFiles(request);
            case Command::Export:
                return exportDraws(request);
            case Command::Info:
                return describeArchive(request);
            case Command::Check:
                return checkArchive(request);
        }
    } catch (const quintara::ArchiveError& error) {
        complain(error.what());
    }
    return kFailed;
}
