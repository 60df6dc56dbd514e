// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalendarTexts.h"
#include "MonthCalendar.h"
#include "ReadableColour.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <functional>
#include <memory>

class MonthCalendarTest : public QObject
{
    Q_OBJECT

    const QDate today {2026, 12, 5};
    std::unique_ptr<QWidget> window;
    MonthCalendar *calendar = nullptr;
    std::unique_ptr<QSignalSpy> picks;

    // How many of the calendar's pixels in the rectangle are as wanted.
    int pixels(const QRect &rect, const std::function<bool(QColor)> &wanted) const
    {
        const QImage image = calendar->grab().toImage();
        int count = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x)
                count += wanted(image.pixelColor(x, y));
        }
        return count;
    }
    void click(QPoint point) { QTest::mouseClick(calendar, Qt::LeftButton, {}, point); }
    void press(int key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(calendar, Qt::Key(key), modifiers);
    }
    void turnWheel(QWidget *target, QPoint angle, QPoint pixels = {})
    {
        const QPointF centre = target->rect().center();
        QWheelEvent wheel(centre, target->mapToGlobal(centre), pixels, angle, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &wheel);
    }
    QToolButton *titleButton(MonthCalendar *of, const QString &accessibleName) const
    {
        for (auto *button : of->findChildren<QToolButton *>()) {
            if (button->accessibleName() == accessibleName)
                return button;
        }
        qFatal("no title button %s", qPrintable(accessibleName));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void init()
    {
        window = std::make_unique<QWidget>();
        calendar = new MonthCalendar([this] { return today; }, window.get());
        calendar->resize(842, 515);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        picks = std::make_unique<QSignalSpy>(calendar, &MonthCalendar::dateClicked);
    }

    // A click anywhere in a day's cell picks it, the selected day too; beside the days, or with
    // the other button, nothing is picked.
    void clicksPickTheDayUnderThePointer()
    {
        const QRect first = calendar->dayRect(QDate(2026, 12, 1));
        click(first.center() - QPoint(first.width(), 0));
        click(first.center() - QPoint(0, first.height()));
        QTest::mouseClick(calendar, Qt::RightButton, {}, first.center());
        QCOMPARE(picks->count(), 0);
        click(calendar->dayRect(today).center());
        QCOMPARE(picks->count(), 1);
        for (QDate day(2026, 12, 1); day < QDate(2027, 12, 1); day = day.addDays(1)) {
            const QRect cell = calendar->dayRect(day);
            QVERIFY(cell.width() > calendar->fontMetrics().horizontalAdvance(QStringLiteral("31")));
            for (QPoint corner : {cell.topLeft(), cell.bottomRight()}) {
                click(corner);
                QCOMPARE(calendar->value(), day);
            }
        }
        QCOMPARE(calendar->firstMonthShown(), QDate(2026, 12, 1));
    }

    // Each region's names fit their columns and sit over their days, its weeks start on its own
    // first day, every number is in its digits, and the grid and title stay left to right.
    void everyRegionDrawsItsWordsAndDigitsInAFixedGrid_data()
    {
        QTest::addColumn<QLocale>("locale");
        for (const char *name : {"en_GB", "en_US", "ar_EG", "fa_IR", "he_IL", "ja_JP"})
            QTest::newRow(name) << QLocale(QString::fromLatin1(name));
    }

    void everyRegionDrawsItsWordsAndDigitsInAFixedGrid()
    {
        QFETCH(QLocale, locale);
        QGuiApplication::setLayoutDirection(locale.textDirection());
        const auto restore
                = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        MonthCalendar regional([this] { return today; });
        regional.setLocale(locale);
        regional.resize(842, 515);
        regional.findChild<QWidget *>()->layout()->activate();
        regional.grab(); // the names are chosen when first painted
        const QFontMetricsF metrics(regional.font());
        QCOMPARE(regional.dayRect(QDate(2026, 12, 1)).top(), regional.weekdayRect(0).bottom() + 1);
        for (QDate day(2026, 12, 1); day.day() <= 7; day = day.addDays(1)) {
            const int column = (day.dayOfWeek() - locale.firstDayOfWeek() + 7) % 7;
            QCOMPARE(regional.dayRect(day).left(), regional.weekdayRect(column).left());
            QVERIFY(regional.weekdayName(column).startsWith(
                    locale.dayName(day.dayOfWeek(), QLocale::NarrowFormat)));
            QVERIFY2(metrics.horizontalAdvance(regional.weekdayName(column))
                             <= regional.weekdayRect(column).width(),
                     qPrintable(regional.weekdayName(column)));
        }
        QLocale plain = locale;
        plain.setNumberOptions(QLocale::OmitGroupSeparator);
        QCOMPARE(regional.findChild<QSpinBox *>()->text(), plain.toString(2026));
        const QString lastMonth = regional.findChild<QLabel *>("lastMonthShown")->text();
        QVERIFY(lastMonth.endsWith(u' ' + plain.toString(2027)) && !lastMonth.isRightToLeft());
        QCOMPARE(CalendarTexts(locale).number(31), plain.toString(31));
        // The summary reads from the left: its count follows the colon after the second date.
        regional.setSpan({today, false, today, today.addDays(3)});
        const QString summary = regional.findChild<QLabel *>("spanSummary")->text();
        QTextLayout layout(summary, regional.font());
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        const int colon = int(summary.indexOf(u':'));
        QVERIFY2(line.cursorToX(colon + 2) > line.cursorToX(colon), qPrintable(summary));
        QVERIFY(titleButton(&regional, "Previous month")->x()
                < titleButton(&regional, "Next month")->x());
    }

    // Rest days in red, working days in the text colour, by the region's working week.
    void restDaysAreDrawnRed_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QDate>("day");
        QTest::addColumn<bool>("red");
        const QLocale britain(QLocale::English, QLocale::UnitedKingdom);
        const QLocale egypt(QLocale::Arabic, QLocale::Egypt);
        QTest::newRow("British Saturday") << britain << QDate(2026, 12, 12) << true;
        QTest::newRow("British Monday") << britain << QDate(2026, 12, 14) << false;
        QTest::newRow("Egyptian Friday") << egypt << QDate(2026, 12, 11) << true;
        QTest::newRow("Egyptian Sunday") << egypt << QDate(2026, 12, 13) << false;
    }

    void restDaysAreDrawnRed()
    {
        QFETCH(QLocale, locale);
        QFETCH(QDate, day);
        calendar->setLocale(locale);
        QTEST(pixels(calendar->dayRect(day),
                     [](QColor pixel) { return pixel.red() - pixel.green() > 100; })
                      > 0,
              "red");
    }

    void settingTheDateTurnsThePageAsLittleAsNeeded_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("selected");
        QTest::addColumn<QDate>("firstMonth");
        const auto row = [](const char *name, QDate date, QDate selected, QDate firstMonth) {
            QTest::newRow(name) << date << selected << firstMonth;
        };
        row("on the page", {2027, 8, 31}, {2027, 8, 31}, {2026, 12, 1});
        row("first day after the page", {2027, 12, 1}, {2027, 12, 1}, {2027, 1, 1});
        row("last day", {9999, 12, 31}, {9999, 12, 31}, {9999, 1, 1});
        row("before the first", {1752, 12, 31}, today, {2026, 12, 1});
        row("after the last", {10000, 1, 1}, today, {2026, 12, 1});
    }

    void settingTheDateTurnsThePageAsLittleAsNeeded()
    {
        QFETCH(QDate, date);
        QFETCH(QDate, selected);
        QCOMPARE(calendar->setValue(date), date == selected);
        QCOMPARE(calendar->value(), selected);
        QTEST(calendar->firstMonthShown(), "firstMonth");
        QCOMPARE(picks->count(), 0);
    }

    void pagingStopsAtBothEndsOfTheRange()
    {
        QToolButton *previous = titleButton(calendar, "Previous month");
        QToolButton *next = titleButton(calendar, "Next month");
        calendar->setValue(QDate(1753, 1, 15));
        QVERIFY(!previous->isEnabled());
        QTest::mouseClick(previous, Qt::LeftButton);
        turnWheel(calendar, QPoint(0, 120));
        QCOMPARE(calendar->firstMonthShown(), QDate(1753, 1, 1));

        calendar->setValue(QDate(9999, 12, 1));
        QVERIFY(!next->isEnabled() && previous->isEnabled());
        QTest::mouseClick(next, Qt::LeftButton);
        turnWheel(calendar, QPoint(0, -120));
        QCOMPARE(calendar->firstMonthShown(), QDate(9999, 1, 1));
        QCOMPARE(picks->count(), 0);
    }

    // Return, Enter and Escape end the year's editing; none of them picks a day.
    void keysInTheYearBoxNeverPick_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("keypad enter") << int(Qt::Key_Enter);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }

    void keysInTheYearBoxNeverPick()
    {
        QFETCH(int, key);
        calendar->setFocus();
        press(Qt::Key_Y, Qt::AltModifier);
        auto *year = calendar->findChild<QSpinBox *>();
        QVERIFY(year->hasFocus());
        QTest::keyClicks(year, "2030");
        QTest::keyClick(year, Qt::Key(key));
        QCOMPARE(calendar->firstMonthShown(), QDate(2030, 12, 1));
        QCOMPARE(picks->count(), 0);
        QVERIFY(calendar->hasFocus());
    }

    void theMonthJumpOpensFromTheTitleTheKeysAndEveryHeading_data()
    {
        QTest::addColumn<int>("heading"); // -1: the title's month, -2: Alt+M on the days
        QTest::addColumn<QDate>("firstMonth");
        QTest::newRow("title") << -1 << QDate(2026, 3, 1);
        QTest::newRow("alt+m") << -2 << QDate(2026, 3, 1);
        QTest::newRow("sixth heading") << 5 << QDate(2026, 10, 1);
    }

    void theMonthJumpOpensFromTheTitleTheKeysAndEveryHeading()
    {
        QFETCH(int, heading);
        if (heading == -1) {
            QTest::mouseClick(titleButton(calendar, "December, first month shown"), Qt::LeftButton);
        } else if (heading == -2) {
            calendar->setFocus();
            press(Qt::Key_M, Qt::AltModifier);
        } else {
            // The heading sits a row above the weekday names.
            const QRect firstDay
                    = calendar->dayRect(calendar->firstMonthShown().addMonths(heading));
            click(firstDay.center() - QPoint(0, firstDay.height() * 2));
        }
        auto *months = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QVERIFY(months);
        QCOMPARE(months->actions().at(2 + 2)->text(), QStringLiteral("March"));
        // March of the heading's year, in the heading's place.
        months->actions().at(2 + 2)->trigger();
        QTEST(calendar->firstMonthShown(), "firstMonth");
        QCOMPARE(picks->count(), 0);
    }

    void wheelTurnsAddUp_data()
    {
        QTest::addColumn<int>("events");
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<QPoint>("pixels"); // in quarters of a row of days
        QTest::addColumn<bool>("overTheYear");
        QTest::addColumn<int>("monthsForward");
        QTest::newRow("touchpad down") << 48 << QPoint(0, -15) << QPoint() << false << 6;
        QTest::newRow("touchpad up") << 9 << QPoint(0, 15) << QPoint() << false << -1;
        QTest::newRow("sideways") << 16 << QPoint(-15, 0) << QPoint() << false << 2;
        QTest::newRow("pixels only") << 3 << QPoint() << QPoint(0, -3) << false << 2;
        QTest::newRow("down over the year") << 2 << QPoint(0, -120) << QPoint() << true << 2;
    }

    void wheelTurnsAddUp()
    {
        QFETCH(int, events);
        QFETCH(QPoint, angle);
        QFETCH(QPoint, pixels);
        QFETCH(bool, overTheYear);
        QWidget *target = overTheYear ? static_cast<QWidget *>(calendar->findChild<QSpinBox *>())
                                      : calendar;
        const int rowHeight = calendar->dayRect(today).height();
        for (int i = 0; i < events; ++i)
            turnWheel(target, angle, pixels * rowHeight / 4);
        QFETCH(int, monthsForward);
        QCOMPARE(calendar->firstMonthShown(), QDate(2026, 12, 1).addMonths(monthsForward));
    }

    void keysMoveTheSelectionAndReturnPicksIt_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QDate>("firstMonth");
        QTest::addColumn<int>("picked");
        const auto row = [](const char *name, QDate from, QKeyCombination keys, QDate to,
                            QDate firstMonth, int picked = 0) {
            QTest::newRow(name) << from << keys << to << firstMonth << picked;
        };
        const auto control = Qt::ControlModifier;
        row("right into a new year", {2026, 12, 31}, Qt::Key_Right, {2027, 1, 1}, {2026, 12, 1});
        row("right off the page", {2027, 11, 30}, Qt::Key_Right, {2027, 12, 1}, {2027, 1, 1});
        row("left off the page", {2026, 12, 1}, Qt::Key_Left, {2026, 11, 30}, {2026, 11, 1});
        row("down off the page", {2027, 11, 28}, Qt::Key_Down, {2027, 12, 5}, {2027, 1, 1});
        row("up", {2027, 3, 3}, Qt::Key_Up, {2027, 2, 24}, {2026, 12, 1});
        row("page up", {2027, 3, 31}, Qt::Key_PageUp, {2027, 2, 28}, {2026, 12, 1});
        row("control page down", {2027, 5, 9}, control | Qt::Key_PageDown, {2028, 5, 9},
            {2027, 6, 1});
        row("control page up", {2028, 2, 29}, control | Qt::Key_PageUp, {2027, 2, 28},
            {2027, 2, 1});
        row("home", {2027, 5, 9}, Qt::Key_Home, {2027, 5, 1}, {2026, 12, 1});
        row("end", {2027, 2, 9}, Qt::Key_End, {2027, 2, 28}, {2026, 12, 1});
        row("left at the first day", {1753, 1, 1}, Qt::Key_Left, {1753, 1, 1}, {1753, 1, 1});
        row("down at the last week", {9999, 12, 30}, Qt::Key_Down, {9999, 12, 31}, {9999, 1, 1});
        row("return", {2027, 1, 9}, Qt::Key_Return, {2027, 1, 9}, {2026, 12, 1}, 1);
        row("keypad enter", {2027, 1, 9}, Qt::Key_Enter, {2027, 1, 9}, {2026, 12, 1}, 1);
    }

    void keysMoveTheSelectionAndReturnPicksIt()
    {
        QFETCH(QDate, from);
        QFETCH(QKeyCombination, keys);
        calendar->setValue(from);
        press(keys.key(), keys.keyboardModifiers());
        QTEST(calendar->value(), "to");
        QTEST(calendar->firstMonthShown(), "firstMonth");
        QTEST(int(picks->count()), "picked");
    }

    void returnBringsThePickedDayIntoView()
    {
        QTest::mouseClick(titleButton(calendar, "Next month"), Qt::LeftButton);
        QVERIFY(calendar->dayRect(today).isNull());
        press(Qt::Key_Return);
        QCOMPARE(picks->count(), 1);
        QVERIFY(!calendar->dayRect(today).isNull());
    }

    // Screen readers find a list whose item is the selected day, named in full, following the
    // selection and holding the focus while the calendar does.
    void screenReadersFindTheSelectedDay()
    {
        QAccessibleInterface *list = QAccessible::queryAccessibleInterface(calendar);
        QAccessibleInterface *day = list->child(0);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(day->role(), QAccessible::ListItem);
        QCOMPARE(day->text(QAccessible::Name), QStringLiteral("Saturday, 5 December 2026"));
        calendar->clearFocus();
        QVERIFY(!day->state().focused && list->focusChild() != day);
        calendar->setFocus();
        press(Qt::Key_Right);
        QCOMPARE(day->text(QAccessible::Name), QStringLiteral("Sunday, 6 December 2026"));
        QVERIFY(day->state().focused && list->focusChild() == day);
    }

    // Today's outline stays on the selection, and a focus ring shows only while focused.
    void theSelectedDayShowsTodayAndTheFocus()
    {
        const QRect cell = calendar->dayRect(today);
        const QColor text = calendar->palette().color(QPalette::HighlightedText);
        const auto ring = [&](int inset) {
            return pixels(QRect(cell.left() + inset, cell.top() + 3, 1, cell.height() - 6),
                          [&](QColor pixel) { return pixel == text; });
        };
        calendar->clearFocus();
        QVERIFY(ring(1) > 0);
        QCOMPARE(ring(3), 0);
        calendar->setFocus();
        QVERIFY(ring(3) > 0);
    }

    // From the anchor to the day pointed at, or moved to with the keys; the answer's span when
    // the pointer leaves. The summary can be copied from the keyboard.
    void theSpanFollowsThePointerAndTheKeys()
    {
        const QDate first(2026, 12, 19);
        calendar->setSpan({first, true, QDate(2026, 12, 1), QDate(2026, 12, 3)});
        QVERIFY(calendar->spanSummaryText().startsWith("01/12/2026 to 03/12/2026"));
        QTest::mouseMove(calendar, calendar->dayRect(QDate(2027, 1, 6)).center());
        QVERIFY(calendar->spanSummaryText().startsWith("19/12/2026 to 06/01/2027: 18 days"));
        QCOMPARE(pixels(calendar->dayRect(QDate(2026, 12, 24)),
                        [this](QColor pixel) {
                            return pixel == calendar->palette().color(QPalette::Base);
                        }),
                 0);
        calendar->setFocus();
        press(Qt::Key_Left);
        QVERIFY(calendar->spanSummaryText().startsWith("19/12/2026 to 04/12/2026: -15 days"));
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), calendar->spanSummaryText());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(calendar, &leave);
        QVERIFY(calendar->spanSummaryText().startsWith("01/12/2026 to 03/12/2026"));
    }

    void todaysOutlineMovesOnWithTheClock()
    {
        QDate clock = today.addDays(-1);
        MonthCalendar watched([&clock] { return clock; });
        watched.resize(842, 515);
        clock = today; // midnight passed while it was hidden
        watched.show();
        QCOMPARE(watched.todayShown(), today);
        QVERIFY(QTest::qWaitForWindowActive(&watched));
        clock = today.addDays(1); // a suspend outlasted midnight, then the window came back
        QEvent activation(QEvent::ActivationChange);
        QApplication::sendEvent(&watched, &activation);
        QCOMPARE(watched.todayShown(), clock);

        auto *midnight = watched.findChild<QTimer *>();
        QVERIFY(midnight->isActive() && midnight->remainingTime() <= 24 * 3600 * 1000 + 1000);
        clock = today.addDays(2); // midnight while shown
        QVERIFY(QMetaObject::invokeMethod(midnight, "timeout"));
        QCOMPARE(watched.todayShown(), clock);
    }

    // The weekend's red is kept where it reads and lightened where it would not.
    void ownColoursReadOnLightAndDarkBackgrounds()
    {
        const QColor weekend(200, 0, 0);
        QCOMPARE(readableOn(weekend, Qt::white), weekend);
        for (const QColor background : {QColor(0x24, 0x24, 0x24), QColor(Qt::black)})
            QVERIFY(contrastRatio(readableOn(weekend, background), background) >= 4.5);
    }
};

QTEST_MAIN(MonthCalendarTest)
#include "tst_monthcalendar.moc"
