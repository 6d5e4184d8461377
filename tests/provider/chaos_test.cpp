// The provider's misbehaviour (--chaos): its schedule, and each misdeed as a
// client on the loopback meets it, told apart by the request log.
#include <gtest/gtest.h>

#include <httplib.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "chaos_schedule.h"
#include "draw_answers.h"
#include "draw_texts.h"
#include "misbehaviour.h"
#include "provider/running_provider.h"

namespace quintara::provider::testing {
namespace {

using namespace std::chrono_literals;

constexpr std::uint32_t kSeed = 11;
const std::string kListPath = "/static/ssc/newlyopenlist.xml";

std::vector<std::optional<Fate>> fatesOf(ChaosSchedule& schedule, Source source, int requests,
                                         std::size_t drawn) {
    std::vector<std::optional<Fate>> fates;
    for (int request = 0; request < requests; ++request) fates.push_back(schedule.next(source, drawn));
    return fates;
}

// A count of draws at which the lottery API is up.
std::size_t upAt(const ChaosSchedule& schedule) {
    std::size_t drawn = 0;
    while (schedule.apiDownAt(drawn)) ++drawn;
    return drawn;
}

TEST(ChaosSchedule, TheSeedAndEachSourcesOwnCountOfRequestsFixEveryFate) {
    ChaosSchedule first(kSeed);
    ChaosSchedule second(kSeed);
    const std::size_t drawn = upAt(first);
    // The other sources' requests in between change nothing of the list's.
    const auto listFirst = fatesOf(first, Source::List, 500, drawn);
    (void)fatesOf(second, Source::Feed, 70, drawn);
    (void)fatesOf(second, Source::Api, 30, drawn);
    EXPECT_EQ(fatesOf(second, Source::List, 500, drawn), listFirst);

    ChaosSchedule otherSeed(kSeed + 1);
    EXPECT_NE(fatesOf(otherSeed, Source::List, 500, drawn), listFirst);
}

TEST(ChaosSchedule, LatestDrawSourcesMeetEachMisdeedOneTimeIn25TheFeedOneIn100) {
    ChaosSchedule schedule(kSeed);
    const std::size_t drawn = upAt(schedule);
    constexpr int kRequests = 20000;
    for (const Source source : {Source::Api, Source::List, Source::Flash, Source::Feed}) {
        std::map<Misdeed, int> counts;
        for (const auto& fate : fatesOf(schedule, source, kRequests, drawn)) {
            if (fate) ++counts[fate->misdeed];
        }
        // 800 and 200 expected; the bounds lie some seven deviations out.
        const auto [least, most] = source == Source::Feed ? std::pair{100, 300} : std::pair{600, 1000};
        for (const Misdeed misdeed : {Misdeed::Silent, Misdeed::Slow, Misdeed::Malformed,
                                      Misdeed::Wrong, Misdeed::Closed}) {
            SCOPED_TRACE(std::string(misdeedName(misdeed)));
            EXPECT_GE(counts[misdeed], least);
            EXPECT_LE(counts[misdeed], most);
        }
        EXPECT_EQ(counts[Misdeed::Down], 0);
    }
    EXPECT_EQ(schedule.next(Source::Version, drawn), std::nullopt);
}

TEST(ChaosSchedule, TheLotteryApiIsDownForOneStretchOf20To40DrawsInEvery100) {
    ChaosSchedule schedule(kSeed);
    std::set<std::size_t> starts;
    for (std::size_t block = 0; block < 500; ++block) {
        std::vector<std::size_t> down;
        for (std::size_t drawn = block * 100; drawn < (block + 1) * 100; ++drawn) {
            if (schedule.apiDownAt(drawn)) down.push_back(drawn);
            const auto fate = schedule.next(Source::Api, drawn);
            EXPECT_EQ(fate && fate->misdeed == Misdeed::Down, schedule.apiDownAt(drawn)) << drawn;
        }
        ASSERT_GE(down.size(), 20U) << "block " << block;
        ASSERT_LE(down.size(), 40U) << "block " << block;
        EXPECT_EQ(down.back() - down.front() + 1, down.size()) << "one stretch in block " << block;
        starts.insert(down.front() % 100);
    }
    EXPECT_GT(starts.size(), 20U);  // the seed places the stretches
}

// One answer of the provider serving with kSeed, and the misdeed its log
// line names ("" for none).
struct Met {
    std::optional<httplib::Response> answer;  // none when no whole answer came
    std::string misdeed;
    std::chrono::steady_clock::duration took;
};

class MisbehavingProviderTest : public ::testing::Test {
protected:
    MisbehavingProviderTest() {
        // A silent source is given up on as the program gives up on it, long
        // before it would answer.
        client.set_read_timeout(1s);
    }

    Met get(const std::string& target) {
        const auto start = std::chrono::steady_clock::now();
        const httplib::Result result = client.Get(target.c_str());
        Met met{result ? std::optional(*result) : std::nullopt, "",
                std::chrono::steady_clock::now() - start};
        const std::string line = provider->log().back();
        const std::string logged = "GET " + target + " ";
        EXPECT_TRUE(line.starts_with(logged)) << line;
        const std::size_t name = line.find(' ', logged.size());
        if (name != std::string::npos) met.misdeed = line.substr(name + 1);
        return met;
    }

