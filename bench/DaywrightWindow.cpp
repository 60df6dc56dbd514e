// The program's own start-up, as in main, with the first frame reported.
#include "FirstPaint.h"
#include "Form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Form1 window;
    return showAndReportFirstPaint(window);
}
