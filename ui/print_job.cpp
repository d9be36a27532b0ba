#include "ui/print_job.h"

#include <cctype>

namespace ui {

bool ReadPaperName(const std::string& word, draw::Paper& paper) {
    std::string lower;
    for (const char c : word) lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (lower == "a4") {
        paper = draw::Paper::A4;
        return true;
    }
    if (lower == "letter") {
        paper = draw::Paper::Letter;
        return true;
    }
    return false;
}

const char* PaperName(draw::Paper paper) { return paper == draw::Paper::A4 ? "A4" : "Letter"; }

}  // namespace ui
