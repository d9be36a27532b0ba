#include "tests/random_lab.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "app/drive_session.h"
#include "planner/file_io.h"
#include "planner/lab.h"
#include "planner/lab_dlg.h"
#include "res/lab_ids.h"
#include "res/resource_ids.h"

namespace halvex_test {
namespace {

using ui::headless::HeadlessControl;
using ui::headless::HeadlessWindow;
namespace ld = res::lab_dlg;

// Each list and the edit of its chosen item's name.
const std::pair<int, int> kNamedLists[] = {
    {ld::IDC_SHAKERS, ld::IDC_SHAKER_NAME},
    {ld::IDC_EXPANDERS, ld::IDC_EXPANDER_NAME},
    {ld::IDC_FIXTURES, ld::IDC_FIXTURE_NAME},
};

bool IsNameEdit(int id) {
    return id == ld::IDC_LAB_NAME || std::any_of(std::begin(kNamedLists), std::end(kNamedLists),
                                                 [id](const std::pair<int, int>& named) { return named.second == id; });
}

// The libraries under directory (the user's data directory among them) and their bytes.
std::map<std::string, std::string> Libraries(const std::string& directory) {
    std::map<std::string, std::string> libraries;
    std::error_code error;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(directory, error)) {
        if (entry.path().extension() != ".halvex-lab") continue;
        planner::ReadTextFile(entry.path().string(), libraries[entry.path().string()]);
    }
    return libraries;
}

// The chosen item's name edit, when the line typed into it a name that its
// list must refuse: none, or one that another item of the list has; else 0.
int RefusedName(const HeadlessWindow& top, const std::string& line) {
    std::istringstream words(line);
    std::string command, idWord;
    words >> command >> idWord;
    int id = 0;
    if (command != "type" || halvex::ReadControlWord(idWord, top.Template().id, id) != halvex::ControlWord::Read) {
        return 0;
    }
    const auto named = std::find_if(std::begin(kNamedLists), std::end(kNamedLists),
                                    [id](const std::pair<int, int>& n) { return n.second == id; });
    if (named == std::end(kNamedLists)) return 0;
    const HeadlessControl& edit = *top.FindControl(id);
    const std::size_t textAt = command.size() + 1 + idWord.size() + 1;
    const std::string text = textAt <= line.size() ? line.substr(textAt) : "";
    if (!edit.enabled || edit.text != text) return 0;
    const std::vector<std::string>& items = top.FindControl(named->first)->items;
    return text.empty() || std::count(items.begin(), items.end(), text) > 1 ? id : 0;
}

std::string CheckFile(const CLabDlg& lab) {
    if (!planner::FileExists(lab.Path())) {
        const planner::LabFields& fields = lab.Fields();
        if (fields.shakers.empty() && fields.expanders.empty() && fields.fixtures.empty()) return {};
        return lab.Path() + " is not there, yet the window shows it unchanged with items";
    }
    std::string text, message;
    if (!planner::ReadTextFile(lab.Path(), text)) return lab.Path() + " cannot be read back";
    planner::LabDocument saved, shown;
    if (!planner::ReadLabDocument(text, saved, message)) return lab.Path() + " does not read again: " + message;
    planner::LabPlace place;
    if (!planner::LabOf(lab.Fields(), shown, message, place)) {
        return lab.Path() + " read, and the window shows its library unchanged with a problem: " + message;
    }
    if (!(saved == shown)) {
        return lab.Path() + " holds another library than the window shows:\n" + text + "\nthe window's:\n" +
               planner::WriteLabDocument(shown);
    }
    return {};
}

}  // namespace

const char* const kUnreadableLab = "bad.halvex-lab";
const char* const kUnreadableLabBytes = "{\"format\": \"halvex-lab\", \"version\": 99, \"shakers\": []}\n";

