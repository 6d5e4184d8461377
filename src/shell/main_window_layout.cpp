#include "shell/main_window_layout.h"

#include <array>

#include "shell/main_window_names.h"
#include "shell/fixed_settings.h"
#include "stats/count_window.h"

namespace quintara {
namespace {

using namespace names;
using K = ControlKind;

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kIssueBlue{0, 96, 192};
constexpr Rgb kPositionListText{0, 0, 128};
constexpr Rgb kListText{0, 128, 0};
constexpr Rgb kStatusGrey{236, 236, 236};

constexpr FontSpec kSong12{"宋体", 12, false};
constexpr FontSpec kSong14{"宋体", 14, false};
constexpr FontSpec kSong12Bold{"宋体", 12, true};
constexpr FontSpec kSong14Bold{"宋体", 14, true};
constexpr FontSpec kYaHei16{"微软雅黑", 16, false};
constexpr FontSpec kYaHei19Bold{"微软雅黑", 19, true};
constexpr FontSpec kYaHei24Bold{"微软雅黑", 24, true};

constexpr std::array<int, 2> kStatusParts{206, -1};
constexpr std::array<ColumnSpec, 3> kGridColumns{};

constexpr std::array<ColumnSpec, 2> kWanColumns{{{"万位", 40}, {"遗漏", 47}}};
constexpr std::array<ColumnSpec, 2> kQianColumns{{{"千位", 40}, {"遗漏", 47}}};
constexpr std::array<ColumnSpec, 2> kBaiColumns{{{"百位", 40}, {"遗漏", 47}}};
constexpr std::array<ColumnSpec, 2> kShiColumns{{{"十位", 40}, {"遗漏", 47}}};
constexpr std::array<ColumnSpec, 2> kGeColumns{{{"个位", 40}, {"遗漏", 47}}};
constexpr std::array<ColumnSpec, 2> kBackThreeOmissionColumns{{{"后三", 40}, {"遗漏", 47}}};
constexpr std::array<ColumnSpec, 2> kBackThreeFrequencyColumns{{{"后三", 40}, {"出现", 52}}};
constexpr std::array<ColumnSpec, 2> kFrequencyColumns{{{"全位", 40}, {"出现", 52}}};
constexpr std::array<ColumnSpec, 2> kSumTailColumns{{{"合尾", 40}, {"遗漏", 47}}};
constexpr std::array<ColumnSpec, 2> kSpanColumns{{{"跨度", 40}, {"遗漏", 49}}};
constexpr std::array<ColumnSpec, 2> kPairColumns{{{"胆码", 40}, {"遗漏", 49}}};
constexpr std::array<ColumnSpec, 2> kPatternColumns{{{"大小单双混", 100}, {"遗漏", 49}}};

constexpr ControlSpec shapeBox(std::string_view name, std::string_view parent, Rect rect,
                               std::optional<Rgb> fill = std::nullopt) {
    return {.name = name, .kind = K::ShapeBox, .parent = parent, .rect = rect, .fill = fill};
}

constexpr ControlSpec digitLabel(std::string_view name, Rect rect) {
    return {.name = name,
            .kind = K::TransparentLabel,
            .parent = kLeftPanel,
            .rect = rect,
            .caption = "8",
            .font = kYaHei24Bold,
            .textColour = kWhite,
            .centred = true};
}

constexpr ControlSpec groupBox(std::string_view name, std::string_view parent, Rect rect,
                               std::string_view caption, FontSpec font = kSong12) {
    return {.name = name, .kind = K::GroupBox, .parent = parent, .rect = rect, .caption = caption,
            .font = font};
}

constexpr ControlSpec listView(std::string_view name, std::string_view parent, Rect rect,
                               std::span<const ColumnSpec> columns, Rgb text = kListText) {
    return {.name = name, .kind = K::ListView, .parent = parent, .rect = rect, .font = kSong14,
            .textColour = text, .columns = columns};
}

constexpr ControlSpec comboBox(std::string_view name, std::string_view parent) {
    return {.name = name, .kind = K::ComboBox, .parent = parent, .rect = {11, 19, 86, 22},
            .font = kSong12Bold, .items = kCountWindowItems};
}

constexpr ControlSpec tabPage(std::string_view name, std::string_view caption) {
    return {.name = name, .kind = K::TabPage, .parent = kStatisticsTabs, .caption = caption};
}

constexpr ControlSpec picture(std::string_view name, std::string_view parent, Rect rect,
                              std::string_view image) {
    return {.name = name, .kind = K::PictureBox, .parent = parent, .rect = rect, .caption = image};
}

constexpr ControlSpec timer(std::string_view name, int interval) {
    return {.name = name, .kind = K::Timer, .visible = false, .interval = interval};
}

// Parents come before their children; later rows are drawn over earlier ones.
const std::array kControls{
    // The left panel: the newest draw, the draw history and the update button.
    shapeBox(kLeftPanel, "", {1, 1, 194, 470}),
    ControlSpec{.name = kNewestIssueLabel, .kind = K::TransparentLabel, .parent = kLeftPanel,
                .rect = {12, 7, 171, 25}, .font = kYaHei19Bold, .textColour = kIssueBlue,
                .centred = true},
    shapeBox(kNewestDigitFrames[0], kLeftPanel, {8, 40, 39, 31}, kRed),
    shapeBox(kNewestDigitFrames[1], kLeftPanel, {45, 40, 39, 31}, kRed),
    shapeBox(kNewestDigitFrames[2], kLeftPanel, {81, 40, 39, 31}, kRed),
    shapeBox(kNewestDigitFrames[3], kLeftPanel, {116, 40, 39, 31}, kRed),
    shapeBox(kNewestDigitFrames[4], kLeftPanel, {150, 40, 39, 31}, kRed),
    digitLabel(kNewestDigitLabels[0], {12, 39, 30, 30}),
    digitLabel(kNewestDigitLabels[1], {50, 39, 30, 30}),
    digitLabel(kNewestDigitLabels[2], {85, 39, 30, 30}),
    digitLabel(kNewestDigitLabels[3], {120, 39, 30, 30}),
    digitLabel(kNewestDigitLabels[4], {154, 40, 30, 30}),
    ControlSpec{.name = kDrawGrid, .kind = K::Grid, .parent = kLeftPanel,
                .rect = {-2, 78, 193, 353}, .columns = kGridColumns, .rows = 2},
    ControlSpec{.name = kUpdateButton, .kind = K::Button, .parent = kLeftPanel,
                .rect = {15, 435, 174, 30}, .caption = "刷新开奖 - 请勿连点", .font = kSong14Bold},

    // The statistics tab control and its five pages.
    ControlSpec{.name = kStatisticsTabs, .kind = K::TabControl, .rect = {197, 3, 601, 437}},
    tabPage(kPositionPage, " 定位统计 "),
    tabPage(kFrontThreePage, " 前三统计 "),
    tabPage(kMiddleThreePage, " 中三统计 "),
    tabPage(kBackThreePage, " 后三统计 "),
    tabPage(kAllFivePage, " 五星统计 "),

    picture(kPositionPicture, kPositionPage, {11, 205, 488, 200}, "branding-wide"),
    groupBox(kPositionGroup, kPositionPage, {8, 1, 491, 195}, "位置统计"),
    listView(kPositionOmissionLists[0], kPositionGroup, {5, 14, 94, 174}, kWanColumns,
             kPositionListText),
    listView(kPositionOmissionLists[1], kPositionGroup, {98, 14, 94, 174}, kQianColumns,
             kPositionListText),
    listView(kPositionOmissionLists[2], kPositionGroup, {194, 15, 94, 174}, kBaiColumns,
             kPositionListText),
    listView(kPositionOmissionLists[3], kPositionGroup, {291, 15, 94, 174}, kShiColumns,
             kPositionListText),
    listView(kPositionOmissionLists[4], kPositionGroup, {388, 15, 94, 174}, kGeColumns,
             kPositionListText),

    picture(kFrontThreePicture, kFrontThreePage, {259, 45, 320, 312}, "branding-logo"),
    groupBox(kFrontThreePairGroup, kFrontThreePage, {120, 8, 122, 400}, "前三胆码遗漏"),
    listView(kFrontThreePairOmissionList, kFrontThreePairGroup, {4, 15, 113, 369}, kPairColumns),
    groupBox(kFrontThreeFrequencyGroup, kFrontThreePage, {8, 8, 110, 400}, "前三频率统计", kSong14),
    comboBox(kFrontThreeCountWindowBox, kFrontThreeFrequencyGroup),
    listView(kFrontThreeFrequencyList, kFrontThreeFrequencyGroup, {5, 48, 98, 338},
             kFrequencyColumns),

    picture(kMiddleThreePicture, kMiddleThreePage, {259, 45, 320, 312}, "branding-logo"),
    groupBox(kMiddleThreePairGroup, kMiddleThreePage, {120, 8, 122, 400}, "中三胆码遗漏"),
    listView(kMiddleThreePairOmissionList, kMiddleThreePairGroup, {4, 15, 113, 369}, kPairColumns),
    groupBox(kMiddleThreeFrequencyGroup, kMiddleThreePage, {8, 8, 110, 400}, "中三频率统计",
             kSong14),
    comboBox(kMiddleThreeCountWindowBox, kMiddleThreeFrequencyGroup),
    listView(kMiddleThreeFrequencyList, kMiddleThreeFrequencyGroup, {5, 48, 98, 338},
             kFrequencyColumns),

    groupBox(kBackThreePairGroup, kBackThreePage, {8, 8, 122, 400}, "后三２＝２遗漏"),
    listView(kBackThreePairOmissionList, kBackThreePairGroup, {4, 15, 113, 369}, kPairColumns),
    groupBox(kSpanGroup, kBackThreePage, {473, 9, 123, 400}, "跨度遗漏"),
    listView(kSpanOmissionList, kSpanGroup, {5, 25, 113, 369}, kSpanColumns),
    groupBox(kSumTailGroup, kBackThreePage, {356, 9, 120, 400}, "合尾遗漏"),
    listView(kSumTailOmissionList, kSumTailGroup, {5, 24, 109, 369}, kSumTailColumns),
    groupBox(kBackThreeFrequencyGroup, kBackThreePage, {135, 8, 220, 400}, "后三频率统计", kSong14),
    comboBox(kBackThreeCountWindowBox, kBackThreeFrequencyGroup),
    listView(kBackThreeFrequencyList, kBackThreeFrequencyGroup, {5, 48, 98, 338},
             kBackThreeFrequencyColumns),
    listView(kBackThreeOmissionList, kBackThreePage, {246, 56, 94, 338},
             kBackThreeOmissionColumns),

    groupBox(kPatternGroup, kAllFivePage, {393, 7, 187, 400}, "五星大小单双混合统计"),
    listView(kPatternOmissionList, kPatternGroup, {6, 21, 174, 369}, kPatternColumns),
    groupBox(kPairFrequencyGroup, kAllFivePage, {139, 8, 107, 400}, "五星双胆码频率", kSong14),
    comboBox(kPairFrequencyCountWindowBox, kPairFrequencyGroup),
    listView(kPairFrequencyList, kPairFrequencyGroup, {5, 49, 98, 338}, kFrequencyColumns),
    groupBox(kAllFivePairGroup, kAllFivePage, {262, 9, 122, 396}, "五星胆码遗漏"),
    listView(kAllFivePairOmissionList, kAllFivePairGroup, {4, 15, 113, 369}, kPairColumns),
    groupBox(kAllFiveFrequencyGroup, kAllFivePage, {16, 8, 107, 400}, "五星频率统计", kSong14),
    comboBox(kAllFiveCountWindowBox, kAllFiveFrequencyGroup),
    listView(kAllFiveFrequencyList, kAllFiveFrequencyGroup, {5, 48, 98, 338}, kFrequencyColumns),

    // The bottom strip; the clock label lies over the status bar's second part.
    ControlSpec{.name = kRefreshButton, .kind = K::Button, .rect = {382, 440, 370, 32},
                .caption = "刷新", .font = kYaHei19Bold},
    ControlSpec{.name = kAutoRefreshBox, .kind = K::CheckBox, .rect = {284, 450, 76, 16},
                .caption = "自动刷新", .checked = true},
    ControlSpec{.name = kStatusBar, .kind = K::StatusBar, .rect = {-7, 480, 543, 27},
                .font = kSong14, .fill = kStatusGrey, .partWidths = kStatusParts},
    ControlSpec{.name = kClockLabel, .kind = K::TransparentLabel, .rect = {231, 485, 168, 18},
                .font = kYaHei16, .textColour = kBlack},
    ControlSpec{.name = kOnlineCaption, .kind = K::Label, .rect = {560, 488, 112, 24},
                .caption = "当前在线人数：", .font = {"", 16, true}},
    ControlSpec{.name = kOnlineCountLabel, .kind = K::Label, .rect = {680, 488, 96, 24},
                .font = {"", 19, true}},

    // The advertisement area.
    groupBox(kBannerGroup, "", {8, 512, 800, 176}, ""),
    picture(kBanner, kBannerGroup, {8, 8, 784, 160}, ""),

    // What the user never sees.
    timer(kClockTimer, 1000),
    timer(kUpdateTimer, 0),
    timer(kOnlineCountTimer, 0),
    ControlSpec{.name = kLocalVersionLabel, .kind = K::Label, .rect = {920, 400, 48, 40},
                .caption = "9.0"},
    ControlSpec{.name = kHtmlViewer, .kind = K::HtmlViewer, .rect = {1080, 504, 88, 56},
                .caption = fixed_settings::kViewerAddress},
};

const WindowSpec kMainWindow{.title = kMainWindowTitle,
                             .clientWidth = kClientWidth,
                             .clientHeight = kClientHeight,
                             .controls = kControls};

}  // namespace

const WindowSpec& mainWindowLayout() { return kMainWindow; }

}  // namespace quintara
