#include "CalendarTexts.h"
#include "MonthCalendar.h"
#include "ReadableColour.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWheelEvent>

#include <memory>

class MonthCalendarTest : public QObject
{
    Q_OBJECT

    const QDate today {2026, 12, 5};
    std::unique_ptr<QWidget> window;
    MonthCalendar *calendar = nullptr;
    std::unique_ptr<QSignalSpy> picks;

    void click(QDate date)
    {
        QTest::mouseClick(calendar, Qt::LeftButton, {}, calendar->dayRect(date).center());
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(calendar, key, modifiers);
    }
    void turnWheel(int degrees)
    {
        const QPointF centre = calendar->rect().center();
        QWheelEvent wheel(centre, calendar->mapToGlobal(centre), QPoint(), QPoint(0, degrees * 8),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(calendar, &wheel);
    }
    QMenu *openMenu() const
    {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            qFatal("no menu open");
        return menu;
    }
    QToolButton *titleButton(const QString &accessibleName) const
    {
        for (auto *button : calendar->findChildren<QToolButton *>()) {
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

    void startsOnTodayWithTwelveMonthsAhead()
    {
        QCOMPARE(calendar->value(), today);
        QCOMPARE(calendar->firstMonthShown(), QDate(2026, 12, 1));
        QVERIFY(!calendar->dayRect(QDate(2027, 11, 30)).isNull());
        QVERIFY(calendar->dayRect(QDate(2027, 12, 1)).isNull());
        QVERIFY(calendar->dayRect(QDate(2026, 11, 30)).isNull());
    }

    void clickingAnyMonthPicksThatDay_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::newRow("first month") << QDate(2026, 12, 1);
        QTest::newRow("middle month") << QDate(2027, 6, 15);
        QTest::newRow("last month") << QDate(2027, 11, 30);
        QTest::newRow("selected day") << today;
    }

    void clickingAnyMonthPicksThatDay()
    {
        QFETCH(QDate, date);
        click(date);
        QCOMPARE(picks->count(), 1);
        QCOMPARE(calendar->value(), date);
        QCOMPARE(calendar->firstMonthShown(), QDate(2026, 12, 1));
    }

    void clicksBesideTheDaysPickNothing()
    {
        const QRect firstDay = calendar->dayRect(QDate(2026, 12, 1));
        QTest::mouseClick(calendar, Qt::LeftButton, {},
                          firstDay.center() - QPoint(firstDay.width(), 0));
        QTest::mouseClick(calendar, Qt::LeftButton, {},
                          firstDay.center() - QPoint(0, 2 * firstDay.height()));
        QTest::mouseClick(calendar, Qt::RightButton, {},
                          calendar->dayRect(QDate(2026, 12, 9)).center());
        QCOMPARE(picks->count(), 0);
        QCOMPARE(calendar->value(), today);
    }

    void everyDayOnThePageIsFoundWhereItIsDrawn()
    {
        for (QDate day(2026, 12, 1); day < QDate(2027, 12, 1); day = day.addDays(1)) {
            const QRect cell = calendar->dayRect(day);
            QVERIFY(cell.width() > calendar->fontMetrics().horizontalAdvance(QStringLiteral("31")));
            QVERIFY(cell.height() >= calendar->fontMetrics().height());
            for (QPoint corner : {cell.topLeft(), cell.bottomRight()}) {
                QTest::mouseClick(calendar, Qt::LeftButton, {}, corner);
                QCOMPARE(calendar->value(), day);
            }
        }
    }

    void weeksStartOnTheRegionsFirstDay()
    {
        // 6 December 2026 is a Sunday: the last column in Britain, the first in the United States.
        const QDate sunday(2026, 12, 6);
        const QDate monday(2026, 12, 7);
        QVERIFY(calendar->dayRect(sunday).x() > calendar->dayRect(monday).x());
        calendar->setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY(calendar->dayRect(sunday).x() < calendar->dayRect(monday).x());
        QCOMPARE(calendar->dayRect(sunday).y(), calendar->dayRect(monday).y());
    }

    void exactlyTheSelectedDayIsDrawnSelected()
    {
        click(QDate(2027, 3, 17));
        const QImage image = calendar->grab().toImage();
        const QColor highlight = calendar->palette().color(QPalette::Active, QPalette::Highlight);
        const QColor highlightInactive
                = calendar->palette().color(QPalette::Inactive, QPalette::Highlight);
        int selected = 0;
        for (QDate day(2026, 12, 1); day < QDate(2027, 12, 1); day = day.addDays(1)) {
            const QColor pixel = image.pixelColor(calendar->dayRect(day).topLeft() + QPoint(2, 2));
            if (pixel == highlight || pixel == highlightInactive) {
                QCOMPARE(day, QDate(2027, 3, 17));
                ++selected;
            }
        }
        QCOMPARE(selected, 1);
    }

    void settingTheDateTurnsThePageAsLittleAsNeeded_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QDate>("firstMonth");
        QTest::newRow("on the page") << QDate(2027, 8, 31) << QDate(2026, 12, 1);
        QTest::newRow("a month later") << QDate(2027, 12, 24) << QDate(2027, 1, 1);
        QTest::newRow("years later") << QDate(2040, 2, 29) << QDate(2039, 3, 1);
        QTest::newRow("a month earlier") << QDate(2026, 11, 30) << QDate(2026, 11, 1);
        QTest::newRow("first day") << QDate(1753, 1, 1) << QDate(1753, 1, 1);
        QTest::newRow("last day") << QDate(9999, 12, 31) << QDate(9999, 1, 1);
    }

    void settingTheDateTurnsThePageAsLittleAsNeeded()
    {
        QFETCH(QDate, date);
        QVERIFY(calendar->setValue(date));
        QCOMPARE(calendar->value(), date);
        QTEST(calendar->firstMonthShown(), "firstMonth");
        QCOMPARE(picks->count(), 0);
    }

    void datesOutsideTheRangeAreRefused()
    {
        QVERIFY(!calendar->setValue(QDate(1752, 12, 31)));
        QVERIFY(!calendar->setValue(QDate(10000, 1, 1)));
        QVERIFY(!calendar->setValue(QDate()));
        QCOMPARE(calendar->value(), today);
        QCOMPARE(calendar->firstMonthShown(), QDate(2026, 12, 1));
    }

    void pagingStopsAtBothEndsOfTheRange()
    {
        QToolButton *previous = titleButton("Previous month");
        QToolButton *next = titleButton("Next month");
        calendar->setValue(QDate(1753, 1, 15));
        QVERIFY(!previous->isEnabled());
        QTest::mouseClick(previous, Qt::LeftButton);
        turnWheel(15);
        QCOMPARE(calendar->firstMonthShown(), QDate(1753, 1, 1));

        calendar->setValue(QDate(9999, 12, 1));
        QVERIFY(!next->isEnabled());
        QVERIFY(previous->isEnabled());
        QTest::mouseClick(next, Qt::LeftButton);
        turnWheel(-15);
        QCOMPARE(calendar->firstMonthShown(), QDate(9999, 1, 1));
        QTest::mouseClick(previous, Qt::LeftButton);
        QCOMPARE(calendar->firstMonthShown(), QDate(9998, 12, 1));
        QCOMPARE(picks->count(), 0);
    }

    void theTitleMovesQuicklyToAnotherMonthOrYear()
    {
        auto *year = calendar->findChild<QSpinBox *>();
        year->setFocus();
        year->selectAll();
        QTest::keyClicks(year, "1999");
        QCOMPARE(calendar->firstMonthShown(), QDate(1999, 12, 1));

        QTest::mouseClick(titleButton("December, first month shown"), Qt::LeftButton);
        QMenu *months = openMenu();
        QCOMPARE(months->actions().at(2 + 2)->text(), QStringLiteral("March"));
        months->actions().at(2 + 2)->trigger();
        QCOMPARE(calendar->firstMonthShown(), QDate(1999, 3, 1));
        QCOMPARE(calendar->value(), today);
        QCOMPARE(picks->count(), 0);
    }

    // Return, Enter and Escape end the year's editing; none of them picks a day.
    void keysInTheYearBoxNeverPick_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("firstYear");
        QTest::newRow("return") << int(Qt::Key_Return) << 2030;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << 2030;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 2030;
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
        QCOMPARE(calendar->value(), today);
    }

