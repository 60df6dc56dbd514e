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
class Form1 : public QWidget
{
    Q_OBJECT

public:
    explicit Form1(Calculator::Today today = &QDate::currentDate, QWidget *parent = nullptr);

    const Calculator &calculator() const { return m_calculator; }

private:
    void setUpControls();
    void layOutControls();
    void wireEvents();
    double designScale() const;
    static QComboBox *makeEditableComboBox(QWidget *parent);

    const Calculator::Today m_today;

    // Declared in tab order: widgets join the focus chain in the order they are created.
    QPlainTextEdit *const Text1 = new QPlainTextEdit(this);
    QComboBox *const Combo1 = makeEditableComboBox(this);
    QLabel *const Label1 = new QLabel(QStringLiteral("Select type of date calculation"), this);
    QPushButton *const Command1 = new QPushButton(QStringLiteral("Quit"), this);
    QLabel *const Label2 = new QLabel(QStringLiteral("Label2"), this);
    QLabel *const Label3 = new QLabel(QStringLiteral("Instruction window"), this);
    QLabel *const Label4 = new QLabel(QStringLiteral("Results window"), this);
    MonthCalendar *const MonthView1 = new MonthCalendar(m_today, this);
    QLineEdit *const Text2 = new QLineEdit(QStringLiteral("0"), this);
    QPushButton *const Command2 = new QPushButton(QStringLiteral("Calculate Date"), this);

    WidgetControls m_controls{{Label2, Text1, Text2, Command2, MonthView1, Combo1}};
    Calculator m_calculator{m_controls, m_today};
    HoverFocus m_hoverFocus;
};
