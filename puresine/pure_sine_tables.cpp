#include "puresine/pure_sine_tables.h"

#include "lang/tr.h"

namespace puresine {
namespace {

constexpr const char* kType[] = {N_("translation"), N_("rotation")};
constexpr const char* kDimension[] = {N_("displacement (peak-peak)"), N_("displacement (zero-peak)"),
                                      N_("velocity (zero-peak)"), N_("acceleration (zero-peak)")};
constexpr const char* kFrequencyUnit[] = {"Hz", N_("radians/sec")};
constexpr const char* kDisplacement[] = {N_("micro inches"), N_("Mils"),        N_("inches"),
                                         N_("microns"),      N_("millimeters"), N_("meters")};
constexpr const char* kVelocity[] = {N_("micro inches/sec"), N_("Mils/sec"),        N_("inches/sec"),
                                     N_("microns/sec"),      N_("millimeters/sec"), N_("meters/sec")};
constexpr const char* kAcceleration[] = {N_("micro inches/sec^2"),
                                         N_("Mils/sec^2"),
                                         N_("inches/sec^2"),
                                         N_("microns/sec^2"),
                                         N_("millimeters/sec^2"),
                                         N_("meters/sec^2"),
                                         "G"};
constexpr const char* kAngle[] = {N_("radians"), N_("degrees")};
constexpr const char* kAngularVelocity[] = {N_("radians/sec"), N_("degrees/sec")};
constexpr const char* kAngularAcceleration[] = {N_("radians/sec^2"), N_("degrees/sec^2")};

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
