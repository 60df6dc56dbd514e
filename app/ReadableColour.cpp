// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Contrast ratios, blends, and text colours made to read on their background.
#include "ReadableColour.h"

#include <algorithm>
#include <cmath>

namespace {

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF())
            + 0.0722 * linear(colour.blueF());
}

} // namespace

QColor blended(const QColor &from, const QColor &to, double share)
{
    const auto channel = [share](float a, float b) { return a + (b - a) * float(share); };
    // Rounded to what the screen shows, so that a colour drawn is the colour measured.
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()))
            .rgb();
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QColor contrasting(const QColor &wanted, std::initializer_list<QColor> backgrounds, double ratio)
{
    const QColor &first = *backgrounds.begin();
    const QColor extreme = contrastRatio(Qt::black, first) > contrastRatio(Qt::white, first)
            ? QColor(Qt::black)
            : QColor(Qt::white);
    const auto reaches = [&](const QColor &colour) {
        return std::ranges::all_of(backgrounds, [&](const QColor &background) {
            return contrastRatio(colour, background) >= ratio;
        });
    };
    QColor colour = wanted;
    for (int step = 1; step <= 20 && !reaches(colour); ++step)
        colour = blended(wanted, extreme, step / 20.0);
    return colour;
}

QColor readableOn(const QColor &wanted, const QColor &background)
{
    return contrasting(wanted, {background}, textContrast);
}

QColor tinted(const QColor &background, const QColor &tint, double ratio)
{
    const QColor farEnough = contrasting(tint, {background}, ratio);
    QColor colour = background;
    for (int step = 1; step <= 20 && contrastRatio(colour, background) < ratio; ++step)
        colour = blended(background, farEnough, step / 20.0);
    return colour;
}
