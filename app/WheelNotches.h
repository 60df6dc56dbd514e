// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Turns wheel and touchpad movements into whole notches.
#pragma once

class QWheelEvent;

// Touchpads and fine wheels send fractions of a notch; they add up, as in Qt's own scrolling
// widgets, and a turn the other way starts afresh.
class WheelNotches
{
public:
    // The whole notches the event completes, positive when turned up (or left); where only
    // pixels come, pixelsPerNotch of them make one.
    int add(const QWheelEvent &event, int pixelsPerNotch);

private:
    int m_rest = 0;
    bool m_inPixels = false;
};
