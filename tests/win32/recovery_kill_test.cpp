// The planner killed with TerminateProcess after an edit, as Task Manager's
// End Process ends it, then started again: the new session is offered the
// recovery copy, and Restore then Save writes exactly what the same edit
// saved writes. Every session is halvex-drive on real Win32 dialogs.
//
// recovery_kill_tests HALVEX_DRIVE PLAN_FILE WORK_DIRECTORY
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::wstring g_drive;  // halvex-drive.exe
std::wstring g_plan;   // the plan the sessions edit a copy of
std::wstring g_work;   // emptied, then the sessions' directory

constexpr const char* kOpening = "answer kept.halvex-plan\nmenu IDM_OPEN\n";
constexpr const char* kEdit = "type IDC_SWEEPS 7\n";
constexpr const char* kSaving = "menu IDM_SAVE\n";
// The offer of recovery copies, as halvex-drive writes its opening.
constexpr const char* kOffered = "{\"event\":\"open\",\"dialog\":145}";

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// A full path with the system's separators: the arguments come from the
// build's side of Wine, with forward slashes.
std::wstring FullPath(const std::wstring& path) {
    std::vector<wchar_t> full(MAX_PATH * 4);
    const DWORD length = GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    return length == 0 || length >= full.size() ? path : std::wstring(full.data(), length);
}

std::string ReadText(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteText(const std::wstring& path, const std::string& text) {
    std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
    file << text;
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                RemoveTree(path + L"\\" + name);
            } else {
                DeleteFileW((path + L"\\" + name).c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

class RecoveryAfterTerminate : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_FALSE(g_drive.empty() || g_plan.empty() || g_work.empty()) << "usage: DRIVE PLAN WORK";
        RemoveTree(g_work);
        ASSERT_TRUE(CreateDirectoryW(g_work.c_str(), nullptr));
        const std::wstring state = g_work + L"\\state";
        CreateDirectoryW(state.c_str(), nullptr);
        CreateDirectoryW((g_work + L"\\data").c_str(), nullptr);
        // The sessions inherit these: their copies and settings stay here,
        // not in the Wine prefix's profile.
        SetEnvironmentVariableW(L"LOCALAPPDATA", state.c_str());
        SetEnvironmentVariableW(L"APPDATA", (g_work + L"\\data").c_str());
        m_recovery = state + L"\\Halvex\\Recovery";
        m_kept = g_work + L"\\kept.halvex-plan";
        m_original = ReadText(g_plan);
        ASSERT_FALSE(m_original.empty()) << "cannot read the plan";
        WriteText(m_kept, m_original);
    }

    std::vector<std::wstring> Copies() const {
        std::vector<std::wstring> names;
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((m_recovery + L"\\*.halvex-recovery").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            names.emplace_back(found.cFileName);
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return names;
    }

    // Starts halvex-drive in the work directory with the given standard
    // input and output, and an optional script file.
    static PROCESS_INFORMATION Start(HANDLE input, HANDLE output, const std::wstring& script) {
        std::wstring commandLine = L"\"" + g_drive + L"\" --backend win32 --program planner";
        if (!script.empty()) commandLine += L" \"" + script + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = input;
        startup.hStdOutput = output;
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(g_drive.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, g_work.c_str(),
                            &startup, &process)) {
            process.hProcess = nullptr;
        }
        return process;
    }

    static HANDLE Inheritable(const std::wstring& path, DWORD access, DWORD disposition) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        return CreateFileW(path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    // Plays a script to its end; its output, with no error line allowed.
    std::string Run(const std::string& script) {
        const std::wstring scriptPath = g_work + L"\\session.drive";
        const std::wstring outputPath = g_work + L"\\session.out";
        WriteText(scriptPath, script);
        HANDLE nothing = Inheritable(L"NUL", GENERIC_READ, OPEN_EXISTING);
        HANDLE output = Inheritable(outputPath, GENERIC_WRITE, CREATE_ALWAYS);
        const PROCESS_INFORMATION process = Start(nothing, output, scriptPath);
        CloseHandle(nothing);
        CloseHandle(output);
        if (process.hProcess == nullptr) {
            ADD_FAILURE() << "halvex-drive did not start";
            return std::string();
        }
        const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
        if (!ended) TerminateProcess(process.hProcess, 1);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        const std::string text = ReadText(outputPath);
        EXPECT_TRUE(ended) << "the session did not end:\n" << script;
        EXPECT_EQ(text.find("{\"error\""), std::string::npos) << text << "\nscript:\n" << script;
        return text;
    }

    std::wstring m_recovery, m_kept;
    std::string m_original;
};

TEST_F(RecoveryAfterTerminate, OfferedAndRestoredExactly) {
    // What the edit saved writes, with no kill.
    Run(std::string(kOpening) + kEdit + kSaving + "close\n");
    const std::string wanted = ReadText(m_kept);
    ASSERT_NE(wanted, m_original) << "the edit changed nothing";
    WriteText(m_kept, m_original);
    ASSERT_TRUE(Copies().empty());

    // The session to kill: it edits, lets the copy be written and waits for
    // more input, which never comes.
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE reading = nullptr;
    HANDLE writing = nullptr;
    ASSERT_TRUE(CreatePipe(&reading, &writing, &inherit, 0));
    SetHandleInformation(writing, HANDLE_FLAG_INHERIT, 0);
    HANDLE nowhere = Inheritable(L"NUL", GENERIC_WRITE, OPEN_EXISTING);
    const PROCESS_INFORMATION killed = Start(reading, nowhere, std::wstring());
    CloseHandle(reading);
    CloseHandle(nowhere);
    ASSERT_NE(killed.hProcess, nullptr) << "halvex-drive did not start";
    const std::string script = std::string(kOpening) + kEdit + "wait 2\n";
    DWORD written = 0;
    WriteFile(writing, script.data(), static_cast<DWORD>(script.size()), &written, nullptr);

    bool copied = false;
    bool running = true;
    for (int i = 0; i < 400 && !copied && running; ++i) {  // 20 s
        running = WaitForSingleObject(killed.hProcess, 50) == WAIT_TIMEOUT;
        copied = !Copies().empty();
    }
    // Another session meanwhile is offered nothing: the copy is held.
    const std::string meanwhile = copied && running ? Run("close\n") : std::string();
    TerminateProcess(killed.hProcess, 9);
    WaitForSingleObject(killed.hProcess, 10000);
    CloseHandle(writing);
    CloseHandle(killed.hThread);
    CloseHandle(killed.hProcess);
    ASSERT_TRUE(running) << "the session ended before it was killed";
    ASSERT_TRUE(copied) << "no recovery copy was written";
    EXPECT_EQ(meanwhile.find(kOffered), std::string::npos) << "a running session's copy was offered:\n" << meanwhile;
    ASSERT_EQ(Copies().size(), 1u);

    const std::string restoring = Run(std::string("click IDC_RESTORE\n") + kSaving + "close\n");
    EXPECT_NE(restoring.find(kOffered), std::string::npos) << "the copy was not offered after the kill:\n" << restoring;
    EXPECT_EQ(ReadText(m_kept), wanted) << "the restored plan saved differs from the edited one";
    EXPECT_TRUE(Copies().empty()) << "the copy is still there after the restored plan was saved";
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc >= 4) {
        g_drive = Wide(argv[1]);
        g_plan = FullPath(Wide(argv[2]));
        g_work = FullPath(Wide(argv[3]));
    }
    return RUN_ALL_TESTS();
}
