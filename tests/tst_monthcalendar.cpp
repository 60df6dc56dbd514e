#include "MonthCalendar.h"

#include <QAccessible>
#include <QMenu>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
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

        QMenu *months = titleButton("First month shown")->menu();
        emit months->aboutToShow();
        QCOMPARE(months->actions().size(), 12);
        QCOMPARE(months->actions().at(2)->text(), QStringLiteral("March"));
        months->actions().at(2)->trigger();
        QCOMPARE(calendar->firstMonthShown(), QDate(1999, 3, 1));
        QCOMPARE(calendar->value(), today);
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
