// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// Shows the window, and once its first frame has been painted prints the CLOCK_MONOTONIC time
// in nanoseconds on standard output and ends the program. The start-up benchmark reads it.
int showAndReportFirstPaint(QWidget &window);
