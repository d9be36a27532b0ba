// halvex-win32-screenshots [--language CODE] DIR PLAN: plays a short session,
// in the language CODE (en, de, fr, zh_CN, ja) when given, on the Win32
// backend and writes each window as DIR/NAME.bmp: the main menu, pure sine
// with results, a message box, the sine sweep with results and the About
// box; then the planner with the plan file PLAN open and the pointer over its
// chart, and the equipment library's editor on lab.halvex-lab beside PLAN; last
// the second page of PLAN's report as the printer gets it, painted with GDI.
// Needs a display (scripts/screenshots-windows runs it on Xvfb).
#include <cmath>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>

#include "app/vibration_app.h"
#include "lang/tr.h"
#include "planner/file_io.h"
#include "planner/lab.h"
#include "planner/lab_dlg.h"
#include "planner/new_template_dlg.h"
#include "planner/planner_dlg.h"
#include "planner/report_export.h"
#include "res/lab_ids.h"
#include "res/main_menu_ids.h"
#include "res/new_template_ids.h"
#include "res/planner_ids.h"
#include "res/pure_sine_ids.h"
#include "res/resource_ids.h"
#include "res/sine_sweep_ids.h"
#include "ui/win32/win32_backend.h"

#include "ui/win32/page_painter.h"

namespace {

namespace ps = res::pure_sine;
namespace ss = res::sine_sweep;

std::string g_dir;

// A 24-bit bottom-up picture as DIR/NAME.bmp.
void WriteBitmap(const BITMAPINFO& info, const void* bits, const char* name) {
    const LONG width = info.bmiHeader.biWidth;
    const LONG height = info.bmiHeader.biHeight;
    const DWORD rowBytes = static_cast<DWORD>((width * 3 + 3) & ~3);
    const DWORD imageBytes = rowBytes * static_cast<DWORD>(height);
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info.bmiHeader) + imageBytes, 0,
                          0, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof info.bmiHeader)};
    const std::string path = g_dir + "/" + name + ".bmp";
    if (std::FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, 1, imageBytes, out);
        std::fclose(out);
    }
}

// The window as it is on the screen, frame and caption included.
void Capture(HWND hwnd, const char* name) {
    UpdateWindow(hwnd);
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    GdiFlush();
    WriteBitmap(info, bits, name);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
}

// Lets the window system show what the last action changed.
void Settle() {
    for (int i = 0; i < 20; ++i) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        Sleep(25);
    }
}

class Session : public ui::win32::Automation {
public:
    using Step = std::function<void(ui::win32::Win32Dialog&)>;
    std::deque<Step> steps;

    bool Next(ui::win32::Win32Dialog& top) override {
        if (steps.empty()) return false;
        Step step = std::move(steps.front());
        steps.pop_front();
        step(top);
        return true;
    }
    void OnMessageBoxShown(HWND box) override {
        ShowWindow(box, SW_SHOW);
        Settle();
        Capture(box, "win32-message-box");
    }
    // The file dialog's answer: the plan to open.
    bool AskFileName(ui::FileDialog /*kind*/, const std::vector<ui::FileType>& /*types*/, std::string& path,
                     std::size_t& /*type*/) override {
        if (plan.empty()) return false;
        path = plan;
        return true;
    }
    std::string plan;
};

// The pointer put on the chart's binding point, as the user moves it there,
// so that the readout repeats what the results say of it.
void PointAtBinding(ui::win32::Win32Dialog& top) {
    HWND chart = top.Control(res::planner_dlg::IDC_CHART);
    const ui::win32::ChartControl* control = top.Chart(res::planner_dlg::IDC_CHART);
    if (chart == nullptr || control == nullptr || !control->Drawing()) return;
    const draw::Chart& drawing = *control->Drawing();
    RECT client{};
    GetClientRect(chart, &client);
    const draw::ChartMapping map = draw::FitChart(drawing.box, client.right, client.bottom);
    for (const draw::DrawOp& op : drawing.ops) {
        if (op.role != draw::DrawRole::Binding || op.points.empty()) continue;
        POINT at{std::lround(map.PixelX(op.points[0].x)), std::lround(map.PixelY(op.points[0].y))};
        const LPARAM local = MAKELPARAM(at.x, at.y);
        ClientToScreen(chart, &at);
        SetCursorPos(at.x, at.y);
        SendMessageW(chart, WM_MOUSEMOVE, 0, local);
        return;
    }
}

// A page of the plan's report at 90 dots per inch, as PrintPages paints it
// on a printer, on the paper of the user's settings.
void ReportPage(const std::string& planPath, std::size_t index, const char* name) {
    std::string text, message;
    planner::PlanDocument document;
    planner::PlanOutcome outcome;
    if (!planner::ReadTextFile(planPath, text) || !planner::ReadPlan(text, document, message) ||
        !planner::EvaluatePlan(document, {}, outcome, message)) {
        std::fprintf(stderr, "%s: %s\n", planPath.c_str(), message.c_str());
        return;
    }
    const std::string fileName = planPath.substr(planPath.find_last_of("/\\") + 1);
    const draw::PagedDocument report = planner::ReportPages(document, outcome, nullptr, fileName, planner::UserPaper());
    if (index >= report.pages.size()) return;
    constexpr double kPixelsPerPoint = 90.0 / 72.0;
    const draw::PaperSize paper = draw::SizeOf(report.paper);
    const int width = static_cast<int>(std::lround(paper.width * kPixelsPerPoint));
    const int height = static_cast<int>(std::lround(paper.height * kPixelsPerPoint));
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    HDC memory = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, width, height, WHITENESS);
    ui::win32::PaintPage(memory, report.pages[index], kPixelsPerPoint);
    GdiFlush();
    WriteBitmap(info, bits, name);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
}

}  // namespace

