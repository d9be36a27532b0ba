#pragma once

#include "res/item_table.h"

// The pure sine lists' items. An item's index is its row here: the lists
// are filled by position and never sorted, and the calculation reads indices.
namespace puresine {

using res::ItemTable;

extern const ItemTable kTypeItems;
extern const ItemTable kDimensionItems;
extern const ItemTable kFrequencyUnitItems;
extern const ItemTable kDisplacementUnits;
extern const ItemTable kVelocityUnits;
extern const ItemTable kAccelerationUnits;
extern const ItemTable kAngleUnits;
extern const ItemTable kAngularVelocityUnits;
extern const ItemTable kAngularAccelerationUnits;

// The amplitude-unit table for a type and dimension; nullptr for any pair
// outside the tables, and the unit list then stays empty.
const ItemTable* AmplitudeUnitTable(int typeSel, int dimensionSel);

}  // namespace puresine
