// The label sketch the two dimension editors draw on their own surface: every label's
// text and place, scaled with the large font while the boxes stay where they are.
#include "dialogs/EditorLabels.h"

#include <array>

#include "common/Numbers.h"

namespace lm {

namespace {

struct Label {
    int x, y;
    std::string_view text;
};

// The runs of blanks line the second words up in the editors' 8-point font.
constexpr std::array<Label, 27> kFrameLabels = {{
    {10, 0, "Driver                    Diameter"},
    {10, 13, "Stroke                      Length"},
    {10, 26, "Main Rod                 Length"},
    {10, 39, "Eccentric Circle             Dia"},
    {10, 52, "Eccentric                       Dia"},
    {10, 65, "Eccentric Angle      Forward"},
    {40, 78, "\"       \"          Reverse"},
    {10, 91, "Eccentric Rod        Forward"},
    {40, 104, "\"       \"          Reverse"},
    {10, 117, "Link                          Radius"},
    {10, 130, "Link Center Pivot  Back Set"},
    {10, 143, "Link-Ecc Rod Pivot       Vert"},
    {40, 156, "\"           \"     Back Set"},
    {10, 169, "Rocker Upper Vert   Length"},
    {204, 0, "Rocker Upper      Back Set"},
    {204, 13, "Rocker Lower           Length"},
    {204, 26, "Rocker Pivot                 Vert"},
    {224, 39, "\"           \"                Horz"},
    {204, 52, "Valve Con Rod         Length"},
    {204, 65, "Lifting Link                Length"},
    {204, 78, "Reverse Arm Vert    Length"},
    {224, 91, "\"           \"         Back Set"},
    {204, 104, "Lifting Arm                 Length"},
    {204, 117, "Rev/Lift Arm Pivot        Vert"},
    {234, 130, "\"         \"               Horz"},
    {204, 143, "Rev Arm to Center  Norm"},
    {234, 156, "\"           \"             Max"},
}};

constexpr std::array<Label, 21> kCylinderLabels = {{
    {10, 0, "Cylinder ctr to Driver ctr"},
    {10, 13, "Cylinder CL above Driver"},
    {10, 26, "Cylinder Bore         Diameter"},
    {10, 39, "Cylinder Bore            Length"},
    {10, 52, "Cylinder Steam Port    Width"},
    {10, 65, "Piston ctr to Crosshead ctr"},
    {81, 78, "(Piston Rod)"},
    {10, 91, "Piston                         Width"},
    {10, 104, "Valve CL to Cylinder CL"},
    {10, 117, "Valve Bore            Diameter"},
    {10, 130, "Valve Bore               Length"},
    {204, 0, "ValveBore ctr to ValvePort"},
    {204, 13, "ValveBore PortWidth Rear"},
    {225, 26, "\"             \"             Front"},
    {204, 39, "Valve ctr to Inside Edge"},
    {259, 52, " of Inside Ring"},
    {204, 65, "Valve End Width (Outside"},
    {228, 78, "Edges of Rings) Rear"},
    {225, 91, "\"             \"             Front"},
    {204, 104, "Valve ctr to Joint"},
    {264, 117, "  (Valve Stem)"},
}};

template <std::size_t N>
void Draw(const std::array<Label, N>& labels, std::string_view footer2, float sx, float sy, Canvas& canvas) {
    const long double kx = sx, ky = sy;
    for (const Label& l : labels) canvas.TextOut({RoundToInt(kx * l.x), RoundToInt(ky * l.y)}, l.text);
    canvas.TextOut({1, RoundToInt(ky * 190)}, "To Show Graphic Position of Variable, Click Small Button");
    canvas.TextOut({1, RoundToInt(ky * 203)}, footer2);
}

}  // namespace

void DrawEditorLabels(EditorId editor, float textScaleX, float textScaleY, Canvas& canvas) {
    canvas.SetFontColour(colours::Black);
    canvas.SetTextBackground(false);
    if (editor == EditorId::Frame)
        Draw(kFrameLabels, "To Select Dynamic Variable, Click Dimension in Gray Area", textScaleX, textScaleY, canvas);
    else if (editor == EditorId::Cylinder)
        Draw(kCylinderLabels, "To Select Dynamic Variable, ClickDimension in GrayArea", textScaleX, textScaleY, canvas);
}

}  // namespace lm
