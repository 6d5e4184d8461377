#include "arguments.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace quintara::stats_tool {
namespace {

// An item index from -1 (no selection) to 4, and nothing else in the text.
std::optional<int> itemIndex(std::string_view text) {
    int index = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), index);
    if (error != std::errc() || end != text.data() + text.size() || index < -1 || index > 4) {
        return std::nullopt;
    }
    return index;
}

// Applies one --select value to the selections; says what is wrong with it,
// or nothing.
std::string select(std::string_view value, CountWindowSelections& selections) {
    const std::size_t equals = value.find('=');
    const std::optional<int> index =
        itemIndex(equals == std::string_view::npos ? value : value.substr(equals + 1));
    if (!index) return "the item is a whole number from -1 to 4";
    if (equals == std::string_view::npos) {
        selections.items.fill(*index);
        return {};
    }
    const std::optional<CountWindowBox> box = countWindowBoxNamed(value.substr(0, equals));
    if (!box) return "no count-window combo box is called " + std::string(value.substr(0, equals));
    selections[*box] = *index;
    return {};
}

}  // namespace

void declareOptions(CLI::App& commandLine, Request& request) {
    std::string boxes;
    for (const std::string_view box : kCountWindowBoxNames) boxes.append(boxes.empty() ? "" : ", ").append(box);
    commandLine
        .add_option_function<std::vector<std::string>>(
            "--select",
            [&request](const std::vector<std::string>& values) {
                for (const std::string& value : values) {
                    // The error names the value it is about: "--select 99: …".
                    if (std::string wrong = select(value, request.selections); !wrong.empty()) {
                        throw CLI::ValidationError("--select " + value, wrong);
                    }
                }
            },
            "Selects item N (-1 = none, 0 to 4: 统计10期 ... 统计所有) in all five count-window "
            "combo boxes, or with NAME=N in one of them: " + boxes + ". Given again, the later "
            "one wins.")
        ->type_name("N|NAME=N")
        // One value each time, so that FEED after it is not taken for one.
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    commandLine
        .add_option_function<std::string>(
            "--format",
            [&request](const std::string& format) {
                request.format = format == "json" ? OutputFormat::Json : OutputFormat::Text;
            },
            "How the lists are printed: text (the default) or json.")
        ->type_name("text|json")
        ->check(CLI::IsMember({"text", "json"}).description(""));
    commandLine.add_flag("--detail", request.detail,
                         "Adds each row's detail: a third column of text, a third element in JSON.");
    CLI::Option* feed =
        commandLine.add_option("FEED", request.feed, "The history feed document to read, or - for standard input.");
    commandLine
        .add_option("--archive", request.archive,
                    "Reads the newest draws of the draw archive instead of a feed: the file PATH, or without "
                    "it the default archive.")
        ->type_name("[PATH]")
        ->expected(0, 1)
        ->excludes(feed);
    commandLine.callback([&request] {
        if (request.feed.empty() && !request.archive) throw CLI::RequiredError("FEED or --archive");
    });
}

}  // namespace quintara::stats_tool
