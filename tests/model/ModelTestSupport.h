// The model field by field for the tests, and the dimensions located by hand.

#pragma once

// Test-side view of the model: every field by name, compared bit for bit, and the 44
// dimensions located by hand (not through the dimension table, which is under test).

#include <cstdint>
#include <functional>
#include <type_traits>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/Model.h"
#include "model/ModelFields.h"

namespace lm::test {

// Each plain field's name and bytes (floats bit for bit), in the model's own order.
inline std::vector<std::pair<std::string, std::string>> FieldBytes(const Model& m) {
    std::vector<std::pair<std::string, std::string>> fields;
    ForEachField(m, [&fields](const FieldPath& path, const auto& field) {
        using T = std::remove_cvref_t<decltype(field)>;
        std::string name = path.Text();
        // Pivots by the names the tests know them by: "Pivot7.X".
        if (name.starts_with("Pivots[")) {
            name.erase(name.find(']'), 1);
            name.replace(0, 7, "Pivot");
        }
        std::string bytes;
        if constexpr (std::is_same_v<T, std::string>) {
            bytes = field;
        } else if constexpr (std::is_same_v<T, std::vector<float>>) {
            bytes.assign(reinterpret_cast<const char*>(field.data()), field.size() * sizeof(float));
        } else {
            static_assert(std::is_trivially_copyable_v<T>);
            bytes.assign(reinterpret_cast<const char*>(&field), sizeof field);
        }
        fields.emplace_back(std::move(name), std::move(bytes));
    });
    return fields;
}

// Names of every field in which the two models differ (floats compared bit for bit).
inline std::vector<std::string> Differences(const Model& a, const Model& b) {
    const auto x = FieldBytes(a);
    const auto y = FieldBytes(b);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < x.size(); ++i)
        if (x[i].second != y[i].second) names.push_back(x[i].first);
    return names;
}

// The 44 dimensions by code name, located by hand, with their nominal values.
struct DimField {
    std::string_view code;
    float& (*at)(Model&);
    float nominal;
};

#define LM_DIM(code, expr, nominal) DimField{code, [](Model& m) -> float& { return expr; }, nominal}
inline const std::vector<DimField>& DimFields() {
    static const std::vector<DimField> fields = {
        LM_DIM("DriverDia", m.Frame.DriverDia, 7.0f),
        LM_DIM("Stroke", m.Frame.Stroke, 3.0f),
        LM_DIM("MainRodLen", m.Frame.MainRodLen, 10.0f),
        LM_DIM("EccCircleDia", m.Frame.EccCircleDia, 0.6875f),
        LM_DIM("EccDia", m.Frame.EccDia, 2.0f),
        LM_DIM("EccAngFwd", m.Frame.EccAngFwd, 242.0f),
        LM_DIM("EccAngRev", m.Frame.EccAngRev, 242.0f),
        LM_DIM("EccRodFwd", m.Frame.EccRodFwd, 7.75f),
        LM_DIM("EccRodRev", m.Frame.EccRodRev, 7.75f),
        LM_DIM("LinkRadius", m.Frame.LinkRadius, 8.25f),
        LM_DIM("LinkCentBackSet", m.Frame.LinkCentBackSet, 0.2f),
        LM_DIM("LinkEccPivotVert", m.Frame.LinkEccPivotVert, 0.75f),
        LM_DIM("LinkEccPivotBackSet", m.Frame.LinkEccPivotBackSet, 0.472f),
        LM_DIM("RockerUpperLen", m.Frame.RockerUpperLen, 1.25f),
        LM_DIM("RockerUpperBackSet", m.Frame.RockerUpperBackSet, 0.0f),
        LM_DIM("RockerLowerLen", m.Frame.RockerLowerLen, 1.312f),
        LM_DIM("RockerPivotVert", m.P(7).Y, 1.3f),
        LM_DIM("RockerPivotHorz", m.P(7).X, 8.13f),
        LM_DIM("ValveConRodLen", m.Frame.ValveConRodLen, 4.75f),
        LM_DIM("LiftingLinkLen", m.Frame.LiftingLinkLen, 2.0f),
        LM_DIM("RevArmLen", m.Frame.RevArmLen, 2.375f),
        LM_DIM("RevArmBackSet", m.Frame.RevArmBackSet, 0.0f),
        LM_DIM("LiftingArmLen", m.Frame.LiftingArmLen, 1.812f),
        LM_DIM("RevLiftPivotVert", m.P(16).Y, 2.0f),
        LM_DIM("RevLiftPivotHorz", m.P(16).X, 6.0f),
        LM_DIM("RevArmCentNorm", m.Frame.RevArmCentNorm, 1.04f),
        LM_DIM("RevArmCentMax", m.Frame.RevArmCentMax, 1.3f),
        LM_DIM("CylCtrToDriver", m.Cyl.CylCtrToDriver, 16.0f),
        LM_DIM("CylCLAboveDriver", m.P(3).Y, 0.0f),
        LM_DIM("CylBoreDia", m.Cyl.CylBoreDia, 2.125f),
        LM_DIM("CylBoreLen", m.Cyl.CylBoreLen, 4.0f),
        LM_DIM("CylPortWidth", m.Cyl.CylPortWidth, 0.2f),
        LM_DIM("PistonToCrosshead", m.Cyl.PistonToCrosshead, 6.0f),
        LM_DIM("PistonWidth", m.Cyl.PistonWidth, 0.5f),
        LM_DIM("ValveCLToCylCL", m.Cyl.ValveCLToCylCL, 2.25f),
        LM_DIM("ValveBoreDia", m.Cyl.ValveBoreDia, 0.75f),
        LM_DIM("ValveBoreLen", m.Cyl.ValveBoreLen, 4.0f),
        LM_DIM("ValveBoreCtrToPort", m.Cyl.ValveBoreCtrToPort, 1.155f),
        LM_DIM("ValvePortWidthRear", m.Cyl.ValvePortWidthRear, 0.187f),
        LM_DIM("ValvePortWidthFront", m.Cyl.ValvePortWidthFront, 0.187f),
        LM_DIM("ValveCtrToRing", m.Cyl.ValveCtrToRing, 1.0f),
        LM_DIM("ValveEndWidthRear", m.Cyl.ValveEndWidthRear, 0.342f),
        LM_DIM("ValveEndWidthFront", m.Cyl.ValveEndWidthFront, 0.342f),
        LM_DIM("ValveCtrToJoint", m.Cyl.ValveCtrToJoint, 3.176f),
    };
    return fields;
}
#undef LM_DIM

}  // namespace lm::test
