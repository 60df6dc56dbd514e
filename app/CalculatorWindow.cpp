// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Builds the window from its design, scales it to the desktop's font and fits it to the screen.
#include "CalculatorWindow.h"

#include "CalendarMenu.h"
#include "MonthGrid.h"
#include "WeekNumbersAction.h"
#include "WorkingDaysAction.h"
#include "WorkingWeekMenu.h"

#include <QFontMetricsF>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtMath>

#include <algorithm>

#include "icons/daywright-16.xpm"
#include "icons/daywright-32.xpm"

namespace {

// The window is designed in twips, 15 to a pixel at 96 dpi with the design's 8-point font.
constexpr double twipsPerPixel = 15.0;
constexpr double designLineHeight = 13.0;
constexpr QSize designSize(10920, 7965);
// On a screen too narrow for the design, its upper band is folded in two: the results and Quit
// go under the instruction and the calculation type, and the calendar shows fewer months across.
constexpr int foldedWidth = 5415;
constexpr int foldDepth = 1320;

void makeHeading(QLabel *label)
{
    label->setToolTip(WindowTexts::headingTooltip());
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Button);
}

} // namespace

CalculatorWindow::CalculatorWindow(DayContext &context, const HolidayStore &holidays,
                                   QWidget *parent)
    : QWidget(parent,
              Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                      | Qt::WindowCloseButtonHint)
    , m_context(context)
    , m_holidayStore(holidays)
{
    setObjectName(QStringLiteral("CalculatorWindow"));
    setWindowTitle(WindowTexts::windowTitle());
    QIcon icon;
    icon.addPixmap(QPixmap(daywright_32_xpm));
    icon.addPixmap(QPixmap(daywright_16_xpm));
    setWindowIcon(icon);

    setUpControls();
    wireEvents();
    m_calculator.start();
    m_scale = designScale();
    m_resultsBox->setFocus();

    fitToScreen(screen()->availableGeometry());
}

void CalculatorWindow::fitToScreen(const QRect &available)
{
    // The window manager's title bar and borders are unknown until the window is shown; it draws
    // them in the screen's own pixels, whatever the program's scale.
    const int frameAllowance = qCeil(40 / devicePixelRatioF());
    const int borderAllowance = qCeil(8 / devicePixelRatioF());
    const bool folded = pixels(designSize.width()) + borderAllowance > available.width();
    layOutControls(folded);

    const QRect calendarDesign = m_calendar->geometry();
    const int monthWidth = calendarDesign.width() / MonthGrid::maximumMonthColumns;
    const int across = folded ? std::clamp((available.width() - borderAllowance) / monthWidth, 1,
                                           int(MonthGrid::maximumMonthColumns))
                              : MonthGrid::maximumMonthColumns;
    const int width = folded ? std::max(pixels(foldedWidth), across * monthWidth)
                             : pixels(designSize.width());
    if (folded) {
        // The results take whatever width the months give the window.
        const int extra = width - pixels(foldedWidth);
        for (QWidget *widened :
             {static_cast<QWidget *>(m_resultsHeading), static_cast<QWidget *>(m_resultsBox)})
            widened->resize(widened->width() + extra, widened->height());
        m_quitButton->move(m_quitButton->x() + extra, m_quitButton->y());
    }
    // The results give Quit's text, a translation's longer word, the room it needs beside them.
    QStyleOptionButton quitOption;
    quitOption.initFrom(m_quitButton);
    const int quitNeeds = m_quitButton->fontMetrics().horizontalAdvance(m_quitButton->text())
            + m_quitButton->width()
            - style()->subElementRect(QStyle::SE_PushButtonContents, &quitOption, m_quitButton)
                      .width();
    if (const int wider = quitNeeds - m_quitButton->width(); wider > 0) {
        m_quitButton->setGeometry(m_quitButton->geometry().adjusted(-wider, 0, 0, 0));
        m_resultsBox->resize(m_resultsBox->width() - wider, m_resultsBox->height());
    }
    const int designedHeight = pixels(designSize.height()) + (folded ? pixels(foldDepth) : 0);
    const int allRows = MonthGrid::maximumMonthRows;
    const int rowHeight = (calendarDesign.height() - m_calendar->titleAndSummaryHeight()) / allRows;
    const auto droppedHeight = [&](int rows) { return (allRows - rows) * rowHeight; };
    int rows = allRows;
    while (rows > 1 && designedHeight - droppedHeight(rows) + frameAllowance > available.height())
        --rows;
    m_calendar->setMonthsShown(across, rows);
    m_calendar->setGeometry(calendarDesign.adjusted(0, 0, width - pixels(designSize.width()),
                                                    -droppedHeight(rows)));
    setFixedSize(width, designedHeight - droppedHeight(rows));
    // The design mirrored for a language written from right to left.
    if (isRightToLeft()) {
        for (const DesignedControl &designed : design(folded))
            designed.control->setGeometry(
                    QStyle::visualRect(Qt::RightToLeft, rect(), designed.control->geometry()));
    }

    // Centred, but with the title bar and the left edge on the screen whatever the window's size.
    QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter,
                                       size() + QSize(0, frameAllowance / 2), available);
    placed.moveTopLeft(QPoint(std::max(placed.left(), available.left()),
                              std::max(placed.top(), available.top())));
    move(placed.topLeft());
}

