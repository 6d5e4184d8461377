// History feed documents for tests: one row element per draw, oldest first,
// as the history provider publishes them.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace quintara::testing {

struct FeedDraw {
    std::string_view issue;   // yymmdd and the sequence number: "180211001"
    std::string_view digits;  // "23780"
};

// The first draws of 11 February 2018, oldest first.
inline constexpr std::array<FeedDraw, 6> kFirstDrawsOf20180211{{
    {"180211001", "23780"},
    {"180211002", "48550"},
    {"180211003", "49773"},
    {"180211004", "37574"},
    {"180211005", "04443"},
    {"180211006", "91180"},
}};

// One row element: the digits separated by commas, as the feed writes them.
inline std::string feedRow(const FeedDraw& draw) {
    std::string code;
    for (char digit : draw.digits) {
        if (!code.empty()) code += ',';
        code += digit;
    }
    return "<row expect=\"" + std::string(draw.issue) + "\" opencode=\"" + code +
           "\" opentime=\"2018-02-11 10:00:00\"/>";
}

inline std::string feedDocument(std::span<const FeedDraw> draws) {
    std::string document = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<xml>\n";
    for (const FeedDraw& draw : draws) document += feedRow(draw) + "\n";
    return document + "</xml>\n";
}

}  // namespace quintara::testing
