// Lengths on the designer's page scene: one scene unit is one pixel at
// 96 dpi, as the template stores it, so that 100 % shows the paper's size.
#pragma once

#include <cmath>

namespace korvel::designer {

inline constexpr double kScenePerMm = 96.0 / 25.4;
// The step of the arrow keys and of dragging with the mouse.
inline constexpr double kStepMm = 0.5;

inline double sceneFromMm(double mm) { return mm * kScenePerMm; }
inline double mmFromScene(double units) { return units / kScenePerMm; }
// Whole steps only, and two decimals as the template stores them.
inline double snapToStep(double mm) { return std::round(mm / kStepMm) * kStepMm; }
inline double roundMm(double mm) { return std::round(mm * 100) / 100; }

}  // namespace korvel::designer