    void theMonthMenuOpensFromTheKeyboardAndFromEveryHeading_data()
    {
        QTest::addColumn<int>("heading"); // -1: Alt+M on the days
        QTest::addColumn<QDate>("firstMonth");
        QTest::newRow("alt+m") << -1 << QDate(2026, 3, 1);
        QTest::newRow("first heading") << 0 << QDate(2026, 3, 1);
        QTest::newRow("sixth heading") << 5 << QDate(2026, 10, 1);
    }

    void theMonthMenuOpensFromTheKeyboardAndFromEveryHeading()
    {
        QFETCH(int, heading);
        if (heading < 0) {
            calendar->setFocus();
            press(Qt::Key_M, Qt::AltModifier);
        } else {
            const QDate month = calendar->firstMonthShown().addMonths(heading);
            const QRect firstDay = calendar->dayRect(month);
            // The heading sits two rows above the first week.
            QTest::mouseClick(calendar, Qt::LeftButton, {},
                              QPoint(calendar->dayRect(month.addDays(3)).center().x(),
                                     firstDay.top() - firstDay.height() * 3 / 2));
        }
        QMenu *months = openMenu();
        // March of the heading's year, in the heading's place.
        months->actions().at(2 + 2)->trigger();
        QTEST(calendar->firstMonthShown(), "firstMonth");
        QCOMPARE(picks->count(), 0);
    }

