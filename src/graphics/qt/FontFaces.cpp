// The families behind each of the program's type faces.

#include "graphics/qt/FontFaces.h"

#include <QFontDatabase>

namespace lm {

QStringList FontFamilies(FontFace face) {
    switch (face) {
        case FontFace::Narrow:
            return {"DejaVu Sans Condensed", "Liberation Sans Narrow", "DejaVu Sans", "Liberation Sans", "Arial",
                    "Helvetica"};
        case FontFace::Plain:
            return {"Liberation Sans", "Arial", "Nimbus Sans", "Helvetica", "DejaVu Sans"};
        case FontFace::Serif:
            return {"Times New Roman", "Times", "Liberation Serif", "Nimbus Roman", "DejaVu Serif Condensed",
                    "DejaVu Serif"};
        case FontFace::Fixed:
            break;
    }
    return {QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
}

QFont FaceFont(FontFace face) {
    if (face == FontFace::Fixed) return QFontDatabase::systemFont(QFontDatabase::FixedFont);
    QFont font;
    font.setFamilies(FontFamilies(face));
    font.setStyleHint(face == FontFace::Serif ? QFont::Serif : QFont::SansSerif);
    return font;
}

QFont FaceFont(FontFace face, int pixels) {
    QFont font = FaceFont(face);
    font.setPixelSize(pixels);
    return font;
}

}  // namespace lm
