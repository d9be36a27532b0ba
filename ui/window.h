#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "draw/drawing.h"
#include "res/dialog_template.h"
#include "ui/grid.h"
#include "ui/messages.h"
#include "ui/print_job.h"

// The one interface between the dialog layer and a windowing backend.
//
// A backend builds a dialog window from a template and reports the USER's
// actions to the dialog as messages (WM_COMMAND with BN_CLICKED, LBN_SELCHANGE
// or EN_CHANGE, WM_SYSCOMMAND, WM_CLOSE), synchronously, after the action has
// taken effect on the control. Changes the program makes through this
// interface raise nothing: the layer itself raises the change event of an
// edit whose text the program sets, so that rule holds on every backend.
// A handler's result is the message's result; for WM_QUERYDRAGICON it is an
// icon resource id, which the backend turns into its own icon handle.
namespace ui {

class DialogSink {
public:
    virtual std::intptr_t HandleMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // What a screen reader calls a control that the dialog names itself, or
    // nullptr; a backend that names controls asks here first, then
    // res::FindAccessibleName. Asked while the window is being built.
    virtual const char* ControlName(int /*id*/) const { return nullptr; }

protected:
    ~DialogSink() = default;
};

struct Size {
    int cx;
    int cy;
};

class DialogWindow {
public:
    virtual ~DialogWindow() = default;

    virtual const res::DialogTemplate& Template() const = 0;

    virtual void ShowControl(int id, bool show) = 0;
    virtual bool IsControlVisible(int id) const = 0;
    virtual void SetControlText(int id, std::string_view text) = 0;
    virtual void GetControlText(int id, std::string& out) const = 0;

    virtual void ListReset(int id) = 0;
    virtual void ListInsert(int id, int index, std::string_view text) = 0;
    virtual int ListGetCurSel(int id) const = 0;  // LB_ERR when nothing is selected
    virtual void ListSetCurSel(int id, int index) = 0;

    virtual void AppendSystemMenu(unsigned flags, unsigned commandId, std::string_view text) = 0;
    virtual void SetIcon(bool big, int iconId) = 0;

    // Minimised-window painting, on backends that have it.
    virtual bool IsIconic() const { return false; }
    virtual Size ClientSize() const { return Size{0, 0}; }
    virtual Size IconSize() const { return Size{32, 32}; }
    virtual void DrawIcon(int /*x*/, int /*y*/, int /*iconId*/) {}

    // Default processing of a system command other than close (minimise,
    // maximise, restore), on backends whose windows have such commands.
    virtual void SystemCommand(unsigned /*commandId*/) {}

    // The picture of a chart control: the backend keeps it and paints it
    // whenever the control needs painting. A backend without painting keeps
    // nothing.
    virtual void SetControlDrawing(int /*id*/, const std::shared_ptr<const draw::Chart>& /*drawing*/) {}
    // Writes what a chart control shows to a picture file of the kind its
    // extension names (png, pdf), on backends that can; false otherwise.
    virtual bool SaveControlPicture(int /*id*/, const std::string& /*path*/) { return false; }
    // The extensions SaveControlPicture writes here, without the dot.
    virtual std::vector<std::string> ControlPictureExtensions() const { return {}; }
    // A command of the dialog's own on some of its controls: an entry with
    // that text in the context menu of each, and a shortcut key ("Ctrl+Shift+C")
    // anywhere in the window. Choosing it sends WM_COMMAND with the command id
    // and BN_CLICKED. With no controls it is a key alone (the calculators'
    // F1). Backends without such menus or keys may ignore it.
    virtual void AddControlCommand(unsigned /*commandId*/, std::string_view /*text*/, std::string_view /*shortcut*/,
                                   const std::vector<int>& /*controlIds*/) {}
    // Puts plain text on the clipboard, on backends that have one.
    virtual void SetClipboardText(std::string_view /*text*/) {}
    // The clipboard's plain text; empty when it holds none or there is none.
    virtual std::string GetClipboardText() const { return {}; }

    // A grid (res::ControlKind::Grid). Its columns come at run time; setting
    // them empties the rows. None of these raises a notification; the user's
    // edits raise GN_CELLCHANGE, GN_SELCHANGE and GN_PASTE (ui/messages.h).
    // A backend without grids keeps nothing and reads back empty cells.
    virtual void GridSetColumns(int /*id*/, const std::vector<GridColumn>& /*columns*/) {}
    // Replaces every row. The current cell stays where it still exists, and
    // marks go only with their rows; a cell being edited elsewhere stays
    // open and the view does not scroll for it: cheap enough for every edit.
    virtual void GridSetRows(int /*id*/, const GridRows& /*rows*/) {}
    virtual void GridGetCell(int /*id*/, int /*row*/, int /*column*/, std::string& out) const { out.clear(); }
    // Moves the current cell (scrolled into view); a cell out of range
    // leaves no current cell.
    virtual void GridSetCurrentCell(int /*id*/, int /*row*/, int /*column*/) {}
    virtual GridCell GridCurrentCell(int /*id*/) const { return {}; }
    // As MarkControl, for one cell: a light red cell, the problem for a
    // screen reader or a tooltip; an empty problem takes the mark away.
    virtual void GridMarkCell(int /*id*/, int /*row*/, int /*column*/, std::string_view /*problem*/) {}
    // As GridMarkCell, in the warning's colour: the cell reads, but says
    // something the user should look at; an empty warning takes it away.
    virtual void GridWarnCell(int /*id*/, int /*row*/, int /*column*/, std::string_view /*warning*/) {}
    // Marks an edit whose text does not read, so that the user sees which
    // one is wrong; problem is what is wrong with it, for a screen reader.
    // An empty problem takes the mark away.
    virtual void MarkControl(int id, std::string_view problem) = 0;
    // Greys a control out: it takes no input and looks unavailable, as a
    // field that does not apply or a result that is out of date.
    virtual void EnableControl(int id, bool enabled) = 0;
    // Puts the keyboard focus on a control, as after a command whose next
    // step is typing there.
    virtual void FocusControl(int id) = 0;
    // A short text that the control shows while the pointer rests on it.
    virtual void SetControlTooltip(int id, std::string_view text) = 0;

