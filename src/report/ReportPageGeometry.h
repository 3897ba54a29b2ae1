#pragma once

#include <array>

class PageMetrics;

// The frame both reports are laid out in, in device units with the origin at
// the top-left corner of the printable area: margins of at least three
// quarters of an inch (more where the device cannot print that close to the
// edge), the text column, the line step (1.15 times a 14-point font) and the
// four columns of a label/value pair line.
struct ReportPageGeometry
{
    explicit ReportPageGeometry(const PageMetrics& metrics);

    int marginX = 0;
    int marginY = 0;
    int left = 0;
    int top = 0;
    int bottom = 0;
    int width = 0;
    int right = 0;
    int lineStep = 0;
    int ruleGap = 0; // between the two lines of a double rule
    // C0..C3: a label, its value, a second label and its value.
    std::array<int, 4> pairColumns{};

    // `fraction` of the text width from the left edge.
    int atWidth(double fraction) const { return left + static_cast<int>(width * fraction); }
};
