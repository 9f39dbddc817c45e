#include "cli/DimsCommand.h"

#include "cli/Json.h"
#include "files/DimensionFile.h"
#include "model/DimensionTable.h"

namespace lm::cli {

void RunDims(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"save"});
    if (auto path = args.Last("save")) {
        const FileResult r = SaveDimensionFile(m, *path);
        if (!r.ok()) throw UsageError(r.error);
    }
    JsonObject o;
    for (const DimensionInfo& d : AllDimensions()) o.Number(d.CodeName, GetDimension(m, d));
    o.Number("FrameSpare", m.Frame.FrameSpare);
    o.Number("CylinderSpare", m.Cyl.CylinderSpare);
    o.Number("RevArmCenter", m.Gear.RevArmCenter);
    o.Number("RevArmPos", m.Gear.RevArmPos);
    std::string positions = "[";
    for (int k = 1; k <= kRevArmPositionCount; ++k)
        positions += (k > 1 ? ", " : "") + JsonNumber(m.Gear.RevArmPositions[static_cast<std::size_t>(k)]);
    o.Raw("RevArmPositions", positions + "]");
    o.Number("VerticalScale", m.Diagram.VerticalScale);
    o.Number("GraphicZoom", m.Diagram.GraphicZoom);
    o.Number("ViewScale", m.View.ViewScale);
    o.Number("ViewOriginX", m.View.ViewOriginX);
    o.Number("ViewOriginY", m.View.ViewOriginY);
    o.String("DataSetName", m.DataSetName);
    out << o.Text() << '\n';
}

}  // namespace lm::cli
