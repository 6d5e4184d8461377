#include "arguments.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

#include "fairness/five_digits.h"
#include "range_option.h"

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

// The options of the fairness tests and the backtest; the range is theirs only.
struct AnalysisOptions {
    CLI::Option* fairness;
    CLI::Option* backtest;
    CLI::Option* position;
    CLI::Option* k;
    CLI::Option* window;
    CLI::Option* range;

    // What CLI11's own rules do not say: throws CLI::ParseError.
    void check(const Request& request) const {
        if (backtest->count() > 0 && (position->count() == 0 || k->count() == 0)) {
            throw CLI::ValidationError("--backtest", "wants --position and --k");
        }
        if (window->count() > 0 && request.backtest.rule != BacktestRule::Hot) {
            throw CLI::ValidationError("--window", "is for --backtest hot only");
        }
        if (range->count() > 0 && fairness->count() == 0 && backtest->count() == 0) {
            throw CLI::ValidationError("--range", "is for --fairness and --backtest only");
        }
    }
};

AnalysisOptions declareAnalyses(CLI::App& commandLine, Request& request) {
    AnalysisOptions options{};
    options.fairness = commandLine.add_flag_callback(
        "--fairness", [&request] { request.analysis = Analysis::Fairness; },
        "Prints the fairness tests (公平性检验) of the range's draws instead of the lists: each test's "
        "statistic, degrees of freedom, p-value and Holm-adjusted p-value, and the verdict.");
    options.backtest =
        commandLine
            .add_option_function<std::string>(
                "--backtest",
                [&request](const std::string& rule) {
                    request.analysis = Analysis::Backtest;
                    request.backtest.rule = *ruleNamed(rule);
                },
                "Prints the backtest (回测) of a rule over the range's draws instead of the lists: before each "
                "draw it bets on the K digits absent longest (cold) or seen most often in the W draws before "
                "(hot) at the position.")
            ->type_name("cold|hot")
            ->check(CLI::IsMember({"cold", "hot"}).description(""))
            ->excludes(options.fairness);
    std::vector<std::string> positions;
    for (int position = 0; position < kPositions; ++position) positions.emplace_back(positionName(position));
    options.position =
        commandLine
            .add_option_function<std::string>(
                "--position",
                [&request, positions](const std::string& name) {
                    request.backtest.position =
                        static_cast<int>(std::ranges::find(positions, name) - positions.begin());
                },
                "The position the backtest bets on.")
            ->type_name("万位|千位|百位|十位|个位")
            ->check(CLI::IsMember(positions).description(""))
            ->needs(options.backtest);
    options.k = commandLine.add_option("--k", request.backtest.k, "How many digits the backtest bets on.")
                    ->type_name("K")
                    ->transform(tools::wholeNumber(1, kDigits - 1))
                    ->needs(options.backtest);
    options.window = commandLine.add_option("--window", request.backtest.window, "The draws hot counts before each bet.")
                         ->type_name("W")
                         ->transform(tools::wholeNumber(1, kMostHotWindow))
                         ->needs(options.backtest);
    options.range =
        commandLine
            .add_option("--range", "The draws tested: the newest N, today (the newest draw's day), 3d, 7d (its "
                                   "day and the days before), or the issues FROM:TO; every draw read unless given.")
            ->type_name("N|today|3d|7d|FROM:TO")
            ->transform(tools::rangeReader(request.range, std::nullopt));
    return options;
}

}  // namespace

void declareOptions(CLI::App& commandLine, Request& request) {
    const AnalysisOptions analyses = declareAnalyses(commandLine, request);
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
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->excludes(analyses.fairness)
        ->excludes(analyses.backtest);
    commandLine
        .add_option_function<std::string>(
            "--format",
            [&request](const std::string& format) {
                request.format = format == "json" ? OutputFormat::Json : OutputFormat::Text;
            },
            "How the lists, the tests or the backtest are printed: text (the default) or json.")
        ->type_name("text|json")
        ->check(CLI::IsMember({"text", "json"}).description(""));
    commandLine
        .add_flag("--detail", request.detail, "Adds each row's detail: a third column of text, a third element in JSON.")
        ->excludes(analyses.fairness)
        ->excludes(analyses.backtest);
    CLI::Option* feed =
        commandLine.add_option("FEED", request.source.feed, "The history feed document to read, or - for standard input.");
    commandLine
        .add_option("--archive", request.source.archive,
                    "Reads the newest draws of the draw archive instead of a feed: the file PATH, or without "
                    "it the default archive.")
        ->type_name("[PATH]")
        ->expected(0, 1)
        ->excludes(feed);
    commandLine.callback([&request, analyses] {
        if (!request.source.feed && !request.source.archive) throw CLI::RequiredError("FEED or --archive");
        analyses.check(request);
    });
}

}  // namespace quintara::stats_tool
