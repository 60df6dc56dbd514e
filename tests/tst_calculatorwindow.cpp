// SPDX-FileCopyrightText: 2026 The Daywright developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CalculatorWindow.h"
#include "DayContext.h"
#include "FixedTexts.h"
#include "MonthPage.h"
#include "ReadableColour.h"
#include "Settings.h"
#include "SharedAnswers.h"
#include "WorkingWeek.h"
#include "WorkingWeekMenu.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QKeyEvent>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include <memory>

const QDate today(2026, 12, 5);

using namespace Qt::StringLiterals;

class CalculatorWindowTest : public QObject
{
    Q_OBJECT

    const QTemporaryDir data;
    const HolidayStore holidays {data.filePath("holidays")};
    std::unique_ptr<DayContext> context;
    std::unique_ptr<CalculatorWindow> window;

    void open(const QLocale &locale = QLocale(),
              CalendarSystem calendar = CalendarSystem::Gregorian)
    {
        window.reset();
        context = std::make_unique<DayContext>([] { return today; }, RegionalSettings::of(locale));
        context->setCalendarSystem(calendar);
        window = std::make_unique<CalculatorWindow>(*context, holidays);
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
        QVERIFY(label->heightForWidth(label->width()) > 2 * label->fontMetrics().height());
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
    // The window's own texts, its calendar's menus among them; not the user's, names or numbers.
    QStringList visibleTexts() const
    {
        QStringList texts = {window->windowTitle()};
        for (const char *name : {"instructionHeading", "calculationTypeHeading", "resultsHeading",
                                 "instructionLabel", "quitButton", "calculateButton"}) {
            texts << control(name)->property("text").toString() << control(name)->toolTip();
        }
        const auto *types = control<QComboBox>("calculationTypeBox");
        texts << types->itemText(0) << types->itemText(1) << types->toolTip()
              << control("dayCountBox")->toolTip() << results() << calendar()->toolTip();
        QList<QAction *> actions = calendar()->actions();
        while (!actions.isEmpty()) {
            const QAction *action = actions.takeFirst();
            texts << action->text();
            if (action->menu())
                actions << action->menu()->actions();
        }
        // The working week's days are the region's names.
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
            texts.removeAll(QLocale().dayName(day));
        texts.removeIf([](const QString &text) {
            return std::none_of(text.begin(), text.end(), [](QChar c) { return c.isLetter(); });
        });
        return texts;
    }
    // Files kept as an import keeps them, then the window shown.
    void storeAndOpen(const QList<std::pair<QString, QByteArray>> &files)
    {
        QDir().mkpath(data.filePath("holidays"));
        for (const auto &[name, text] : files) {
            QFile file(data.filePath(QStringLiteral("holidays/%1.ics").arg(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) > 0);
        }
        open();
        showWindow();
    }
    void openWithFont(int pixelSize)
    {
        const QFont defaultFont = QApplication::font();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(std::max(pixelSize, 1));
        QApplication::setFont(pixelSize > 0 ? font : defaultFont);
        open();
        QApplication::setFont(defaultFont);
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        QStandardPaths::setTestModeEnabled(true); // folders of the tests' own
    }
    void init()
    {
        QDir(data.filePath("holidays")).removeRecursively(); // each test stores its own
        open();
    }

    // The design's own wording, verbatim, misspellings included.
    void theDesignsTextsStandAsWritten_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("designed");
        open();
        const auto row = [](const char *name, const QString &shown, const char *designed) {
            QTest::newRow(name) << shown << QString::fromLatin1(designed);
        };
        using Property = std::array<const char *, 3>; // control, property, designed text
        for (const auto &[name, property, designed] : std::initializer_list<Property> {
                     {"instructionHeading", "text", "Instruction window"},
                     {"calculationTypeHeading", "text", "Select type of date calculation"},
                     {"resultsHeading", "text", "Results window"},
                     {"quitButton", "text", "Quit"},
                     {"calculateButton", "text", "Calculate Date"},
                     {"dayCountBox", "text", "0"},
                     {"instructionLabel", "toolTip", "This window displays instructions only"},
                     {"calculationTypeBox", "toolTip", "Select calculation type"},
                     {"resultsBox", "toolTip",
                      "Select the results and copy them to the clip board if desired (press CTRL "
                      "and C)"},
                     {"calendar", "toolTip",
                      "Click on a month or a year to move quickly to a date not currently in the "
                      "display"},
                     {"dayCountBox", "toolTip", "Enter an interval in days"},
                     {"calculateButton", "toolTip",
                      "Click to work out the date from the number on the right"},
                     {"quitButton", "toolTip", ""}})
            QTest::addRow("%s %s", name, property) << control(name)->property(property).toString()
                                                   << QString::fromLatin1(designed);
        const auto *types = control<QComboBox>("calculationTypeBox");
        row("caption", window->windowTitle(), "Daywright and days calulator v" DAYWRIGHT_VERSION);
        row("first type", types->itemText(0), "Days from now");
        row("second type", types->itemText(1), "Days between 2 dates");
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
        // Each edge scaled; the scale read back from the rounded width is off by half a pixel.
        const double scale = window->width() / 728.0;
        const QRectF actual
                = placed(),
                scaled(QRectF(designed).topLeft() * scale, QRectF(designed).bottomRight() * scale);
        for (double off : {actual.left() - scaled.left(), actual.top() - scaled.top(),
                           actual.right() - scaled.right(), actual.bottom() - scaled.bottom()})
            QVERIFY(qAbs(off) <= 1.5);
        verifyTextsFit();
    }

    // Each language's window: every text of the window translated, none clipped, and the window
    // mirrored for a language written from right to left, where Left moves on to the next day.
    void everyLanguageFitsAndReadsInItsDirection_data()
    {
        QTest::addColumn<QString>("language");
        for (const char *language :
             {"ar", "de", "es", "fa", "fr", "he", "it", "ja", "pl", "pt_BR", "ru", "tr", "zh_CN"})
            QTest::newRow(language) << QString::fromLatin1(language);
        // Built in with DAYWRIGHT_PSEUDO_TRANSLATION, as the test command's builds are.
        if (QFile::exists(QStringLiteral(":/translations/daywright_pseudo.qm")))
            QTest::newRow("pseudo") << QStringLiteral("pseudo");
    }
    void everyLanguageFitsAndReadsInItsDirection()
    {
        QFETCH(QString, language);
        open();
        const QStringList english = visibleTexts();
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/translations/daywright_") + language));
        QCoreApplication::installTranslator(&translator);
        const auto restore = qScopeGuard([&translator] {
            QCoreApplication::removeTranslator(&translator);
            QCoreApplication::processEvents();
        });
        QCoreApplication::processEvents();
        open();
        showWindow();
        verifyTextsFit();
        const QStringList translated = visibleTexts();
        for (qsizetype i = 0; i < english.size(); ++i)
            QVERIFY2(translated.at(i) != english.at(i), qPrintable(english.at(i)));

        const bool rightToLeft = QLocale(language).textDirection() == Qt::RightToLeft;
        QCOMPARE(window->isRightToLeft(), rightToLeft);
        const auto x = [this](const char *name) {
            return control(name)->mapTo(window.get(), QPoint()).x();
        };
        QCOMPARE(x("previousMonth") > x("nextMonth"), rightToLeft);
        // The previous page's arrow points to the side the months come from.
        QCOMPARE(control("previousMonth")->property("text").toString(),
                 rightToLeft ? u"\u25B6" : u"\u25C0");
        QCOMPARE(x("resultsBox") < x("instructionLabel"), rightToLeft);
        // The week of Monday 7 December 2026, from the region's first day.
        const QDate first = QDate(2026, 12, 7).addDays(QLocale().firstDayOfWeek() - 1);
        QCOMPARE(monthPage()->dayRect(first).x() > monthPage()->dayRect(first.addDays(6)).x(),
                 rightToLeft);
        QTest::keyClick(monthPage(), Qt::Key_Left);
        QCOMPARE(monthPage()->selectedDate(), today.addDays(rightToLeft ? 1 : -1));
    }

    // On any screen, at any font, every control and text is on it and whole where the screen can
    // hold them: a narrow screen folds the upper band in two and shows fewer months across, a
    // short one fewer rows; the title bar and the left edge always stay on the screen.
    void theWindowFitsTheScreen_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<int>("fontPixels"); // 0: the default font
        QTest::newRow("1920x1080") << QRect(0, 0, 1920, 1040) << 0;
        QTest::newRow("1920x1080 at 2x") << QRect(0, 0, 960, 520) << 0;
        QTest::newRow("1280x1024 at 2x") << QRect(0, 0, 640, 492) << 0;
        QTest::newRow("1024x768 at 1.25x") << QRect(0, 0, 819, 590) << 0;
        QTest::newRow("1024x768 at 1.5x") << QRect(0, 0, 683, 488) << 0;
        QTest::newRow("1366x768 at 144 dpi") << QRect(0, 0, 1366, 744) << 18;
        QTest::newRow("16-point font") << QRect(0, 0, 1366, 744) << 21;
        QTest::newRow("tiny") << QRect(40, 30, 300, 200) << 0;
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
        if (QString::fromLatin1(QTest::currentDataTag()) == "tiny")
            return;
        QVERIFY(placed.right() <= available.right());
        QVERIFY(placed.bottom() <= available.bottom() || months <= 4); // else one row only
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

    // The window manager's title bar and borders, 40 and 8 of the screen's own pixels at any
    // scale, are allowed for to the pixel: a screen just large enough for them holds the whole
    // window, one a pixel shorter drops a row of months, one a pixel narrower folds the window.
    void theFrameIsAllowedForToThePixel()
    {
        const QMap<double, QSize> frames {{1.0, {8, 40}}, {1.25, {7, 32}}, {2.0, {4, 20}}};
        QVERIFY(frames.contains(window->devicePixelRatioF()));
        const QSize whole = window->size(), frame = frames.value(window->devicePixelRatioF());
        for (const QSize smaller : {QSize(0, 0), QSize(0, 1), QSize(1, 0)}) {
            window->fitToScreen(QRect(QPoint(), whole + frame - smaller));
            QVERIFY((window->size() == whole) == smaller.isNull());
        }
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
        for (const char *name :
             {"instructionLabel", "calculationTypeBox", "calendar", "dayCountBox", "quitButton"}) {
            QTest::mouseMove(control(name));
            QCOMPARE(focusedControl(), name[0] == 'd' || name[0] == 'q' ? name : "resultsBox");
        }
        calculateButton()->setEnabled(false);
        QTest::mouseMove(calculateButton());
        QCOMPARE(focusedControl(), "quitButton");
        calculateButton()->setEnabled(true);
        QTest::mouseMove(calculateButton(), calculateButton()->rect().center() + QPoint(1, 1));
        QCOMPARE(focusedControl(), "calculateButton");
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
        QCOMPARE(control<QLabel>("instructionLabel")->palette().color(QPalette::Window),
                 QColor(255, 255, 255));
        QVERIFY(instructionContrast() >= 4.5);
        control<QLineEdit>("dayCountBox")->setText("14");
        QTest::keyClick(control("dayCountBox"), Qt::Key_Return);
        QTest::keyClick(control("dayCountBox"), Qt::Key_Escape);
        QVERIFY(window->isVisible() && calendar()->selectedDate() == today.addDays(40));
        // Results typed over with many lines grow no scroll bar.
        control<QPlainTextEdit>("resultsBox")->setPlainText(QString(20, u'\n'));
        QCoreApplication::processEvents(); // the box lays its text out when next idle
        QVERIFY(!control<QPlainTextEdit>("resultsBox")->verticalScrollBar()->isVisible());
    }

    // Pointing at a day previews the span a pick would count, from today; the pick's count, wider
    // than the day box, shows from its start.
    void pointingPreviewsTheSpan()
    {
        showWindow();
        QTest::mouseMove(monthPage(), monthPage()->dayRect(QDate(2026, 12, 19)).center());
        QCOMPARE(calendar()->findChild<QLabel *>("spanSummary")->text(),
                 "05/12/2026 to 19/12/2026: 14 days (2 weeks 0 days), 10 working days");
        clickDay(QDate(2027, 11, 30));
        QCOMPARE(control<QLineEdit>("dayCountBox")->text(), "360");
        QCOMPARE(control<QLineEdit>("dayCountBox")->cursorPosition(), 0);
    }

    // Keys only: a typed answer shows its span at once; once the window folds, cut at its end, and
    // whole in its tooltip, in the accessible name screen readers follow and in what Ctrl+C copies.
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
        window->fitToScreen(QRect(0, 0, 300, 1040));
        auto *summary = calendar()->findChild<QLabel *>("spanSummary");
        const QString shown = summary->text(),
                      whole = "05/12/2026 to 15/03/2027: 100 days (14 weeks 2 days; 3 months 10 "
                              "days), 71 working days";
        QCOMPARE(QAccessible::queryAccessibleInterface(summary)->text(QAccessible::Name), whole);
        QVERIFY(summary->fontMetrics().horizontalAdvance(shown) <= summary->contentsRect().width());
        QVERIFY2(shown.endsWith(u'…') && whole.startsWith(shown.chopped(1)), qPrintable(shown));
        QCOMPARE(summary->toolTip(), whole);
        QTest::keyClick(monthPage(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), whole);
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
        // Choosing the same type again from the list starts anew.
        clickDay(QDate(2026, 12, 15));
        chooseFromTheList(1);
        QCOMPARE(instruction(), FixedTexts::selectFirstDate());
        QVERIFY(!calculateButton()->isEnabled());
    }

