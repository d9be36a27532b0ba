// halvex.exe carries what Windows shows of it: the icon in both sizes, the
// version record, the About item's string and the manifest; it and
// halvex-planner.exe start and end with their windows.
#include <gtest/gtest.h>

// Before windows.h, whose IDOK and IDCANCEL macros would break its declarations.
#include "res/resource_ids.h"

#include <windows.h>

#include <string>

namespace {

std::wstring g_program;  // halvex.exe, from the command line
std::wstring g_planner;  // halvex-planner.exe, after it

class ProgramResources : public ::testing::Test {
protected:
    void SetUp() override {
        m_module =
            LoadLibraryExW(g_program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(m_module, nullptr) << "cannot load the program's resources";
    }
    void TearDown() override {
        if (m_module != nullptr) FreeLibrary(m_module);
    }
    HMODULE m_module = nullptr;
};

// The group holds a 32 and a 16 pixel image, and each loads at its size.
TEST_F(ProgramResources, IconGroupWithBothSizes) {
    for (int side : {32, 16}) {
        HANDLE icon = LoadImageW(m_module, MAKEINTRESOURCEW(res::IDR_MAINFRAME), IMAGE_ICON, side, side, 0);
        ASSERT_NE(icon, nullptr) << side;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(static_cast<HICON>(icon), &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, side);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(static_cast<HICON>(icon));
    }
    HRSRC group = FindResourceW(m_module, MAKEINTRESOURCEW(res::IDR_MAINFRAME), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_NE(group, nullptr);
    const auto* dir = static_cast<const WORD*>(LockResource(LoadResource(m_module, group)));
    EXPECT_EQ(dir[2], 2);  // image count
}

TEST_F(ProgramResources, AboutItemStringAndManifest) {
    wchar_t text[64] = {};
    LoadStringW(m_module, res::IDS_ABOUT_ITEM, text, 64);
    EXPECT_STREQ(text, L"&About Halvex...");
    HRSRC manifest = FindResourceW(m_module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // RT_MANIFEST
    ASSERT_NE(manifest, nullptr);
    const std::string body(static_cast<const char*>(LockResource(LoadResource(m_module, manifest))),
                           SizeofResource(m_module, manifest));
    EXPECT_NE(body.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    EXPECT_NE(body.find("PerMonitorV2"), std::string::npos);
}

// One string of a program's version record, from the US English, UTF-16 block.
std::wstring VersionString(const std::string& data, const wchar_t* key) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + key;
    if (!VerQueryValueW(data.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) return L"(none)";
    return value;
}

std::string VersionData(const std::wstring& program) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), &handle);
    std::string data(size, '\0');
    if (size == 0 || !GetFileVersionInfoW(program.c_str(), 0, size, data.data())) data.clear();
    return data;
}

// File and product version 1.0.0.1, and the strings.
TEST(ProgramVersion, RecordAsInResources) {
    const std::string data = VersionData(g_program);
    ASSERT_FALSE(data.empty());
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00000001u);
    EXPECT_EQ(fixed->dwFileOS, 4u);
    EXPECT_EQ(fixed->dwFileType, 1u);
    EXPECT_EQ(VersionString(data, L"FileDescription"), L"HALVEX MFC Application");
    EXPECT_EQ(VersionString(data, L"OriginalFilename"), L"HALVEX.EXE");
    EXPECT_EQ(VersionString(data, L"ProductVersion"), L"1, 0, 0, 1");
}

// The planner shows its own icon in Explorer, not the calculator's, and
// names itself in its version record.
TEST(PlannerResources, OwnIconAndName) {
    HMODULE planner =
        LoadLibraryExW(g_planner.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(planner, nullptr);
    EXPECT_EQ(FindResourceW(planner, MAKEINTRESOURCEW(res::IDR_MAINFRAME), MAKEINTRESOURCEW(14)), nullptr);
    HRSRC group = FindResourceW(planner, MAKEINTRESOURCEW(res::IDR_PLANNER), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    EXPECT_NE(group, nullptr);
    FreeLibrary(planner);
    const std::string data = VersionData(g_planner);
    EXPECT_EQ(VersionString(data, L"FileDescription"), L"Halvex Sine Test Planner");
    EXPECT_EQ(VersionString(data, L"OriginalFilename"), L"HALVEX-PLANNER.EXE");
}

struct Search {
    DWORD process;
    const wchar_t* caption;
    HWND found;
};

// A visible window of that process whose caption holds the text.
BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    wchar_t caption[128] = {};
    GetWindowTextW(hwnd, caption, 128);
    if (process != search->process || !IsWindowVisible(hwnd) ||
        std::wstring(caption).find(search->caption) == std::wstring::npos) {
        return TRUE;
    }
    search->found = hwnd;
    return FALSE;
}

// Starts the program, waits for its window, closes it and expects the
// program to end with status 0.
void StartsAndEndsWithItsWindow(const std::wstring& program, const wchar_t* caption) {
    ASSERT_FALSE(program.empty()) << "no program given";
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ASSERT_TRUE(CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &process));
    Search search{process.dwProcessId, caption, nullptr};
    for (int i = 0; i < 200 && search.found == nullptr; ++i) {
        Sleep(50);
        EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
    }
    EXPECT_NE(search.found, nullptr);
    if (search.found != nullptr) PostMessageW(search.found, WM_CLOSE, 0, 0);
    const bool ended = WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0;
    EXPECT_TRUE(ended);
    DWORD status = 1;
    GetExitCodeProcess(process.hProcess, &status);
    if (!ended) TerminateProcess(process.hProcess, 1);
    EXPECT_EQ(status, 0u);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// The program starts with its main menu, and ends when it is closed.
TEST(Program, StartsWithTheMainMenuAndEndsWithIt) { StartsAndEndsWithItsWindow(g_program, L"Sine Vibration"); }

// The planner starts with its window, an untouched plan, and ends when it is
// closed without asking anything.
TEST(Planner, StartsWithItsWindowAndEndsWithIt) { StartsAndEndsWithItsWindow(g_planner, L"Sine Test Planner"); }

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc >= 2) {
        const std::string path = argv[1];
        g_program.assign(path.begin(), path.end());
    }
    if (argc >= 3) {
        const std::string path = argv[2];
        g_planner.assign(path.begin(), path.end());
    }
    return RUN_ALL_TESTS();
}
