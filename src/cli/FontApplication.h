// The Qt application that drawing text needs, without a display.

#pragma once

#include <QGuiApplication>

#include <memory>

namespace lm::cli {

// Fonts need a GUI application; this one runs on the offscreen platform unless another
// is asked for, and keeps Qt's own chatter off standard error (real failures come back
// from the drawing as errors).
std::unique_ptr<QGuiApplication> MakeFontApplication();

}  // namespace lm::cli
