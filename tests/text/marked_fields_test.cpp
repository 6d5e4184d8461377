#include "text/marked_fields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quintara {
namespace {

constexpr FieldMarkers kMarkers{"<", "|", ">", "\n"};

std::vector<std::string> records(std::string_view text) {
    std::vector<std::string> found;
    forEachMarkedFields(text, kMarkers, [&](std::string_view first, std::string_view second) {
        found.push_back(std::string(first) + "/" + std::string(second));
    });
    return found;
}

TEST(MarkedFields, FieldsEndAtTheFirstMarkerAfterThemAsLazyGroupsDo) {
    EXPECT_EQ(records("<a|b> <c|d>"), (std::vector<std::string>{"a/b", "c/d"}));
    EXPECT_EQ(records("<a|b|c>>"), (std::vector<std::string>{"a/b|c"}));
    // A later start inside the first field belongs to the first record.
    EXPECT_EQ(records("<x<a|b>"), (std::vector<std::string>{"x<a/b"}));
    EXPECT_EQ(records("<|>"), (std::vector<std::string>{"/"}));
}

TEST(MarkedFields, ARecordNeverReachesAcrossALineBreak) {
    EXPECT_EQ(records("<a|b\n> <c|d>"), (std::vector<std::string>{"c/d"}));
    EXPECT_EQ(records("<a\n|b> <c|d>"), (std::vector<std::string>{"c/d"}));
    EXPECT_EQ(records("<a|b>\n<c|d>\n<e|"), (std::vector<std::string>{"a/b", "c/d"}));
}

TEST(MarkedFields, ALongLineWithoutTheLaterMarkersHoldsNothing) {
    std::string line;
    for (int i = 0; i < 100000; ++i) line += "<a|";
    EXPECT_TRUE(records(line + "\n").empty());
    EXPECT_EQ(records(line + "\n<z|y>"), (std::vector<std::string>{"z/y"}));
    EXPECT_TRUE(records("").empty());
}

}  // namespace
}  // namespace quintara
