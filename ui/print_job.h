#pragma once

#include <functional>
#include <string>

#include "draw/page.h"

namespace ui {

// A document to print: its name for the print queue, the paper it is first
// offered on, and its layout for whichever paper the user chooses in the
// print dialog (the pages are laid out again for the other paper).
struct PrintJob {
    std::string title;
    draw::Paper paper = draw::Paper::A4;
    std::function<draw::PagedDocument(draw::Paper)> layOut;
};

enum class PrintResult { Printed, Cancelled, Failed };

// The paper a print dialog's answer names: "a4" or "letter", in any case.
// False for another word.
bool ReadPaperName(const std::string& word, draw::Paper& paper);
const char* PaperName(draw::Paper paper);  // "A4", "Letter"

}  // namespace ui
