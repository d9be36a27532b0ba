// Printing a report: the platform's print dialog (PrintDlgExW) and the pages
// painted with GDI on the printer it gives, a page of the print job each.
// The backend's header first: it brings the layer's names in before windows.h.
#include "ui/win32/win32_backend.h"

#include <string>

#include "ui/win32/page_painter.h"
#include "ui/win32/utf16.h"

// PRINTDLGEXW is declared only with COM's interface macros.
#include <objbase.h>

#include <commdlg.h>

namespace ui::win32 {
namespace {

using PrintDialogFunction = HRESULT(WINAPI*)(LPPRINTDLGEXW);
using DefaultPrinterFunction = BOOL(WINAPI*)(LPPRINTDLGW);

// From the common dialog library, loaded on first use as the file dialogs'.
HMODULE CommonDialogs() {
    static HMODULE library = LoadLibraryW(L"comdlg32.dll");
    return library;
}

template <typename Function>
Function CommonDialog(const char* name) {
    HMODULE library = CommonDialogs();
    if (library == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// The default printer's settings, without a dialog; nullptr without a printer.
HGLOBAL DefaultDevMode() {
    const auto defaults = CommonDialog<DefaultPrinterFunction>("PrintDlgW");
    if (defaults == nullptr) return nullptr;
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.Flags = PD_RETURNDEFAULT;
    if (defaults(&dialog) == FALSE) return nullptr;
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
    return dialog.hDevMode;
}

// The form a device mode names, or 0.
short FormOf(HGLOBAL devMode) {
    if (devMode == nullptr) return 0;
    const auto* mode = static_cast<const DEVMODEW*>(GlobalLock(devMode));
    const short form = mode != nullptr && (mode->dmFields & DM_PAPERSIZE) != 0 ? mode->dmPaperSize : 0;
    GlobalUnlock(devMode);
    return form;
}

void SetForm(HGLOBAL devMode, short form) {
    auto* mode = static_cast<DEVMODEW*>(GlobalLock(devMode));
    if (mode == nullptr) return;
    mode->dmFields |= DM_PAPERSIZE;
    mode->dmPaperSize = form;
    GlobalUnlock(devMode);
}

// Each page at the printer's resolution, the paper's corner at the corner of
// the printable area's origin moved back by the unprintable margin.
bool PaintOnPrinter(HDC dc, const draw::PagedDocument& document) {
    const std::wstring title = Widen(document.title);
    DOCINFOW info{};
    info.cbSize = sizeof(info);
    info.lpszDocName = title.c_str();
    if (StartDocW(dc, &info) <= 0) return false;
    const double pixelsPerPoint = GetDeviceCaps(dc, LOGPIXELSX) / 72.0;
    const double left = -GetDeviceCaps(dc, PHYSICALOFFSETX);
    const double top = -GetDeviceCaps(dc, PHYSICALOFFSETY);
    for (const draw::Page& page : document.pages) {
        if (StartPage(dc) <= 0) {
            AbortDoc(dc);
            return false;
        }
        PaintPage(dc, page, pixelsPerPoint, left, top);
        if (EndPage(dc) <= 0) {
            AbortDoc(dc);
            return false;
        }
    }
    return EndDoc(dc) > 0;
}

}  // namespace

PrintResult Win32Backend::PrintPages(const PrintJob& job) {
    if (m_automation != nullptr) return m_automation->PrintPages(job);
    const auto show = CommonDialog<PrintDialogFunction>("PrintDlgExW");
    Win32Dialog* top = Top();
    if (show == nullptr || top == nullptr) return PrintResult::Failed;
    PRINTDLGEXW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = top->Handle();
    dialog.hDevMode = DefaultDevMode();
    if (dialog.hDevMode != nullptr) SetForm(dialog.hDevMode, FormOfPaper(job.paper));
    dialog.Flags = PD_RETURNDC | PD_NOSELECTION | PD_NOCURRENTPAGE | PD_NOPAGENUMS | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nStartPage = START_PAGE_GENERAL;
    const HRESULT shown = show(&dialog);
    const short form = FormOf(dialog.hDevMode);
    if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
    if (shown != S_OK || dialog.dwResultAction != PD_RESULT_PRINT) {
        if (dialog.hDC != nullptr) DeleteDC(dialog.hDC);
        return shown == S_OK ? PrintResult::Cancelled : PrintResult::Failed;
    }
    const draw::PagedDocument document = job.layOut(form != 0 ? PaperOfForm(form) : job.paper);
    const bool printed = dialog.hDC != nullptr && PaintOnPrinter(dialog.hDC, document);
    if (dialog.hDC != nullptr) DeleteDC(dialog.hDC);
    return printed ? PrintResult::Printed : PrintResult::Failed;
}

bool Win32Backend::PrinterPaper(draw::Paper& paper) const {
    HGLOBAL devMode = DefaultDevMode();
    const short form = FormOf(devMode);
    if (devMode != nullptr) GlobalFree(devMode);
    if (form == 0) return false;
    paper = PaperOfForm(form);
    return true;
}

}  // namespace ui::win32
