// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculatorWindow.h"
#include "CommandLine.h"
#include "FixedTexts.h"
#include "MonthPage.h"
#include "ReadableColour.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QStyleOptionButton>
#include <QTest>

#include <memory>

const QDate today(2026, 12, 5);

class CalculatorWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<CalculatorWindow> window;

    void open(const QLocale &locale = QLocale())
    {
        window = std::make_unique<CalculatorWindow>([] { return today; },
                                                    RegionalSettings::of(locale));
    }
    template<typename Control = QWidget> Control *control(const char *name) const
    {
        auto *found = window->findChild<Control *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    // The control that holds the focus, counting a control's inner parts as the control.
    QString focusedControl() const
    {
        for (QWidget *widget = QApplication::focusWidget(); widget;
             widget = widget->parentWidget()) {
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
    MonthPage *monthPage() const { return control<MonthPage>("monthPage"); }
    QPushButton *calculateButton() const { return control<QPushButton>("calculateButton"); }
    void clickDay(QDate date)
    {
        QTest::mouseClick(monthPage(), Qt::LeftButton, {}, monthPage()->dayRect(date).center());
    }
    void chooseFromTheList(int index)
    {
        auto *combo = control<QComboBox>("calculationTypeBox");
        combo->showPopup();
        QAbstractItemView *list = combo->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(index, 0)).center());
    }
    void calculate(const char *typed)
    {
        auto *dayCount = control<QLineEdit>("dayCountBox");
        dayCount->selectAll();
        QTest::keyClicks(dayCount, typed);
        QTest::mouseClick(calculateButton(), Qt::LeftButton);
    }
    QString results() const { return control<QPlainTextEdit>("resultsBox")->toPlainText(); }
    QString instruction() const { return control<QLabel>("instructionLabel")->text(); }

    // Every one-line text is whole and every instruction fits its box.
    void verifyTextsFit() const
    {
        for (const char *name : {"calculationTypeHeading", "instructionHeading", "resultsHeading",
                                 "quitButton", "calculateButton"}) {
            const QWidget *widget = control(name);
            QRect room = widget->contentsRect();
            if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
                QStyleOptionButton option;
                option.initFrom(button);
                room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option,
                                                       button);
            }
            const QString text = widget->property("text").toString();
            QVERIFY2(widget->fontMetrics().horizontalAdvance(text) <= room.width(), name);
        }
        const auto *label = control<QLabel>("instructionLabel");
        for (const QString &text :
             {FixedTexts::startInstruction(), FixedTexts::daysFromNowInstruction(),
              FixedTexts::afterCalculationInstruction(), FixedTexts::selectFirstDate(),
              FixedTexts::selectSecondDate(), FixedTexts::selectNewFirstDate(),
              FixedTexts::mustSelectFirstDate(), FixedTexts::notWholeNumber(),
              FixedTexts::outsideCalendar()}) {
            const QRect needed = label->fontMetrics().boundingRect(label->contentsRect(),
                                                                   Qt::TextWordWrap, text);
            QVERIFY2(needed.height() <= label->contentsRect().height(), qPrintable(text));
        }
    }
    void openWithFont(int pixelSize)
    {
        const QFont defaultFont = QApplication::font();
        if (pixelSize > 0) {
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(pixelSize);
            QApplication::setFont(font);
        }
        open();
        QApplication::setFont(defaultFont);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }
    void init() { open(); }

    // The design's own wording, verbatim, misspellings included.
    void theDesignsTextsStandAsWritten_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("designed");
        open();
        const auto row = [](const char *name, const QString &shown, const char *designed) {
            QTest::newRow(name) << shown << QString::fromLatin1(designed);
        };
        const auto tip = [this](const char *name) { return control(name)->toolTip(); };
        const auto text
                = [this](const char *name) { return control(name)->property("text").toString(); };
        const auto *types = control<QComboBox>("calculationTypeBox");
        row("caption", window->windowTitle(), "Daywright and days calulator v" DAYWRIGHT_VERSION);
        row("instruction heading", text("instructionHeading"), "Instruction window");
        row("type heading", text("calculationTypeHeading"), "Select type of date calculation");
        row("results heading", text("resultsHeading"), "Results window");
        row("quit", text("quitButton"), "Quit");
        row("calculate", text("calculateButton"), "Calculate Date");
        row("day count", text("dayCountBox"), "0");
        row("first type", types->itemText(0), "Days from now");
        row("second type", types->itemText(1), "Days between 2 dates");
        row("instruction tip", tip("instructionLabel"), "This window displays instructions only");
        row("type tip", tip("calculationTypeBox"), "Select calculation type");
        row("results tip", tip("resultsBox"),
            "Select the results and copy them to the clip board if desired (press CTRL and C)");
        row("calendar tip", tip("calendar"),
            "Click on a month or a year to move quickly to a date not currently in the display");
        row("day count tip", tip("dayCountBox"), "Enter an interval in days");
        row("calculate tip", tip("calculateButton"),
            "Click to work out the date from the number on the right");
        row("quit tip", tip("quitButton"), "");
        row("start", instruction(),
            "Click a date on the Calendar, alternatively enter a number of days and click the "
            "Caluculate Date button");
        row("results at start", results(), "Results will appear in this window");
        row("days from now", FixedTexts::daysFromNowInstruction(),
            "Click a date on the Calendar or enter a whole number of days and click the "
            "Calculate Date button");
        row("after a count", FixedTexts::afterCalculationInstruction(),
            "Click a date on the Calendar, alternatively enter a whole number of days and click "
            "the Calculate Date button");
        row("first date", FixedTexts::selectFirstDate(), "Select first date");
        row("second date", FixedTexts::selectSecondDate(),
            "Select second date or enter a number of days in the Calculate Date box");
        row("new first date", FixedTexts::selectNewFirstDate(), "Select a new first date");
        row("no first date", FixedTexts::mustSelectFirstDate(),
            "You must select the first date on the calendar");
        row("not whole", FixedTexts::notWholeNumber(),
            "Date box error, please enter a whole number");
    }

    void theDesignsTextsStandAsWritten()
    {
        QFETCH(QString, shown);
        QTEST(shown, "designed");
    }

    // A fixed window whose title bar offers its system menu and a close button, nothing else.
    void theTitleBarOffersOnlyClose()
    {
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(flags.testFlags(Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testAnyFlags(Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint));
        QCOMPARE(window->minimumSize(), window->maximumSize());
    }

    // The design's pixel figures at its font, the design's 8-point font having 13-pixel lines
    // (9-pixel DejaVu Sans fits it); at the default font the design scales as a whole.
    void theDesignHoldsAtItsFontAndScalesAsAWhole_data()
    {
        QTest::addColumn<QRect>("designed");
        QTest::newRow("window") << QRect(0, 0, 728, 531);
        QTest::newRow("instructionHeading") << QRect(8, 0, 169, 17);
        QTest::newRow("calculationTypeHeading") << QRect(192, 0, 161, 17);
        QTest::newRow("resultsHeading") << QRect(368, 0, 321, 17);
        QTest::newRow("instructionLabel") << QRect(8, 24, 169, 57);
        QTest::newRow("calculationTypeBox") << QRect(192, 24, 153, 21);
        QTest::newRow("calculateButton") << QRect(192, 56, 97, 25);
        QTest::newRow("dayCountBox") << QRect(296, 56, 49, 25);
        QTest::newRow("resultsBox") << QRect(352, 24, 329, 57);
        QTest::newRow("quitButton") << QRect(688, 24, 33, 57);
        QTest::newRow("calendar") << QRect(0, 88, 726, 444);
    }

    void theDesignHoldsAtItsFontAndScalesAsAWhole()
    {
        QFETCH(QRect, designed);
        const auto placed = [this] {
            const QString name = QString::fromLatin1(QTest::currentDataTag());
            return name == "window" ? window->rect() : control(qPrintable(name))->geometry();
        };
        openWithFont(9);
        QCOMPARE(placed(), designed);
        open();
        const double scale = window->width() / 728.0;
        const QRect actual = placed();
        // The scale read back from the rounded width is itself off by up to half a pixel.
        QVERIFY(qAbs(actual.left() - designed.left() * scale) <= 1.5);
        QVERIFY(qAbs(actual.right() + 1 - (designed.right() + 1) * scale) <= 1.5);
        QVERIFY(qAbs(actual.top() - designed.top() * scale) <= 1.5);
        QVERIFY(qAbs(actual.bottom() + 1 - (designed.bottom() + 1) * scale) <= 1.5);
        verifyTextsFit();
    }

    // On any screen, at any font, every control and text is on it and whole where the screen can
    // hold them: a narrow screen folds the upper band in two and shows fewer months across, a
    // short one fewer rows; the title bar and the left edge always stay on the screen.
    void theWindowFitsTheScreen_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<int>("fontPixels"); // 0: the default font
        QTest::addColumn<int>("monthsAcross");
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1040) << 0 << 4;
        QTest::newRow("1920x1080 at 2x") << QRect(0, 0, 960, 520) << 0 << 4;
        QTest::newRow("1280x1024 at 2x") << QRect(0, 0, 640, 492) << 0 << 3;
        QTest::newRow("1024x768 at 1.25x") << QRect(0, 0, 819, 590) << 0 << 3;
        QTest::newRow("1024x768 at 1.5x") << QRect(0, 0, 683, 488) << 0 << 3;
        QTest::newRow("1366x768 at 144 dpi") << QRect(0, 0, 1366, 744) << 18 << 4;
        QTest::newRow("16-point font") << QRect(0, 0, 1366, 744) << 21 << 3;
        QTest::newRow("tiny") << QRect(40, 30, 300, 200) << 0 << 1;
    }

    void theWindowFitsTheScreen()
    {
        QFETCH(QRect, available);
        QFETCH(int, fontPixels);
        openWithFont(fontPixels);
        window->fitToScreen(available);
        const QRect placed = window->frameGeometry();
        QVERIFY(placed.top() >= available.top() && placed.left() >= available.left());
        showWindow();
        const QDate firstMonth(today.year(), today.month(), 1);
        int months = 0;
        for (; !monthPage()->dayRect(firstMonth.addMonths(months)).isNull(); ++months) {
            const QDate lastDay = firstMonth.addMonths(months + 1).addDays(-1);
            QVERIFY(monthPage()->rect().contains(monthPage()->dayRect(lastDay)));
        }
        int across = 0;
        while (across < months
               && monthPage()->dayRect(firstMonth.addMonths(across)).top()
                       == monthPage()->dayRect(firstMonth).top())
            ++across;
        QTEST(across, "monthsAcross");
        if (QString::fromLatin1(QTest::currentDataTag()) == "tiny")
            return;
        QVERIFY(placed.right() <= available.right());
        QVERIFY(placed.bottom() <= available.bottom() || months <= across);
        const QList<QWidget *> parts = window->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (const QWidget *part : parts) {
            // The design lets the calendar run a pixel past the foot, scaled.
            QVERIFY2(window->rect().adjusted(0, 0, 0, 3).contains(part->geometry()),
                     qPrintable(part->objectName()));
            for (const QWidget *other : parts)
                QVERIFY(part == other || !part->geometry().intersects(other->geometry()));
        }
        verifyTextsFit();
    }

    void focusStartsInTheResultsAndTabVisitsEveryControl()
    {
        showWindow();
        QCOMPARE(focusedControl(), QStringLiteral("resultsBox"));
        const QStringList order = {"calculationTypeBox", "quitButton",      "calendar",
                                   "dayCountBox",        "calculateButton", "resultsBox"};
        for (const QString &next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusedControl(), next);
        }
    }

    void hoveringGivesTheFocusToButtonsAndTheDayCount()
    {
        showWindow();
        for (const char *name : {"instructionLabel", "calculationTypeBox", "calendar"}) {
            QTest::mouseMove(control(name));
            QCOMPARE(focusedControl(), QStringLiteral("resultsBox"));
        }
        for (const char *name : {"dayCountBox", "quitButton"}) {
            QTest::mouseMove(control(name));
            QCOMPARE(focusedControl(), QString::fromLatin1(name));
        }
        calculateButton()->setEnabled(false);
        QTest::mouseMove(calculateButton());
        QCOMPARE(focusedControl(), QStringLiteral("quitButton"));
        calculateButton()->setEnabled(true);
        QTest::mouseMove(calculateButton(), calculateButton()->rect().center() + QPoint(1, 1));
        QCOMPARE(focusedControl(), QStringLiteral("calculateButton"));
    }

    // A pair by clicks, then choosing the same type again from the list starts anew.
    void clickingTwoDaysAnswersBetweenThem()
    {
        showWindow();
        chooseFromTheList(1);
        clickDay(QDate(2026, 12, 15));
        clickDay(QDate(2026, 12, 1));
        QCOMPARE(results(),
                 "The number of days from 15/12/2026 to 01/12/2026 is -14\n"
                 "That is -2 Weeks and 0 Days.");
        clickDay(QDate(2026, 12, 15));
        QVERIFY(calculateButton()->isEnabled());
        chooseFromTheList(1);
        QCOMPARE(instruction(), FixedTexts::selectFirstDate());
        QVERIFY(!calculateButton()->isEnabled());
    }

    // Typing, completion included, never chooses: only the list does.
    void typingIntoTheDropDownChangesNoCalculationType_data()
    {
        QTest::addColumn<bool>("twoDates");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("completed, Tab") << true << "d" << int(Qt::Key_Tab);
        QTest::newRow("completed, Return") << false << "days b" << int(Qt::Key_Return);
        QTest::newRow("no type, Return") << false << "something else" << int(Qt::Key_Return);
    }

    void typingIntoTheDropDownChangesNoCalculationType()
    {
        QFETCH(bool, twoDates);
        QFETCH(QString, typed);
        QFETCH(int, key);
        showWindow();
        if (twoDates) {
            chooseFromTheList(1);
            clickDay(QDate(2026, 12, 15));
        }
        const QString instructionBefore = instruction();
        QLineEdit *field = control<QComboBox>("calculationTypeBox")->lineEdit();
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field, typed);
        QTest::keyClick(field, Qt::Key(key));
        QCOMPARE(instruction(), instructionBefore);
        QCOMPARE(control<QComboBox>("calculationTypeBox")->count(), 2);
        // The next pick answers as the type chosen before, a held first date included.
        clickDay(QDate(2026, 12, 19));
        QVERIFY2(results().startsWith(twoDates ? "The number of days from 15/12/2026 to 19/12/2026"
                                               : "19/12/2026 is  14 days from 05/12/2026"),
                 qPrintable(results()));
    }

    // The button answers; Return and Escape in the day box do nothing. The instruction's text
    // reads on white and on red whatever colours the desktop's theme gives text.
    void calculateDateMovesTheCalendar()
    {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
        QApplication::setPalette(dark);
        open();
        QApplication::setPalette(QPalette());
        const auto instructionContrast = [this] {
            const QPalette palette = control<QLabel>("instructionLabel")->palette();
            return contrastRatio(palette.color(QPalette::WindowText),
                                 palette.color(QPalette::Window));
        };
        showWindow();
        QCOMPARE(control<QLabel>("instructionLabel")->palette().color(QPalette::Window),
                 QColor(255, 255, 255));
        calculate("2.5");
        // The instruction is the label's accessible name, so screen readers announce each one.
        QCOMPARE(QAccessible::queryAccessibleInterface(control("instructionLabel"))
                         ->text(QAccessible::Name),
                 FixedTexts::notWholeNumber());
        QCOMPARE(control<QLabel>("instructionLabel")->palette().color(QPalette::Window),
                 QColor(255, 0, 0));
        QVERIFY(instructionContrast() >= 4.5);
        calculate("40");
        QCOMPARE(calendar()->selectedDate(), QDate(2027, 1, 14));
        QCOMPARE(results(), "14/01/2027 is  40 days from 05/12/2026\nThat is 5 Weeks and 5 Days.");
        QCOMPARE(control<QLabel>("instructionLabel")->palette().color(QPalette::Window),
                 QColor(255, 255, 255));
        QVERIFY(instructionContrast() >= 4.5);
        calculate("14");
        QTest::keyClick(control("dayCountBox"), Qt::Key_Return);
        QTest::keyClick(control("dayCountBox"), Qt::Key_Escape);
        QVERIFY(window->isVisible());
        QCOMPARE(calendar()->selectedDate(), today.addDays(14));
    }

    // Pointing at a day previews the span a pick would count, from today.
    void pointingPreviewsTheSpan()
    {
        showWindow();
        QTest::mouseMove(monthPage(), monthPage()->dayRect(QDate(2026, 12, 19)).center());
        QCOMPARE(calendar()->findChild<QLabel *>("spanSummary")->text(),
                 QStringLiteral(
                         "05/12/2026 to 19/12/2026: 14 days (2 weeks 0 days), 10 working days"));
    }

    // Keys only: a typed answer shows its span at once, and the summary's accessible name, which
    // screen readers follow, is the answer's.
    void aTypedAnswerShowsItsSpanAfterKeyMoves()
    {
        showWindow();
        for (int key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Right, Qt::Key_Right,
                        Qt::Key_Right, Qt::Key_Tab})
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), "100");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(results(),
                 "15/03/2027 is  100 days from 05/12/2026\nThat is 14 Weeks and 2 Days.");
        const QString answer
                = "05/12/2026 to 15/03/2027: 100 days (14 weeks 2 days), 71 working days";
        QCOMPARE(QAccessible::queryAccessibleInterface(
                         calendar()->findChild<QLabel *>("spanSummary"))
                         ->text(QAccessible::Name),
                 answer);
    }

    // A double click as the windowing system delivers it picks twice: a 0-day pair.
    void aDoubleClickPicksTwice()
    {
        showWindow();
        chooseFromTheList(1);
        const QPoint day = monthPage()->mapTo(window.get(),
                                              monthPage()->dayRect(QDate(2026, 12, 9)).center());
        QTest::mouseDClick(window->windowHandle(), Qt::LeftButton, {}, day);
        QCOMPARE(results(),
                 "The number of days from 09/12/2026 to 09/12/2026 is  0\n"
                 "That is 0 Weeks and 0 Days.");
    }

    // Arabic dates start with a right-to-left mark; the English sentence still reads from the
    // left, and the text is the sentence alone.
    void resultsReadLeftToRightInEveryRegion()
    {
        open(QLocale(QLocale::Arabic, QLocale::Egypt));
        showWindow();
        clickDay(today.addDays(14));
        QVERIFY(results().startsWith(QLocale(QLocale::Arabic, QLocale::Egypt)
                                             .toString(today.addDays(14), "d\u200F/M\u200F/yyyy")));
        auto *resultsBox = control<QPlainTextEdit>("resultsBox");
        QTextCursor endOfLine(resultsBox->document());
        endOfLine.movePosition(QTextCursor::EndOfBlock);
        const int start = resultsBox->cursorRect(QTextCursor(resultsBox->document())).x();
        QVERIFY(start < resultsBox->cursorRect(endOfLine).x());
        QVERIFY(start < resultsBox->viewport()->width() / 4);
    }

    // A paste of any length leaves the window answering: the box shows the start of a long text,
    // visibly cut, and the count reads the whole of it.
    void aHugePasteIsShownCutAndCountedWhole_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<int>("days");
        QTest::newRow("a count") << QString(2'000'000, u'0') + u'7'
                                 << FixedTexts::afterCalculationInstruction() << 7;
        QTest::newRow("too many days")
                << QString(2'000'000, u'7')
                << "Date box error, the date must lie between 1753 and 9999" << 14;
    }

    void aHugePasteIsShownCutAndCountedWhole()
    {
        QFETCH(QString, pasted);
        showWindow();
        calculate("14");
        auto *dayCount = control<QLineEdit>("dayCountBox");
        QApplication::clipboard()->setText(pasted);
        dayCount->selectAll();
        dayCount->paste();
        QVERIFY(dayCount->text().size() < 2000 && dayCount->text().endsWith(u'\u2026'));
        QTest::mouseClick(calculateButton(), Qt::LeftButton);
        QTEST(instruction(), "instruction");
        QFETCH(int, days);
        QCOMPARE(calendar()->selectedDate(), today.addDays(days));
    }

    // A count wider than the day box shows its start.
    void theDayBoxShowsACountFromItsStart()
    {
        showWindow();
        clickDay(QDate(2027, 11, 30));
        QCOMPARE(control<QLineEdit>("dayCountBox")->text(), QStringLiteral("360"));
        QCOMPARE(control<QLineEdit>("dayCountBox")->cursorPosition(), 0);
    }
};

QTEST_MAIN(CalculatorWindowTest)
#include "tst_calculatorwindow.moc"
