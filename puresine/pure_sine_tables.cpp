#include "puresine/pure_sine_tables.h"

namespace puresine {
namespace {

constexpr const char* kType[] = {"translation", "rotation"};
constexpr const char* kDimension[] = {"displacement (peak-peak)", "displacement (zero-peak)", "velocity (zero-peak)",
                                      "acceleration (zero-peak)"};
constexpr const char* kFrequencyUnit[] = {"Hz", "radians/sec"};
constexpr const char* kDisplacement[] = {"micro inches", "Mils", "inches", "microns", "millimeters", "meters"};
constexpr const char* kVelocity[] = {"micro inches/sec", "Mils/sec",        "inches/sec",
                                     "microns/sec",      "millimeters/sec", "meters/sec"};
constexpr const char* kAcceleration[] = {
    "micro inches/sec^2", "Mils/sec^2", "inches/sec^2", "microns/sec^2", "millimeters/sec^2", "meters/sec^2", "G"};
constexpr const char* kAngle[] = {"radians", "degrees"};
constexpr const char* kAngularVelocity[] = {"radians/sec", "degrees/sec"};
constexpr const char* kAngularAcceleration[] = {"radians/sec^2", "degrees/sec^2"};

}  // namespace

const ItemTable kTypeItems = res::MakeItemTable(kType);
const ItemTable kDimensionItems = res::MakeItemTable(kDimension);
const ItemTable kFrequencyUnitItems = res::MakeItemTable(kFrequencyUnit);
const ItemTable kDisplacementUnits = res::MakeItemTable(kDisplacement);
const ItemTable kVelocityUnits = res::MakeItemTable(kVelocity);
const ItemTable kAccelerationUnits = res::MakeItemTable(kAcceleration);
const ItemTable kAngleUnits = res::MakeItemTable(kAngle);
const ItemTable kAngularVelocityUnits = res::MakeItemTable(kAngularVelocity);
const ItemTable kAngularAccelerationUnits = res::MakeItemTable(kAngularAcceleration);

const ItemTable* AmplitudeUnitTable(int typeSel, int dimensionSel) {
    static const ItemTable* const kTranslation[] = {&kDisplacementUnits, &kDisplacementUnits, &kVelocityUnits,
                                                    &kAccelerationUnits};
    static const ItemTable* const kRotation[] = {&kAngleUnits, &kAngleUnits, &kAngularVelocityUnits,
                                                 &kAngularAccelerationUnits};
    if (dimensionSel < 0 || dimensionSel > 3) return nullptr;
    if (typeSel == 0) return kTranslation[dimensionSel];
    if (typeSel == 1) return kRotation[dimensionSel];
    return nullptr;
}

}  // namespace puresine
