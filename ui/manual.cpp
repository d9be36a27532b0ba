#include "ui/manual.h"

#include <filesystem>
#include <system_error>

#include "lang/tr.h"
#include "ui/dialog.h"
#include "ui/window.h"

namespace ui {

std::vector<std::string> ManualPlaces(const std::string& programDirectory, std::string_view page) {
    const std::string directory = programDirectory.empty() ? std::string(".") : programDirectory;
    const std::string name(page);
    // In the directory's own way of writing paths, so that a Windows user
    // reads C:\Program Files\Halvex\index.html, not a mix of both.
    const bool backslashes = directory.find('\\') != std::string::npos && directory.find('/') == std::string::npos;
    const std::string sep = backslashes ? "\\" : "/";
    return {directory + sep + name, directory + sep + ".." + sep + "share" + sep + "doc" + sep + "halvex" + sep + name};
}

void OpenManual(std::string_view page) {
    Backend& backend = GetBackend();
    const std::vector<std::string> places = ManualPlaces(backend.ProgramDirectory(), page);
    for (const std::string& place : places) {
        std::error_code error;
        // u8path: the place is UTF-8, which Windows would read as its ANSI code page.
        if (!std::filesystem::is_regular_file(std::filesystem::u8path(place), error)) continue;
        if (!backend.OpenDocument(place)) AfxMessageBox(lang::Fill(lang::Tr("%1: cannot be opened"), {place}));
        return;
    }
    std::string text = lang::Tr("The manual is not installed. It was looked for at:");
    for (const std::string& place : places) text += "\n" + place;
    AfxMessageBox(text);
}

}  // namespace ui