    std::unique_ptr<RunningProvider> provider =
        std::make_unique<RunningProvider>(std::set<Source>{}, kNewlyOpenCount, kSeed);
    httplib::Client client{"127.0.0.1", provider->port()};
};

// The answer is the good one cut somewhere, the rest bytes with the high bit
// set, or such bytes alone.
void expectMalformed(const std::string& body, const std::string& good) {
    const auto junk = std::ranges::find_if(body, [](char byte) { return (byte & 0x80) != 0; });
    const auto cut = static_cast<std::size_t>(junk - body.begin());
    ASSERT_LT(cut, good.size());
    EXPECT_EQ(body.substr(0, cut), good.substr(0, cut));
    EXPECT_TRUE(std::all_of(junk, body.end(), [](char byte) { return (byte & 0x80) != 0; }));
    EXPECT_LE(body.size(), std::max(good.size(), kLongestJunk));
}

TEST_F(MisbehavingProviderTest, EachMisdeedOfTheListIsTheOneItsLogLineNames) {
    provider->clock.advance(30 * kInterval);
    const std::string good = newlyOpenList(provider->book().look(kNewlyOpenCount).latest);
    std::set<std::string> stale;
    for (std::size_t back = 1; back <= 20; ++back) {
        stale.insert(newlyOpenList(provider->book().look(kNewlyOpenCount, back).latest));
    }

    std::map<std::string, int> seen;
    for (int request = 0; request < 80; ++request) {
        const Met met = get(kListPath);
        SCOPED_TRACE("request " + std::to_string(request) + ": " + met.misdeed);
        ++seen[met.misdeed];
        if (met.misdeed == "silent" || met.misdeed == "closed") {
            EXPECT_FALSE(met.answer);
            continue;
        }
        ASSERT_TRUE(met.answer);
        EXPECT_EQ(met.answer->status, 200);
        EXPECT_EQ(met.answer->get_header_value("Content-Type"), "text/xml; charset=utf-8");
        EXPECT_FALSE(met.answer->has_header("X-Quintara-Misdeed"));
        const std::string& body = met.answer->body;
        if (met.misdeed.empty()) {
            EXPECT_EQ(body, good);
        } else if (met.misdeed == "slow") {
            EXPECT_EQ(body, good);
            EXPECT_GE(met.took, 10 * kTricklePause);
        } else if (met.misdeed == "malformed") {
            expectMalformed(body, good);
        } else if (met.misdeed == "wrong") {
            EXPECT_TRUE(stale.contains(body)) << body;
        } else {
            ADD_FAILURE() << "an unknown misdeed";
        }
    }
    for (const char* misdeed : {"", "silent", "slow", "malformed", "wrong", "closed"}) {
        EXPECT_GT(seen[misdeed], 0) << "no request met \"" << misdeed << "\"";
    }
}

TEST_F(MisbehavingProviderTest, TheLotteryApiIsWrongWithAnotherIssuesDrawAndDownInItsStretches) {
    const ChaosSchedule schedule(kSeed);
    int wrong = 0;
    int down = 0;
    // The book holds 2 days of 120 draws: the draws 300 to 399 then make one
    // whole block of 100, with one down stretch in it.
    provider->clock.advance(59 * kInterval);
    for (int draw = 0; draw < 100; ++draw) {
        provider->clock.advance(kInterval);
        const BookView view = provider->book().look(kDrawsPerDay);
        const std::string asked = issueText(view.latest.back(), YearDigits::Two);
        const std::string target = "/i/lotapi.html?do=qkjcode&lotID=255401&issue=" + asked + "&t=";
        const Met met = get(target);
        SCOPED_TRACE("draw " + std::to_string(draw) + ": " + met.misdeed);
        EXPECT_EQ(met.misdeed == "down", schedule.apiDownAt(view.drawn));
        if (met.misdeed == "down") {
            ++down;
            ASSERT_TRUE(met.answer);
            EXPECT_EQ(met.answer->status, 503);
        } else if (met.misdeed == "wrong") {
            ++wrong;
            ASSERT_TRUE(met.answer);
            // The newest draw of some draws before, under its own issue.
            bool older = false;
            for (std::size_t back = 1; back <= 20; ++back) {
                const BookView then = provider->book().look(kDrawsPerDay, back);
                older = older || met.answer->body ==
                                     lotteryApiAnswer(then.latest,
                                                      issueText(then.latest.back(), YearDigits::Two));
            }
            EXPECT_TRUE(older) << met.answer->body;
            EXPECT_EQ(met.answer->body.find(asked), std::string::npos) << met.answer->body;
        } else if (met.misdeed.empty()) {
            ASSERT_TRUE(met.answer);
            EXPECT_EQ(met.answer->body, lotteryApiAnswer(view.latest, asked));
        }
    }
    EXPECT_GE(down, 20);
    EXPECT_GT(wrong, 0);
}

TEST_F(MisbehavingProviderTest, StoppingCutsASilentAnswerShort) {
    Met met;
    for (int request = 0; request < 100 && met.misdeed != "silent"; ++request) met = get(kListPath);
    ASSERT_EQ(met.misdeed, "silent");
    // The silent answer still holds one of the server's threads.
    const auto start = std::chrono::steady_clock::now();
    provider.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, kSilence / 2);
}

}  // namespace
}  // namespace quintara::provider::testing
