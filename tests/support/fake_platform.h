// A platform for tests: a clock set by hand, a seeded or scripted generator,
// and a record of the seeds, message boxes, opened addresses and program
// ends. Files are written and waits waited for real, by the system's own
// platform.
#pragma once

#include <cstddef>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "platform/system_platform.h"

namespace quintara::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

class FakePlatform : public Platform {
public:
    [[nodiscard]] LocalTime localTime() const override { return now; }
    [[nodiscard]] std::uint32_t tickCount() const override { return ticks; }
    void seedRandom(std::uint32_t seed) override {
        seeds.push_back(seed);
        random_.seed(seed);
    }
    int randomBetween(int low, int high) override {
        randomRanges.emplace_back(low, high);
        if (scriptedRandom.empty()) return std::uniform_int_distribution<int>(low, high)(random_);
        const int answer = scriptedRandom[nextScripted++ % scriptedRandom.size()];
        return low + answer % (high - low + 1);
    }
    void showMessage(std::string_view text, std::string_view caption, MessageIcon icon) override {
        messages.push_back({std::string(text), std::string(caption), icon});
    }
    void openAddress(std::string_view address) override { opened.emplace_back(address); }
    void endProgram() override { ++ends; }
    bool waitDispatching(const std::function<bool()>& finished, int limitMs) override {
        return system_.waitDispatching(finished, limitMs);
    }
    void wakeWait() override { system_.wakeWait(); }
    [[nodiscard]] std::string programDirectory() const override { return programFolder; }
    [[nodiscard]] std::string temporaryDirectory() const override { return temporaryFolder; }
    bool writeFile(const std::string& path, std::string_view bytes) override {
        return system_.writeFile(path, bytes);
    }

    LocalTime now{2026, 12, 8, 9, 5, 3};
    std::uint32_t ticks = 0;
    std::vector<std::uint32_t> seeds;
    std::vector<std::pair<int, int>> randomRanges;  // low and high of each draw
    // When not empty, randomBetween answers low + (next of these, from the
    // start again after the last) modulo the range's size.
    std::vector<int> scriptedRandom;
    std::size_t nextScripted = 0;
    std::vector<ShownMessage> messages;
    std::vector<std::string> opened;
    int ends = 0;
    std::string programFolder = "/nonexistent";
    std::string temporaryFolder = "/nonexistent";

private:
    std::mt19937 random_{std::random_device{}()};
    SystemPlatform system_;
};

}  // namespace quintara::testing
