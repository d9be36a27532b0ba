#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

#include "lang/tr.h"
#include "tests/random_lab.h"
#include "tests/random_recovery.h"
#include "tests/random_session.h"

namespace {

std::size_t FromEnvironment(const char* name, std::size_t fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? static_cast<std::size_t>(std::strtoull(value, nullptr, 10)) : fallback;
}

using Program = halvex::DriveSession::Program;

// The planner's files, in a directory of this run's own.
class PlanFiles {
public:
    PlanFiles() : m_path(std::filesystem::temp_directory_path() / ("halvex-random-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(m_path);
    }
    ~PlanFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string Path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

// Plays seeds from the first; false, having failed the test with the
// shortest script that still fails, at the first failure.
bool PlaySeeds(Program program, std::size_t firstSeed, std::size_t seeds, std::size_t eventsPerSeed,
               const std::string& directory, std::size_t& total) {
    static const char* const kProgramNames[] = {"", "planner", "lab"};
    const std::string name = kProgramNames[static_cast<int>(program)];
    for (std::size_t seed = firstSeed; seed < firstSeed + seeds; ++seed) {
        halvex_test::RandomSession session(seed, eventsPerSeed, program, directory);
        const halvex_test::RandomRunResult result = session.Run();
        total += result.events;
        if (!result.failure.empty()) {
            std::string script;
            for (const std::string& line : halvex_test::ShrinkFailingScript(result.script, program, directory)) {
                script += line + "\n";
            }
            ADD_FAILURE() << name << (name.empty() ? "" : " ") << "seed " << seed << ": " << result.failure
                          << "\nshortest event list (a halvex-drive" << (name.empty() ? "" : " --program " + name)
                          << " script" << (directory.empty() ? "" : ", its files in " + directory) << "):\n"
                          << script
                          << (program == Program::Lab ? std::string("with XDG_DATA_HOME=") + directory + "/data, and " +
                                                            halvex_test::kUnreadableLab + " there holding " +
                                                            halvex_test::kUnreadableLabBytes
                                                      : "");
            return false;
        }
    }
    return true;
}

// The user's data directory (where the library and the choice of it are
// kept) moved to path while it lives.
class UserData {
public:
    explicit UserData(const std::string& path) : m_saved(Get()) { Set(path); }
    ~UserData() { Set(m_saved); }
    UserData(const UserData&) = delete;
    UserData& operator=(const UserData&) = delete;

private:
#ifdef _WIN32
    static constexpr const char* kVariable = "APPDATA";
#else
    static constexpr const char* kVariable = "XDG_DATA_HOME";
#endif
    static std::string Get() {
        const char* value = std::getenv(kVariable);
        return value != nullptr ? value : "";
    }
    static void Set(const std::string& value) {
#ifdef _WIN32
        _putenv_s(kVariable, value.c_str());
#else
        setenv(kVariable, value.c_str(), 1);
#endif
    }
    std::string m_saved;
};

// HALVEX_RANDOM_SEED picks the first seed, so any failure printed below can
// be reproduced alone; HALVEX_RANDOM_SEEDS and HALVEX_RANDOM_EVENTS size the
// run, HALVEX_RANDOM_PLANNER_EVENTS and HALVEX_RANDOM_LAB_EVENTS the planner's
// and the library editor's events per seed.
TEST(RandomDialogs, InvariantsHoldAfterEveryEvent) {
    const std::size_t firstSeed = FromEnvironment("HALVEX_RANDOM_SEED", 1);
    const std::size_t seeds = FromEnvironment("HALVEX_RANDOM_SEEDS", 40);
    std::size_t total = 0;
    if (!PlaySeeds(Program::Calculator, firstSeed, seeds, FromEnvironment("HALVEX_RANDOM_EVENTS", 2500), {}, total)) {
        return;
    }
    std::cout << "random events: " << total << " over " << seeds << " seeds\n";
    const PlanFiles files;
    std::size_t plannerTotal = 0;
    if (!PlaySeeds(Program::Planner, firstSeed, seeds, FromEnvironment("HALVEX_RANDOM_PLANNER_EVENTS", 2500),
                   files.Path(), plannerTotal)) {
        return;
    }
    std::cout << "random events (planner): " << plannerTotal << " over " << seeds << " seeds\n";
    const UserData data(files.Path() + "/data");
    std::size_t labTotal = 0;
    if (!PlaySeeds(Program::Lab, firstSeed, seeds, FromEnvironment("HALVEX_RANDOM_LAB_EVENTS", 600), files.Path(),
                   labTotal)) {
        return;
    }
    std::cout << "random events (lab): " << labTotal << " over " << seeds << " seeds\n";
}

// In every other language, no text that its catalogue translates is shown
// in English, in a window or a message, whatever the user does.
TEST(RandomDialogs, NothingTranslatedIsShownInEnglish) {
    const PlanFiles files;
    const UserData data(files.Path() + "/data");
    for (lang::Language language : lang::kLanguages) {
        if (language == lang::Language::English) continue;
        lang::SetLanguage(language);
        std::size_t total = 0;
        const bool clean = PlaySeeds(Program::Calculator, 1, 3, 400, {}, total) &&
                           PlaySeeds(Program::Planner, 1, 3, 400, files.Path(), total) &&
                           PlaySeeds(Program::Lab, 1, 3, 200, files.Path(), total);
        lang::SetLanguage(lang::Language::English);
        if (!clean) {
            ADD_FAILURE() << "in " << lang::CodeOf(language);
            return;
        }
    }
}

// Killed at a random event and started again, the planner and the library
// editor restore the document as it was at the last recovery write.
// HALVEX_RANDOM_KILLS sets the number of kills, half on each.
TEST(RandomDialogs, AKilledWindowRestoresItsLastRecoveryCopy) {
    const std::size_t firstSeed = FromEnvironment("HALVEX_RANDOM_SEED", 1);
    const std::size_t kills = FromEnvironment("HALVEX_RANDOM_KILLS", 1000);
    const PlanFiles files;
    const UserData data(files.Path() + "/data");
    std::size_t restored = 0;
    for (std::size_t seed = firstSeed; seed < firstSeed + kills; ++seed) {
        const Program program = seed % 2 == 0 ? Program::Planner : Program::Lab;
        if (program == Program::Lab) halvex_test::PrepareLabDirectory(files.Path());
        // Short runs, so that many kills fall soon after a pause.
        const halvex_test::KillOutcome outcome =
            halvex_test::KillAndRestore(seed, program, files.Path(), 1 + seed * 7919 % 40);
        ASSERT_EQ(outcome.failure, "") << (program == Program::Lab ? "lab" : "planner") << " seed " << seed;
        if (outcome.restored) ++restored;
    }
    std::cout << "kills: " << kills << ", of which restored from a recovery copy: " << restored << "\n";
    EXPECT_GT(restored, kills / 10);
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

// The planner: a plan saved, changed, undone to the saved state and opened
// again, with a field that does not read on the way, raises no complaint.
TEST(RandomDialogs, ReplayOfAGoodPlannerScriptFindsNothing) {
    const PlanFiles files;
    const std::string plan = files.Path() + "/good.halvex-plan";
    const std::vector<std::string> script = {
        "cell IDC_PROFILE 0 4 2", "answer " + plan, "menu IDM_SAVE", "type IDC_SWEEPS abc", "type IDC_SWEEPS 3",
        "menu IDM_UNDO",          "menu IDM_UNDO",  "click IDC_ADD", "answer no",           "answer " + plan,
        "menu IDM_OPEN",          "answer no",      "close"};
    EXPECT_EQ(halvex_test::ReplaySession(script, Program::Planner).Run(), "");
}

// The library editor: a name typed into an item that a later item of its
// list has is refused at the later item, which is not on show; the name
// just typed is the field marked.
TEST(RandomDialogs, LabNameOfALaterItemTypedIsMarked) {
    const PlanFiles files;
    const UserData data(files.Path() + "/data");
    const std::vector<std::string> script = {"click IDC_ADD_SHAKER", "click IDC_ADD_SHAKER", "select IDC_SHAKERS 0",
                                             "type IDC_SHAKER_NAME Shaker 2"};
    EXPECT_EQ(halvex_test::ReplaySession(script, Program::Lab, files.Path()).Run(), "");
}

}  // namespace
