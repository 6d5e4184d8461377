#include "text/numbers.h"

#include <gtest/gtest.h>

#include <string>

namespace quintara {
namespace {

TEST(Digits, OnlyTheTenAsciiDigitsCount) {
    EXPECT_TRUE(allDigits("0123456789"));
    EXPECT_TRUE(allDigits(""));
    EXPECT_FALSE(allDigits("12a"));
    EXPECT_FALSE(allDigits("１２"));  // full-width digits are other bytes
    EXPECT_EQ(digitValue('7'), 7);
    EXPECT_EQ(digitValue('/'), -1);
    EXPECT_EQ(digitValue(':'), -1);
}

TEST(LeadingInteger, ReadsTheDigitsAtTheStartAndStopsBeforeOverflow) {
    EXPECT_EQ(leadingInteger("81101120"), 81101120);
    EXPECT_EQ(leadingInteger("042x9"), 42);
    EXPECT_EQ(leadingInteger(""), 0);
    EXPECT_EQ(leadingInteger("-5"), 0);
    EXPECT_EQ(leadingInteger(std::string(40, '9')), 999999999999999999);
}

TEST(Rightmost, TakesTheLastCharactersOrAllOfAShorterText) {
    EXPECT_EQ(rightmost("20181101120", 3), "120");
    EXPECT_EQ(rightmost("12", 3), "12");
    EXPECT_EQ(rightmost("", 8), "");
}

TEST(LeadingNumber, ReadsTheDecimalNumberAtTheStart) {
    EXPECT_EQ(leadingNumber("9.0"), 9.0F);
    EXPECT_EQ(leadingNumber("  9.1 beta"), 9.1F);
    EXPECT_EQ(leadingNumber("10"), 10.0F);
    EXPECT_EQ(leadingNumber("-2.5x"), -2.5F);
    EXPECT_EQ(leadingNumber("+3"), 3.0F);
    EXPECT_EQ(leadingNumber(".5"), 0.5F);
    EXPECT_EQ(leadingNumber("9."), 9.0F);
}

TEST(LeadingNumber, NothingWhenTheTextDoesNotBeginWithOne) {
    EXPECT_EQ(leadingNumber(""), std::nullopt);
    EXPECT_EQ(leadingNumber("   "), std::nullopt);
    EXPECT_EQ(leadingNumber("v9.0"), std::nullopt);
    EXPECT_EQ(leadingNumber("-"), std::nullopt);
    EXPECT_EQ(leadingNumber("+."), std::nullopt);
    EXPECT_EQ(leadingNumber(std::string(5000, '9')), std::nullopt);  // beyond a float
}

}  // namespace
}  // namespace quintara
