#include "tool_cli.h"

#include <charconv>
#include <utility>

namespace quintara::tools {

ToolCommandLine::ToolCommandLine(std::string tool, std::string description)
    : CLI::App(std::move(description), tool) {
    set_help_flag("-h,--help", "Prints this help on standard output and ends.");
    set_version_flag("--version", tool + " " + QUINTARA_VERSION,
                     "Prints the tool's name and version and ends.");
    failure_message([](const CLI::App* commandLine, const CLI::Error& error) {
        return commandLine->get_name() + ": " + error.what() + "\n";
    });
    option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast)->always_capture_default();
}

std::optional<int> ToolCommandLine::read(int argc, const char* const* argv, std::ostream& out,
                                         std::ostream& err) {
    try {
        parse(argc, argv);
        return std::nullopt;
    } catch (const CLI::ParseError& error) {
        // Help and version end with success; everything else is a bad argument.
        return CLI::App::exit(error, out, err) == 0 ? 0 : kBadArguments;
    }
}

CLI::Validator wholeNumber(std::int64_t least, std::int64_t most) {
    const auto check = [least, most](std::string& text) -> std::string {
        std::int64_t number = 0;
        const char* const end = text.data() + text.size();
        const auto [stop, error] = std::from_chars(text.data(), end, number);
        if (error != std::errc{} || stop != end || number < least || number > most) {
            return "wants a whole number from " + std::to_string(least) + " to " +
                   std::to_string(most) + ", not \"" + text + "\"";
        }
        text = std::to_string(number);
        return {};
    };
    return CLI::Validator(check, "");
}

}  // namespace quintara::tools
