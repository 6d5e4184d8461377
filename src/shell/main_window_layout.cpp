#include "shell/main_window_layout.h"

#include <array>

#include "shell/fixed_settings.h"

namespace quintara {
namespace {

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

constexpr std::array<std::string_view, 5> kCountWindowItems{"统计10期", "统计20期", "统计30期",
                                                            "统计50期", "统计所有"};
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
            .parent = "外形框1",
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
    return {.name = name, .kind = K::TabPage, .parent = "高级选择夹1", .caption = caption};
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
    shapeBox("外形框1", "", {1, 1, 194, 470}),
    ControlSpec{.name = "透明标签_显示期号", .kind = K::TransparentLabel, .parent = "外形框1",
                .rect = {12, 7, 171, 25}, .font = kYaHei19Bold, .textColour = kIssueBlue,
                .centred = true},
    shapeBox("外形框7", "外形框1", {8, 40, 39, 31}, kRed),
    shapeBox("外形框6", "外形框1", {45, 40, 39, 31}, kRed),
    shapeBox("外形框3", "外形框1", {81, 40, 39, 31}, kRed),
    shapeBox("外形框4", "外形框1", {116, 40, 39, 31}, kRed),
    shapeBox("外形框5", "外形框1", {150, 40, 39, 31}, kRed),
    digitLabel("透明标签_万", {12, 39, 30, 30}),
    digitLabel("透明标签_千", {50, 39, 30, 30}),
    digitLabel("透明标签_百", {85, 39, 30, 30}),
    digitLabel("透明标签_十", {120, 39, 30, 30}),
    digitLabel("透明标签_个", {154, 40, 30, 30}),
    ControlSpec{.name = "高级表格_开奖", .kind = K::Grid, .parent = "外形框1",
                .rect = {-2, 78, 193, 353}, .columns = kGridColumns, .rows = 2},
    ControlSpec{.name = "按钮_更新号码", .kind = K::Button, .parent = "外形框1",
                .rect = {15, 435, 174, 30}, .caption = "刷新开奖 - 请勿连点", .font = kSong14Bold},

    // The statistics tab control and its five pages.
    ControlSpec{.name = "高级选择夹1", .kind = K::TabControl, .rect = {197, 3, 601, 437}},
    tabPage("选择夹页_定位统计", " 定位统计 "),
    tabPage("选择夹页_前三统计", " 前三统计 "),
    tabPage("选择夹页_中三统计", " 中三统计 "),
    tabPage("选择夹页_后三统计", " 后三统计 "),
    tabPage("选择夹页_五星统计", " 五星统计 "),

    picture("图片框2", "选择夹页_定位统计", {11, 205, 488, 200}, "branding-wide"),
    groupBox("分组框4", "选择夹页_定位统计", {8, 1, 491, 195}, "位置统计"),
    listView("超级列表框_万遗漏", "分组框4", {5, 14, 94, 174}, kWanColumns, kPositionListText),
    listView("超级列表框_千遗漏", "分组框4", {98, 14, 94, 174}, kQianColumns, kPositionListText),
    listView("超级列表框_百遗漏", "分组框4", {194, 15, 94, 174}, kBaiColumns, kPositionListText),
    listView("超级列表框_十遗漏", "分组框4", {291, 15, 94, 174}, kShiColumns, kPositionListText),
    listView("超级列表框_个遗漏", "分组框4", {388, 15, 94, 174}, kGeColumns, kPositionListText),

    picture("图片框3", "选择夹页_前三统计", {259, 45, 320, 312}, "branding-logo"),
    groupBox("分组框8", "选择夹页_前三统计", {120, 8, 122, 400}, "前三胆码遗漏"),
    listView("超级列表框_胆码前三", "分组框8", {4, 15, 113, 369}, kPairColumns),
    groupBox("分组框7", "选择夹页_前三统计", {8, 8, 110, 400}, "前三频率统计", kSong14),
    comboBox("组合框_选择选几期前三", "分组框7"),
    listView("超级列表框_出现次数前三", "分组框7", {5, 48, 98, 338}, kFrequencyColumns),

    picture("图片框4", "选择夹页_中三统计", {259, 45, 320, 312}, "branding-logo"),
    groupBox("分组框9", "选择夹页_中三统计", {120, 8, 122, 400}, "中三胆码遗漏"),
    listView("超级列表框_胆码中三", "分组框9", {4, 15, 113, 369}, kPairColumns),
    groupBox("分组框6", "选择夹页_中三统计", {8, 8, 110, 400}, "中三频率统计", kSong14),
    comboBox("组合框_选择选几期中三", "分组框6"),
    listView("超级列表框_出现次数中三", "分组框6", {5, 48, 98, 338}, kFrequencyColumns),