    // With a stored holiday, picks are answered as the command line answers them; a stored
    // calendar that can no longer be read is named at start, and the window opens as ever.
    void storedHolidaysCountAsOnTheCommandLine()
    {
        storeAndOpen({{"england", christmasCalendar()}, {"broken", "BEGIN:VCALENDAR"}});
        auto *summary = calendar()->findChild<QLabel *>("spanSummary");
        // Read once the first frame is painted.
        QTRY_COMPARE(summary->text(),
                     "Holiday calendars skipped: broken: it is cut short: it does not "
                     "end with END:VCALENDAR");
        chooseFromTheList(1);
        for (const SharedAnswer &answer : sharedAnswers()) {
            clickDay(answer.first);
            clickDay(answer.second);
            QCOMPARE(results(), answer.results);
            QCOMPARE(summary->text(), answer.summary);
        }
    }

    // A stored calendar's names show as written: its holidays' in their day's tooltip, a line each,
    // its own ("&" no mnemonic) in the removal menu and in the question removing it asks first.
    // Return keeps the calendar; only Yes removes it, from the answers too.
    void aStoredCalendarsNamesShowAsWrittenAndRemovingAsks()
    {
        storeAndOpen({{"R&D", christmasCalendar("<b>Bold</b> & day")}, {"z", christmasCalendar()}});
        QTRY_VERIFY(!context->holidays().isEmpty()); // once the store is read
        const QPoint day = monthPage()->dayRect(QDate(2026, 12, 25)).center();
        QHelpEvent pointed(QEvent::ToolTip, day, monthPage()->mapToGlobal(day));
        QCoreApplication::sendEvent(monthPage(), &pointed);
        const QWidgetList shown = QApplication::topLevelWidgets();
        QWidget *tip = *std::ranges::find(shown, "qtooltip_label", &QObject::objectName);
        QCOMPARE(QAccessible::queryAccessibleInterface(tip)->text(QAccessible::Name),
                 "<b>Bold</b> & day\nChristmas Day");
        const QList<QAction *> actions = calendar()->actions();
        auto *menu
                = (*std::ranges::find(actions, "Remove holidays", &QAction::text))->menu<QMenu *>();
        for (const bool agree : {false, true}) {
            menu->popup(window->geometry().center());
            QCOMPARE(QAccessible::queryAccessibleInterface(menu)->child(0)->text(QAccessible::Name),
                     "R&D");
            QObject answering;
            QString asked;
            QTimer::singleShot(0, &answering, [&] {
                if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                    asked = box->text();
                    QTest::keyClick(box, agree ? Qt::Key_Y : Qt::Key_Return);
                }
            });
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(menu->actions().at(0)).center());
            QCOMPARE(asked, "Remove the holiday calendar “R&D”?");
            QCOMPARE(context->holidays().names(QDate(2026, 12, 25)).size(), agree ? 1 : 2);
        }
    }

    // "Days off in NAME…" lists the calendar's events as the region sorts them, each checked until
    // unchecked. Escape changes nothing; an event unchecked from the keyboard and kept with OK,
    // also for the window opened again, is neither counted nor named, nor is a day it alone makes.
    void uncheckedEventsAreNoHolidays()
    {
        QByteArray text = christmasCalendar();
        text.replace("END:VCALENDAR",
                     "BEGIN:VEVENT\r\nUID:2\r\nDTSTART;VALUE=DATE:20261224\r\n"
                     "DTEND;VALUE=DATE:20261227\r\nSUMMARY:Ángel break\r\n"
                     "END:VEVENT\r\nEND:VCALENDAR");
        storeAndOpen({{"R&D", text}});
        QTRY_VERIFY(!context->holidays().isEmpty());
        const QList<QAction *> menu = calendar()->actions();
        QAction *daysOff = *std::ranges::find(menu, "Days off in R&&D…", &QAction::text);
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            QObject answering;
            QStringList listed;
            QTimer::singleShot(0, &answering, [&] {
                auto *list = QApplication::activeModalWidget()->findChild<QListWidget *>();
                for (int row = 0; row < list->count(); ++row)
                    listed << list->item(row)->text() + char('0' + list->item(row)->checkState());
                QTest::keyClick(list, Qt::Key_Space);
                QTest::keyClick(list, key);
            });
            daysOff->trigger();
            QCOMPARE(listed, QStringList({"Ángel break2", "Christmas Day2"}));
            QCOMPARE(context->holidays().names({2026, 12, 24}).isEmpty(), key == Qt::Key_Return);
        }
        storeAndOpen({});
        chooseFromTheList(1);
        clickDay(QDate(2026, 12, 21));
        QTRY_VERIFY(!context->holidays().isEmpty());
        clickDay(QDate(2026, 12, 31));
        QCOMPARE(calendar()->findChild<QLabel *>("spanSummary")->text(),
                 "21/12/2026 to 31/12/2026: 10 days (1 week 3 days), 7 working days (1 holiday)");
        calendar()->setSelectedDate(QDate(2026, 12, 24));
        QCOMPARE(QAccessible::queryAccessibleInterface(monthPage())->text(QAccessible::Value),
                 "Thursday, 24 December 2026");
    }

    // The calendar given at start is used by answers and the year view; one chosen from the menu
    // at once, and so are the week numbers.
    void theChosenCalendarIsUsed()
    {
        open(QLocale("en_GB"), CalendarSystem::Islamic);
        calculate("100");
        QCOMPARE(results(),
                 "06/10/1448 is  100 days from 24/06/1448\nThat is 14 Weeks and 2 Days.");
        auto *page = QAccessible::queryAccessibleInterface(monthPage());
        QCOMPARE(page->text(QAccessible::Value), "Monday, 6 Shawwal 1448");
        const QList<QAction *> actions = window->findChildren<QAction *>();
        (*std::ranges::find(actions, "Persian (Solar Hijri)", &QAction::text))->trigger();
        QCOMPARE(page->text(QAccessible::Value), "Monday, 24 Esfand 1405");
        QCOMPARE(calendar()->findChild<QLabel *>("spanSummary")->accessibleName().left(24),
                 "14/09/1405 to 24/12/1405");
        QAction *weekNumbers = *std::ranges::find(actions, "Week numbers", &QAction::text);
        weekNumbers->trigger();
        QCOMPARE(page->text(QAccessible::Value), "Monday, 24 Esfand 1405, week 11");
        (*std::ranges::find(actions, "Hebrew", &QAction::text))->trigger();
        QCOMPARE(page->text(QAccessible::Value), "Monday, 6 Adar II 5787, week 11");
        QCOMPARE(calendar()->findChild<QLabel *>("spanSummary")->accessibleName().left(24),
                 "25/03/5787 to 06/07/5787");
        // The menu shows what the context holds, whoever changed it.
        context->setWeekNumbersShown(false);
        context->setCalendarSystem(CalendarSystem::Islamic);
        QVERIFY(!weekNumbers->isChecked()
                && (*std::ranges::find(actions, "Islamic (tabular)", &QAction::text))->isChecked());
    }

    // The working week chosen in the menu, in the region's order and names, is counted and
    // remembered; unchecking its last working day is refused with the reason; the region's week
    // comes back, and is forgotten.
    void theWorkingWeekIsChosenFromTheMenu()
    {
        open(QLocale("en_US"));
        QSettings(QCoreApplication::applicationName()).clear();
        Settings settings;
        settings.keepChangesOf(*context);
        showWindow();
        const QList<QAction *> items = window->findChild<WorkingWeekMenu *>()->actions();
        QStringList names;
        for (const QAction *item : items)
            names << item->text();
        QCOMPARE(names.join(u','),
                 "As the region says,,Sunday,Monday,Tuesday,Wednesday,"
                 "Thursday,Friday,Saturday");
        auto *summary = calendar()->findChild<QLabel *>("spanSummary");
        QTest::mouseMove(monthPage(), monthPage()->dayRect(QDate(2026, 12, 19)).center());
        items.at(2)->trigger(); // Sunday
        QCOMPARE(summary->text(),
                 "12/5/2026 to 12/19/2026: 14 days (2 weeks 0 days), 12 working days");
        QCOMPARE(QSettings(QCoreApplication::applicationName()).value("calendar/workingWeek"),
                 "mon,tue,wed,thu,fri,sun");
        for (QAction *working : items.mid(2, 6))
            working->trigger();
        QCOMPARE(summary->text(), WorkingWeek::noWorkingDay());
        QVERIFY(items.at(7)->isChecked() && !items.at(6)->isChecked() && !items.at(0)->isChecked());
        QCOMPARE(context->workingWeek(), QList {Qt::Friday});
        items.at(0)->trigger();
        QVERIFY(items.at(0)->isChecked() && items.at(6)->isChecked() && !items.at(2)->isChecked());
        QVERIFY(!QSettings(QCoreApplication::applicationName()).contains("calendar/workingWeek"));
    }

    // "N working days from here…" counts from the day the menu was opened on, past a stored
    // holiday, reads the count in the number region's digits and picks the day it reaches.
    void workingDaysFromHerePickTheDayReached()
    {
        storeAndOpen({{"england", christmasCalendar()}});
        QTRY_VERIFY(!context->holidays().isEmpty());
        context->setRegions({QLocale("en_GB"), QLocale("ar_EG")});
        const QPoint here = monthPage()->dayRect(QDate(2026, 12, 17)).center();
        QObject answering;
        QTimer::singleShot(0, &answering, [] { QApplication::activePopupWidget()->close(); });
        QContextMenuEvent opened(QContextMenuEvent::Mouse, here, monthPage()->mapToGlobal(here));
        QCoreApplication::sendEvent(monthPage(), &opened);
        QTimer::singleShot(0, &answering, [] {
            auto *dialog = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            auto *count = dialog->findChild<QSpinBox *>();
            count->selectAll();
            for (const QChar digit : u"٦") {
                QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, digit);
                QCoreApplication::sendEvent(count, &typed);
            }
            dialog->accept();
        });
        calendar()->actions().first()->trigger();
        QCOMPARE(calendar()->selectedDate(), QDate(2026, 12, 28));
        QCOMPARE(results(), "28/12/2026 is  23 days from 05/12/2026\nThat is 3 Weeks and 2 Days.");
    }

    // Arabic dates begin with a right-to-left mark; the English sentence still reads from the left.
    void resultsReadLeftToRightInEveryRegion()
    {
        open(QLocale(QLocale::Arabic, QLocale::Egypt));
        showWindow();
        clickDay(today.addDays(14));
        auto *resultsBox = control<QPlainTextEdit>("resultsBox");
        QTextCursor endOfLine(resultsBox->document());
        endOfLine.movePosition(QTextCursor::EndOfBlock);
        QVERIFY(resultsBox->cursorRect(QTextCursor(resultsBox->document())).x()
                < resultsBox->cursorRect(endOfLine).x());
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
                << QString(2'000'000, u'7') << FixedTexts::outsideCalendar() << 14;
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
};

QTEST_MAIN(CalculatorWindowTest)
#include "tst_calculatorwindow.moc"