    void returnBringsThePickedDayIntoView()
    {
        QTest::mouseClick(titleButton("Next month"), Qt::LeftButton);
        QTest::mouseClick(titleButton("Next month"), Qt::LeftButton);
        QVERIFY(calendar->dayRect(today).isNull());
        calendar->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(picks->count(), 1);
        QCOMPARE(calendar->value(), today);
        QVERIFY(!calendar->dayRect(today).isNull());
    }

    void wheelTurnsAddUp_data()
    {
        QTest::addColumn<int>("events");
        QTest::addColumn<QPoint>("angle");
        QTest::addColumn<QPoint>("pixels");
        QTest::addColumn<bool>("overTheYear");
        QTest::addColumn<int>("monthsForward");
        QTest::newRow("notch down") << 1 << QPoint(0, -120) << QPoint() << false << 1;
        QTest::newRow("touchpad down") << 48 << QPoint(0, -15) << QPoint() << false << 6;
        QTest::newRow("touchpad up") << 9 << QPoint(0, 15) << QPoint() << false << -1;
        QTest::newRow("sideways") << 16 << QPoint(-15, 0) << QPoint() << false << 2;
        // A row of days in pixels counts as a notch.
        QTest::newRow("pixels only") << 8 << QPoint() << QPoint(0, -1) << false << 2;
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
        const QPointF centre = target->rect().center();
        pixels *= calendar->dayRect(today).height() / 4;
        for (int i = 0; i < events; ++i) {
            QWheelEvent wheel(centre, target->mapToGlobal(centre), pixels, angle, Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(target, &wheel);
        }
        QFETCH(int, monthsForward);
        QCOMPARE(calendar->firstMonthShown(), QDate(2026, 12, 1).addMonths(monthsForward));
    }

    void keysMoveTheSelectionAcrossMonthsAndYears_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("control");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QDate>("firstMonth");
        QTest::newRow("right into a new year") << QDate(2026, 12, 31) << int(Qt::Key_Right) << false
                                               << QDate(2027, 1, 1) << QDate(2026, 12, 1);
        QTest::newRow("left off the page") << QDate(2026, 12, 1) << int(Qt::Key_Left) << false
                                           << QDate(2026, 11, 30) << QDate(2026, 11, 1);
        QTest::newRow("down off the page") << QDate(2027, 11, 28) << int(Qt::Key_Down) << false
                                           << QDate(2027, 12, 5) << QDate(2027, 1, 1);
        QTest::newRow("up") << QDate(2027, 3, 3) << int(Qt::Key_Up) << false << QDate(2027, 2, 24)
                            << QDate(2026, 12, 1);
        QTest::newRow("page up") << QDate(2027, 3, 31) << int(Qt::Key_PageUp) << false
                                 << QDate(2027, 2, 28) << QDate(2026, 12, 1);
        QTest::newRow("page down") << QDate(2027, 1, 31) << int(Qt::Key_PageDown) << false
                                   << QDate(2027, 2, 28) << QDate(2026, 12, 1);
        QTest::newRow("control page down") << QDate(2027, 5, 9) << int(Qt::Key_PageDown) << true
                                           << QDate(2028, 5, 9) << QDate(2027, 6, 1);
        QTest::newRow("control page up") << QDate(2028, 2, 29) << int(Qt::Key_PageUp) << true
                                         << QDate(2027, 2, 28) << QDate(2027, 2, 1);
        QTest::newRow("home") << QDate(2027, 5, 9) << int(Qt::Key_Home) << false
                              << QDate(2027, 5, 1) << QDate(2026, 12, 1);
        QTest::newRow("end") << QDate(2027, 2, 9) << int(Qt::Key_End) << false << QDate(2027, 2, 28)
                             << QDate(2026, 12, 1);
        QTest::newRow("left at the first day") << QDate(1753, 1, 1) << int(Qt::Key_Left) << false
                                               << QDate(1753, 1, 1) << QDate(1753, 1, 1);
        QTest::newRow("down at the last week") << QDate(9999, 12, 30) << int(Qt::Key_Down) << false
                                               << QDate(9999, 12, 31) << QDate(9999, 1, 1);
    }

