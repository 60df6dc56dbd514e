// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculatorWindow.h"
#include "ReadableColour.h"
#include "SystemTexts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QTest>

#include <memory>

namespace {

const QDate today(2026, 12, 5);

struct Design
{
    const char *name;
    const char *kind;
    QRect pixels;
};

// Every control at the design's 8-point font, in pixels at 96 dpi.
const Design designs[] = {
        {"instructionHeading", "QLabel", QRect(8, 0, 169, 17)},
        {"calculationTypeHeading", "QLabel", QRect(192, 0, 161, 17)},
        {"resultsHeading", "QLabel", QRect(368, 0, 321, 17)},
        {"instructionLabel", "QLabel", QRect(8, 24, 169, 57)},
        {"calculationTypeBox", "QComboBox", QRect(192, 24, 153, 21)},
        {"calculateButton", "QPushButton", QRect(192, 56, 97, 25)},
        {"dayCountBox", "QLineEdit", QRect(296, 56, 49, 25)},
        {"resultsBox", "QPlainTextEdit", QRect(352, 24, 329, 57)},
        {"quitButton", "QPushButton", QRect(688, 24, 33, 57)},
        {"calendar", "MonthCalendar", QRect(0, 88, 726, 444)},
};

} // namespace

using namespace SystemTexts;

class CalculatorWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<CalculatorWindow> window;

    template<typename Control> Control *control(const char *name) const
    {
        auto *found = window->findChild<Control *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QWidget *focused() const { return QApplication::focusWidget(); }
    // The control that holds the focus, counting a control's inner parts as the control.
    QString focusedControl() const
    {
        for (QWidget *widget = focused(); widget; widget = widget->parentWidget()) {
            if (widget->parentWidget() == window.get())
                return widget->objectName();
        }
        return QString();
    }
    void showWindow()
    {
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    MonthCalendar *calendar() const { return control<MonthCalendar>("calendar"); }
    void clickDay(QDate date)
    {
        QTest::mouseClick(calendar(), Qt::LeftButton, {}, calendar()->dayRect(date).center());
    }
    // A double click as the windowing system delivers it: press, release, and a second press
    // that the toolkit turns into a double click, then release.
    void doubleClickDay(QDate date)
    {
        const QPoint day = calendar()->mapTo(window.get(), calendar()->dayRect(date).center());
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, day);
    }
    void chooseDaysBetweenTwoDates()
    {
        control<QComboBox>("calculationTypeBox")->setFocus();
        QTest::keyClick(control<QComboBox>("calculationTypeBox"), Qt::Key_Down);
    }

    QString results() const { return control<QPlainTextEdit>("resultsBox")->toPlainText(); }
    QString instruction() const { return control<QLabel>("instructionLabel")->text(); }
    QColor instructionColour() const
    {
        return control<QLabel>("instructionLabel")->palette().color(QPalette::Window);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void init()
    {
        window = std::make_unique<CalculatorWindow>([] { return today; },
                                                    RegionalSettings::of(QLocale()));
    }
    void cleanup() { window.reset(); }

    void controlsSitWhereDesignedAtTheDesignFont()
    {
        const QFont defaultFont = QApplication::font();
        QFont designFont(QStringLiteral("DejaVu Sans"));
        designFont.setPixelSize(9);
        QApplication::setFont(designFont);
        window = std::make_unique<CalculatorWindow>([] { return today; },
                                                    RegionalSettings::of(QLocale()));
        QApplication::setFont(defaultFont);

        QCOMPARE(window->size(), QSize(728, 531));
        for (const Design &design : designs) {
            auto *widget = control<QWidget>(design.name);
            QVERIFY2(widget->inherits(design.kind), design.name);
            QCOMPARE(widget->geometry(), design.pixels);
        }
    }

    void layoutScalesAsAWholeAndClipsNoText()
    {
        const double scale = window->width() / 728.0;
        QVERIFY(scale >= 1.0);
        QVERIFY(qAbs(window->height() - 531 * scale) <= 1);
        for (const Design &design : designs) {
            const QRect expected(QPoint(qRound(design.pixels.left() * scale),
                                        qRound(design.pixels.top() * scale)),
                                 QPoint(qRound((design.pixels.right() + 1) * scale) - 1,
                                        qRound((design.pixels.bottom() + 1) * scale) - 1));
            const QRect actual = control<QWidget>(design.name)->geometry();
            // The scale read back from the rounded width is itself off by up to half a pixel.
            QVERIFY2((actual.topLeft() - expected.topLeft()).manhattanLength() <= 2
                             && (actual.bottomRight() - expected.bottomRight()).manhattanLength()
                                     <= 2,
                     design.name);
        }

        for (const char *name :
             {"calculationTypeHeading", "instructionHeading", "resultsHeading"}) {
            const auto *heading = control<QLabel>(name);
            QVERIFY2(heading->fontMetrics().horizontalAdvance(heading->text())
                             <= heading->contentsRect().width(),
                     name);
            QVERIFY2(heading->fontMetrics().height() <= heading->contentsRect().height(), name);
        }
        for (const char *name : {"quitButton", "calculateButton"}) {
            const auto *button = control<QPushButton>(name);
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents,
                                                                   &option, button);
            QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= contents.width(),
                     name);
        }
        const auto *combo = control<QComboBox>("calculationTypeBox");
        QStyleOptionComboBox comboOption;
        comboOption.initFrom(combo);
        comboOption.editable = true;
        const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &comboOption,
                                                           QStyle::SC_ComboBoxEditField, combo);
        for (int i = 0; i < combo->count(); ++i)
            QVERIFY(combo->fontMetrics().horizontalAdvance(combo->itemText(i)) < field.width());

        const auto *label = control<QLabel>("instructionLabel");
        const QRect box = label->contentsRect();
        for (const QString &text : instructions) {
            const QRect needed = label->fontMetrics().boundingRect(box, Qt::TextWordWrap, text);
            QVERIFY2(needed.height() <= box.height() && needed.width() <= box.width(),
                     qPrintable(text));
        }
    }

    void focusStartsInTheResultsAndTabVisitsEveryControl()
    {
        showWindow();
        QCOMPARE(focusedControl(), QStringLiteral("resultsBox"));
        const QStringList order = {"calculationTypeBox", "quitButton",      "calendar",
                                   "dayCountBox",        "calculateButton", "resultsBox"};
        for (const QString &next : order) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            QCOMPARE(focusedControl(), next);
        }
        QCOMPARE(results(), resultsPlaceholder);
        for (auto it = order.crbegin() + 1; it != order.crend(); ++it) {
            QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(focusedControl(), *it);
        }
        QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(focusedControl(), QStringLiteral("resultsBox"));
    }

    void hoveringGivesTheFocusToButtonsAndTheDayCount()
    {
        showWindow();
        auto *text1 = control<QPlainTextEdit>("resultsBox");
        QTest::keyClicks(text1, "typed");
        for (const char *name : {"calculationTypeHeading", "instructionLabel", "calculationTypeBox",
                                 "resultsBox", "calendar"}) {
            QTest::mouseMove(control<QWidget>(name));
            QCOMPARE(focusedControl(), QStringLiteral("resultsBox"));
        }
        QTest::mouseMove(control<QWidget>("dayCountBox"));
        QCOMPARE(focusedControl(), QStringLiteral("dayCountBox"));
        QVERIFY(text1->toPlainText().contains("typed"));
        QTest::mouseMove(control<QWidget>("quitButton"));
        QCOMPARE(focusedControl(), QStringLiteral("quitButton"));

        auto *calculate = control<QPushButton>("calculateButton");
        calculate->setEnabled(false);
        QTest::mouseMove(calculate);
        QCOMPARE(focusedControl(), QStringLiteral("quitButton"));
        calculate->setEnabled(true);
        QTest::mouseMove(calculate, calculate->rect().center() + QPoint(1, 1));
        QCOMPARE(focusedControl(), QStringLiteral("calculateButton"));
    }

    void choosingTheSameTypeAgainStartsAnew()
    {
        showWindow();
        chooseDaysBetweenTwoDates();
        clickDay(QDate(2026, 12, 15));
        auto *combo = control<QComboBox>("calculationTypeBox");
        combo->showPopup();
        QAbstractItemView *list = combo->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(1, 0)).center());
        QCOMPARE(instruction(), selectFirstDate);
        QVERIFY(!control<QPushButton>("calculateButton")->isEnabled());
    }

    // Typing, completion included, never chooses: only the list does.
    void typingIntoTheDropDownChangesNoCalculationType_data()
    {
        QTest::addColumn<bool>("twoDates");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("completed to the other type, Tab") << true << "d" << int(Qt::Key_Tab);
        QTest::newRow("completed to the other type, Return")
                << false << "days b" << int(Qt::Key_Return);
        QTest::newRow("the other type in full, Tab")
                << false << "Days between 2 dates" << int(Qt::Key_Tab);
        QTest::newRow("no type, Return") << false << "something else" << int(Qt::Key_Return);
    }

    void typingIntoTheDropDownChangesNoCalculationType()
    {
        QFETCH(bool, twoDates);
        QFETCH(QString, typed);
        QFETCH(int, key);
        showWindow();
        if (twoDates) {
            chooseDaysBetweenTwoDates();
            clickDay(QDate(2026, 12, 15));
        }
        const QString instructionBefore = instruction();
        auto *combo = control<QComboBox>("calculationTypeBox");
        QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
        QTest::keyClick(combo->lineEdit(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(combo->lineEdit(), typed);
        QTest::keyClick(combo->lineEdit(), Qt::Key(key));
        QCOMPARE(instruction(), instructionBefore);
        QCOMPARE(window->calculator().state().twoDatesMode, twoDates);
        QCOMPARE(window->calculator().state().firstDatePicked, twoDates);
        QCOMPARE(combo->count(), 2);
    }

    // On any screen the title bar and the left edge stay on it, and on a short one the calendar
    // shows fewer rows of months rather than run off its foot.
    void theWindowFitsTheScreen_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1040);
        QTest::newRow("1920x1080 at 2x") << QRect(0, 0, 960, 520);
        QTest::newRow("1280x1024 at 2x") << QRect(0, 0, 640, 492);
        QTest::newRow("1920x1080 at 1.5x") << QRect(0, 0, 1280, 693);
        QTest::newRow("tiny") << QRect(40, 30, 300, 200);
    }

    void theWindowFitsTheScreen()
    {
        QFETCH(QRect, available);
        const int fullHeight = window->height();
        window->fitToScreen(available);
        const QRect placed = window->frameGeometry();
        QVERIFY(placed.top() >= available.top());
        QVERIFY(placed.left() >= available.left());
        const int rows = calendar()->monthRows();
        const int rowHeight = (fullHeight - window->height()) / std::max(1, 3 - rows);
        if (rows == 3)
            QCOMPARE(window->height(), fullHeight);
        else
            QVERIFY(window->height() + rowHeight > available.height() - placed.top());
        if (rows > 1)
            QVERIFY(placed.bottom() <= available.bottom());
        // The calendar shrinks with the window (the design lets it run one pixel past the foot).
        QVERIFY(qAbs(calendar()->geometry().bottom() - (window->height() - 1)) <= 1);
        if (available.height() >= fullHeight + 100)
            QCOMPARE(rows, 3);
        // Every month on the page is drawn whole, down to its sixth week.
        const QDate lastMonth = calendar()->firstMonthShown().addMonths(4 * rows - 1);
        QVERIFY(calendar()->rect().contains(calendar()->dayRect(lastMonth)));
        QVERIFY(calendar()->dayRect(lastMonth.addMonths(1)).isNull());
    }

    void enterAndEscapeStartAndEndNothing()
    {
        showWindow();
        auto *dayCount = control<QLineEdit>("dayCountBox");
        dayCount->setFocus();
        dayCount->setText("14");
        QTest::keyClick(dayCount, Qt::Key_Return);
        QTest::keyClick(dayCount, Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QCOMPARE(results(), resultsPlaceholder);
        QCOMPARE(calendar()->value(), today);
    }

    void resultsCanBeReplacedSelectedAndCopied()
    {
        showWindow();
        auto *text1 = control<QPlainTextEdit>("resultsBox");
        text1->selectAll();
        QTest::keyClicks(text1, "my notes");
        clickDay(today.addDays(14));
        QCOMPARE(results(),
                 QStringLiteral(
                         "19/12/2026 is  14 days from 05/12/2026\nThat is 2 Weeks and 0 Days."));
        QCOMPARE(text1->document()->blockCount(), 2);
        text1->setFocus();
        QTest::keyClick(text1, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(text1, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), results());
    }

    // Arabic dates start with a right-to-left mark; the English sentence still reads from the
    // left, and the copied text is the sentence alone.
    void resultsReadLeftToRightInEveryRegion()
    {
        window = std::make_unique<CalculatorWindow>(
                [] { return today; },
                RegionalSettings::of(QLocale(QLocale::Arabic, QLocale::Egypt)));
        showWindow();
        clickDay(today.addDays(14));
        auto *resultsBox = control<QPlainTextEdit>("resultsBox");
        QVERIFY(results().startsWith(QLocale(QLocale::Arabic, QLocale::Egypt)
                                             .toString(today.addDays(14), "d\u200F/M\u200F/yyyy")));
        QTextCursor start(resultsBox->document());
        QTextCursor endOfLine(resultsBox->document());
        endOfLine.movePosition(QTextCursor::EndOfBlock);
        QVERIFY(resultsBox->cursorRect(start).x() < resultsBox->cursorRect(endOfLine).x());
        QVERIFY(resultsBox->cursorRect(start).x() < resultsBox->viewport()->width() / 4);
    }

    void aCountTooWideForTheDayBoxShowsItsStart()
    {
        showWindow();
        chooseDaysBetweenTwoDates();
        calendar()->setValue(QDate(9999, 12, 31));
        calendar()->setFocus();
        QTest::keyClick(calendar(), Qt::Key_Return);
        calendar()->setValue(QDate(1753, 1, 1));
        QTest::keyClick(calendar(), Qt::Key_Return);
        auto *dayCountBox = control<QLineEdit>("dayCountBox");
        QCOMPARE(dayCountBox->text(), QStringLiteral("-3012153"));
        QCOMPARE(dayCountBox->cursorPosition(), 0);
    }

    void theInstructionReadsOnADarkTheme()
    {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
        window = std::make_unique<CalculatorWindow>([] { return today; },
                                                    RegionalSettings::of(QLocale()));
        QApplication::setPalette(QPalette());
        auto *dayCountBox = control<QLineEdit>("dayCountBox");
        for (const char *typed : {"abc", "7"}) {
            dayCountBox->setText(typed);
            QTest::mouseClick(control<QPushButton>("calculateButton"), Qt::LeftButton);
            const QPalette palette = control<QLabel>("instructionLabel")->palette();
            QVERIFY2(contrastRatio(palette.color(QPalette::WindowText),
                                   palette.color(QPalette::Window))
                             >= 4.5,
                     typed);
        }
    }

    void clickingTwoDaysAnswersBetweenThem()
    {
        showWindow();
        chooseDaysBetweenTwoDates();
        clickDay(QDate(2026, 12, 15));
        QCOMPARE(results(), QStringLiteral("First date selected is 15/12/2026"));
        QVERIFY(control<QPushButton>("calculateButton")->isEnabled());
        clickDay(QDate(2026, 12, 1));
        QCOMPARE(results(),
                 QStringLiteral("The number of days from 15/12/2026 to 01/12/2026 is -14\n"
                                "That is -2 Weeks and 0 Days."));
        QCOMPARE(instruction(), selectNewFirstDate);
        QVERIFY(!control<QPushButton>("calculateButton")->isEnabled());
        QCOMPARE(control<QLineEdit>("dayCountBox")->text(), QStringLiteral("-14"));
    }

    void aDoubleClickPicksTwice()
    {
        showWindow();
        chooseDaysBetweenTwoDates();
        doubleClickDay(QDate(2026, 12, 9));
        QCOMPARE(results(),
                 QStringLiteral("The number of days from 09/12/2026 to 09/12/2026 is  0\n"
                                "That is 0 Weeks and 0 Days."));
        QCOMPARE(instruction(), selectNewFirstDate);
    }

    void calculateDateMovesTheCalendar()
    {
        showWindow();
        auto *dayCount = control<QLineEdit>("dayCountBox");
        dayCount->selectAll();
        QTest::keyClicks(dayCount, "2.5");
        QTest::mouseClick(control<QPushButton>("calculateButton"), Qt::LeftButton);
        QCOMPARE(instruction(), notWholeNumber);
        QCOMPARE(instructionColour(), QColor(255, 0, 0));
        QCOMPARE(calendar()->value(), today);

        dayCount->selectAll();
        QTest::keyClicks(dayCount, "40");
        QTest::mouseClick(control<QPushButton>("calculateButton"), Qt::LeftButton);
        QCOMPARE(calendar()->value(), QDate(2027, 1, 14));
        QCOMPARE(results(),
                 QStringLiteral(
                         "14/01/2027 is  40 days from 05/12/2026\nThat is 5 Weeks and 5 Days."));
        QCOMPARE(instruction(), afterCalculationInstruction);
        QCOMPARE(instructionColour(), QColor(255, 255, 255));
        QCOMPARE(dayCount->text(), QStringLiteral("40"));
    }
};

QTEST_MAIN(CalculatorWindowTest)
#include "tst_calculatorwindow.moc"
