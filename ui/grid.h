#pragma once

#include <string>
#include <vector>

// What a grid control holds, as the dialog layer and its backends pass it.
namespace ui {

struct GridColumn {
    std::string title;
    int width = 0;  // dialog units
    // Empty: the cell's text is typed; otherwise it is chosen from these in
    // a drop-down.
    std::vector<std::string> choices;
    bool editable = true;
};

struct GridCell {
    int row = -1;
    int column = -1;
};

// A cell marked as not reading, and what is wrong with it.
// A text that does not read (light red), or a figure that reads but the
// user should look at again (light yellow): the plan still computes.
enum class MarkKind { Problem, Warning };

struct GridMark {
    int row;
    int column;
    std::string problem;
    MarkKind kind = MarkKind::Problem;
};

using GridRows = std::vector<std::vector<std::string>>;

}  // namespace ui
