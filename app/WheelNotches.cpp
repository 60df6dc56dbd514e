// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Adds up wheel movements until they make whole notches.
#include "WheelNotches.h"

#include <QWheelEvent>

#include <algorithm>

namespace {

constexpr int angleNotch = 120; // QWheelEvent's angle delta of one notch

} // namespace

int WheelNotches::add(const QWheelEvent &event, int pixelsPerNotch)
{
    const bool pixels = event.angleDelta().isNull();
    const int notch = pixels ? std::max(1, pixelsPerNotch) : angleNotch;
    const QPoint delta = pixels ? event.pixelDelta() : event.angleDelta();
    const int turn = delta.y() != 0 ? delta.y() : delta.x();
    if ((turn > 0) != (m_rest > 0) || pixels != m_inPixels)
        m_rest = 0;
    m_inPixels = pixels;
    m_rest += turn;
    const int notches = m_rest / notch;
    m_rest -= notches * notch;
    return notches;
}
