// The unsaved-changes query: a snapshot of the dimension set compared bit for bit.
#include "model/UnsavedChanges.h"

#include <cstring>

namespace lm {

std::vector<float> DimensionSetSnapshot(const Model& m) {
    std::vector<float> s;
    s.reserve(128 + kOverlayEntryCount * 13);
    const auto add = [&s](const auto& block) {
        static_assert(sizeof(block) % sizeof(float) == 0);
        const std::size_t at = s.size();
        s.resize(at + sizeof(block) / sizeof(float));
        std::memcpy(s.data() + at, &block, sizeof(block));
    };
    add(m.Frame);
    add(m.Cyl);
    // The input pivots. Their second copies are left out: the tick copies pivot 7 into 6,
    // which must not count as a change to an older file that held them apart.
    for (int n : {RockerPivot, ReverseShaft}) {
        s.push_back(m.P(n).X);
        s.push_back(m.P(n).Y);
    }
    s.push_back(m.P(Crosshead).Y);
    for (int k = 1; k <= kRevArmPositionCount; ++k) s.push_back(m.Gear.RevArmPositions[static_cast<std::size_t>(k)]);
    for (int k = 1; k <= kOverlayEntryCount; ++k) add(m.Lines.Entries[static_cast<std::size_t>(k)]);
    s.push_back(static_cast<float>(m.Lines.CurrentEntry));
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