    // Greys out an item of the template's menu bar: neither the item nor its
    // shortcut does anything until it is enabled again.
    virtual void EnableMenuItem(int commandId, bool enabled) = 0;
    // The window's caption, in place of the template's.
    virtual void SetTitle(std::string_view text) = 0;

    // Sends WM_TIMER with this id once, after that many milliseconds of the
    // backend's clock; setting it again before then starts the wait anew.
    // The defaults never send it.
    virtual void SetTimer(unsigned /*id*/, unsigned /*milliseconds*/) {}
    virtual void KillTimer(unsigned /*id*/) {}

    // Ends the modal run of this window with the given code once the current
    // handler has returned.
    virtual void EndDialog(int code) = 0;
};

enum class FileDialog { Open, Save };

// A kind of file that a file dialog offers: "Chart as SVG" for "svg".
struct FileType {
    std::string name;
    std::string extension;  // without the dot
};

class Backend {
public:
    virtual ~Backend() = default;

    virtual std::unique_ptr<DialogWindow> CreateDialogWindow(const res::DialogTemplate& dialogTemplate,
                                                             DialogSink& sink) = 0;
    // Shows the window and handles the user's events until EndDialog.
    virtual int RunModal(DialogWindow& window) = 0;
    // Whether RunModal sends the sink WM_INITDIALOG once the window's
    // controls exist, as a platform whose modal run creates the window does;
    // otherwise the window exists from CreateDialogWindow and the layer
    // initialises the dialog itself before RunModal.
    virtual bool SendsInitDialog() const { return false; }
    // A message box with an OK button only; returns once it is dismissed.
    virtual void MessageBox(std::string_view text) = 0;

    // A question with Yes, No and Cancel: IDYES, IDNO or IDCANCEL. A backend
    // that cannot ask answers Cancel, which leaves everything as it was.
    virtual int AskYesNoCancel(std::string_view /*text*/) { return IDCANCEL; }
    // A question answered by one of these buttons, named in the user's words
    // ("Overwrite", "Save As...", "Cancel"): the index of the one chosen. The
    // last button is the one Esc and the close box choose, and the one
    // chosen at first; a backend that cannot ask chooses it.
    virtual std::size_t AskChoice(std::string_view /*text*/, const std::vector<std::string>& buttons) {
        return buttons.empty() ? 0 : buttons.size() - 1;
    }

    // The platform's file dialog, opening or saving, offering files of these
    // types, the first chosen at first. False when the user cancels; else the
    // name the dialog gave, and the index of the type chosen in it. A backend
    // without one cancels. Completing a name with its extension, and asking
    // before the completed name replaces a file, is the layer's
    // (AfxSaveFileName), for a dialog that does not do it itself.
    virtual bool AskFileName(FileDialog /*kind*/, const std::vector<FileType>& /*types*/, std::string& /*path*/,
                             std::size_t& /*type*/) {
        return false;
    }

    // Opens a document (a manual page) in the program the desktop opens such
    // files with; false when it could not. A backend without a desktop opens
    // nothing.
    virtual bool OpenDocument(const std::string& /*path*/) { return false; }
    // The directory of the running program, where the files installed with
    // it are found; empty where the backend does not know it.
    virtual std::string ProgramDirectory() const { return {}; }

    // The system's print dialog for the job, the job's paper chosen at first;
    // the pages then painted on the printer chosen. A backend that cannot
    // print cancels.
    virtual PrintResult PrintPages(const PrintJob& /*job*/) { return PrintResult::Cancelled; }
    // The pages as a PDF file's bytes, the texts as text (selectable and
    // searchable); false where the backend writes no PDF.
    virtual bool PagesAsPdf(const draw::PagedDocument& /*document*/, std::string& /*bytes*/) { return false; }
    virtual bool WritesPdf() const { return false; }
    // The paper of the user's default printer, where the backend can ask the
    // platform; false where it cannot, and the user's settings decide.
    virtual bool PrinterPaper(draw::Paper& /*paper*/) const { return false; }
};

// The process's backend; set once at start-up, before any dialog runs.
void SetBackend(Backend* backend);
Backend& GetBackend();

}  // namespace ui
