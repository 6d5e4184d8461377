// A tool's command line read in-process, with what it prints caught.
#pragma once

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "tool_cli.h"

namespace quintara::testing {

struct CommandLineReading {
    std::optional<int> status;  // the tool's exit status; none: it goes on
    std::string out;
    std::string err;
};

// Reads the arguments that follow the program's name.
inline CommandLineReading readCommandLine(tools::ToolCommandLine& commandLine,
                                          const std::vector<std::string>& arguments) {
    const std::string program = commandLine.get_name();
    std::vector<const char*> argv{program.c_str()};
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status =
        commandLine.read(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

}  // namespace quintara::testing
