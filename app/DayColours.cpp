// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Day colours from the palette, pushed as far from it as they need to read.
#include "DayColours.h"

#include "ReadableColour.h"

namespace {

// The shade is a background, not a mark: just enough to tell it from the page at a glance, so
// that the marks and numbers still stand out on it.
constexpr double spanContrast = 1.2;
// Days that cannot be picked are greyed, as disabled text is, yet still legible.
constexpr double unavailableContrast = 2.0;
const QColor restRed(200, 0, 0);

} // namespace

DayColours DayColours::of(const QPalette &palette, QPalette::ColorGroup group)
{
    DayColours colours;
    colours.page = palette.color(group, QPalette::Base);
    const QColor highlight = palette.color(group, QPalette::Highlight);
    colours.span = tinted(colours.page, highlight, spanContrast);
    colours.mark = contrasting(highlight, {colours.page, colours.span}, markContrast);
    // The selection keeps the theme's colours where they do: its fill is moved as far as its
    // text needs, then, where it would still melt into the page or the span, as far as it takes
    // to stand out, and its text follows.
    const QColor selectedText = palette.color(group, QPalette::HighlightedText);
    colours.selected = contrasting(contrasting(highlight, {selectedText}, textContrast),
                                   {colours.page, colours.span}, markContrast);
    colours.onSelected = readableOn(selectedText, colours.selected);
    const QColor text = palette.color(group, QPalette::Text);
    colours.workingDay[0] = readableOn(text, colours.page);
    colours.workingDay[1] = readableOn(text, colours.span);
    colours.restDay[0] = readableOn(restRed, colours.page);
    colours.restDay[1] = readableOn(restRed, colours.span);
    colours.unavailable = contrasting(palette.color(QPalette::Disabled, QPalette::Text),
                                      {colours.page}, unavailableContrast);
    return colours;
}
