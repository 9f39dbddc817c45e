#!/usr/bin/env bash
# Writes the dimension atlas: one picture per dimension, drawn by linkmotion-cli with the
# dimension highlighted, and docs/dimensions.md naming each one.
#   bash docs/make-dimension-atlas.sh [PATH/TO/linkmotion-cli]
set -euo pipefail
cd "$(dirname "$0")/.."
cli=${1:-build/src/cli/linkmotion-cli}
err=$(mktemp)
trap 'rm -f "$err"' EXIT
[ -x "$cli" ] || { echo "no $cli: build first" >&2; exit 2; }

# code name | the editor's label | what it is
table=$(cat <<'TABLE'
DriverDia|Driver Diameter|Diameter of the driving wheel; it sizes the drawing only.
Stroke|Stroke Length|Piston stroke; the crank radius is half of it.
MainRodLen|Main Rod Length|The main (connecting) rod, from crank pin to crosshead.
EccCircleDia|Eccentric Circle Dia|Diameter of the circle the eccentric centres run on: twice the eccentric throw.
EccDia|Eccentric Dia|Diameter of the eccentric sheaves; drawing only.
EccAngFwd|Eccentric Angle Forward|Angle by which the forward eccentric centre leads the crank pin.
EccAngRev|Eccentric Angle Reverse|Angle between the crank pin and the reverse eccentric centre, measured the other way.
EccRodFwd|Eccentric Rod Forward|Forward eccentric rod, from the sheave centre to its pin on the link.
EccRodRev|Eccentric Rod Reverse|Reverse eccentric rod, from the sheave centre to its pin on the link.
LinkRadius|Link Radius|Radius of the expansion link's arc.
LinkCentBackSet|Link Center Pivot Back Set|Offset of the link's centre (suspension) pivot from the arc.
LinkEccPivotVert|Link-Ecc Rod Pivot Vert|Half the distance between the two eccentric-rod pins on the link.
LinkEccPivotBackSet|Link-Ecc Rod Pivot Back Set|Offset of the eccentric-rod pins from the arc.
RockerUpperLen|Rocker Upper Vert Length|Rocker upper arm, measured along the line of the lower arm.
RockerUpperBackSet|Rocker Upper Back Set|Sideways offset of the rocker upper arm's end.
RockerLowerLen|Rocker Lower Length|Rocker lower arm, from the rocker pivot to the link block.
RockerPivotVert|Rocker Pivot Vert|Height of the rocker pivot above the driver centre.
RockerPivotHorz|Rocker Pivot Horz|Horizontal distance of the rocker pivot from the driver centre.
ValveConRodLen|Valve Con Rod Length|Valve connecting rod, from the rocker upper arm to the valve stem joint.
LiftingLinkLen|Lifting Link Length|Lifting link, from the lifting arm to the link's centre pivot.
RevArmLen|Reverse Arm Vert Length|Reverse arm, measured along its axis.
RevArmBackSet|Reverse Arm Back Set|Sideways offset of the reverse arm's end from its axis.
LiftingArmLen|Lifting Arm Length|Lifting arm; its sign says on which side of the shaft it points.
RevLiftPivotVert|Rev/Lift Arm Pivot Vert|Height of the reverse shaft above the driver centre.
RevLiftPivotHorz|Rev/Lift Arm Pivot Horz|Horizontal distance of the reverse shaft from the driver centre.
RevArmCentNorm|Rev Arm to Center Norm|Reverse-arm travel from mid gear to normal forward and normal reverse.
RevArmCentMax|Rev Arm to Center Max|Reverse-arm travel from mid gear to full gear, the ends of the reverse-arm bar.
CylCtrToDriver|Cylinder ctr to Driver ctr|Horizontal distance from the driver centre to the cylinder centre.
CylCLAboveDriver|Cylinder CL above Driver|Height of the cylinder centre line above the driver centre; the valve moves with it.
CylBoreDia|Cylinder Bore Diameter|Diameter of the cylinder bore.
CylBoreLen|Cylinder Bore Length|Length of the cylinder bore.
CylPortWidth|Cylinder Steam Port Width|Width of each steam port where it enters the cylinder.
PistonToCrosshead|Piston ctr to Crosshead ctr (Piston Rod)|Piston centre to crosshead centre: the piston rod.
PistonWidth|Piston Width|Width of the piston.
ValveCLToCylCL|Valve CL to Cylinder CL|Height of the valve centre line above the cylinder centre line.
ValveBoreDia|Valve Bore Diameter|Diameter of the valve bore.
ValveBoreLen|Valve Bore Length|Length of the valve bore.
ValveBoreCtrToPort|ValveBore ctr to ValvePort|Valve bore centre to the inner edge of each valve port.
ValvePortWidthRear|ValveBore PortWidth Rear|Width of the rear valve port.
ValvePortWidthFront|ValveBore PortWidth Front|Width of the front valve port.
ValveCtrToRing|Valve ctr to Inside Edge of Inside Ring|Valve centre to the inside (steam) edge of each valve head; the steam lap is ValveBoreCtrToPort minus this.
ValveEndWidthRear|Valve End Width (Outside Edges of Rings) Rear|Width of the rear valve head between the outside edges of its rings.
ValveEndWidthFront|Valve End Width Front|Width of the front valve head between the outside edges of its rings.
ValveCtrToJoint|Valve ctr to Joint (Valve Stem)|Valve centre to the joint of the valve stem and the valve connecting rod.
TABLE
)

mkdir -p docs/dimensions
if ! "$cli" draw --what gear --highlight Stroke --out docs/dimensions/Stroke.png 2>"$err"; then
    echo "$cli cannot draw a highlighted dimension yet: $(cat "$err")" >&2
    exit 1
fi
out=docs/dimensions.md
{
    echo "# Dimension atlas"
    echo
    echo "Each of the 44 dimensions drawn on the nominal gear, highlighted as the editors'"
    echo "small buttons show it. Regenerate with \`bash dev docs\`."
    echo
} > "$out"
missing=0
while IFS='|' read -r name label what; do
    [ -n "$name" ] || continue
    if ! "$cli" draw --what gear --highlight "$name" --out "docs/dimensions/$name.png" 2>"$err"; then
        missing=$((missing + 1))
        echo "cannot draw $name: $(cat "$err")" >&2
    fi
    {
        echo "## $name"
        echo
        echo "Editor label: \"$label\". $what"
        echo
        echo "![$name](dimensions/$name.png)"
        echo
    } >> "$out"
done <<< "$table"
count=$(grep -c '^## ' "$out")
[ "$count" -eq 44 ] || { echo "the table has $count dimensions, not 44" >&2; exit 1; }
if ((missing)); then
    echo "$missing of 44 pictures could not be drawn" >&2
    exit 1
fi
echo "wrote $out and 44 pictures"