void CalculatorWindow::setUpControls()
{
    m_instructionHeading->setObjectName(QStringLiteral("instructionHeading"));
    m_calculationTypeHeading->setObjectName(QStringLiteral("calculationTypeHeading"));
    m_resultsHeading->setObjectName(QStringLiteral("resultsHeading"));
    m_instructionLabel->setObjectName(QStringLiteral("instructionLabel"));
    m_calculationTypeBox->setObjectName(QStringLiteral("calculationTypeBox"));
    m_calculateButton->setObjectName(QStringLiteral("calculateButton"));
    m_dayCountBox->setObjectName(QStringLiteral("dayCountBox"));
    m_resultsBox->setObjectName(QStringLiteral("resultsBox"));
    m_quitButton->setObjectName(QStringLiteral("quitButton"));
    m_calendar->setObjectName(QStringLiteral("calendar"));

    for (QLabel *heading : {m_instructionHeading, m_calculationTypeHeading, m_resultsHeading})
        makeHeading(heading);
    m_resultsHeading->setAlignment(Qt::AlignCenter);

    m_instructionLabel->setToolTip(WindowTexts::instructionTooltip());
    // The instruction itself is the label's accessible name, so that every new instruction is
    // announced; what the label is for goes into its description.
    m_instructionLabel->setAccessibleDescription(
            //: The instruction label's spoken description. %1: the heading "Instruction window";
            //: %2: the label's tooltip.
            tr("%1. %2").arg(m_instructionHeading->text(), m_instructionLabel->toolTip()));
    m_instructionLabel->setTextFormat(Qt::PlainText);
    m_instructionLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_instructionLabel->setWordWrap(true);
    m_instructionLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_instructionLabel->setAutoFillBackground(true);
    m_controls.setInstructionColour(InstructionColour::Normal);

    m_calculationTypeBox->setToolTip(WindowTexts::calculationTypeTooltip());
    // Screen readers take the drop-down's and the results' purpose from their headings.
    m_calculationTypeHeading->setBuddy(m_calculationTypeBox);
    m_resultsHeading->setBuddy(m_resultsBox);

    //: What screen readers say of the Quit button.
    m_quitButton->setAccessibleDescription(tr("Ends the program"));
    m_calculateButton->setToolTip(WindowTexts::calculateTooltip());

    m_dayCountBox->setToolTip(WindowTexts::dayCountTooltip());
    //: What screen readers call the day count box.
    m_dayCountBox->setAccessibleName(tr("Interval in days"));

    m_resultsBox->setToolTip(WindowTexts::resultsTooltip());
    m_resultsBox->setAccessibleName(m_resultsHeading->text());
    m_resultsBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_resultsBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_resultsBox->setTabChangesFocus(true);
    // A sentence reads in the direction of the program's language, also where it starts with a
    // date in a script of the other (Arabic formats begin with a right-to-left mark).
    QTextOption resultsOption = m_resultsBox->document()->defaultTextOption();
    resultsOption.setTextDirection(layoutDirection());
    m_resultsBox->document()->setDefaultTextOption(resultsOption);

    m_calendar->setToolTip(WindowTexts::calendarTooltip());
    // The calendar's menu, from the pointer or from the keyboard's Menu key or Shift+F10.
    m_calendar->addAction(new WorkingDaysAction(m_context, *m_calendar));
    m_holidayActions->addTo(m_calendar);
    m_calendar->addAction(new WeekNumbersAction(m_context, this));
    m_calendar->addAction((new CalendarMenu(m_context, m_calendar))->menuAction());
    auto *workingWeek = new WorkingWeekMenu(m_context, m_calendar);
    m_calendar->addAction(workingWeek->menuAction());
    // A refusal is said where the working days are counted.
    connect(workingWeek, &WorkingWeekMenu::message, &m_calculator, &Calculator::showMessage);
    m_calendar->setContextMenuPolicy(Qt::ActionsContextMenu);
}

// The text field is made at once, so that it joins the focus chain in the drop-down's place.
QComboBox *CalculatorWindow::makeEditableComboBox(QWidget *parent)
{
    auto *comboBox = new QComboBox(parent);
    comboBox->setEditable(true);
    // Enter in the text field must not add what was typed as a new calculation type.
    comboBox->setInsertPolicy(QComboBox::NoInsert);
    // Only choosing from the list chooses a calculation type. Qt's editable drop-down would also
    // choose the item whose text was typed or completed, once the field takes Return or loses the
    // focus.
    QObject::disconnect(comboBox->lineEdit(), &QLineEdit::editingFinished, comboBox, nullptr);
    return comboBox;
}

