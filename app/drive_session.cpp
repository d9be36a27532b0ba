#include "app/drive_session.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <istream>
#include <ostream>

#include "app/vibration_app.h"
#include "numeric/json_text.h"
#include "numeric/number_text.h"
#include "planner/lab_dlg.h"
#include "planner/planner_dlg.h"
#include "puresine/pure_sine_state.h"
#include "res/control_names.h"
#include "sweep/sine_sweep_state.h"

namespace halvex {
namespace {

using ui::headless::HeadlessWindow;

const char* KindName(res::ControlKind kind) {
    switch (kind) {
        case res::ControlKind::Edit:
            return "edit";
        case res::ControlKind::List:
            return "list";
        case res::ControlKind::Button:
            return "button";
        case res::ControlKind::Frame:
            return "frame";
        case res::ControlKind::Chart:
            return "chart";
        case res::ControlKind::Grid:
            return "grid";
        default:
            return "static";
    }
}

// Splits off the next blank-separated word.
std::string_view NextWord(std::string_view& rest) {
    std::size_t start = 0;
    while (start < rest.size() && rest[start] == ' ') ++start;
    std::size_t end = start;
    while (end < rest.size() && rest[end] != ' ') ++end;
    const std::string_view word = rest.substr(start, end - start);
    rest.remove_prefix(end);
    return word;
}

bool ParseInt(std::string_view word, long long& value) {
    if (word.empty()) return false;
    int base = 10;
    if (word.size() > 2 && word[0] == '0' && (word[1] == 'x' || word[1] == 'X')) {
        base = 16;
        word.remove_prefix(2);
    }
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value, base);
    return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

bool ParseInt(std::string_view word, int& value) {
    long long wide = 0;
    if (!ParseInt(word, wide) || wide < -2147483648LL || wide > 2147483647LL) return false;
    value = static_cast<int>(wide);
    return true;
}

// A number of a chart, to four significant digits: enough to check by hand.
void AppendShort(std::string& line, double value) { line += halvex::FormatPointNumber("%.4g", value); }

void AppendPoint(std::string& line, const draw::ChartPoint& point) {
    line += '[';
    AppendShort(line, std::pow(10.0, point.x));
    line += ',';
    AppendShort(line, std::pow(10.0, point.y));
    line += ']';
}

// A chart briefly: its ranges (Hz, m/s), the profile's vertices, the
// crossovers, and what binds.
void AppendDrawing(std::string& line, const draw::Chart* chart) {
    if (chart == nullptr) {
        line += ",\"drawing\":null";
        return;
    }
    line += ",\"drawing\":{\"range\":[";
    AppendPoint(line, {chart->box.x0, chart->box.y0});
    line += ',';
    AppendPoint(line, {chart->box.x1, chart->box.y1});
    std::string profile, crossovers, binding = "null";
    for (const draw::DrawOp& op : chart->ops) {
        if (op.role == draw::DrawRole::Profile && op.kind == draw::DrawKind::Polyline) {  // not the legend's sample
            for (const draw::ChartPoint& p : op.points) {
                if (!profile.empty()) profile += ',';
                AppendPoint(profile, p);
            }
        } else if (op.role == draw::DrawRole::Crossover && op.kind == draw::DrawKind::Marker) {
            if (!crossovers.empty()) crossovers += ',';
            AppendShort(crossovers, std::pow(10.0, op.points[0].x));
        } else if (op.role == draw::DrawRole::Binding && op.kind == draw::DrawKind::Text) {
            binding.clear();
            AppendJsonString(binding, op.text);
        }
    }
    line += "],\"profile\":[" + profile + "],\"crossovers\":[" + crossovers + "],\"binding\":" + binding + "}";
}

void AppendStrings(std::string& line, const std::vector<std::string>& texts) {
    line += '[';
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (i > 0) line += ',';
        AppendJsonString(line, texts[i]);
    }
    line += ']';
}

void AppendGrid(std::string& line, const ui::ControlState& grid) {
    line += ",\"columns\":[";
    for (std::size_t i = 0; i < grid.columns.size(); ++i) {
        const ui::GridColumn& column = grid.columns[i];
        if (i > 0) line += ',';
        line += "{\"title\":";
        AppendJsonString(line, column.title);
        line += ",\"width\":" + std::to_string(column.width) + ",\"choices\":";
        AppendStrings(line, column.choices);
        line += ",\"editable\":";
        line += column.editable ? "true}" : "false}";
    }
    line += "],\"rows\":[";
    for (std::size_t i = 0; i < grid.rows.size(); ++i) {
        if (i > 0) line += ',';
        AppendStrings(line, grid.rows[i]);
    }
    line += "],\"current\":[" + std::to_string(grid.current.row) + ',' + std::to_string(grid.current.column) +
            "],\"marks\":[";
    for (std::size_t i = 0; i < grid.cellMarks.size(); ++i) {
        const ui::GridMark& mark = grid.cellMarks[i];
        if (i > 0) line += ',';
        line += "{\"row\":" + std::to_string(mark.row) + ",\"column\":" + std::to_string(mark.column) + ",\"problem\":";
        AppendJsonString(line, mark.problem);
        if (mark.kind == ui::MarkKind::Warning) line += ",\"warning\":true";
        line += '}';
    }
    line += ']';
}

// "2", "0.5" or "1.25" seconds, at most an hour, as milliseconds.
bool ReadSeconds(std::string_view text, unsigned& milliseconds) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view part = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || whole.size() > 4 || part.size() > 3 || (point != std::string_view::npos && part.empty())) {
        return false;
    }
    unsigned value = 0;
    for (const char c : whole) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    unsigned fraction = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const char c = i < part.size() ? part[i] : '0';
        if (c < '0' || c > '9') return false;
        fraction = fraction * 10 + static_cast<unsigned>(c - '0');
    }
    if (value > 3600) return false;
    milliseconds = value * 1000 + fraction;
    return true;
}