    void keysMoveTheSelectionAcrossMonthsAndYears()
    {
        QFETCH(QDate, from);
        QFETCH(int, key);
        QFETCH(bool, control);
        calendar->setValue(from);
        press(Qt::Key(key), control ? Qt::ControlModifier : Qt::NoModifier);
        QTEST(calendar->value(), "to");
        QTEST(calendar->firstMonthShown(), "firstMonth");
        QCOMPARE(picks->count(), 0);
    }

    void returnAndEnterPickTheSelectedDay()
    {
        press(Qt::Key_Right);
        press(Qt::Key_Return);
        press(Qt::Key_Enter);
        QCOMPARE(picks->count(), 2);
        QCOMPARE(calendar->value(), today.addDays(1));
    }

    void focusIsShownOnTheSelectedDayOnlyWhileFocused()
    {
        const QRect cell = calendar->dayRect(today.addDays(3));
        calendar->setValue(today.addDays(3));
        // The ring runs down the cell's left side, clear of the day's number.
        const auto ringPixels = [&] {
            const QImage image = calendar->grab().toImage();
            const QColor ring
                    = calendar->palette().color(QPalette::Active, QPalette::HighlightedText);
            int count = 0;
            for (int y = cell.top() + 3; y < cell.bottom() - 3; ++y)
                count += image.pixelColor(cell.left() + 3, y) == ring;
            return count;
        };
        calendar->clearFocus();
        QCOMPARE(ringPixels(), 0);
        calendar->setFocus();
        QVERIFY(ringPixels() > 0);
    }

    void todaysOutlineStaysVisibleWhenSelected()
    {
        const QRect cell = calendar->dayRect(today);
        const QImage image = calendar->grab().toImage();
        QCOMPARE(calendar->value(), today);
        QCOMPARE(image.pixelColor(cell.topLeft() + QPoint(1, cell.height() / 2)),
                 calendar->palette().color(QPalette::Inactive, QPalette::HighlightedText));
    }

    void todaysOutlineMovesOnWithTheClock()
    {
        QDate clock = today;
        MonthCalendar watched([&clock] { return clock; });
        watched.resize(842, 515);
        watched.show();
        QVERIFY(QTest::qWaitForWindowExposed(&watched));
        QTRY_COMPARE(watched.todayShown(), today);
        auto *midnight = watched.findChild<QTimer *>();
        QVERIFY(midnight->isActive());
        QVERIFY(midnight->remainingTime() <= 24 * 3600 * 1000 + 1000);

        clock = today.addDays(1); // midnight passed
        QVERIFY(QMetaObject::invokeMethod(midnight, "timeout"));
        QTRY_COMPARE(watched.todayShown(), clock);

        clock = today.addDays(2); // a suspend outlasted midnight
        watched.hide();
        watched.show();
        QTRY_COMPARE(watched.todayShown(), clock);
    }

