// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/editors/ColorMath.h"

// Text colours chosen against whatever background the user's palette has, so
// a warning stays readable on a light or a dark theme.
namespace vantrel {

// The contrast ratio of two colours as the web accessibility guidelines
// define it: 1 (same luminance) to 21 (black on white).
[[nodiscard]] double contrastRatio(Rgb first, Rgb second);

// from, or the first colour on the way from from to toward that reads on
// background with a contrast ratio of at least 4.5; toward itself when none does.
[[nodiscard]] Rgb readableTowards(Rgb from, Rgb toward, Rgb background);

// A red for warning text on background, with a contrast ratio of at least
// 4.5: as saturated as that allows, darkened on light backgrounds and
// lightened on dark ones.
[[nodiscard]] Rgb readableRed(Rgb background);

// The ground of a cell a find matched (current: the match chosen now): an
// amber over base, stronger for the current match, taken back toward base
// just as far as text on it needs for a contrast ratio of at least 4.5.
[[nodiscard]] Rgb foundGround(Rgb base, Rgb text, bool current);
// A ground for a mark under text: ground itself where text reads on it with a
// contrast ratio of at least 4.5, else ground darkened (under light text) or
// lightened (under dark text) just as far as that takes.
[[nodiscard]] Rgb readableGround(Rgb ground, Rgb text);

// A fainter mark beside one made with readableGround: faint where the palette
// has it from its light colours, else halfway from mark to the palette's base
// (still under text).
[[nodiscard]] Rgb fainterGround(Rgb faint, Rgb mark, Rgb base, Rgb text);

} // namespace vantrel