// A paste's text: \t, \n and \\ stand for a tab, a line break and a
// backslash; false for any other escape.
bool Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) return false;
        switch (text[i]) {
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                return false;
        }
    }
    return true;
}

}  // namespace

ControlWord ReadControlWord(std::string_view word, int dialogId, int& id) {
    // Every name in the headers starts with ID. Any other word that is no
    // number is a line that does not read, refused in its command's words.
    if (word.rfind("ID", 0) == 0) {
        return res::FindControlId(dialogId, word, id) ? ControlWord::Read : ControlWord::Unknown;
    }
    return ParseInt(word, id) ? ControlWord::Read : ControlWord::Malformed;
}

ControlWord ReadCommandWord(std::string_view word, int dialogId, int& id) {
    if (word.rfind("ID", 0) == 0) {
        return res::FindCommandId(dialogId, word, id) ? ControlWord::Read : ControlWord::Unknown;
    }
    return ParseInt(word, id) ? ControlWord::Read : ControlWord::Malformed;
}

DriveSession::DriveSession(std::istream& in, std::ostream& out, Program program)
    : m_program(program), m_in(in), m_out(out) {}

void DriveSession::RunProgram() {
    ui::headless::HeadlessBackend backend;
    backend.SetEventSource(this);
    backend.SetObserver(this);
    backend.SetAnswerQueue(&m_answers);
    ui::SetBackend(&backend);
    struct Unset {
        ~Unset() { ui::SetBackend(nullptr); }
    } unset;
    RunChosenProgram();
}

void DriveSession::RunChosenProgram() {
    // The planner and the library editor offer what a killed session left.
    planner::EnableRecoveryOffers(m_program != Program::Calculator);
    if (m_program == Program::Planner) {
        CPlannerDlg planner;
        planner.DoModal();
    } else if (m_program == Program::Lab) {
        CLabDlg lab(planner::ChosenLabPath());
        lab.DoModal();
    } else {
        CVibrationApp app;
        app.InitInstance();
    }
}

