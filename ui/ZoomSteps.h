#pragma once
// The zoom steps of the main window in percent; the settings file keeps one of them.
#include <algorithm>
#include <iterator>

constexpr int kZoomSteps[] = {100, 125, 150, 200, 250, 300};

constexpr bool isZoomStep(int percent) {
    return std::find(std::begin(kZoomSteps), std::end(kZoomSteps), percent) != std::end(kZoomSteps);
}
