// The file dialogs as the dialogs ask for them: a name completed with its
// extension, and no file replaced under a name the user did not see.
#include <filesystem>
#include <system_error>

#include "lang/tr.h"
#include "ui/dialog.h"

namespace ui {
namespace {

bool EndsWithExtension(const std::string& path, const std::string& extension) {
    const std::size_t length = extension.size() + 1;
    if (extension.empty() || path.size() <= length) return false;
    const std::size_t at = path.size() - length;
    if (path[at] != '.') return false;
    for (std::size_t i = 0; i < extension.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(path[at + 1 + i]) != lower(extension[i])) return false;
    }
    return true;
}

// Paths are UTF-8 in the program, on every system.
bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(std::filesystem::u8path(path), error);
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string CompletedFileName(const std::string& path, const std::vector<FileType>& types, std::size_t& type) {
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (EndsWithExtension(path, types[i].extension)) {
            type = i;
            return path;
        }
    }
    if (type >= types.size()) return path;
    return path + "." + types[type].extension;
}

bool AfxOpenFileName(const std::vector<FileType>& types, std::string& path) {
    std::size_t type = 0;
    return GetBackend().AskFileName(FileDialog::Open, types, path, type);
}

// A platform dialog that completes the name itself also asks itself; the
// question here is for the name it did not complete.
bool AfxSaveFileName(const std::vector<FileType>& types, std::string& path, std::size_t& type) {
    for (;;) {
        type = 0;
        if (!GetBackend().AskFileName(FileDialog::Save, types, path, type)) return false;
        const std::string completed = CompletedFileName(path, types, type);
        const bool replaces = completed != path && FileExists(completed);
        path = completed;
        if (!replaces) return true;
        switch (AfxQuestion(lang::Fill(lang::Tr("%1 already exists. Replace it?"), {FileName(completed)}))) {
            case IDYES:
                return true;
            case IDNO:
                break;
            default:
                return false;
        }
    }
}

}  // namespace ui