int DriveSession::AnswerQuestion(std::string_view text) {
    const int answer = m_answers.TakeQuestion();
    OnQuestion(text, answer);
    return answer;
}

std::size_t DriveSession::AnswerChoice(std::string_view text, const std::vector<std::string>& buttons) {
    const std::size_t chosen = m_answers.TakeChoice(buttons);
    OnChoice(text, buttons, chosen);
    return chosen;
}

bool DriveSession::AnswerFileName(ui::FileDialog kind, std::string_view extension, std::string& path) {
    const bool answered = m_answers.TakeFileName(path);
    OnFileDialog(kind, extension, answered, answered ? path : "");
    return answered;
}

ui::PrintResult DriveSession::AnswerPrint(const ui::PrintJob& job) {
    draw::Paper paper = job.paper;
    const bool printed = m_answers.TakePrint(paper);
    const draw::PagedDocument pages =
        printed && job.layOut ? job.layOut(paper) : draw::PagedDocument{paper, job.title, {}};
    OnPrint(job, printed, pages);
    return printed ? ui::PrintResult::Printed : ui::PrintResult::Cancelled;
}

int DriveSession::Run() {
    m_running = true;
    RunProgram();
    m_running = false;
    // The program has ended; whatever the script still asks finds no dialog.
    while (std::getline(m_in, m_line)) Execute(m_line, nullptr);
    m_out.flush();
    return m_anyError ? 1 : 0;
}

bool DriveSession::Next(ui::headless::HeadlessBackend& /*backend*/, HeadlessWindow& top) {
    if (!ReadLine(m_line)) return false;
    Execute(m_line, &top);
    return true;
}

bool DriveSession::ReadLine(std::string& line) { return static_cast<bool>(std::getline(m_in, line)); }

void DriveSession::WriteLine(const std::string& line) {
    m_out << line << '\n';
    m_out.flush();
}

void DriveSession::WriteError(std::string_view text) {
    m_anyError = true;
    std::string line = "{\"error\":";
    AppendJsonString(line, text);
    line += '}';
    WriteLine(line);
}

void DriveSession::OnOpen(const HeadlessWindow& window) { ReportOpen(window.Template()); }

void DriveSession::OnClose(const HeadlessWindow& window, int code) { ReportClose(window.Template(), code); }

void DriveSession::ReportOpen(const res::DialogTemplate& dialogTemplate) {
    WriteLine("{\"event\":\"open\",\"dialog\":" + std::to_string(dialogTemplate.id) + "}");
}

void DriveSession::ReportClose(const res::DialogTemplate& dialogTemplate, int code) {
    WriteLine("{\"event\":\"close\",\"dialog\":" + std::to_string(dialogTemplate.id) +
              ",\"code\":" + std::to_string(code) + "}");
}

void DriveSession::OnMessageBox(std::string_view text) {
    std::string line = "{\"event\":\"message\",\"text\":";
    AppendJsonString(line, text);
    line += '}';
    WriteLine(line);
}

void DriveSession::OnQuestion(std::string_view text, int answer) {
    std::string line = "{\"event\":\"question\",\"text\":";
    AppendJsonString(line, text);
    line += ",\"answer\":\"";
    line += answer == ui::IDYES ? "yes" : answer == ui::IDNO ? "no" : "cancel";
    WriteLine(line + "\"}");
}

// As a question's line, with the buttons offered; the answer is the chosen
// button's name as a script gives it.
void DriveSession::OnChoice(std::string_view text, const std::vector<std::string>& buttons, std::size_t chosen) {
    std::string line = "{\"event\":\"question\",\"text\":";
    AppendJsonString(line, text);
    line += ",\"buttons\":[";
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (i > 0) line += ',';
        AppendJsonString(line, buttons[i]);
    }
    line += "],\"answer\":";
    AppendJsonString(line, chosen < buttons.size() ? ui::ChoiceWord(buttons[chosen]) : std::string());
    WriteLine(line + "}");
}

