#pragma once

#include <vector>

#include "numeric/results_table.h"
#include "puresine/pure_sine_calc.h"

namespace puresine {

// One results-table row per text, in the texts' order: the box's quantity and
// form, the text's number as formatted (no padding, no unit words), and the
// unit symbol of a translation or, when rotation is set, of a rotation. A text
// under an id that is not a result box, or one that a rotation leaves blank,
// gives no row.
std::vector<halvex::ResultRow> ResultRows(const OutputTexts& texts, bool rotation);

}  // namespace puresine
