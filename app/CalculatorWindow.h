// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Calculator.h"
#include "HoverFocus.h"
#include "MonthCalendar.h"
#include "WidgetControls.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

// The calculator window: headings, instruction, calculation type, day count, results, Quit and
// the month calendar in one fixed-size window.
class CalculatorWindow : public QWidget
{
    Q_OBJECT

public:
    CalculatorWindow(Calculator::Today today, const RegionalSettings &regions,
                     QWidget *parent = nullptr);

    const Calculator &calculator() const { return m_calculator; }

    // Fits the window into a screen's available area: on a short screen the calendar shows
    // fewer rows of months, and the title bar and left edge always stay on the screen.
    void fitToScreen(const QRect &available);

private:
    struct DesignedControl
    {
        QWidget *control;
        QRect twips;
        int textPadding; // 0 where the text wraps or is the user's
    };

    QList<DesignedControl> design() const;
    void setUpControls();
    void layOutControls();
    void wireEvents();
    double designScale() const;
    static QComboBox *makeEditableComboBox(QWidget *parent);

    const Calculator::Today m_today;
    const RegionalSettings m_regions;
    int m_designedHeight = 0;
    QRect m_calendarDesign;

    // Declared in tab order: widgets join the focus chain in the order they are created.
    QPlainTextEdit *const m_resultsBox = new QPlainTextEdit(this);
    QComboBox *const m_calculationTypeBox = makeEditableComboBox(this);
    QLabel *const m_calculationTypeHeading
            = new QLabel(QStringLiteral("Select type of date calculation"), this);
    QPushButton *const m_quitButton = new QPushButton(QStringLiteral("Quit"), this);
    QLabel *const m_instructionLabel = new QLabel(this);
    QLabel *const m_instructionHeading = new QLabel(QStringLiteral("Instruction window"), this);
    QLabel *const m_resultsHeading = new QLabel(QStringLiteral("Results window"), this);
    MonthCalendar *const m_calendar = new MonthCalendar(m_today, this);
    QLineEdit *const m_dayCountBox = new QLineEdit(QStringLiteral("0"), this);
    QPushButton *const m_calculateButton = new QPushButton(QStringLiteral("Calculate Date"), this);

    WidgetControls m_controls {{m_instructionLabel, m_resultsBox, m_dayCountBox, m_calculateButton,
                                m_calendar, m_calculationTypeBox}};
    Calculator m_calculator {m_controls, m_today, m_regions};
    HoverFocus m_hoverFocus;
};
