// The names of the main window's controls, each spelt here once: the layout
// table, the shell and the tests take them from here, so a misspelt name does
// not compile. The statistics lists and their count-window boxes carry the
// names by which the statistics know them.
#pragma once

#include <array>
#include <string_view>

#include "stats/statistics_lists.h"

namespace quintara::names {

using Name = std::string_view;
// One name for each position, 万 千 百 十 个.
using PerPosition = std::array<Name, 5>;

// The left panel: the newest draw, the draw history and the update button.
inline constexpr Name kLeftPanel = "外形框1";
inline constexpr Name kNewestIssueLabel = "透明标签_显示期号";
inline constexpr PerPosition kNewestDigitFrames{"外形框7", "外形框6", "外形框3", "外形框4",
                                                "外形框5"};
inline constexpr PerPosition kNewestDigitLabels{"透明标签_万", "透明标签_千", "透明标签_百",
                                                "透明标签_十", "透明标签_个"};
inline constexpr Name kDrawGrid = "高级表格_开奖";
inline constexpr Name kUpdateButton = "按钮_更新号码";

// The statistics tab control and its five pages.
inline constexpr Name kStatisticsTabs = "高级选择夹1";
inline constexpr Name kPositionPage = "选择夹页_定位统计";
inline constexpr Name kFrontThreePage = "选择夹页_前三统计";
inline constexpr Name kMiddleThreePage = "选择夹页_中三统计";
inline constexpr Name kBackThreePage = "选择夹页_后三统计";
inline constexpr Name kAllFivePage = "选择夹页_五星统计";

// 定位统计: the omission of each digit at one position.
inline constexpr Name kPositionPicture = "图片框2";
inline constexpr Name kPositionGroup = "分组框4";
inline constexpr PerPosition kPositionOmissionLists{
    nameOf(StatisticsList::Position1Omission), nameOf(StatisticsList::Position2Omission),
    nameOf(StatisticsList::Position3Omission), nameOf(StatisticsList::Position4Omission),
    nameOf(StatisticsList::Position5Omission)};

// 前三统计
inline constexpr Name kFrontThreePicture = "图片框3";
inline constexpr Name kFrontThreePairGroup = "分组框8";
inline constexpr Name kFrontThreePairOmissionList = nameOf(StatisticsList::FrontThreePairOmission);
inline constexpr Name kFrontThreeFrequencyGroup = "分组框7";
inline constexpr Name kFrontThreeCountWindowBox = nameOf(CountWindowBox::FrontThree);
inline constexpr Name kFrontThreeFrequencyList = nameOf(StatisticsList::FrontThreeFrequency);

// 中三统计
inline constexpr Name kMiddleThreePicture = "图片框4";
inline constexpr Name kMiddleThreePairGroup = "分组框9";
inline constexpr Name kMiddleThreePairOmissionList = nameOf(StatisticsList::MiddleThreePairOmission);
inline constexpr Name kMiddleThreeFrequencyGroup = "分组框6";
inline constexpr Name kMiddleThreeCountWindowBox = nameOf(CountWindowBox::MiddleThree);
inline constexpr Name kMiddleThreeFrequencyList = nameOf(StatisticsList::MiddleThreeFrequency);

// 后三统计
inline constexpr Name kBackThreePairGroup = "分组框11";
inline constexpr Name kBackThreePairOmissionList = nameOf(StatisticsList::BackThreePairOmission);
inline constexpr Name kSpanGroup = "分组框2";
inline constexpr Name kSpanOmissionList = nameOf(StatisticsList::SpanOmission);
inline constexpr Name kSumTailGroup = "分组框1";
inline constexpr Name kSumTailOmissionList = nameOf(StatisticsList::SumTailOmission);
inline constexpr Name kBackThreeFrequencyGroup = "分组框10";
inline constexpr Name kBackThreeCountWindowBox = nameOf(CountWindowBox::BackThree);
inline constexpr Name kBackThreeFrequencyList = nameOf(StatisticsList::BackThreeFrequency);
inline constexpr Name kBackThreeOmissionList = nameOf(StatisticsList::BackThreeOmission);

// 五星统计
inline constexpr Name kPatternGroup = "分组框13";
inline constexpr Name kPatternOmissionList = nameOf(StatisticsList::PatternOmission);
inline constexpr Name kPairFrequencyGroup = "分组框12";
inline constexpr Name kPairFrequencyCountWindowBox = nameOf(CountWindowBox::Pair);
inline constexpr Name kPairFrequencyList = nameOf(StatisticsList::PairFrequency);
inline constexpr Name kAllFivePairGroup = "分组框5";
inline constexpr Name kAllFivePairOmissionList = nameOf(StatisticsList::AllFivePairOmission);
inline constexpr Name kAllFiveFrequencyGroup = "分组框3";
inline constexpr Name kAllFiveCountWindowBox = nameOf(CountWindowBox::AllFive);
inline constexpr Name kAllFiveFrequencyList = nameOf(StatisticsList::AllFiveFrequency);

// The bottom strip.
inline constexpr Name kRefreshButton = "按钮_刷新显示";
inline constexpr Name kAutoRefreshBox = "选择框1";
inline constexpr Name kStatusBar = "状态条_显示";
inline constexpr Name kClockLabel = "透明标签_时间显示";
inline constexpr Name kOnlineCaption = "在线标签";
inline constexpr Name kOnlineCountLabel = "人数标签";

// The advertisement area.
inline constexpr Name kBannerGroup = "分组框18";
inline constexpr Name kBanner = "主界面广告";

// What the user never sees.
inline constexpr Name kClockTimer = "时钟显示时间";
inline constexpr Name kUpdateTimer = "时钟_自动更新";
inline constexpr Name kOnlineCountTimer = "人数时钟";
inline constexpr Name kLocalVersionLabel = "标签80";
inline constexpr Name kHtmlViewer = "超文本浏览框1";

}  // namespace quintara::names
