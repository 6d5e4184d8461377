// Alert rules read from their JSON text, and refused whole for one bad element.
#include <gtest/gtest.h>

#include "alerts/alert_rule.h"

namespace quintara {
namespace {

TEST(AlertRules, ReadEveryConditionAndWriteThemBack) {
    const std::string json =
        R"([{"list":"超级列表框_万遗漏","item":"7","when":"current","at_least":20},)"
        R"({"list":"*","item":"*","when":"record"},)"
        R"({"list":"超级列表框_胆码后三","item":"*","when":"chance","at_most":0.01},)"
        R"({"when":"silence","minutes":10}])";
    const AlertRulesReading reading = readAlertRules(json);
    ASSERT_TRUE(reading.good()) << reading.error;
    ASSERT_EQ(reading.rules.size(), 4U);
    EXPECT_EQ(reading.rules[0].list, StatisticsList::Position1Omission);
    EXPECT_EQ(reading.rules[0].item, "7");
    EXPECT_EQ(reading.rules[0].atLeast, 20);
    EXPECT_FALSE(reading.rules[1].list.has_value());
    EXPECT_FALSE(reading.rules[1].item.has_value());
    EXPECT_DOUBLE_EQ(reading.rules[2].atMost, 0.01);
    EXPECT_EQ(reading.rules[3].when, AlertCondition::Silence);
    EXPECT_EQ(readAlertRules(alertRulesJson(reading.rules)).rules, reading.rules);
    EXPECT_EQ(describeRule(reading.rules[0]), "万位 7：遗漏 ≥ 20 期");
    EXPECT_EQ(describeRule(reading.rules[2]), "后三胆码（全部）：遗漏概率 ≤ 1.00%");
    EXPECT_TRUE(readAlertRules("[]").good());
}

TEST(AlertRules, OneBadElementRefusesTheWholeTextNamingItsPlace) {
    const std::string good = R"({"list":"*","item":"*","when":"record"},)";
    for (const auto& [element, reason] : std::vector<std::pair<std::string, std::string>>{
             {R"({"list":"超级列表框_万","item":"7","when":"record"})", "rule 1: no list is called 超级列表框_万"},
             {R"({"list":"超级列表框_万遗漏","item":"12","when":"record"})",
              "rule 1: list 超级列表框_万遗漏 has no item 12"},
             {R"({"list":"*","item":"双双","when":"record"})", "rule 1: no list has an item 双双"},
             {R"({"list":"*","item":"*","when":"current","at_least":0})",
              "rule 1: \"at_least\" must be a whole number from 1 to 1000000"},
             {R"({"list":"*","item":"*","when":"current","at_least":2.5})",
              "rule 1: \"at_least\" must be a whole number from 1 to 1000000"},
             {R"({"list":"*","item":"*","when":"chance","at_most":1.5})",
              "rule 1: \"at_most\" must be a number above 0 and at most 1"},
             {R"({"list":"*","item":"*","when":"often"})",
              "rule 1: \"when\" must be current, record, chance or silence"},
             {R"({"list":"*","when":"record"})", "rule 1: \"item\" is missing"},
             {R"({"list":"*","item":"*","when":"silence","minutes":5})",
              "rule 1: \"list\" does not belong to a silence rule"},
             {R"("record")", "rule 1: not an object"},
         }) {
        const AlertRulesReading reading = readAlertRules("[" + good + element + "]");
        EXPECT_EQ(reading.error, reason) << element;
        EXPECT_TRUE(reading.rules.empty()) << element;
    }
    EXPECT_EQ(readAlertRules(R"({"when":"record"})").error, "the rules are not a JSON array");
    EXPECT_EQ(readAlertRules("[{").error, "the rules are not a JSON array");
}

}  // namespace
}  // namespace quintara
