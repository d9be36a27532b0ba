#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "ui/answer_queue.h"
#include "ui/headless/headless_backend.h"

namespace halvex {

// How a script names a control: by its number (decimal, or hexadecimal with
// 0x), or by its name in res/*_ids.h on the dialog in question (IDC_AMPLITUDE,
// IDOK). A word that begins with ID is a name, and Unknown when that dialog
// has none of it; any other word that is no number is Malformed.
enum class ControlWord { Read, Unknown, Malformed };
ControlWord ReadControlWord(std::string_view word, int dialogId, int& id);
// The same for a menu command: a number, or an IDM_ name of that dialog.
ControlWord ReadCommandWord(std::string_view word, int dialogId, int& id);

// halvex-drive: runs the program on the headless backend and feeds it the
// commands of a script, one a line; writes one JSON object a line. The
// protocol is described in docs/halvex-drive.md. A derived session may run
// the program on another backend and play the same commands there.
class DriveSession : public ui::headless::EventSource, public ui::headless::Observer {
public:
    enum class Program { Calculator, Planner, Lab };

    DriveSession(std::istream& in, std::ostream& out, Program program = Program::Calculator);

    // Runs the program to its end, then answers what is left of the script.
    // Returns the exit status: 1 when any error was written, else 0.
    int Run();

    bool Next(ui::headless::HeadlessBackend& backend, ui::headless::HeadlessWindow& top) override;
    void OnOpen(const ui::headless::HeadlessWindow& window) override;
    void OnClose(const ui::headless::HeadlessWindow& window, int code) override;
    void OnMessageBox(std::string_view text) override;
    void OnQuestion(std::string_view text, int answer) override;
    void OnChoice(std::string_view text, const std::vector<std::string>& buttons, std::size_t chosen) override;
    void OnFileDialog(ui::FileDialog kind, std::string_view extension, bool answered, std::string_view path) override;
    void OnOpenDocument(std::string_view path) override;
    void OnPrint(const ui::PrintJob& job, bool printed, const draw::PagedDocument& pages) override;

protected:
    // Carries out one command line on the top window (nullptr when no dialog
    // is open), writing what it has to say.
    void Execute(std::string_view line, ui::UserWindow* top);
    // Runs the program once on the headless backend, from start-up until
    // its first window closes.
    virtual void RunProgram();
    // Runs the program on the backend that is set.
    virtual void RunChosenProgram();
    // A question or file dialog of the program, answered as the script said
    // with its answer commands, and reported.
    int AnswerQuestion(std::string_view text);
    std::size_t AnswerChoice(std::string_view text, const std::vector<std::string>& buttons);
    bool AnswerFileName(ui::FileDialog kind, std::string_view extension, std::string& path);
    ui::PrintResult AnswerPrint(const ui::PrintJob& job);
    // The next line of the script; false at its end.
    bool ReadLine(std::string& line);
    void ReportOpen(const res::DialogTemplate& dialogTemplate);
    void ReportClose(const res::DialogTemplate& dialogTemplate, int code);
    // The answers queued for the program's questions and file dialogs,
    // taken while the program runs.
    ui::AnswerQueue& Answers() { return m_answers; }
    void TakeAnswers(bool running) { m_running = running; }
    Program ProgramRun() const { return m_program; }

private:
    void WriteError(std::string_view text);
    void WriteLine(const std::string& line);
    void WriteDump(const ui::UserWindow& window);
    void AppendControl(std::string& line, const ui::ControlState& control);
    void AppendMenu(std::string& line, const res::MenuBar& menu, const std::vector<ui::MenuItemState>& state);
    void WriteGlobals();

    Program m_program;
    ui::AnswerQueue m_answers;
    bool m_running = false;  // answers are taken while the program runs
    std::istream& m_in;
    std::ostream& m_out;
    bool m_anyError = false;
    std::string m_line;
};

}  // namespace halvex
