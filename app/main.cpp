#include "CalculatorWindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    CalculatorWindow window(&QDate::currentDate, RegionalSettings::fromEnvironment());
    window.show();
    return app.exec();
}
