#pragma once

#include <cstdint>
#include <deque>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/drive_session.h"
#include "tests/left_in_english.h"
#include "tests/random_events.h"

class CLabDlg;
class CPlannerDlg;

// Randomised whole-program testing on the headless backend: user events
// chosen from what the top dialog shows, as halvex-drive command lines, with
// the promised invariants checked after every one.
namespace halvex_test {

struct RandomRunResult {
    std::size_t events = 0;
    std::string failure;              // empty when every check held
    std::vector<std::string> script;  // the events, as driver commands
};

class CheckedSession : public halvex::DriveSession {
public:
    // The planner's and the library editor's files go into directory.
    explicit CheckedSession(Program program = Program::Calculator, std::string directory = {});

    const std::string& Failure() const { return m_failure; }
    std::size_t Events() const { return m_events; }

protected:
    void RunChosenProgram() override;
    // Runs one event line on the top window and checks the invariants.
    void Step(const std::string& line, ui::headless::HeadlessWindow& top);
    void OnMessageBox(std::string_view text) override;
    void Fail(std::string why) {
        if (m_failure.empty()) m_failure = std::move(why);
    }

    // The library editor's directory as each session finds it.
    void PrepareDirectory() const;
    // The window that runs, nullptr when it is not that one.
    CPlannerDlg* Planner() const { return m_planner; }
    CLabDlg* Lab() const { return m_lab; }

    std::string m_failure;
    std::size_t m_events = 0;
    std::string m_directory;

private:
    CPlannerDlg* m_planner = nullptr;  // while the planner runs
    CLabDlg* m_lab = nullptr;          // while the library editor runs
    std::istringstream m_noInput;
    std::ostream m_noOutput{nullptr};
    std::size_t m_messages = 0;
    EnglishLeftOvers m_leftOvers{lang::CurrentLanguage()};
};

// Generates events from a seed until the budget is spent or a check fails;
// the planner's files go into directory.
class RandomSession : public CheckedSession {
public:
    RandomSession(std::uint64_t seed, std::size_t budget, Program program = Program::Calculator,
                  const std::string& directory = {});
    RandomRunResult Run();

    bool Next(ui::headless::HeadlessBackend& backend, ui::headless::HeadlessWindow& top) override;

private:
    std::string Generate(const ui::headless::HeadlessWindow& top);
    std::string RandomText();

    std::mt19937_64 m_random;
    std::size_t m_budget;
    WindowEvents m_windowEvents;        // the planner's or the library editor's
    std::deque<std::string> m_pending;  // the rest of an action of several lines
    std::vector<std::string> m_script;
};

// Replays a list of events, starting the program again whenever it ends.
class ReplaySession : public CheckedSession {
public:
    explicit ReplaySession(std::vector<std::string> script, Program program = Program::Calculator,
                           std::string directory = {})
        : CheckedSession(program, std::move(directory)), m_script(std::move(script)) {}
    // The first failure, or empty.
    std::string Run();

    bool Next(ui::headless::HeadlessBackend& backend, ui::headless::HeadlessWindow& top) override;

private:
    std::vector<std::string> m_script;
    std::size_t m_next = 0;
};

// The shortest sub-list of events (found by removing chunks while the
// failure persists) that still fails.
std::vector<std::string> ShrinkFailingScript(
    std::vector<std::string> script, halvex::DriveSession::Program program = halvex::DriveSession::Program::Calculator,
    const std::string& directory = {});

}  // namespace halvex_test