int main(int argc, char** argv) {
    const bool languageGiven = argc == 5 && std::string(argv[1]) == "--language";
    const auto language = languageGiven ? lang::LanguageOfLocaleName(argv[2]) : lang::Language::English;
    if ((argc != 3 && !languageGiven) || !language) {
        std::fprintf(stderr, "usage: halvex-win32-screenshots [--language en|de|fr|zh_CN|ja] DIR PLAN\n");
        return 2;
    }
    lang::SetLanguage(*language);
    argv += argc - 3;  // DIR and PLAN
    g_dir = argv[1];
    Session session;
    const auto shot = [](const char* name) {
        return [name](ui::win32::Win32Dialog& top) {
            // A dialog shows once its run is idle; these runs never are.
            ShowWindow(top.Handle(), SW_SHOW);
            Settle();
            Capture(top.Handle(), name);
        };
    };
    const auto act = [](std::function<void(ui::win32::Win32Dialog&)> action) { return action; };
    session.steps = {
        shot("win32-main-menu"),
        act([](ui::win32::Win32Dialog& top) { top.UserSysCommand(res::IDM_ABOUT); }),
        shot("win32-about"),
        act([](ui::win32::Win32Dialog& top) { top.UserClick(IDOK); }),
        act([](ui::win32::Win32Dialog& top) { top.UserSelect(res::main_menu::IDC_ANALYSIS_LIST, 0); }),
        act([](ui::win32::Win32Dialog& top) { top.UserClick(IDOK); }),  // a message: nothing chosen
        act([](ui::win32::Win32Dialog& top) {
            top.UserSelect(ps::IDC_TYPE, 0);
            top.UserSelect(ps::IDC_DIMENSION, 0);
            top.UserSelect(ps::IDC_AMPLITUDE_UNIT, 2);
            top.UserType(ps::IDC_AMPLITUDE, "1");
            top.UserType(ps::IDC_FREQUENCY, "10");
            top.UserClick(IDOK);
        }),
        shot("win32-pure-sine"),
        act([](ui::win32::Win32Dialog& top) { top.UserEscape(); }),
        act([](ui::win32::Win32Dialog& top) { top.UserSelect(res::main_menu::IDC_ANALYSIS_LIST, 1); }),
        act([](ui::win32::Win32Dialog& top) {
            top.UserSelect(ss::IDC_ANALYSIS, 0);
            top.UserSelect(ss::IDC_INPUT_LIST, 3);
            top.UserType(ss::IDC_INPUT1, "100");
            top.UserType(ss::IDC_INPUT3, "10");
            top.UserClick(IDOK);
        }),
        shot("win32-sine-sweep"),
    };
    ui::win32::Win32Backend backend;
    backend.SetAutomation(&session);
    ui::SetBackend(&backend);
    {
        CVibrationApp app;
        app.InitInstance();
    }
    session.plan = argv[2];
    const std::string planPath = argv[2];
    // The example library beside the plan, chosen in the screenshots' own
    // prefix, so that the planner ranks its shakers for the plan.
    std::string lab = session.plan;
    lab.replace(lab.find_last_of("/\\") + 1, std::string::npos, "lab.halvex-lab");
    std::string labProblem;
    if (!planner::RememberLabPath(lab, labProblem)) std::fprintf(stderr, "%s\n", labProblem.c_str());
    session.steps = {
        act([](ui::win32::Win32Dialog& top) { top.UserMenu(res::planner_dlg::IDM_OPEN); }),
        act([](ui::win32::Win32Dialog& top) {
            ShowWindow(top.Handle(), SW_SHOW);
            Settle();
            PointAtBinding(top);
        }),
        shot("win32-planner"),
        // The chart as Export Chart writes it, to look at beside the window.
        act([](ui::win32::Win32Dialog& top) {
            top.SaveControlPicture(res::planner_dlg::IDC_CHART, g_dir + "/planner-chart-export.png");
        }),
    };
    {
        CPlannerDlg planner;
        planner.DoModal();
    }
    // The equipment library's editor on the example library beside the plan,
    // its second shaker chosen.
    session.plan.clear();
    session.steps = {
        act([](ui::win32::Win32Dialog& top) { top.UserSelect(res::lab_dlg::IDC_SHAKERS, 1); }),
        shot("win32-lab-editor"),
    };
    {
        CLabDlg editor(lab);
        editor.DoModal();
    }
    // New from Template, the crossover template chosen: its figures to fill
    // shown as "?".
    session.steps = {
        act([](ui::win32::Win32Dialog& top) { top.UserSelect(res::new_template_dlg::IDC_TEMPLATES, 2); }),
        shot("win32-new-from-template"),
    };
    {
        CNewTemplateDlg dialog(planner::Templates(nullptr));
        dialog.DoModal();
    }
    ReportPage(planPath, 1, "win32-report-page");
    ui::SetBackend(nullptr);
    return 0;
}
