// The program's type faces: each a list of families in order of preference, so a
// machine without the first still gets a face of the same kind and width.

#pragma once

#include <QFont>
#include <QStringList>

namespace lm {

enum class FontFace {
    // A narrow sans: the readouts, editors, dialogs and overlay rows were laid out for
    // a small, narrow system font and run into each other in a wide one.
    Narrow,
    // A plain sans of the usual width: the diagram windows and the menu bar.
    Plain,
    // The main window's serif captions; a narrow cut before a wide one, which would
    // be cut off at a button's ends.
    Serif,
    // Fixed pitch: the pivot data table and the guide, whose columns line up by count.
    Fixed,
};

QStringList FontFamilies(FontFace face);

// The face with its families and style hint; the size is the caller's.
QFont FaceFont(FontFace face);
QFont FaceFont(FontFace face, int pixels);

}  // namespace lm
