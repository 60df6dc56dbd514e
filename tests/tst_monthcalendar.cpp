// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarKeys.h"
#include "CalendarTexts.h"
#include "DayColours.h"
#include "DayContext.h"
#include "MonthCalendar.h"
#include "MonthGrid.h"
#include "MonthPage.h"
#include "ReadableColour.h"
#include "ResultTexts.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTextLayout>
#include <QToolButton>
#include <QWheelEvent>

#include <functional>
#include <memory>

class MonthCalendarTest : public QObject
{
    Q_OBJECT

    QDate today {2026, 12, 5};
    std::unique_ptr<DayContext> context;
    std::unique_ptr<QWidget> window;
    MonthCalendar *calendar = nullptr;
    MonthPage *page = nullptr;
    std::unique_ptr<QSignalSpy> picks;
    QDate firstMonth; // the first month shown, as the calendar last reported it

    // How many of the page's pixels in the rectangle are as wanted, as last painted on the
    // screen: only what the page repainted has changed there.
    int pixels(const QRect &rect, const std::function<bool(QColor)> &wanted) const
    {
        QCoreApplication::processEvents();
        const QPoint origin = page->mapTo(window.get(), QPoint());
        const QImage image = page->screen()
                                     ->grabWindow(window->winId(), origin.x(), origin.y(),
                                                  page->width(), page->height())
                                     .toImage();
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += wanted(image.pixelColor(x, y));
        }
        return count;
    }
    int pixelsOf(const QRect &rect, QColor DayColours::*role) const
    {
        const auto group = page->hasFocus() ? QPalette::Active : QPalette::Inactive;
        const QColor colour = DayColours::of(page->palette(), group).*role;
        return pixels(rect, [&colour](QColor pixel) { return pixel == colour; });
    }
    void click(QPoint point) { QTest::mouseClick(page, Qt::LeftButton, {}, point); }
    void press(QKeyCombination keys)
    {
        QTest::keyClick(page, keys.key(), keys.keyboardModifiers());
    }
    void turnWheel(QWidget *target, QPoint angle, QPoint pixels = {})
    {
        const QPointF centre = target->rect().center();
        QWheelEvent wheel(centre, target->mapToGlobal(centre), pixels, angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }
    template<typename Part> Part *part(const char *name) const
    {
        auto *found = calendar->findChild<Part *>(QLatin1String(name));
        if (!found)
            qFatal("no part %s", name);
        return found;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void init()
    {
        today = QDate(2026, 12, 5);
        window.reset();
        context = std::make_unique<DayContext>([this] { return today; },
                                               RegionalSettings::of(QLocale()));
        window = std::make_unique<QWidget>();
        calendar = new MonthCalendar(*context, window.get());
        calendar->resize(842, 515);
        page = part<MonthPage>("monthPage");
        firstMonth = QDate(2026, 12, 1);
        connect(calendar, &MonthCalendar::currentPageChanged, this,
                [this](QDate month) { firstMonth = month; });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        picks = std::make_unique<QSignalSpy>(calendar, &MonthCalendar::activated);
    }

    void cleanup()
    {
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
    }

    // A click anywhere in a day's cell picks it, the selected day too; beside the days, or with
    // the other button, nothing is picked.
    void clicksPickTheDayUnderThePointer()
    {
        const QRect first = page->dayRect(QDate(2026, 12, 1));
        click(first.center() - QPoint(first.width(), 0));
        click(first.center() - QPoint(0, first.height()));
        QTest::mouseClick(page, Qt::RightButton, {}, first.center());
        QCOMPARE(picks->count(), 0);
        click(page->dayRect(today).center());
        QCOMPARE(picks->count(), 1);
        QCOMPARE(picks->last().first().toDate(), today);
        for (QDate day(2026, 12, 1); day < QDate(2027, 12, 1); day = day.addDays(1)) {
            const QRect cell = page->dayRect(day);
            QVERIFY(cell.width() > page->fontMetrics().horizontalAdvance(QStringLiteral("31")));
            for (QPoint corner : {cell.topLeft(), cell.bottomRight()}) {
                click(corner);
                QCOMPARE(calendar->selectedDate(), day);
            }
        }
        QCOMPARE(firstMonth, QDate(2026, 12, 1));
    }

    // Each region's weeks start on its own first day, its names fit their columns, every number
    // is in its digits, and with the program in English the grid and title stay left to right in
    // every script, the week numbers before it. Its rest days, or those of a week chosen, and
    // the holidays are red, its working days in the text colour.
    void everyRegionDrawsItsWordsAndDigitsInAFixedGrid_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QList<int>>("restDays");
        QTest::addColumn<QList<Qt::DayOfWeek>>("chosenWeek"); // empty: the region's
        const QList<int> weekend {Qt::Saturday, Qt::Sunday}, friday {Qt::Friday, Qt::Saturday};
        const QList<Qt::DayOfWeek> region;
        for (const char *name : {"en_GB", "en_US", "ja_JP"})
            QTest::newRow(name) << QLocale(QString::fromLatin1(name)) << weekend << region;
        QTest::newRow("ar_EG") << QLocale("ar_EG") << friday << region;
        QTest::newRow("he_IL") << QLocale("he_IL") << friday << region;
        QTest::newRow("fa_IR") << QLocale("fa_IR") << QList<int> {Qt::Friday} << region;
        QTest::newRow("en_US, Tuesday to Saturday")
                << QLocale("en_US") << QList<int> {Qt::Monday, Qt::Sunday}
                << QList {Qt::Tuesday, Qt::Wednesday, Qt::Thursday, Qt::Friday, Qt::Saturday};
    }
    void everyRegionDrawsItsWordsAndDigitsInAFixedGrid()
    {
        QFETCH(QLocale, locale);
        QFETCH(QList<Qt::DayOfWeek>, chosenWeek); // chosen before the region, which keeps it
        if (!chosenWeek.isEmpty())
            context->setWorkingWeek(chosenWeek);
        context->setRegions(RegionalSettings::of(locale));
        context->setWeekNumbersShown(true);
        Holidays christmas;
        christmas.add(QDate(2026, 12, 25), QStringLiteral("Christmas Day"));
        context->setHolidays(christmas);
        const auto red = [this](QDate day) {
            return pixels(page->dayRect(day),
                          [](QColor pixel) { return pixel.red() - pixel.green() > 100; })
                    > 0;
        };
        QVERIFY(red(QDate(2026, 12, 25)));
        QFETCH(QList<int>, restDays);
        // Of a week's days (6 December 2026 is a Sunday), the region's first is drawn leftmost.
        const QDate first = QDate(2026, 12, 6).addDays(locale.firstDayOfWeek() % 7);
        for (QDate day(2026, 12, 6); day < QDate(2026, 12, 13); day = day.addDays(1)) {
            QCOMPARE(red(day), restDays.contains(day.dayOfWeek()));
            QVERIFY(page->dayRect(day).left() >= page->dayRect(first).left());
        }
        // Every row is numbered, December's last partial one too, and every day stands under its
        // weekday's name.
        const QColor background = DayColours::of(page->palette(), QPalette::Inactive).page;
        const auto inked = [&](const QRect &cell) {
            const auto ink = [&](QColor pixel) { return contrastRatio(pixel, background) > 1.5; };
            return pixels(cell.adjusted(2, 2, -2, -2), ink) > 0;
        };
        const QRect firstRow = page->dayRect(QDate(2026, 12, 1));
        const int numbers = page->dayRect(first).left() - firstRow.width();
        for (QDate day(2026, 12, 1); day.month() == 12; day = day.addDays(1)) {
            const QRect cell = page->dayRect(day);
            QVERIFY(inked(cell.translated(numbers - cell.left(), 0)));
            QVERIFY(inked(cell.translated(0, firstRow.top() - cell.height() - cell.top())));
        }
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        QCOMPARE(part<QSpinBox>("yearShown")->text(), plain.toString(2026));
        const QString lastMonth = part<QLabel>("lastMonthShown")->text();
        QVERIFY(lastMonth.endsWith(u' ' + plain.toString(2027)) && !lastMonth.isRightToLeft());
        QCOMPARE(CalendarTexts(locale).number(31), plain.toString(31));
        QVERIFY(part<QWidget>("previousMonth")->x() < part<QWidget>("nextMonth")->x());
    }

    // The weekday names drawn are the longest form that fits their columns.
    void weekdayNamesAreTheLongestThatFit_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<int>("width");
        QTest::addColumn<QDate>("day"); // in the second week of December 2026
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("weekNumbers");
        QTest::newRow("wide, Sunday weeks")
                << QLocale("en_US") << 2400 << QDate(2026, 12, 9) << "Wednesday" << false;
        // Wide enough for "Monday" and "Sunday", not for "Wednesday".
        QTest::newRow("Monday would fit")
                << QLocale() << 1726 << QDate(2026, 12, 7) << "Mon" << false;
        // Wide enough for "Wednesday" in seven columns, not in eight.
        QTest::newRow("week numbers") << QLocale() << 2110 << QDate(2026, 12, 9) << "Wed" << true;
        QTest::newRow("usual") << QLocale() << 842 << QDate(2026, 12, 7) << "Mon" << false;
        QTest::newRow("narrow") << QLocale() << 600 << QDate(2026, 12, 7) << "M" << false;
    }
    void weekdayNamesAreTheLongestThatFit()
    {
        QFETCH(QLocale, locale);
        QFETCH(int, width);
        QFETCH(bool, weekNumbers);
        context->setWeekNumbersShown(weekNumbers);
        context->setRegions(RegionalSettings::of(locale));
        calendar->resize(width, 515);
        // The day's name heads its column, two rows above its week.
        QFETCH(QDate, day);
        const QRect cell = page->dayRect(day);
        const QRect heading = cell.translated(0, -2 * cell.height()).adjusted(0, 2, 0, -2);
        const QColor background = DayColours::of(page->palette(), QPalette::Inactive).page;
        const QImage image = page->grab(heading).toImage();
        int first = image.width(), last = -1;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = 0; y < image.height(); ++y) {
                if (contrastRatio(image.pixelColor(x, y), background) > 1.5)
                    first = std::min(first, x), last = x;
            }
        }
        QFETCH(QString, name);
        QVERIFY(qAbs(last - first + 1 - page->fontMetrics().horizontalAdvance(name)) <= 2);
    }

    // The ISO week of each row's Thursday, in Monday-, Sunday- and Saturday-first weeks, across
    // the 53rd week of 2026.
    void weekNumbersFollowTheRowsThursday_data()
    {
        QTest::addColumn<int>("firstDay");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<int>("week");
        QTest::newRow("Monday rows, Monday") << int(Qt::Monday) << QDate(2026, 12, 28) << 53;
        QTest::newRow("Sunday rows, Sunday") << int(Qt::Sunday) << QDate(2026, 12, 27) << 53;
        QTest::newRow("Sunday rows, next Sunday") << int(Qt::Sunday) << QDate(2027, 1, 3) << 1;
        QTest::newRow("Saturday rows, Friday") << int(Qt::Saturday) << QDate(2027, 1, 1) << 53;
        QTest::newRow("Saturday rows, Saturday") << int(Qt::Saturday) << QDate(2027, 1, 2) << 1;
    }
    void weekNumbersFollowTheRowsThursday()
    {
        QFETCH(int, firstDay);
        QFETCH(QDate, day);
        QTEST(MonthGrid::weekNumberOf(day, Qt::DayOfWeek(firstDay)), "week");
    }

    // A right-to-left region's dates read each as a whole, in the line's order from the left:
    // the first date, "to", the second, then its colon and the count.
    void theSummaryReadsFromTheLeftAroundRightToLeftDates()
    {
        const QString text = ResultTexts(QLocale("ar_EG"))
                                     .spanSummary(QDate(2026, 12, 19), QDate(2027, 1, 6),
                                                  {Qt::Monday}, Holidays());
        QTextLayout layout(text, page->font());
        layout.setTextOption(QTextOption(Qt::AlignLeft));
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        const int to = int(text.indexOf(QStringLiteral(" to "))), colon = int(text.indexOf(u':'));
        const int parts[][2] = {{0, to}, {to + 1, 2}, {to + 4, colon - to - 4}, {colon, 3}};
        double right = 0;
        for (const auto &[from, length] : parts) {
            QRectF glyphs;
            for (const QGlyphRun &run : layout.glyphRuns(from, length))
                glyphs |= run.boundingRect();
            QVERIFY2(glyphs.left() >= right - 0.5, qPrintable(text.mid(from, length)));
            right = glyphs.right();
        }
    }

    // Esfand 1403 has 30 days, and 1 Farvardin 1404 after it is a Friday, drawn under Friday.
    void otherCalendarsMonthsStartUnderTheirWeekdays()
    {
        const MonthGrid grid(QRect(0, 0, 800, 400), QDate(2025, 2, 19), Qt::Monday, QSize(2, 1),
                             false, calendarOf(CalendarSystem::Persian));
        QCOMPARE(grid.dayRect(QDate(2025, 3, 21)).left(), grid.weekdayRect(1, 4).left());
        QCOMPARE(grid.daysInMonth(0), 30);
    }

    void pagingStopsAtBothEndsOfTheRange()
    {
        auto *previous = part<QToolButton>("previousMonth");
        auto *next = part<QToolButton>("nextMonth");
        calendar->setSelectedDate(QDate(1753, 1, 15));
        QVERIFY(!previous->isEnabled());
        QTest::mouseClick(previous, Qt::LeftButton);
        turnWheel(page, QPoint(0, 120));
        QCOMPARE(firstMonth, QDate(1753, 1, 1));
        calendar->setSelectedDate(QDate(9999, 12, 1));
        QVERIFY(!next->isEnabled() && previous->isEnabled());
        QTest::mouseClick(next, Qt::LeftButton);
        turnWheel(page, QPoint(0, -120));
        QCOMPARE(firstMonth, QDate(9999, 1, 1));
        QCOMPARE(picks->count(), 0);
    }

    // Return, Enter and Escape end the year's editing; none of them picks a day. Return on the
    // days then picks the selected one and brings it back into view.
    void keysInTheYearBoxNeverPick_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }
    void keysInTheYearBoxNeverPick()
    {
        QFETCH(int, key);
        calendar->setFocus();
        press(Qt::AltModifier | Qt::Key_Y);
        auto *year = part<QSpinBox>("yearShown");
        QVERIFY(year->hasFocus());
        QTest::keyClicks(year, "2030");
        QTest::keyClick(year, Qt::Key(key));
        QCOMPARE(firstMonth, QDate(2030, 12, 1));
        QCOMPARE(picks->count(), 0);
        QVERIFY(page->hasFocus());
        press(Qt::Key_Return);
        QVERIFY(picks->count() == 1 && !page->dayRect(today).isNull());
    }

    // The menu names the twelve months of the calendar in use; the third moves to that month of
    // the year shown, in the place of the month it was opened from.
    void theMonthJumpOpensFromTheTitleAndEveryHeading_data()
    {
        QTest::addColumn<int>("heading"); // -1: the title's month
        QTest::addColumn<CalendarSystem>("system");
        QTest::addColumn<QString>("months");
        QTest::addColumn<QDate>("firstMonth");
        const QString gregorian("January February March April May June July August September "
                                "October November December");
        QTest::newRow("title") << -1 << CalendarSystem::Gregorian << gregorian << QDate(2026, 3, 1);
        QTest::newRow("sixth heading")
                << 5 << CalendarSystem::Gregorian << gregorian << QDate(2026, 10, 1);
        // 1 Khordad 1405 is 22 May 2026.
        QTest::newRow("Persian") << -1 << CalendarSystem::Persian
                                 << "Farvardin Ordibehesht Khordad Tir Mordad Shahrivar Mehr Aban "
                                    "Azar Dey Bahman Esfand"
                                 << QDate(2026, 5, 22);
    }
    void theMonthJumpOpensFromTheTitleAndEveryHeading()
    {
        QFETCH(int, heading);
        QFETCH(CalendarSystem, system);
        context->setCalendarSystem(system);
        if (heading == -1) {
            QTest::mouseClick(part<QToolButton>("firstMonthShown"), Qt::LeftButton);
        } else {
            // The heading sits a row above the weekday names.
            const QRect firstDay = page->dayRect(firstMonth.addMonths(heading));
            click(firstDay.center() - QPoint(0, firstDay.height() * 2));
        }
        auto *months = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(months);
        QStringList names; // after the year box and a separator
        for (const QAction *month : months->actions().mid(2))
            names << month->text();
        QTEST(names.join(u' '), "months");
        months->actions().at(2 + 2)->trigger();
        QTEST(firstMonth, "firstMonth");
        QCOMPARE(picks->count(), 0);
    }

    // The menu lists the year's own months, thirteen in a leap year, and follows its year box.
    void theMonthJumpListsTheYearsMonths()
    {
        context->setCalendarSystem(CalendarSystem::Hebrew);
        press(Qt::AltModifier | Qt::Key_M);
        auto *months = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        const auto names = [months] {
            QStringList names;
            for (const QAction *month : months->actions().mid(2))
                names << month->text();
            return names.join(u',');
        };
        QCOMPARE(names(),
                 "Tishrei,Heshvan,Kislev,Tevet,Shevat,Adar I,Adar II,Nisan,Iyar,Sivan,"
                 "Tammuz,Av,Elul");
        months->findChild<QSpinBox *>()->setValue(5788);
        QCOMPARE(names(),
                 "Tishrei,Heshvan,Kislev,Tevet,Shevat,Adar,Nisan,Iyar,Sivan,Tammuz,Av,Elul");
        months->actions().at(2 + 6)->trigger();
        QCOMPARE(firstMonth, QDate(2028, 3, 28)); // 1 Nisan 5788, a fortnight before Passover
    }

    // However the year field was left, the menu opens again on the shown month in its list.
    void theMonthJumpOpensOnItsMonthsEachTime()
    {
        calendar->setFocus();
        press(Qt::AltModifier | Qt::Key_M);
        auto *year = QApplication::activePopupWidget()->findChild<QSpinBox *>();
        QTest::mouseClick(year->findChild<QLineEdit *>(), Qt::LeftButton);
        QTest::keyClick(year, Qt::Key_Up);
        QTest::keyClick(year, Qt::Key_Return); // the shown month, a year on
        QCOMPARE(firstMonth, QDate(2027, 12, 1));
        press(Qt::AltModifier | Qt::Key_M);
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Return})
            QTest::keyClick(QApplication::activePopupWidget()->windowHandle(), key);
        QCOMPARE(firstMonth, QDate(2027, 11, 1));
    }

    void wheelTurnsAddUp_data()
    {
        QTest::addColumn<int>("events");
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<QPoint>("pixels"); // in quarters of a row of days
        QTest::addColumn<QString>("over");
        QTest::addColumn<int>("back"); // events turned the other way after them
        QTest::addColumn<int>("monthsForward");
        const auto row = [](const char *name, int events, QPoint angle, QPoint pixels,
                            const char *over, int back, int monthsForward) {
            QTest::newRow(name) << events << angle << pixels << over << back << monthsForward;
        };
        row("touchpad down", 48, {0, -15}, {}, "monthPage", 0, 6);
        row("touchpad up", 9, {0, 15}, {}, "monthPage", 0, -1);
        row("a turn back starts afresh", 7, {0, -15}, {}, "monthPage", 8, -1);
        row("sideways", 16, {-15, 0}, {}, "monthPage", 0, 2);
        row("pixels only", 3, {}, {0, -3}, "monthPage", 0, 2);
        row("down over the year", 2, {0, -120}, {}, "yearShown", 0, 2);
        row("down over the summary", 1, {0, -120}, {}, "spanSummary", 0, 1);
    }
    void wheelTurnsAddUp()
    {
        QFETCH(int, events);
        QFETCH(QPoint, angle);
        QFETCH(QPoint, pixels);
        QFETCH(QString, over);
        auto *target = part<QWidget>(qPrintable(over));
        const int rowHeight = page->dayRect(today).height();
        for (int i = 0; i < events; ++i)
            turnWheel(target, angle, pixels * rowHeight / 4);
        QFETCH(int, back);
        for (int i = 0; i < back; ++i)
            turnWheel(target, -angle, -pixels * rowHeight / 4);
        QFETCH(int, monthsForward);
        QCOMPARE(firstMonth, QDate(2026, 12, 1).addMonths(monthsForward));
    }

    void keysMoveTheSelectionAndReturnPicksIt_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QDate>("firstMonth");
        QTest::addColumn<int>("picked");
        QTest::addColumn<CalendarSystem>("system");
        const auto row
                = [](const char *name, QDate from, QKeyCombination keys, QDate to, QDate firstMonth,
                     int picked = 0, CalendarSystem system = CalendarSystem::Gregorian) {
                      QTest::newRow(name) << from << keys << to << firstMonth << picked << system;
                  };
        const auto control = Qt::ControlModifier;
        row("right into a new year", {2026, 12, 31}, Qt::Key_Right, {2027, 1, 1}, {2026, 12, 1});
        row("right off the page", {2027, 11, 30}, Qt::Key_Right, {2027, 12, 1}, {2027, 1, 1});
        row("left off the page", {2026, 12, 1}, Qt::Key_Left, {2026, 11, 30}, {2026, 11, 1});
        row("down off the page", {2027, 11, 28}, Qt::Key_Down, {2027, 12, 5}, {2027, 1, 1});
        row("up", {2027, 3, 3}, Qt::Key_Up, {2027, 2, 24}, {2026, 12, 1});
        row("shift and keypad up", {2027, 3, 3},
            Qt::ShiftModifier | Qt::KeypadModifier | Qt::Key_Up, {2027, 2, 24}, {2026, 12, 1});
        row("page up", {2027, 3, 31}, Qt::Key_PageUp, {2027, 2, 28}, {2026, 12, 1});
        row("control page down", {2027, 5, 9}, control | Qt::Key_PageDown, {2028, 5, 9},
            {2027, 6, 1});
        row("control page up", {2028, 2, 29}, control | Qt::Key_PageUp, {2027, 2, 28},
            {2027, 2, 1});
        row("home", {2027, 5, 9}, Qt::Key_Home, {2027, 5, 1}, {2026, 12, 1});
        row("end", {2027, 3, 9}, Qt::Key_End, {2027, 3, 31}, {2026, 12, 1});
        row("left at the first day", {1753, 1, 1}, Qt::Key_Left, {1753, 1, 1}, {1753, 1, 1});
        row("down at the last week", {9999, 12, 30}, Qt::Key_Down, {9999, 12, 31}, {9999, 1, 1});
        row("return", {2027, 1, 9}, Qt::Key_Return, {2027, 1, 9}, {2026, 12, 1}, 1);
        row("keypad enter", {2027, 1, 9}, Qt::KeypadModifier | Qt::Key_Enter, {2027, 1, 9},
            {2026, 12, 1}, 1);
        // By other calendars' months, from 1 Farvardin 1405 = 21 March 2026 (Esfand 1403 has 30
        // days, 1404 29), the Islamic leap year 1447 ending 16 June 2026, 1448 on 5 June 2027.
        const auto persian = CalendarSystem::Persian, islamic = CalendarSystem::Islamic;
        row("Esfand to Farvardin", {2026, 3, 6}, Qt::Key_PageDown, {2026, 4, 4}, {2026, 2, 20}, 0,
            persian);
        row("a leap Esfand's end", {2025, 2, 19}, Qt::Key_End, {2025, 3, 20}, {2025, 2, 19}, 0,
            persian);
        row("a year on in Esfand", {2025, 2, 19}, control | Qt::Key_PageDown, {2026, 2, 20},
            {2025, 3, 21}, 0, persian);
        row("home in Muharram", {2026, 7, 16}, Qt::Key_Home, {2026, 6, 17}, {2026, 6, 17}, 0,
            islamic);
        row("Dhu al-Hijjah to Muharram", {2026, 6, 16}, Qt::Key_PageDown, {2026, 7, 16},
            {2026, 5, 18}, 0, islamic);
        row("a year back from a common year's end", {2027, 6, 5}, control | Qt::Key_PageUp,
            {2026, 6, 15}, {2026, 5, 18}, 0, islamic);
        // Hebrew months by name: 5784 has Adar I (30 days, to 10 March 2024) and Adar II, 5785
        // Adar (29 days, from 1 March 2025).
        const auto hebrew = CalendarSystem::Hebrew;
        row("Adar I to Adar II", {2024, 3, 10}, Qt::Key_PageDown, {2024, 4, 8}, {2024, 2, 10}, 0,
            hebrew);
        row("a year on from Adar I", {2024, 3, 10}, control | Qt::Key_PageDown, {2025, 3, 29},
            {2024, 4, 9}, 0, hebrew);
        row("a year on from Adar II", {2024, 3, 25}, control | Qt::Key_PageDown, {2025, 3, 15},
            {2024, 4, 9}, 0, hebrew);
        row("a year back from Adar", {2025, 3, 15}, control | Qt::Key_PageUp, {2024, 3, 25},
            {2024, 3, 11}, 0, hebrew);
        row("end of Adar I", {2024, 2, 10}, Qt::Key_End, {2024, 3, 10}, {2024, 2, 10}, 0, hebrew);
    }
    void keysMoveTheSelectionAndReturnPicksIt()
    {
        QFETCH(QDate, from);
        QFETCH(QKeyCombination, keys);
        QFETCH(CalendarSystem, system);
        context->setCalendarSystem(system);
        calendar->setSelectedDate(from);
        press(keys);
        QTEST(calendar->selectedDate(), "to");
        QTEST(firstMonth, "firstMonth");
        QTEST(int(picks->count()), "picked");
    }

    // The first page starts with 1 January 1753's month, named in the title and month menu, the
    // last ends with 31 December 9999's; their days outside the range are greyed and unreachable.
    void otherCalendarsEndTheRangeMidMonth_data()
    {
        QTest::addColumn<CalendarSystem>("system");
        QTest::addColumn<QString>("title");
        QTest::newRow("Persian") << CalendarSystem::Persian << "Dey 1131";
        QTest::newRow("Islamic") << CalendarSystem::Islamic << "Safar 1166";
        QTest::newRow("Hebrew") << CalendarSystem::Hebrew << "Tevet 5513";
    }
    void otherCalendarsEndTheRangeMidMonth()
    {
        QFETCH(CalendarSystem, system);
        context->setCalendarSystem(system);
        const Calendar &other = calendarOf(system);
        const QDate first(1753, 1, 1), last(9999, 12, 31);
        calendar->setSelectedDate(first);
        const QDate firstMonthStart = other.firstOfMonth(first);
        QVERIFY(firstMonthStart < first && !page->dayRect(firstMonthStart).isNull());
        QVERIFY(pixelsOf(page->dayRect(firstMonthStart), &DayColours::unavailable) > 0);
        QSignalSpy pointed(calendar, &MonthCalendar::highlighted);
        QTest::mouseMove(page, page->dayRect(firstMonthStart).center());
        click(page->dayRect(firstMonthStart).center());
        press(Qt::Key_Home);
        QCOMPARE(pointed.count(), 1); // the Home key's, none of the pointer's
        QCOMPARE(calendar->selectedDate(), first);
        const QString monthName = part<QToolButton>("firstMonthShown")->text();
        QTEST(monthName + ' ' + part<QSpinBox>("yearShown")->text(), "title");
        press(Qt::AltModifier | Qt::Key_M);
        auto *monthJump = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QCOMPARE(monthJump->activeAction()->text(), monthName);
        QTest::keyClick(monthJump, Qt::Key_Down);
        QTest::keyClick(monthJump, Qt::Key_Return);
        QCOMPARE(firstMonth, other.addMonths(firstMonthStart, 1));
        calendar->setSelectedDate(last);
        const QDate lastMonthEnd = last.addDays(other.daysInMonth(last) - other.day(last));
        QVERIFY(lastMonthEnd > last && !page->dayRect(lastMonthEnd).isNull());
        click(page->dayRect(lastMonthEnd).center());
        press(Qt::Key_End);
        QCOMPARE(calendar->selectedDate(), last);
        QCOMPARE(picks->count(), 0);
    }

    // Screen readers find a list whose one item, the focused one while the calendar has the
    // focus, is the selected day, named in full.
    void screenReadersFindTheSelectedDay()
    {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(page);
        QAccessibleInterface *day = list->child(0);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(day->role(), QAccessible::ListItem);
        QCOMPARE(day->rect(),
                 QRect(page->mapToGlobal(page->dayRect(today).topLeft()),
                       page->dayRect(today).size()));
        calendar->clearFocus();
        QVERIFY(!day->state().focused && list->focusChild() != day);
        calendar->setFocus();
        press(Qt::Key_Right);
        QCOMPARE(day->text(QAccessible::Name), "Sunday, 6 December 2026");
        QVERIFY(day->state().focused && list->focusChild() == day);
        QCOMPARE(list->indexOfChild(list->focusChild()), 0);
    }

    // The selected day is filled, wherever the keys take it; today's outline stays on it, and a
    // focus ring shows only while focused.
    void theSelectedDayShowsTodayAndTheFocus()
    {
        const QRect cell = page->dayRect(today);
        const QColor text = page->palette().color(QPalette::HighlightedText);
        const auto ring = [&](int inset) {
            return pixels(QRect(cell.left() + inset, cell.top() + 3, 1, cell.height() - 6),
                          [&](QColor pixel) { return pixel == text; });
        };
        // Filled, with its number in the selection's text colour.
        const auto filled = [this](QDate day) {
            const QRect cell = page->dayRect(day);
            const QColor ink = DayColours::of(page->palette(), QPalette::Active).onSelected;
            return pixelsOf(cell, &DayColours::selected) > cell.width() * cell.height() / 2
                    && pixels(cell.adjusted(4, 4, -4, -4),
                              [&ink](QColor pixel) { return contrastRatio(pixel, ink) < 1.5; })
                    > 0;
        };
        calendar->clearFocus();
        QVERIFY(ring(1) > 0 && filled(today));
        QCOMPARE(ring(3), 0);
        calendar->setFocus();
        QVERIFY(ring(3) > 0);
        press(Qt::Key_Right); // the keys move the fill
        QVERIFY(filled(today.addDays(1)) && !filled(today));
    }

    // The days the pointer or the keys reach are reported once each; leaving the days reports
    // none.
    void pointingAndKeysReportTheDay()
    {
        QSignalSpy pointed(calendar, &MonthCalendar::highlighted);
        const QPoint newYear = page->dayRect(QDate(2027, 1, 6)).center();
        QTest::mouseMove(page, newYear);
        QTest::mouseMove(page, newYear + QPoint(1, 0));
        QCOMPARE(pointed.count(), 1);
        QCOMPARE(pointed.last().first().toDate(), QDate(2027, 1, 6));
        press(Qt::Key_Left);
        QCOMPARE(pointed.last().first().toDate(), today.addDays(-1));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(page, &leave);
        QCOMPARE(pointed.last().first().toDate(), QDate());
        QCOMPARE(picks->count(), 0);
    }

    // The span is shaded from end to end, its last day included, and its first date barred; a
    // span or a mark that goes leaves its days as they were.
    void theSpanIsShadedAndItsFirstDateMarked()
    {
        const QDate first(2026, 12, 19);
        const QRect last = page->dayRect(QDate(2027, 1, 6));
        const QRect outside = page->dayRect(QDate(2027, 1, 7));
        const QRect firstDate = page->dayRect(first);
        const QRect bar(firstDate.left() + 3, firstDate.bottom() - 2, firstDate.width() - 6, 3);
        calendar->setSpan({first, QDate(2027, 1, 6), first});
        QCOMPARE(pixelsOf(firstDate, &DayColours::page) + pixelsOf(last, &DayColours::page), 0);
        QVERIFY(pixelsOf(outside, &DayColours::page) > 0);
        QCOMPARE(pixelsOf(bar, &DayColours::mark), bar.width() * bar.height());
        calendar->setSpan({first, QDate(2027, 1, 6), QDate()});
        QCOMPARE(pixelsOf(bar, &DayColours::mark), 0);
        calendar->setSpan({});
        QVERIFY(pixelsOf(last, &DayColours::page) > 0);
    }

    // The outline moves to a new today when the calendar is shown, when its window is activated
    // again, and whenever a new day is announced.
    void todaysOutlineMovesOnWithTheDay_data()
    {
        QTest::addColumn<QString>("trigger");
        for (const char *trigger : {"shown", "activated", "announced"})
            QTest::newRow(trigger) << QString::fromLatin1(trigger);
    }
    void todaysOutlineMovesOnWithTheDay()
    {
        QFETCH(QString, trigger);
        const QRect tomorrow = page->dayRect(today.addDays(1));
        const QRect outlineEdge(tomorrow.left(), tomorrow.top(), 2, tomorrow.height());
        const auto outlined = [&] { return pixelsOf(outlineEdge, &DayColours::mark); };
        QCOMPARE(outlined(), 0);
        today = today.addDays(1); // midnight, or a suspend that outlasted it
        if (trigger == "shown") {
            window->hide();
            window->show();
        } else if (trigger == "activated") {
            QWidget other;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
        } else {
            context->today().date();
        }
        QCOMPARE(outlined(), outlineEdge.width() * outlineEdge.height());
    }

    // The man page lists the calendar's keys as the program handles and describes them.
    void theManPageListsEveryKey()
    {
        QFile manPage(QStringLiteral(MAN_PAGE));
        QVERIFY(manPage.open(QIODevice::ReadOnly | QIODevice::Text));
        const QString text = QString::fromUtf8(manPage.readAll());
        QString expected;
        for (const auto &[keys, action] : CalendarKeys::descriptions())
            expected += QStringLiteral(".TP\n.B %1\n%2\n").arg(keys, action);
        QVERIFY2(text.contains(expected), qPrintable(expected));
    }

    // On light, dark and high-contrast themes the marks stand out from what they sit on, the
    // span from the page, and the numbers read on every fill.
    void dayColoursReadOnEveryTheme_data()
    {
        QTest::addColumn<QPalette>("palette");
        for (const char *style :
             {"Fusion", "Adwaita", "Adwaita-Dark", "Adwaita-HighContrastInverse"}) {
            const std::unique_ptr<QStyle> made(QStyleFactory::create(QString::fromLatin1(style)));
            QVERIFY2(made, style);
            QTest::newRow(style) << made->standardPalette();
        }
        QPalette dark(QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
        dark.setColor(QPalette::HighlightedText, Qt::black);
        QTest::newRow("Fusion, dark palette") << dark;
    }
    void dayColoursReadOnEveryTheme()
    {
        QFETCH(QPalette, palette);
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const DayColours colours = DayColours::of(palette, group);
            // Distinct from the page, yet a background: far from a mark's 3:1.
            const double span = contrastRatio(colours.span, colours.page);
            QVERIFY(span >= 1.2 && span < 1.35);
            QVERIFY(contrastRatio(colours.unavailable, colours.page) >= 2.0);
            QVERIFY(contrastRatio(colours.onSelected, colours.selected) >= 4.5);
            for (int fill : {0, 1}) {
                const QColor background = fill ? colours.span : colours.page;
                QVERIFY(contrastRatio(colours.mark, background) >= 3.0);
                QVERIFY(contrastRatio(colours.selected, background) >= 3.0);
                QVERIFY(contrastRatio(colours.workingDay[fill], background) >= 4.5);
                QVERIFY(contrastRatio(colours.restDay[fill], background) >= 4.5);
            }
        }
        QCOMPARE(blended(QColor(200, 0, 0), QColor(0, 0, 200), 0.25), QColor(150, 0, 50));
    }
};

QTEST_MAIN(MonthCalendarTest)
#include "tst_monthcalendar.moc"
