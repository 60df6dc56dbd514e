// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Contrast ratios, blends, and text colours made to read on their background.
#include "ReadableColour.h"

#include <cmath>

namespace {

constexpr double textContrast = 4.5;

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
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()));
}

double contrastRatio(const QColor &a, const QColor &b)
{
    const double lighter = std::max(luminance(a), luminance(b));
    const double darker = std::min(luminance(a), luminance(b));
    return (lighter + 0.05) / (darker + 0.05);
}

QColor readableOn(const QColor &wanted, const QColor &background)
{
    const QColor extreme
            = contrastRatio(Qt::black, background) > contrastRatio(Qt::white, background)
            ? QColor(Qt::black)
            : QColor(Qt::white);
    QColor colour = wanted;
    for (int step = 1; step <= 20 && contrastRatio(colour, background) < textContrast; ++step)
        colour = blended(wanted, extreme, step / 20.0);
    return colour;
}