DocumentWindow LabWindow(std::string directory) {
    DocumentWindow window(res::IDD_LAB, ld::IDC_STATUS, std::move(directory), "click",
                          {ld::IDC_OPEN, ld::IDC_SAVE, ld::IDC_SAVE_AS, ld::IDC_CLOSE});
    window.documents = {"a.halvex-lab", "b.halvex-lab", kUnreadableLab, "missing.halvex-lab"};
    window.savedTo = 3;
    window.saveElsewhere = "does not read as a library";
    window.typical = {{ld::IDC_GRAVITY, "9.80665"},       {ld::IDC_FIXTURE_MARGIN, "1"},
                      {ld::IDC_DERATE_FORCE, "0.8"},      {ld::IDC_DERATE_STROKE, "0.9"},
                      {ld::IDC_DERATE_VELOCITY, "1"},     {ld::IDC_DERATE_ACCELERATION, "1"},
                      {ld::IDC_RATED_FORCE, "22 kN"},     {ld::IDC_STROKE, "51 mm"},
                      {ld::IDC_VELOCITY, "2 m/s"},        {ld::IDC_ACCELERATION, "100 g"},
                      {ld::IDC_ARMATURE, "20 kg"},        {ld::IDC_MAX_PAYLOAD, "300 kg"},
                      {ld::IDC_LOWEST_FREQUENCY, "5 Hz"}, {ld::IDC_HIGHEST_FREQUENCY, "3000 Hz"},
                      {ld::IDC_EXPANDER_MASS, "12 kg"},   {ld::IDC_EXPANDER_RESONANCE, "1800 Hz"},
                      {ld::IDC_FIXTURE_MASS, "9 kg"},     {ld::IDC_FIXTURE_RESONANCE, "2400 Hz"}};
    window.putRight = 2;
    window.namedLists.assign(std::begin(kNamedLists), std::end(kNamedLists));
    return window;
}

void PrepareLabDirectory(const std::string& directory) {
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(directory, ignored)) {
        std::filesystem::remove_all(entry.path(), ignored);
    }
    std::ofstream(directory + "/" + kUnreadableLab, std::ios::binary) << kUnreadableLabBytes;
}

LabBefore LabStateBefore(const CLabDlg& lab, const std::string& directory, const std::string& line) {
    LabBefore before{lab.Modified(), lab.Path(), !lab.Problem().empty(), {}};
    // Typing and choosing in lists write nothing; anything else may try to save.
    const bool mayWrite = line.rfind("type ", 0) != 0 && line.rfind("select ", 0) != 0 && line.rfind("answer", 0) != 0;
    if (before.problem && mayWrite) before.libraries = Libraries(directory);
    return before;
}

std::string CheckLab(const CLabDlg& lab, const HeadlessWindow& top, const std::string& directory,
                     const std::string& line, const LabBefore& before) {
    std::string unreadable;
    planner::ReadTextFile(directory + "/" + kUnreadableLab, unreadable);
    if (unreadable != kUnreadableLabBytes) return std::string(kUnreadableLab) + " was written over";

    const bool problem = !lab.Problem().empty();
    planner::LabDocument library;
    std::string message;
    planner::LabPlace place;
    if (planner::LabOf(lab.Fields(), library, message, place) == problem) {
        return problem ? "a problem is named while the fields make a library"
                       : "the fields make no library: " + message;
    }
    const std::string& status = top.FindControl(ld::IDC_STATUS)->text;
    if (problem ? status != lab.Problem() : status.rfind(FileNameOf(lab.Path()), 0) != 0) {
        return "the status line \"" + status + "\" is neither the problem nor the file";
    }
    if (!problem && AnyMark(top)) return "a field is marked while the fields make a library";
    const Typed typed = TypedNeverReading(top, line);
    Typed where;
    if (typed.neverReads && !IsNameEdit(typed.id)) {
        where = typed;
    } else {
        where.id = RefusedName(top, line);
    }
    if (where.id != 0) {
        if (!problem) return "a text the field must refuse is not named in the status line";
        // Alone in being wrong, it is the field marked.
        if (!before.problem && !MarkedWhereTyped(top, where)) return "the field that is wrong is not marked";
    }
    if (!before.libraries.empty() && Libraries(directory) != before.libraries) {
        return "a library was written while the fields make none";
    }
    const bool settled = !lab.Modified() && !lab.Path().empty() && !lab.Unreadable();
    if (settled && (before.modified || before.path != lab.Path())) return CheckFile(lab);
    return {};
}

}  // namespace halvex_test
