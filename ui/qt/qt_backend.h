#pragma once

#include <vector>

#include "ui/window.h"

class QApplication;
class QDialog;
class QString;

// The dialog layer's backend on Qt 6 Widgets: dialogs are QDialogs run with
// exec(), so modal runs nest; message boxes carry an OK button only and the
// program's title.
namespace ui::qt {

class QtBackend final : public Backend {
public:
    std::unique_ptr<DialogWindow> CreateDialogWindow(const res::DialogTemplate& dialogTemplate,
                                                     DialogSink& sink) override;
    int RunModal(DialogWindow& window) override;
    void MessageBox(std::string_view text) override;
    int AskYesNoCancel(std::string_view text) override;
    std::size_t AskChoice(std::string_view text, const std::vector<std::string>& buttons) override;
    bool AskFileName(FileDialog kind, const std::vector<FileType>& types, std::string& path,
                     std::size_t& type) override;
    bool OpenDocument(const std::string& path) override;
    std::string ProgramDirectory() const override;
    // QPrintDialog and QPrinter; the pages painted by page_painter.
    PrintResult PrintPages(const PrintJob& job) override;
    // QPdfWriter.
    bool PagesAsPdf(const draw::PagedDocument& document, std::string& bytes) override;
    bool WritesPdf() const override { return true; }
    // No PrinterPaper: on the Linux desktop the user's settings (LC_PAPER)
    // say which paper, and the print dialog may choose another.

    // Modal runs in progress, dialogs and message boxes, innermost last.
    const std::vector<QDialog*>& Running() const { return m_running; }
    // False between the end of a modal run and the return of its exec(),
    // while the run's own event loop is still unwinding.
    bool Settled() const;

private:
    std::vector<QDialog*> m_running;
};

// Whether the command line (-style) or the environment (QT_STYLE_OVERRIDE)
// chooses a style; asked before QApplication takes -style off the command
// line.
bool StyleChosen(int argc, const char* const* argv);

// What every Halvex process on Qt sets up once its QApplication exists: the
// style (Fusion, unless one was chosen), the fonts the templates name, the
// icon, no quitting when the last window closes (the dialogs' own runs
// decide when the program ends), and Qt's own texts in our windows (message
// box buttons, an edit's context menu) in the program's language.
void ConfigureApplication(QApplication& application, bool styleChosen = false);

// The width that a message box keeps at least, so that the window manager
// shows its title whole.
int MessageBoxMinimumWidth(const QString& title);

}  // namespace ui::qt
