// Text between two markers, as the version page and the request headers are read.
#include <gtest/gtest.h>

#include "text/text_between.h"

namespace quintara {
namespace {

TEST(TextBetween, TakesTheTextUpToTheNextEndMarker) {
    EXPECT_EQ(textBetween("A: 1\r\nUser-Agent: Probe/2\r\nB: 2\r\n", "User-Agent:", "\r\n"),
              " Probe/2");
    EXPECT_EQ(textBetween("v==9.0==", "==", "=="), "9.0");
}

TEST(TextBetween, IsEmptyWhenAMarkerIsMissingOrInAnotherCase) {
    EXPECT_EQ(textBetween("A: 1\r\n", "User-Agent:", "\r\n"), "");
    EXPECT_EQ(textBetween("User-Agent: x", "User-Agent:", "\r\n"), "");
    EXPECT_EQ(textBetween("user-agent: x\r\n", "User-Agent:", "\r\n"), "");
}

}  // namespace
}  // namespace quintara
