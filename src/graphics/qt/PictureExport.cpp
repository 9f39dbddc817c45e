// Rendering pictures to images, encoding them as PNG or SVG and saving them safely.

#include "graphics/qt/PictureExport.h"

#include <QByteArray>
#include <QPainter>
#include <QRect>
#include <QBuffer>
#include <QSize>
#include <QString>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <span>
#include <system_error>

#include "common/AtomicFile.h"
#include "graphics/qt/QPainterCanvas.h"

namespace lm {

namespace {

constexpr double kMaxDevicePixelRatio = 16.0;
// 96 dots per inch, the resolution logical pixels are meant for.
constexpr double kLogicalDotsPerMetre = 96.0 / 0.0254;

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string Failure(const std::string& path, const std::string& reason) {
    return "Cannot save " + Quoted(path) + ": " + reason + ". The file on disk was not changed.";
}

bool LogicalSizeValid(int width, int height) {
    return width >= 1 && height >= 1 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

int PhysicalSide(int logical, double ratio) {
    // A hair below the exact product, so 632 x 1.1 is not pushed to the next pixel by
    // rounding noise.
    return static_cast<int>(std::ceil(logical * ratio - 1e-6));
}

std::string SizeProblem(int width, int height, double ratio) {
    if (!LogicalSizeValid(width, height))
        return "the picture size " + std::to_string(width) + " x " + std::to_string(height) +
               " is outside 1 to " + std::to_string(kMaxPictureSide) + " pixels a side";
    if (!std::isfinite(ratio) || ratio <= 0 || ratio > kMaxDevicePixelRatio)
        return "the device-pixel ratio " + std::to_string(ratio) + " is outside (0, " +
               std::to_string(static_cast<int>(kMaxDevicePixelRatio)) + "]";
    const int pw = PhysicalSide(width, ratio), ph = PhysicalSide(height, ratio);
    if (pw < 1 || ph < 1 || pw > kMaxPictureSide || ph > kMaxPictureSide)
        return "the picture would be " + std::to_string(pw) + " x " + std::to_string(ph) +
               " pixels, outside 1 to " + std::to_string(kMaxPictureSide) + " a side";
    return {};
}

// Refusals that need no attempt at writing.
std::string TargetProblem(const std::string& path) {
    if (path.empty()) return "no file name was given";
    std::error_code ec;
    if (std::filesystem::is_directory(std::filesystem::path(path), ec)) return "it is a folder";
    return {};
}

std::string Lowercase(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The picture is made in memory and only then written through the safe replace: an
// encoder writing straight to the file could leave a truncated picture on a full disk.
std::string Written(const std::string& path, const QByteArray& bytes) {
    return WriteFileAtomically(path, std::span(reinterpret_cast<const unsigned char*>(bytes.constData()),
                                               static_cast<std::size_t>(bytes.size())));
}

}  // namespace

QImage RenderPicture(int width, int height, double devicePixelRatio, const DrawPicture& draw) {
    if (!SizeProblem(width, height, devicePixelRatio).empty()) return {};
    QImage image(PhysicalSide(width, devicePixelRatio), PhysicalSide(height, devicePixelRatio),
                 QImage::Format_RGB32);
    if (image.isNull()) return {};
    image.setDevicePixelRatio(devicePixelRatio);
    image.setDotsPerMeterX(static_cast<int>(std::lround(kLogicalDotsPerMetre * devicePixelRatio)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(kLogicalDotsPerMetre * devicePixelRatio)));
    image.fill(Qt::white);
    if (draw) {
        QPainter painter(&image);
        QPainterCanvas canvas(painter);
        draw(canvas);
    }
    return image;
}

bool EncodePicturePng(QByteArray& bytes, int width, int height, double devicePixelRatio,
                      const DrawPicture& draw) {
    const QImage image = RenderPicture(width, height, devicePixelRatio, draw);
    if (image.isNull()) return false;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG");
}

bool EncodePictureSvg(QByteArray& bytes, int width, int height, const DrawPicture& draw) {
    if (!SizeProblem(width, height, 1.0).empty()) return false;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("LINKMOTION Inside Admission"));
    QPainter painter;
    if (!painter.begin(&generator)) return false;
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    QPainterCanvas canvas(painter);
    if (draw) draw(canvas);
    return painter.end();
}

std::string SavePicturePng(const std::string& path, int width, int height, double devicePixelRatio,
                           const DrawPicture& draw) {
    if (std::string problem = TargetProblem(path); !problem.empty()) return Failure(path, problem);
    if (std::string problem = SizeProblem(width, height, devicePixelRatio); !problem.empty())
        return Failure(path, problem);
    QByteArray bytes;
    if (!EncodePicturePng(bytes, width, height, devicePixelRatio, draw))
        return Failure(path, "there is not enough memory for the picture");
    return Written(path, bytes);
}

std::string SavePictureSvg(const std::string& path, int width, int height, const DrawPicture& draw) {
    if (std::string problem = TargetProblem(path); !problem.empty()) return Failure(path, problem);
    if (std::string problem = SizeProblem(width, height, 1.0); !problem.empty())
        return Failure(path, problem);
    QByteArray bytes;
    if (!EncodePictureSvg(bytes, width, height, draw))
        return Failure(path, "the picture could not be encoded");
    return Written(path, bytes);
}

std::string SavePicture(const std::string& path, int width, int height, double devicePixelRatio,
                        const DrawPicture& draw) {
    const std::string extension =
        Lowercase(std::filesystem::path(path).extension().string());
    if (extension == ".png") return SavePicturePng(path, width, height, devicePixelRatio, draw);
    if (extension == ".svg") return SavePictureSvg(path, width, height, draw);
    return Failure(path, "pictures are saved as .png or .svg, chosen by the file name's extension");
}

}  // namespace lm