void DriveSession::OnFileDialog(ui::FileDialog kind, std::string_view extension, bool answered, std::string_view path) {
    std::string line = "{\"event\":\"file\",\"dialog\":\"";
    line += kind == ui::FileDialog::Open ? "open" : "save";
    line += "\",\"extension\":";
    AppendJsonString(line, extension);
    line += ",\"path\":";
    if (answered) {
        AppendJsonString(line, path);
    } else {
        line += "null";
    }
    WriteLine(line + "}");
}

void DriveSession::OnOpenDocument(std::string_view path) {
    std::string line = "{\"event\":\"document\",\"path\":";
    AppendJsonString(line, path);
    WriteLine(line + "}");
}

// What would have been printed: the paper offered and the one chosen (null
// when cancelled), and the number of pages laid out on it.
void DriveSession::OnPrint(const ui::PrintJob& job, bool printed, const draw::PagedDocument& pages) {
    std::string line = "{\"event\":\"print\",\"title\":";
    AppendJsonString(line, job.title);
    line += ",\"offered\":\"";
    line += ui::PaperName(job.paper);
    line += "\",\"paper\":";
    line += printed ? "\"" + std::string(ui::PaperName(pages.paper)) + "\"" : std::string("null");
    line += ",\"pages\":" + std::to_string(pages.pages.size());
    WriteLine(line + "}");
}

void DriveSession::WriteDump(const ui::UserWindow& window) {
    const res::DialogTemplate& dialogTemplate = window.Template();
    std::string line = "{\"dialog\":" + std::to_string(dialogTemplate.id) + ",\"caption\":";
    AppendJsonString(line, dialogTemplate.caption);
    // Only a window whose title the program has set says so.
    const std::string title = window.Title();
    if (title != dialogTemplate.caption) {
        line += ",\"title\":";
        AppendJsonString(line, title);
    }
    line += ",\"controls\":[";
    bool first = true;
    for (const ui::ControlState& control : window.ReadControls()) {
        if (control.id == res::kNoId) continue;
        if (!first) line += ',';
        first = false;
        AppendControl(line, control);
    }
    line += ']';
    if (dialogTemplate.menu != nullptr) AppendMenu(line, *dialogTemplate.menu, window.ReadMenu());
    line += '}';
    WriteLine(line);
}

// Each drop-down menu with its items as they stand; separators left out.
void DriveSession::AppendMenu(std::string& line, const res::MenuBar& menu,
                              const std::vector<ui::MenuItemState>& state) {
    line += ",\"menu\":[";
    bool firstPopup = true;
    for (const res::MenuPopup& popup : menu) {
        if (!firstPopup) line += ',';
        firstPopup = false;
        line += "{\"popup\":";
        AppendJsonString(line, popup.text);
        line += ",\"items\":[";
        bool firstItem = true;
        for (const res::MenuItem& item : popup) {
            if (item.commandId == 0) continue;
            if (!firstItem) line += ',';
            firstItem = false;
            line += "{\"id\":" + std::to_string(item.commandId);
            const auto found = std::find_if(state.begin(), state.end(), [&item](const ui::MenuItemState& s) {
                return s.commandId == item.commandId;
            });
            if (found != state.end() && !found->enabled) line += ",\"disabled\":true";
            line += ",\"text\":";
            AppendJsonString(line, item.text);
            line += ",\"keys\":[";
            if (item.shortcut != nullptr) AppendJsonString(line, item.shortcut);
            if (item.alternateShortcut != nullptr) {
                line += ',';
                AppendJsonString(line, item.alternateShortcut);
            }
            line += "]}";
        }
        line += "]}";
    }
    line += ']';
}

