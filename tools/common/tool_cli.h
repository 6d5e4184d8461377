// How every tool reads its command line: CLI11, by the same rules for all.
//   -h, --help  prints the usage on standard output; the tool ends with 0.
//   --version   prints "<tool> <version>" on standard output; ends with 0.
//   an argument the tool cannot take prints one line "<tool>: <what is
//   wrong>" on standard error; the tool ends with 2.
// The help shows each option's default, the value of its variable before
// reading. An option given twice takes its last value. Subcommands
// (add_subcommand) inherit the help option, the error line and those rules.
#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <iostream>
#include <optional>
#include <string>

namespace quintara::tools {

// The status a tool ends with after an argument it cannot take.
inline constexpr int kBadArguments = 2;

class ToolCommandLine : public CLI::App {
public:
    ToolCommandLine(std::string tool, std::string description);

    // Reads the arguments (argv[0] the program) into the options declared on
    // this command line. Returns the status the tool ends with when reading
    // them ends it (--help, --version, a bad argument), none when it goes on.
    [[nodiscard]] std::optional<int> read(int argc, const char* const* argv,
                                          std::ostream& out = std::cout,
                                          std::ostream& err = std::cerr);
};

// The transform of an option that takes a whole number from least to most:
// decimal digits, a minus allowed in front, nothing else. It hands the number
// on in its plain decimal form, since CLI11 alone would read "010" as octal
// and "0x10" as hexadecimal, and a tool's numbers are decimal.
[[nodiscard]] CLI::Validator wholeNumber(std::int64_t least, std::int64_t most);

}  // namespace quintara::tools
