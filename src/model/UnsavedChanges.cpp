// The unsaved-changes query: a snapshot of the dimension set compared bit for bit.
#include "model/UnsavedChanges.h"

#include <cstring>
#include <type_traits>

#include "model/ModelFields.h"

namespace lm {

namespace {

// The pivot coordinates the dimensions live in. Their second copies are left out: the tick
// copies pivot 7 into 6, which must not count as a change to an older file that held them
// apart.
bool InputPivotCoordinate(const FieldPath& path) {
    const std::size_t slot = path.Index(1);
    if (slot == RockerPivot || slot == ReverseShaft) return path.NameIs(2, "X") || path.NameIs(2, "Y");
    return slot == Crosshead && path.NameIs(2, "Y");
}

// The dimension set: dimensions, input pivots, the reverse arm's named positions and the
// overlay entries (slot 0 of each list is never used).
bool InDimensionSet(const FieldPath& path) {
    if (path.NameIs(0, "Frame") || path.NameIs(0, "Cyl")) return true;
    if (path.NameIs(0, "Pivots")) return InputPivotCoordinate(path);
    if (path.NameIs(0, "Gear")) return path.NameIs(1, "RevArmPositions") && path.Index(2) >= 1;
    if (path.NameIs(0, "Lines"))
        return path.NameIs(1, "CurrentEntry") || (path.NameIs(1, "Entries") && path.Index(2) >= 1);
    return false;
}

}  // namespace

std::vector<float> DimensionSetSnapshot(const Model& m) {
    std::vector<float> s;
    s.reserve(128 + kOverlayEntryCount * 13);
    ForEachField(m, [&s](const FieldPath& path, const auto& field) {
        using T = std::remove_cvref_t<decltype(field)>;
        if constexpr (std::is_arithmetic_v<T>)
            if (InDimensionSet(path)) s.push_back(static_cast<float>(field));
    });
    return s;
}

void MarkDimensionSetSaved(Model& m) { m.SavedDimensionSet = DimensionSetSnapshot(m); }

bool DimensionSetChanged(const Model& m) {
    const std::vector<float> now = DimensionSetSnapshot(m);
    return now.size() != m.SavedDimensionSet.size() ||
           std::memcmp(now.data(), m.SavedDimensionSet.data(), now.size() * sizeof(float)) != 0;
}

bool MayDropDimensionSet(const Model& m, const std::function<UnsavedAnswer()>& ask,
                         const std::function<bool()>& save) {
    if (!DimensionSetChanged(m)) return true;
    for (;;) {
        switch (ask()) {
            case UnsavedAnswer::Discard: return true;
            case UnsavedAnswer::Cancel: return false;
            case UnsavedAnswer::Save:
                if (save()) return true;
                break;  // the save failed and said so: ask again
        }
    }
}

}  // namespace lm