void DriveSession::AppendControl(std::string& line, const ui::ControlState& control) {
    line += "{\"id\":" + std::to_string(control.id) + ",\"kind\":\"" + KindName(control.kind) + "\",\"visible\":";
    line += control.visible ? "true" : "false";
    // Only a greyed or marked control says so: the dumps of others stay as they were.
    if (!control.enabled) line += ",\"disabled\":true";
    if (control.marked) line += ",\"marked\":true";
    if (!control.tooltip.empty()) {
        line += ",\"tooltip\":";
        AppendJsonString(line, control.tooltip);
    }
    if (control.kind == res::ControlKind::List) {
        line += ",\"items\":[";
        for (std::size_t i = 0; i < control.items.size(); ++i) {
            if (i > 0) line += ',';
            AppendJsonString(line, control.items[i]);
        }
        line += "],\"selected\":" + std::to_string(control.selected);
    } else if (control.kind == res::ControlKind::Chart) {
        AppendDrawing(line, control.drawing.get());
    } else if (control.kind == res::ControlKind::Grid) {
        AppendGrid(line, control);
    } else {
        line += ",\"text\":";
        AppendJsonString(line, control.text);
    }
    line += '}';
}

void DriveSession::WriteGlobals() {
    std::string line = "{";
    const auto addInt = [&](const char* name, int value) {
        if (line.size() > 1) line += ',';
        line += '"';
        line += name;
        line += "\":" + std::to_string(value);
    };
    const auto addDouble = [&](const char* name, double value) {
        if (line.size() > 1) line += ',';
        line += '"';
        line += name;
        line += "\":";
        AppendJsonDouble(line, value);
    };
    addInt("g_typeSel", g_typeSel);
    addInt("g_dimensionSel", g_dimensionSel);
    addInt("g_amplitudeUnitSel", g_amplitudeUnitSel);
    addInt("g_frequencyUnitSel", g_frequencyUnitSel);
    addDouble("g_frequencyValue", g_frequencyValue);
    addDouble("g_amplitudeValue", g_amplitudeValue);
    addDouble("g_omega", g_omega);
    addDouble("g_zeroPeak", g_zeroPeak);
    addDouble("g_velocity", g_velocity);
    addDouble("g_acceleration", g_acceleration);
    addInt("g_sweepAnalysisSel", g_sweepAnalysisSel);
    addInt("g_sweepInputSel", g_sweepInputSel);
    addInt("g_sweepOutputGuard", g_sweepOutputGuard);
    line += '}';
    WriteLine(line);
}

