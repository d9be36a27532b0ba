#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "tests/random_session.h"

namespace {

std::size_t FromEnvironment(const char* name, std::size_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? static_cast<std::size_t>(std::strtoull(value, nullptr, 10)) : fallback;
}

// HALVEX_RANDOM_SEED picks the first seed, so any failure printed below can
// be reproduced alone; HALVEX_RANDOM_SEEDS and HALVEX_RANDOM_EVENTS size the run.
TEST(RandomDialogs, InvariantsHoldAfterEveryEvent) {
    const std::size_t firstSeed = FromEnvironment("HALVEX_RANDOM_SEED", 1);
    const std::size_t seeds = FromEnvironment("HALVEX_RANDOM_SEEDS", 40);
    const std::size_t eventsPerSeed = FromEnvironment("HALVEX_RANDOM_EVENTS", 2500);
    std::size_t total = 0;
    for (std::size_t seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        halvex_test::RandomSession session(seed, eventsPerSeed);
        const halvex_test::RandomRunResult result = session.Run();
        total += result.events;
        if (!result.failure.empty()) {
            std::string script;
            for (const std::string& line : halvex_test::ShrinkFailingScript(result.script)) script += line + "\n";
            FAIL() << "seed " << seed << ": " << result.failure << "\nshortest event list (a halvex-drive script):\n"
                   << script;
        }
    }
    std::cout << "random events: " << total << " over " << seeds << " seeds\n";
}

// A hand-written session through both calculators must replay without a
// complaint: the checker itself raises no false alarms on correct behaviour.
TEST(RandomDialogs, ReplayOfAGoodScriptFindsNothing) {
    const std::vector<std::string> script = {"select IDC_ANALYSIS_LIST 0",
                                             "select IDC_TYPE 0",
                                             "select IDC_DIMENSION 3",
                                             "select IDC_AMPLITUDE_UNIT 6",
                                             "type IDC_AMPLITUDE 1",
                                             "type IDC_FREQUENCY 100",
                                             "click IDOK",
                                             "type IDC_VEL_UIN x",
                                             "type IDC_AMPLITUDE 2",
                                             "enter",
                                             "escape",
                                             "escape"};
    EXPECT_EQ(halvex_test::ReplaySession(script).Run(), "");
}

}  // namespace