// The design in twips, folded or not, and for each control whose one-line text must never be
// clipped, the pixels that text needs beside it at the design's font.
QList<CalculatorWindow::DesignedControl> CalculatorWindow::design(bool folded) const
{
    const int calendarTop = folded ? 1320 + foldDepth : 1320;
    // The instruction label first.
    return {
            {m_instructionLabel, QRect(120, 360, 2535, 855), 0},
            {m_instructionHeading, QRect(120, 0, 2535, 255), 4},
            {m_calculationTypeHeading, QRect(2880, 0, 2415, 255), 4},
            {m_resultsHeading, folded ? QRect(120, 1320, 4575, 255) : QRect(5520, 0, 4815, 255), 4},
            {m_calculationTypeBox, QRect(2880, 360, 2295, 315), 32},
            {m_calculateButton, QRect(2880, 840, 1455, 375), 16},
            {m_dayCountBox, QRect(4440, 840, 735, 375), 0},
            {m_resultsBox, folded ? QRect(120, 1680, 4575, 855) : QRect(5280, 360, 4935, 855), 0},
            // A Quit wider than its narrow column takes room from the results instead.
            {m_quitButton, folded ? QRect(4800, 1680, 495, 855) : QRect(10320, 360, 495, 855), 0},
            {m_calendar, QRect(0, calendarTop, 10890, 6660), 0},
    };
}

namespace {

// The longest one-line text a control shows.
QString widestText(const QWidget *control)
{
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->text();
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return button->text();
    QString widest;
    if (const auto *comboBox = qobject_cast<const QComboBox *>(control)) {
        const QFontMetrics metrics(comboBox->font());
        for (int i = 0; i < comboBox->count(); ++i) {
            if (metrics.horizontalAdvance(comboBox->itemText(i))
                > metrics.horizontalAdvance(widest))
                widest = comboBox->itemText(i);
        }
    }
    return widest;
}

} // namespace

// The design's 8-point font has 13-pixel lines. A larger default font scales the whole design,
// as far as the longest fixed one-line text needs, so that nothing is clipped.
double CalculatorWindow::designScale() const
{
    const QFontMetricsF metrics(font());
    double scale = std::max(1.0, metrics.height() / designLineHeight);
    for (const bool folded : {false, true}) {
        for (const DesignedControl &designed : design(folded)) {
            if (designed.textPadding == 0)
                continue;
            const double width = metrics.horizontalAdvance(widestText(designed.control))
                    + designed.textPadding;
            scale = std::max(scale, width * twipsPerPixel / designed.twips.width());
        }
    }
    // Every instruction fits its label in whole lines, the longer ones of a translation too.
    const QRect label = design(false).constFirst().twips;
    const int frame = 2 * m_instructionLabel->frameWidth();
    const auto instructionsFit = [&] {
        const QRect room(0, 0, qRound(label.width() * scale / twipsPerPixel) - frame, 10000);
        const int height = qRound(label.height() * scale / twipsPerPixel) - frame;
        const QStringList texts = FixedTexts::instructions();
        return std::all_of(texts.begin(), texts.end(), [&](const QString &text) {
            return metrics.boundingRect(room, Qt::TextWordWrap, text).height() <= height;
        });
    };
    while (!instructionsFit() && scale < 3)
        scale += 1.0 / 32;
    return scale;
}

int CalculatorWindow::pixels(int twips) const
{
    return qRound(twips * m_scale / twipsPerPixel);
}

void CalculatorWindow::layOutControls(bool folded)
{
    // Each edge is rounded on its own, so that neighbours never overlap after scaling.
    for (const DesignedControl &designed : design(folded)) {
        const QRect &twips = designed.twips;
        designed.control->setGeometry(
                QRect(QPoint(pixels(twips.left()), pixels(twips.top())),
                      QPoint(pixels(twips.right() + 1) - 1, pixels(twips.bottom() + 1) - 1)));
    }
}

void CalculatorWindow::wireEvents()
{
    connect(m_calculationTypeBox, &QComboBox::activated, &m_calculator,
            &Calculator::calculationTypeChosen);
    connect(m_calendar, &MonthCalendar::activated, &m_calculator, &Calculator::datePicked);
    connect(m_calendar, &MonthCalendar::highlighted, &m_calculator, &Calculator::datePointed);
    connect(m_calculateButton, &QPushButton::clicked, &m_calculator, &Calculator::calculateDate);
    connect(m_quitButton, &QPushButton::clicked, this, &QWidget::close);
    // Said where the span is summed up, until the user works on: the program starts as ever, and
    // nothing needs dismissing.
    connect(m_holidayActions, &HolidayActions::message, &m_calculator, &Calculator::showMessage);

    for (QWidget *control :
         {static_cast<QWidget *>(m_quitButton), static_cast<QWidget *>(m_calculateButton),
          static_cast<QWidget *>(m_dayCountBox)})
        m_hoverFocus.watch(control);
}
