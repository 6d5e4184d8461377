// A platform for tests: a clock set by hand, a seeded generator, and a record
// of the message boxes, opened addresses, program ends and written files.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "shell/system_platform.h"

namespace quintara::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

class FakePlatform : public SystemPlatform {
public:
    [[nodiscard]] LocalTime localTime() const override { return now; }
    [[nodiscard]] std::uint32_t tickCount() const override { return ticks; }
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
        messages.push_back({std::string(text), std::string(caption), icon});
    }
    void openAddress(std::string_view address) override { opened.emplace_back(address); }
    void endProgram() override { ++ends; }
    [[nodiscard]] std::string programDirectory() const override { return programFolder; }
    [[nodiscard]] std::string temporaryDirectory() const override { return temporaryFolder; }

    LocalTime now{2026, 12, 8, 9, 5, 3};
    std::uint32_t ticks = 0;
    std::vector<ShownMessage> messages;
    std::vector<std::string> opened;
    int ends = 0;
    std::string programFolder = "/nonexistent";
    std::string temporaryFolder = "/nonexistent";
};

}  // namespace quintara::testing
