#include "tests/random_recovery.h"

#include <cstdlib>
#include <sstream>
#include <utility>

#include "planner/file_io.h"
#include "planner/lab_dlg.h"
#include "planner/planner_dlg.h"
#include "planner/recovery.h"
#include "res/recovery_ids.h"
#include "res/resource_ids.h"
#include "tests/random_session.h"

namespace halvex_test {
namespace {

using Program = halvex::DriveSession::Program;

// The document a window would save now, as text; empty when its fields make none.
std::string DocumentNow(const CPlannerDlg* planner, const CLabDlg* lab) {
    std::string problem;
    if (planner != nullptr) {
        planner::PlanDocument document;
        return planner::DocumentOf(planner->Fields(), document, problem, planner::Unfilled::Allowed)
                   ? planner::WritePlanDocument(document)
                   : std::string();
    }
    planner::LabDocument document;
    planner::LabPlace place;
    return planner::LabOf(lab->Fields(), document, problem, place) ? planner::WriteLabDocument(document)
                                                                   : std::string();
}

void SetStateHome(const std::string& path) {
#ifdef _WIN32
    _putenv_s("LOCALAPPDATA", path.c_str());
#else
    setenv("XDG_STATE_HOME", path.c_str(), 1);
#endif
}

// Random events until the kill; each recovery write noted with the document
// the window had then.
class KillSession : public RandomSession {
public:
    KillSession(std::uint64_t seed, Program program, const std::string& directory, std::size_t killAt)
        : RandomSession(seed, killAt, program, directory), m_killAt(killAt) {}

    bool Next(ui::headless::HeadlessBackend& backend, ui::headless::HeadlessWindow& top) override {
        const bool window = Planner() != nullptr || Lab() != nullptr;
        planner::RecoveryKeeper* keeper = Planner() != nullptr ? &Planner()->Recovery()
                                          : Lab() != nullptr   ? &Lab()->Recovery()
                                                               : nullptr;
        if (keeper != nullptr && !keeper->beforeReplace) {
            // Another window: what the one before wrote went with it.
            m_written.clear();
            keeper->beforeReplace = [this](const std::string&) {
                m_written = DocumentNow(Planner(), Lab());
                m_path = Planner() != nullptr ? Planner()->Path() : Lab()->Path();
                return true;
            };
        }
        if (Events() >= m_killAt && !m_killed && window) Kill();
        return RandomSession::Next(backend, top);
    }

    bool killed() const { return m_killed; }
    bool modified = false;  // at the kill
    std::string copy;       // the copy's text as the kill left it; empty for none
    std::string m_written;  // the document at the last write
    std::string m_path;     // and its path then

private:
    void Kill() {
        m_killed = true;
        modified = Planner() != nullptr ? Planner()->Modified() : Lab()->Modified();
        const std::string& file = Planner() != nullptr ? Planner()->Recovery().Path() : Lab()->Recovery().Path();
        if (!file.empty() && planner::FileExists(file)) planner::ReadTextFile(file, copy);
    }

    std::size_t m_killAt;
    bool m_killed = false;
};

// The program started again: Restore chosen on the offer, then the window as it opened.
class RestartSession : public halvex::DriveSession {
public:
    explicit RestartSession(Program program) : DriveSession(m_noInput, m_noOutput, program) {}

    void RunChosenProgram() override {
        planner::EnableRecoveryOffers(true);
        if (ProgramRun() == Program::Lab) {
            CLabDlg lab(planner::ChosenLabPath());
            m_lab = &lab;
            lab.DoModal();
            m_lab = nullptr;
        } else {
            CPlannerDlg planner;
            m_planner = &planner;
            planner.DoModal();
            m_planner = nullptr;
        }
        planner::EnableRecoveryOffers(false);
    }

    bool Next(ui::headless::HeadlessBackend& /*backend*/, ui::headless::HeadlessWindow& top) override {
        if (top.Template().id == res::IDD_RECOVERY) {
            offered = true;
            top.UserClick(res::recovery_dlg::IDC_RESTORE);
            return true;
        }
        document = DocumentNow(m_planner, m_lab);
        path = m_planner != nullptr ? m_planner->Path() : m_lab->Path();
        modified = m_planner != nullptr ? m_planner->Modified() : m_lab->Modified();
        return false;
    }

    bool offered = false;
    bool modified = false;
    std::string document, path;

private:
    std::istringstream m_noInput;
    std::ostream m_noOutput{nullptr};
    CPlannerDlg* m_planner = nullptr;
    CLabDlg* m_lab = nullptr;
};

}  // namespace

KillOutcome KillAndRestore(std::uint64_t seed, Program program, const std::string& directory, std::size_t killAt) {
    KillOutcome outcome;
    SetStateHome(directory + "/state");
    KillSession session(seed, program, directory, killAt);
    const RandomRunResult run = session.Run();
    if (!run.failure.empty()) {
        outcome.failure = run.failure;
        return outcome;
    }
    if (!session.killed()) return outcome;  // the window was never on top at the kill
    if (session.copy.empty()) return outcome;
    if (!session.modified) {
        outcome.failure = "a recovery copy was left of a document with nothing unsaved";
        return outcome;
    }

    // The copy, as a program that is gone left it, where the restart looks.
    const std::string after = directory + "/after";
    SetStateHome(after);
    const std::string recovery = planner::RecoveryDirectory();
    for (const std::string& name : planner::ListDirectory(recovery)) {
        planner::RemoveFile(std::string(recovery).append(1, planner::kSeparator).append(name));
    }
    std::string message;
    planner::MakeDirectories(recovery);
    const std::string kind = program == Program::Lab ? "lab" : "plan";
    if (!planner::WriteFileReplacing(recovery + planner::kSeparator + "1-1-1." + kind + ".halvex-recovery",
                                     session.copy, message)) {
        outcome.failure = message;
        return outcome;
    }
    RestartSession restart(program);
    restart.Run();
    SetStateHome(directory + "/state");
    if (!restart.offered) {
        outcome.failure = "the copy was not offered";
    } else if (restart.document != session.m_written) {
        outcome.failure = "restored:\n" + restart.document + "\nat the last recovery write:\n" + session.m_written;
    } else if (restart.path != session.m_path) {
        outcome.failure = "restored as " + restart.path + ", written for " + session.m_path;
    } else if (!restart.modified && program == Program::Planner) {
        outcome.failure = "the restored plan is not marked changed";
    }
    outcome.restored = outcome.failure.empty();
    return outcome;
}

}  // namespace halvex_test
