#include "controls/memory_controls.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>

namespace quintara {
namespace {

constexpr std::array<std::string_view, 2> kItems{"one", "two"};
constexpr std::array<int, 2> kParts{206, -1};
constexpr std::array<ControlSpec, 6> kControls{{
    {.name = "label", .kind = ControlKind::Label, .caption = "9.0"},
    {.name = "button", .kind = ControlKind::Button, .caption = "go"},
    {.name = "combo", .kind = ControlKind::ComboBox, .items = kItems},
    {.name = "timer", .kind = ControlKind::Timer, .interval = 0},
    {.name = "status", .kind = ControlKind::StatusBar, .partWidths = kParts},
    {.name = "frame", .kind = ControlKind::GroupBox},
}};
const WindowSpec kLayout{.title = "test", .controls = kControls};

TEST(MemoryWindow, HandsOutControlsByNameAndKind) {
    const auto window = makeMemoryWindow(kLayout);
    EXPECT_EQ(window->label("label").caption(), "9.0");
    EXPECT_TRUE(window->has("frame"));
    EXPECT_FALSE(window->has("nothing"));
    EXPECT_THROW((void)window->label("nothing"), std::logic_error);
    EXPECT_THROW((void)window->listView("label"), std::logic_error);
}

TEST(MemoryWindow, TwoControlsMayNotShareAName) {
    Window window;
    window.add("x", std::make_unique<MemoryLabel>(""));
    EXPECT_THROW(window.add("x", std::make_unique<MemoryLabel>("")), std::logic_error);
}

TEST(MemoryWindow, ADisabledButtonTakesNoClick) {
    const auto window = makeMemoryWindow(kLayout);
    auto& button = window->control<MemoryButton>("button");
    int clicks = 0;
    button.onClick([&] { ++clicks; });
    button.click();
    button.setEnabled(false);
    button.click();
    EXPECT_EQ(clicks, 1);
}

TEST(MemoryWindow, AStoppedTimerDoesNotTick) {
    const auto window = makeMemoryWindow(kLayout);
    auto& timer = window->control<MemoryTimer>("timer");
    int ticks = 0;
    timer.onTick([&] { ++ticks; });
    timer.tick();
    timer.setInterval(8000);
    timer.tick();
    EXPECT_EQ(ticks, 1);
}

TEST(MemoryWindow, ComboBoxStartsOnItemZeroAndTakesNoSelection) {
    const auto window = makeMemoryWindow(kLayout);
    ComboBox& combo = window->comboBox("combo");
    EXPECT_EQ(combo.selectedIndex(), 0);
    EXPECT_EQ(combo.itemText(1), "two");
    combo.setSelectedIndex(-1);
    EXPECT_EQ(combo.selectedIndex(), -1);
    combo.setSelectedIndex(7);
    EXPECT_EQ(combo.selectedIndex(), -1);
}

TEST(MemoryWindow, ListViewAndStatusBarRejectMissingCells) {
    MemoryListView list;
    EXPECT_EQ(list.appendItem(), 0);
    list.setItemText(0, 1, "1 期");
    EXPECT_EQ(list.itemText(0, 1), "1 期");
    EXPECT_THROW(list.setItemText(1, 0, "x"), std::out_of_range);
    EXPECT_THROW(list.setItemText(0, 2, "x"), std::out_of_range);
    const auto window = makeMemoryWindow(kLayout);
    EXPECT_THROW(window->statusBar("status").setPartText(2, "x"), std::out_of_range);
}

}  // namespace
}  // namespace quintara