void DriveSession::Execute(std::string_view line, ui::UserWindow* top) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    std::size_t start = 0;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t')) ++start;
    if (start == line.size() || line[start] == '#') return;

    std::string_view rest = line.substr(start);
    const std::string_view command = NextWord(rest);
    const bool known = command == "select" || command == "type" || command == "click" || command == "enter" ||
                       command == "escape" || command == "close" || command == "syscommand" || command == "dump" ||
                       command == "globals" || command == "answer" || command == "show" || command == "cell" ||
                       command == "goto" || command == "paste" || command == "menu" || command == "key" ||
                       command == "wait";
    if (!known) return WriteError("unknown command: " + std::string(command));
    if (command == "globals") return WriteGlobals();
    if (command == "answer") {
        // Queued for the next question or file dialog: the rest of the line.
        if (!m_running) return WriteError("no dialog open");
        m_answers.Push(std::string(rest.empty() ? rest : rest.substr(1)));
        return;
    }
    if (top == nullptr) return WriteError("no dialog open");

    if (command == "dump") return WriteDump(*top);
    if (command == "wait") {
        // Seconds, whole or with up to three decimals: the timers' clock
        // counts milliseconds.
        const std::string_view seconds = NextWord(rest);
        unsigned milliseconds = 0;
        if (!ReadSeconds(seconds, milliseconds) || !NextWord(rest).empty()) {
            return WriteError("wait: expected a number of seconds");
        }
        top->UserWait(milliseconds);
        return;
    }
    if (command == "key") {
        const std::string_view keys = NextWord(rest);
        if (keys.empty() || !NextWord(rest).empty()) return WriteError("key: expected a shortcut");
        const std::string error = top->UserKey(keys);
        if (!error.empty()) WriteError(error);
        return;
    }
    if (command == "menu") {
        const std::string_view commandWord = NextWord(rest);
        int commandId = 0;
        const ControlWord word = ReadCommandWord(commandWord, top->Template().id, commandId);
        if (word == ControlWord::Malformed || !NextWord(rest).empty()) return WriteError("menu: expected a command id");
        if (word == ControlWord::Unknown) {
            return WriteError("no menu item " + std::string(commandWord) + " on dialog " +
                              std::to_string(top->Template().id));
        }
        const std::string error = top->UserMenu(commandId);
        if (!error.empty()) WriteError(error);
        return;
    }
    if (command == "enter") return top->UserEnter();
    if (command == "escape") return top->UserEscape();
    if (command == "close") return top->UserClose();
    if (command == "syscommand") {
        long long commandId = 0;
        if (!ParseInt(NextWord(rest), commandId) || commandId < 0 || commandId > 0xFFFFFFFFLL ||
            !NextWord(rest).empty()) {
            return WriteError("syscommand: expected a command number");
        }
        return top->UserSysCommand(static_cast<unsigned>(commandId));
    }

    // The rest name a control first. A line that does not read is refused
    // before a name that the dialog does not know.
    const int dialog = top->Template().id;
    const std::string_view idWord = NextWord(rest);
    int id = 0;
    const ControlWord word = ReadControlWord(idWord, dialog, id);
    const std::string unknown = "no control " + std::string(idWord) + " on dialog " + std::to_string(dialog);
    std::string error;
    if (command == "show") {
        if (word == ControlWord::Malformed || !NextWord(rest).empty()) return WriteError("show: expected a control id");
        if (word == ControlWord::Unknown) return WriteError(unknown);
        const std::vector<ui::ControlState> controls = top->ReadControls();
        const auto control =
            std::find_if(controls.begin(), controls.end(), [id](const ui::ControlState& c) { return c.id == id; });
        if (control == controls.end()) {
            return WriteError("no control " + std::to_string(id) + " on dialog " + std::to_string(dialog));
        }
        std::string shown;
        AppendControl(shown, *control);
        return WriteLine(shown);
    }
    if (command == "type") {
        if (word == ControlWord::Malformed) return WriteError("type: expected a control id");
        if (word == ControlWord::Unknown) return WriteError(unknown);
        // The text is everything after the single blank that follows the id.
        const std::string_view text = rest.empty() ? rest : rest.substr(1);
        error = top->UserType(id, text);
    } else if (command == "select") {
        int index = 0;
        if (word == ControlWord::Malformed || !ParseInt(NextWord(rest), index) || !NextWord(rest).empty()) {
            return WriteError("select: expected a list id and an index");
        }
        if (word == ControlWord::Unknown) return WriteError(unknown);
        error = top->UserSelect(id, index);
    } else if (command == "cell" || command == "goto") {
        int row = 0;
        int column = 0;
        const bool cells = ParseInt(NextWord(rest), row) && ParseInt(NextWord(rest), column);
        const bool ends = command == "cell" || NextWord(rest).empty();
        if (word == ControlWord::Malformed || !cells || !ends) {
            return WriteError(std::string(command) + ": expected a grid id, a row and a column");
        }
        if (word == ControlWord::Unknown) return WriteError(unknown);
        if (command == "cell") {
            // The text is everything after the single blank that follows the column.
            error = top->UserEditCell(id, row, column, rest.empty() ? rest : rest.substr(1));
        } else {
            error = top->UserMoveToCell(id, row, column);
        }
    } else if (command == "paste") {
        std::string text;
        if (word == ControlWord::Malformed || !Unescape(rest.empty() ? rest : rest.substr(1), text)) {
            return WriteError("paste: expected a grid id and a text with \\t, \\n or \\\\ escapes");
        }
        if (word == ControlWord::Unknown) return WriteError(unknown);
        error = top->UserPaste(id, text);
    } else {  // click
        if (word == ControlWord::Malformed || !NextWord(rest).empty()) return WriteError("click: expected a button id");
        if (word == ControlWord::Unknown) return WriteError(unknown);
        error = top->UserClick(id);
    }
    if (!error.empty()) WriteError(error);
}

}  // namespace halvex