    void theLayoutIsLeftToRightInEveryDirection()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const auto restore
                = qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        MonthCalendar mirrored([this] { return today; });
        mirrored.resize(842, 515);
        QVERIFY(mirrored.findChild<QWidget *>()->layout());
        mirrored.findChild<QWidget *>()->layout()->activate();
        const QToolButton *previous = nullptr;
        const QToolButton *next = nullptr;
        for (auto *button : mirrored.findChildren<QToolButton *>()) {
            if (button->accessibleName() == "Previous month")
                previous = button;
            if (button->accessibleName() == "Next month")
                next = button;
        }
        QVERIFY(previous->x() < next->x());
        QVERIFY(mirrored.dayRect(today).x() < mirrored.dayRect(today.addDays(1)).x());
    }

    // Every number the calendar writes in the region's own digits, as the results write dates.
    void numbersUseTheRegionsDigits()
    {
        calendar->setLocale(QLocale(QLocale::Arabic, QLocale::Egypt));
        auto *year = calendar->findChild<QSpinBox *>();
        QCOMPARE(year->text(), QStringLiteral("\u0662\u0660\u0662\u0666"));
        const auto *lastMonth = calendar->findChild<QLabel *>();
        QVERIFY2(lastMonth->text().endsWith(QStringLiteral(" \u0662\u0660\u0662\u0667")),
                 qPrintable(lastMonth->text()));
        CalendarTexts texts(calendar->locale());
        QCOMPARE(texts.number(31), QStringLiteral("\u0663\u0661"));
        QCOMPARE(texts.monthTitle(QDate(1999, 1, 1)).right(4),
                 QStringLiteral("\u0661\u0669\u0669\u0669"));
    }

    void weekdayNamesFitTheirColumnsAndSitOverTheirDays_data()
    {
        QTest::addColumn<QLocale>("locale");
        for (const char *name : {"en_GB", "en_US", "ar_EG", "fa_IR", "he_IL", "ja_JP", "de_DE"})
            QTest::newRow(name) << QLocale(QString::fromLatin1(name));
    }

    void weekdayNamesFitTheirColumnsAndSitOverTheirDays()
    {
        QFETCH(QLocale, locale);
        calendar->setLocale(locale);
        calendar->grab(); // the names are chosen when first painted
        const QFontMetricsF metrics(calendar->font());
        for (int column = 0; column < 7; ++column) {
            const QRect header = calendar->weekdayRect(column);
            QVERIFY2(metrics.horizontalAdvance(calendar->weekdayName(column)) <= header.width(),
                     qPrintable(calendar->weekdayName(column)));
            // The first month's days below the header share its column and weekday.
            for (QDate day = calendar->firstMonthShown(); day.day() <= 7; day = day.addDays(1)) {
                if (calendar->dayRect(day).center().x() < header.left()
                    || calendar->dayRect(day).center().x() > header.right())
                    continue;
                const QStringList forms = {locale.dayName(day.dayOfWeek(), QLocale::LongFormat),
                                           locale.dayName(day.dayOfWeek(), QLocale::ShortFormat),
                                           locale.dayName(day.dayOfWeek(), QLocale::NarrowFormat)};
                QVERIFY2(forms.contains(calendar->weekdayName(column)),
                         qPrintable(calendar->weekdayName(column)));
            }
        }
    }

    void ownColoursReadOnLightAndDarkBackgrounds_data()
    {
        QTest::addColumn<QColor>("wanted");
        QTest::addColumn<QColor>("background");
        QTest::newRow("weekend on white") << QColor(200, 0, 0) << QColor(Qt::white);
        QTest::newRow("weekend on dark grey") << QColor(200, 0, 0) << QColor(0x24, 0x24, 0x24);
        QTest::newRow("weekend on black") << QColor(200, 0, 0) << QColor(Qt::black);
        QTest::newRow("grey on mid grey") << QColor(128, 128, 128) << QColor(110, 110, 110);
    }

    void ownColoursReadOnLightAndDarkBackgrounds()
    {
        QFETCH(QColor, wanted);
        QFETCH(QColor, background);
        const QColor readable = readableOn(wanted, background);
        QVERIFY2(contrastRatio(readable, background) >= 4.5, qPrintable(readable.name()));
        if (contrastRatio(wanted, background) >= 4.5)
            QCOMPARE(readable, wanted);
    }

    void aScreenReaderHearsTheSelectedDate()
    {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(calendar);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Calendar"));
        QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("Saturday, 5 December 2026"));
        press(Qt::Key_Right);
        QCOMPARE(accessible->text(QAccessible::Value), QStringLiteral("Sunday, 6 December 2026"));
    }
};

QTEST_MAIN(MonthCalendarTest)
#include "tst_monthcalendar.moc"
