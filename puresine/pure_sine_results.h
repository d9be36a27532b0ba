#pragma once

#include <array>
#include <cstddef>

// The twenty result boxes of the pure sine grid: one row per box, read by the
// calculation (output order and formats), the dialog (which member shows it),
// the accessible names, the copied results table and the command line.
namespace puresine {

enum class Quantity { Displacement, Velocity, Acceleration };

// The amplitude form a box states; velocity and acceleration are zero-to-peak,
// as their column captions say.
enum class Form { ZeroToPeak, PeakToPeak };

struct ResultBox {
    int id;
    Quantity quantity;
    Form form;
    // Where it stands in the grid: column 0 to 3 left to right (displacement
    // zero-to-peak, peak-to-peak, velocity, acceleration), row from the top.
    int column;
    int row;
    // Short unit symbols ("mm", "in/s", "m/s^2", "g") and the box's format.
    const char* translationUnit;
    const char* translationFormat;
    // nullptr for the twelve boxes that a rotation leaves blank.
    const char* rotationUnit;
    const char* rotationFormat;
    const char* accessibleName;
};

// In the order a translation sets its texts; a rotation sets the boxes that
// have a rotation format, in the same order.
extern const std::array<ResultBox, 20> kResultBoxes;

// The row for a result box id, nullptr for any other id.
const ResultBox* FindResultBox(int id);

// English, as JSON names them; the results table writes them in the
// process's language.
const char* QuantityName(Quantity quantity);  // "displacement", "velocity", "acceleration"
const char* FormName(Form form);              // "zero-to-peak", "peak-to-peak"

}  // namespace puresine
