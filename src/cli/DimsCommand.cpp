// The dims command: every dimension as JSON, and saving them as a .lmd file on request.

#include "cli/DimsCommand.h"

#include <cctype>
#include <string>

#include "cli/Json.h"
#include "files/DimensionFile.h"
#include "model/DimensionTable.h"

namespace lm::cli {

bool HasDimensionFileExtension(const std::string& path) {
    if (path.size() < 4) return false;
    std::string ext = path.substr(path.size() - 4);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext == ".lmd";
}

void RunDims(Model& m, const Arguments& args, std::ostream& out) {
    CheckOptionsFor(args, {"save"});
    if (auto path = args.Last("save")) {
        // A mistyped name must not turn a picture or a document into dimension data.
        if (!HasDimensionFileExtension(*path))
            throw UsageError("--save: '" + *path + "' does not end in .lmd");
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
