// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's floor for this window: the same kinds of widgets in the same places, no logic.
#include "FirstPaint.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(728, 531);
    (new QLabel(QStringLiteral("Instruction window"), &window))->setGeometry(8, 0, 169, 17);
    (new QLabel(QStringLiteral("Select type of date calculation"), &window))
            ->setGeometry(192, 0, 161, 17);
    (new QLabel(QStringLiteral("Results window"), &window))->setGeometry(368, 0, 321, 17);
    (new QLabel(QStringLiteral("Instructions"), &window))->setGeometry(8, 24, 169, 57);
    (new QComboBox(&window))->setGeometry(192, 24, 153, 21);
    (new QPushButton(QStringLiteral("Calculate Date"), &window))->setGeometry(192, 56, 97, 25);
    (new QLineEdit(QStringLiteral("0"), &window))->setGeometry(296, 56, 49, 25);
    (new QPlainTextEdit(&window))->setGeometry(352, 24, 329, 57);
    (new QPushButton(QStringLiteral("Quit"), &window))->setGeometry(688, 24, 33, 57);
    (new QCalendarWidget(&window))->setGeometry(0, 88, 726, 444);
    return showAndReportFirstPaint(window);
}
