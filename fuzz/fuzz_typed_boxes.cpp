// Any keys typed or pasted into the dimension editors' boxes and the overlay rows' boxes,
// each box then left, between the overlay window's own choices; then Close1, a tick and
// the main picture. Nothing stored may be non-finite, wrapped angles stay in range.
//
// The input is a list of steps. A step is an action byte, a selector byte, a length byte
// and that many (length % 64) key bytes. Action % 5: 0 frame editor, 1 cylinder editor,
// 2 overlay row, 3 paste into an editor, 4 the overlay window's choices. Action bit 0x80:
// start from an empty box instead of what the box shows.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "dialogs/TypingSupport.h"
#include "graphics/RecordingCanvas.h"
#include "mainwindow/AnimationTick.h"
#include "mainwindow/MainRender.h"
#include "model/DimensionTable.h"

namespace {

using namespace lm;
using fuzz::Require;

// Box 0 and the box after the last are ones the editor does not have.
int EditorBox(EditorId editor, std::uint8_t selector) { return selector % (EditorBoxCount(editor) + 2); }

void TypeIntoEditor(Model& m, EditorId editor, std::uint8_t action, std::uint8_t selector, std::string_view keys,
                    bool paste) {
    const int box = EditorBox(editor, selector);
    const std::string shown = action & 0x80 ? std::string() : EditorBoxText(m, editor, box);
    const std::string text =
        paste ? EditorPaste(m, editor, box, shown, keys) : test::TypeIntoEditorBox(m, editor, box, shown, keys);
    EditorBoxExit(m, editor, box, text);
}

// Rows 0 and 21 and box 4 are outside the window.
void TypeIntoOverlayRow(Model& m, std::uint8_t action, std::uint8_t selector, std::string_view keys) {
    const int row = selector % (kOverlayEntryCount + 2);
    const int box = selector / (kOverlayEntryCount + 2) % 5;
    std::string shown;
    if (!(action & 0x80) && row >= 1 && row <= kOverlayEntryCount && box < 4)
        shown = m.LinesWindow.Rows[static_cast<std::size_t>(row)].Boxes[static_cast<std::size_t>(box)];
    LeaveOverlayBox(m, row, box, test::TypeIntoOverlayBox(m, row, box, shown, keys));
}

// The window's radio groups and buttons, so rows become circles and tied entries; the
// keys place the reference points first (the choices need them) and pick the items.
void ChooseInOverlayWindow(Model& m, std::uint8_t selector, std::string_view keys) {
    const auto key = [&](std::size_t i) { return i < keys.size() ? static_cast<std::uint8_t>(keys[i]) : 0; };
    const auto place = [&](Pivot& p, std::size_t i) {
        p.X = static_cast<float>(static_cast<std::int8_t>(key(i))) / 4;
        p.Y = static_cast<float>(static_cast<std::int8_t>(key(i + 1))) / 4;
    };
    place(m.P(RefPoint1), 0);
    place(m.P(RefPoint2), 2);
    SelectOverlayRow(m, selector % (kOverlayEntryCount + 2));
    ActivateOverlayWindow(m);
    ChooseOverlayType(m, key(4) % 3);
    ChooseOverlayColour(m, key(5) % (kOverlayColourCount + 1));
    ChooseOverlayReference(m, key(6) % 5);
    ActivateOverlayWindow(m);
    switch (key(7) % 4) {
        case 0: DrawCloseClick(m); break;
        case 1: ClearLineClick(m); break;
        case 2: CloseOverlayWindow(m); break;
        default: RefreshOverlayRows(m); break;
    }
}

void CheckStored(const Model& m) {
    for (const DimensionInfo& d : AllDimensions()) Require(std::isfinite(GetDimension(m, d)), "a dimension is non-finite");
    Require(m.Frame.EccAngFwd >= 0 && m.Frame.EccAngFwd <= 360, "forward eccentric angle out of range");
    Require(m.Frame.EccAngRev >= 0 && m.Frame.EccAngRev <= 360, "reverse eccentric angle out of range");
    for (const OverlayEntry& e : m.Lines.Entries)
        Require(std::isfinite(e.Vert1) && std::isfinite(e.Horz1) && std::isfinite(e.Vert2) && std::isfinite(e.Horz2),
                "an overlay entry is non-finite");
    for (const UndoEntry& e : m.Undo.Entries)
        Require(std::isfinite(e.Before) && std::isfinite(e.After), "an undo entry is non-finite");
    for (const DynSlot& s : m.Dyn.DynQueue) Require(std::isfinite(s.Value), "a dynamic variable is non-finite");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Model m = fuzz::StartedModel();
    std::size_t at = 0;
    while (at + 3 <= size) {
        const std::uint8_t action = data[at];
        const std::uint8_t selector = data[at + 1];
        const std::size_t length = std::min<std::size_t>(data[at + 2] % 64, size - at - 3);
        const std::string_view keys(reinterpret_cast<const char*>(data + at + 3), length);
        at += 3 + length;
        switch (action % 5) {
            case 0: TypeIntoEditor(m, EditorId::Frame, action, selector, keys, false); break;
            case 1: TypeIntoEditor(m, EditorId::Cylinder, action, selector, keys, false); break;
            case 2: TypeIntoOverlayRow(m, action, selector, keys); break;
            case 3: TypeIntoEditor(m, selector & 1 ? EditorId::Cylinder : EditorId::Frame, action, selector / 2, keys, true); break;
            default: ChooseInOverlayWindow(m, selector, keys); break;
        }
        CheckStored(m);
    }

    EditorClose(m);
    CheckStored(m);
    Require(std::isfinite(m.Gear.RevArmCenter) && std::isfinite(m.Gear.RevArmPos), "mid gear is non-finite");
    RecordingCanvas canvas;
    MainWindowState state;
    AnimationTick(m, state);
    Require(m.Gear.DriverAngle >= 0 && m.Gear.DriverAngle <= 360.1f, "driver angle out of range");
    RenderMainWindow(m, state, canvas);
    return 0;
}
