#pragma once

namespace corvane {

// The zoom factors a pane steps through with Ctrl++ and Ctrl+-: 25% to 500%, closer together
// near 100%. A factor between steps (the engine may round) goes to the next step on its way.
namespace ZoomSteps {

constexpr double kNormal = 1.0;

double larger(double factor);
double smaller(double factor);

}  // namespace ZoomSteps

}  // namespace corvane
