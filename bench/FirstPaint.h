#pragma once

class QWidget;

// Shows the window, and once its first frame has been painted prints the CLOCK_MONOTONIC time
// in nanoseconds on standard output and ends the program. The start-up benchmark reads it.
int showAndReportFirstPaint(QWidget &window);
