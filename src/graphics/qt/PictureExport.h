// Turning a picture's drawing code into an image, a PNG or an SVG file.

#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

#include "graphics/Canvas.h"

namespace lm {

// Largest picture side, in logical and in physical pixels.
inline constexpr int kMaxPictureSide = 16384;

// The picture as an image of width x height logical pixels at the device-pixel ratio
// (so width*dpr x height*dpr physical pixels, Format_RGB32), white before drawing.
// A null image when the size or ratio is out of range or the memory is not there.
QImage RenderPicture(int width, int height, double devicePixelRatio, const DrawPicture& draw);

// The encoded file in memory (PNG at the ratio, or SVG with size and view box width x
// height); false when the picture cannot be made.
bool EncodePicturePng(QByteArray& bytes, int width, int height, double devicePixelRatio,
                      const DrawPicture& draw);
bool EncodePictureSvg(QByteArray& bytes, int width, int height, const DrawPicture& draw);

// Each Save function writes beside the target and replaces the target only once the
// whole file is written, so a failed save leaves an existing file as it was. Each
// returns an error message naming the file, empty on success. Paths are UTF-8.
std::string SavePicturePng(const std::string& path, int width, int height, double devicePixelRatio,
                           const DrawPicture& draw);
// Vector output: size and view box width x height.
std::string SavePictureSvg(const std::string& path, int width, int height, const DrawPicture& draw);
// PNG or SVG by the file name's extension (".png" or ".svg", any case); the ratio
// applies to PNG only.
std::string SavePicture(const std::string& path, int width, int height, double devicePixelRatio,
                        const DrawPicture& draw);

}  // namespace lm
