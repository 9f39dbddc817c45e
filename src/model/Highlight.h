// The dimension highlight's state kept in the model.

#pragma once

// What the dimension highlight keeps between ticks, and what it asks of the windows.

namespace lm {

enum class EditorId { None, Frame, Cylinder };

struct HighlightState {
    // 0: none; 1..27 a frame dimension; 101..117 a cylinder dimension.
    int Dim = 0;
    int Ticks = 0;
    int BlinkPhase = 0;
    // The editor to show again when the highlight ends.
    EditorId NotedEditor = EditorId::None;
    // Requests the main window carries out once the tick's picture is finished (never from
    // inside a paint), then sets back to None.
    EditorId CloseRequest = EditorId::None;
    EditorId ReopenRequest = EditorId::None;
};

}  // namespace lm
