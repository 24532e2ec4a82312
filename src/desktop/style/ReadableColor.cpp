// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktop/style/ReadableColor.h"

#include <algorithm>
#include <cmath>

namespace vantrel {

namespace {

constexpr double kReadableContrast = 4.5;

double linear(std::uint8_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double luminance(Rgb color) {
    return 0.2126 * linear(color.red) + 0.7152 * linear(color.green) + 0.0722 * linear(color.blue);
}

std::uint8_t mix(std::uint8_t from, std::uint8_t to, int step, int steps) {
    return static_cast<std::uint8_t>(from + (to - from) * step / steps);
}

} // namespace

double contrastRatio(Rgb first, Rgb second) {
    const double a = luminance(first) + 0.05;
    const double b = luminance(second) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

namespace {

// Black or white, whichever differs more from colour: where a colour is
// moved to stand apart from it.
Rgb farEnd(Rgb colour) {
    const Rgb black{0, 0, 0};
    const Rgb white{0xFF, 0xFF, 0xFF};
    return contrastRatio(black, colour) >= contrastRatio(white, colour) ? black : white;
}

} // namespace

Rgb readableTowards(Rgb from, Rgb toward, Rgb background) {
    constexpr int kSteps = 64;
    for (int step = 0; step <= kSteps; ++step) {
        const Rgb candidate{mix(from.red, toward.red, step, kSteps),
                            mix(from.green, toward.green, step, kSteps),
                            mix(from.blue, toward.blue, step, kSteps)};
        if (contrastRatio(candidate, background) >= kReadableContrast)
            return candidate;
    }
    return toward;
}

Rgb readableRed(Rgb background) {
    return readableTowards(Rgb{0xE0, 0x00, 0x00}, farEnd(background), background);
}

Rgb readableGround(Rgb ground, Rgb text) {
    return readableTowards(ground, farEnd(text), text);
}

Rgb fainterGround(Rgb faint, Rgb mark, Rgb base, Rgb text) {
    if (contrastRatio(faint, text) >= kReadableContrast)
        return faint;
    const Rgb halfway{mix(mark.red, base.red, 1, 2), mix(mark.green, base.green, 1, 2),
                      mix(mark.blue, base.blue, 1, 2)};
    return readableGround(halfway, text);
}

Rgb foundGround(Rgb base, Rgb text, bool current) {
    const Rgb amber{0xFF, 0xB3, 0x00};
    const int strength = current ? 48 : 24; // of 64
    const Rgb tinted{mix(base.red, amber.red, strength, 64),
                     mix(base.green, amber.green, strength, 64),
                     mix(base.blue, amber.blue, strength, 64)};
    return readableTowards(tinted, base, text);
}

} // namespace vantrel
