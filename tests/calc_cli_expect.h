#pragma once

#include <string>
#include <utility>
#include <vector>

#include "cli/calc_request.h"

// What halvex-calc must answer for what a dialog shows, checked in all
// three formats against tables written out here from the dialogs' grids.
namespace halvex_test {

struct Answers {
    halvex::cli::Status status = halvex::cli::Status::Usage;
    std::string problem;  // the refusal or usage problem, the same in every format
    std::string text, tsv, json;
};

// Runs the request once per format.
Answers AskAll(const std::vector<std::string>& args);

// (result box id, text) of the boxes a dialog shows, in reading order.
using Shown = std::vector<std::pair<int, std::string>>;

const std::vector<int>& PureSineGridOrder();  // row by row, left to right
const std::vector<int>& SweepRowOrder();      // from the top

// The text answer is the shown texts one a line; the JSON and the table
// carry the same texts, numbers and units.
void ExpectSameAsDialog(const std::vector<std::string>& args, const Answers& answers, const Shown& shown);

std::string Joined(const std::vector<std::string>& args);

// The text's lines, without their line ends.
std::vector<std::string> Lines(const std::string& text);

}  // namespace halvex_test