    groupBox("分组框11", "选择夹页_后三统计", {8, 8, 122, 400}, "后三２＝２遗漏"),
    listView("超级列表框_胆码后三", "分组框11", {4, 15, 113, 369}, kPairColumns),
    groupBox("分组框2", "选择夹页_后三统计", {473, 9, 123, 400}, "跨度遗漏"),
    listView("超级列表框_杀跨度", "分组框2", {5, 25, 113, 369}, kSpanColumns),
    groupBox("分组框1", "选择夹页_后三统计", {356, 9, 120, 400}, "合尾遗漏"),
    listView("超级列表框_杀合尾", "分组框1", {5, 24, 109, 369}, kSumTailColumns),
    groupBox("分组框10", "选择夹页_后三统计", {135, 8, 220, 400}, "后三频率统计", kSong14),
    comboBox("组合框_选择选几期", "分组框10"),
    listView("超级列表框_出现次数", "分组框10", {5, 48, 98, 338}, kBackThreeFrequencyColumns),
    listView("超级列表框_全遗漏", "选择夹页_后三统计", {246, 56, 94, 338},
             kBackThreeOmissionColumns),

    groupBox("分组框13", "选择夹页_五星统计", {393, 7, 187, 400}, "五星大小单双混合统计"),
    listView("超级列表框_混选", "分组框13", {6, 21, 174, 369}, kPatternColumns),
    groupBox("分组框12", "选择夹页_五星统计", {139, 8, 107, 400}, "五星双胆码频率", kSong14),
    comboBox("组合框_选择选几期五星双胆", "分组框12"),
    listView("超级列表框_出现次数五星双胆", "分组框12", {5, 49, 98, 338}, kFrequencyColumns),
    groupBox("分组框5", "选择夹页_五星统计", {262, 9, 122, 396}, "五星胆码遗漏"),
    listView("超级列表框_胆码", "分组框5", {4, 15, 113, 369}, kPairColumns),
    groupBox("分组框3", "选择夹页_五星统计", {16, 8, 107, 400}, "五星频率统计", kSong14),
    comboBox("组合框_选择选几期五星", "分组框3"),
    listView("超级列表框_出现次数五星", "分组框3", {5, 48, 98, 338}, kFrequencyColumns),

    // The bottom strip; the clock label lies over the status bar's second part.
    ControlSpec{.name = "按钮_刷新显示", .kind = K::Button, .rect = {382, 440, 370, 32},
                .caption = "刷新", .font = kYaHei19Bold},
    ControlSpec{.name = "选择框1", .kind = K::CheckBox, .rect = {284, 450, 76, 16},
                .caption = "自动刷新", .checked = true},
    ControlSpec{.name = "状态条_显示", .kind = K::StatusBar, .rect = {-7, 480, 543, 27},
                .font = kSong14, .fill = kStatusGrey, .partWidths = kStatusParts},
    ControlSpec{.name = "透明标签_时间显示", .kind = K::TransparentLabel, .rect = {231, 485, 168, 18},
                .font = kYaHei16, .textColour = kBlack},
    ControlSpec{.name = "在线标签", .kind = K::Label, .rect = {560, 488, 112, 24},
                .caption = "当前在线人数：", .font = {"", 16, true}},
    ControlSpec{.name = "人数标签", .kind = K::Label, .rect = {680, 488, 96, 24},
                .font = {"", 19, true}},

    // The advertisement area.
    groupBox("分组框18", "", {8, 512, 800, 176}, ""),
    picture("主界面广告", "分组框18", {8, 8, 784, 160}, ""),

    // What the user never sees.
    timer("时钟显示时间", 1000),
    timer("时钟_自动更新", 0),
    timer("人数时钟", 0),
    ControlSpec{.name = "标签80", .kind = K::Label, .rect = {920, 400, 48, 40}, .caption = "9.0"},
    ControlSpec{.name = "超文本浏览框1", .kind = K::HtmlViewer, .rect = {1080, 504, 88, 56},
                .caption = fixed_settings::kViewerAddress},
};

const WindowSpec kMainWindow{.title = kMainWindowTitle,
                             .clientWidth = kClientWidth,
                             .clientHeight = kClientHeight,
                             .controls = kControls};

}  // namespace

const WindowSpec& mainWindowLayout() { return kMainWindow; }

}  // namespace quintara
