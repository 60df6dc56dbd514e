#include "Calculator.h"
#include "CalculatorWindow.h"
#include "FakeControls.h"
#include "UserSequences.h"

#include <QAbstractItemView>
#include <QTest>

namespace {

ReferenceModel::Screen screenOf(const FakeControls &controls)
{
    return {controls.instruction.toStdString(),
            controls.instructionColour == InstructionColour::Red,
            controls.results.toStdString(),
            controls.dayCount.toStdString(),
            controls.calculateEnabled,
            toDays(controls.calendar),
            controls.selectedType};
}

// The calculator on the fake controls, with the drop-down and calendar played as the window does.
class CalculatorOnFake : public ProgramUnderTest
{
public:
    explicit CalculatorOnFake(QDate today)
        : m_today(today)
        , m_calculator(
                  m_controls, [this] { return m_today; },
                  QLocale(QLocale::English, QLocale::UnitedKingdom))
    {
        m_calculator.load();
    }

    void chooseType(int type) override
    {
        m_controls.selectedType = type;
        m_calculator.calculationTypeChosen();
    }
    void pick(QDate date) override
    {
        m_controls.calendar = date;
        m_calculator.datePicked();
    }
    void calculate(const QString &typed) override
    {
        m_controls.dayCount = typed;
        m_calculator.calculateDate();
    }
    std::string hover(int) override { return {}; }
    ReferenceModel::Screen screen() const override { return screenOf(m_controls); }
    bool firstDatePicked() const override { return m_calculator.state().firstDatePicked; }
    QDate firstDate() const override { return m_calculator.state().firstDate; }

protected:
    QDate m_today;
    FakeControls m_controls;
    Calculator m_calculator;
};

// A calculator whose week breakdown is off for counts of 100 days and more: the sequences must
// catch it and cut the reproduction down.
class FaultyCalculator : public CalculatorOnFake
{
public:
    using CalculatorOnFake::CalculatorOnFake;
    ReferenceModel::Screen screen() const override
    {
        FakeControls shown = m_controls;
        if (shown.dayCount.toLong() >= 100)
            shown.results.replace(QStringLiteral(" Weeks"), QStringLiteral("0 Weeks"));
        return screenOf(shown);
    }
};

// The real window, driven with mouse and keyboard.
class WindowUnderTest : public ProgramUnderTest
{
public:
    explicit WindowUnderTest(QDate today)
        : m_today(today)
        , m_window([this] { return m_today; })
    {
        m_window.show();
        m_window.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_window))
            qFatal("the window did not become active");
    }

    void chooseType(int type) override
    {
        // From the list, as a user does: choosing the shown type again runs its handler too.
        m_types->showPopup();
        QAbstractItemView *list = m_types->view();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(type, 0)).center());
        // The offscreen platform leaves the closed list active, where a desktop returns to the
        // window.
        m_window.activateWindow();
        if (!QTest::qWaitForWindowActive(&m_window))
            qFatal("the window did not become active again");
    }
    void pick(QDate date) override
    {
        m_calendar->setValue(date); // turn to its page, as the title's controls would
        QTest::mouseClick(m_calendar, Qt::LeftButton, {}, m_calendar->dayRect(date).center());
    }
    void calculate(const QString &typed) override
    {
        if (typed.size() > 30) {
            m_dayCount->setText(typed);
        } else {
            m_dayCount->selectAll();
            m_dayCount->del();
            // Key by key, each carrying its character, letters beyond ASCII included.
            for (char32_t character : typed.toUcs4()) {
                QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier,
                              QString::fromUcs4(&character, 1));
                QCoreApplication::sendEvent(m_dayCount, &key);
            }
        }
        QTest::mouseClick(m_calculateButton, Qt::LeftButton);
    }
    std::string hover(int target) override
    {
        QWidget *targets[] = {m_quit, m_calculateButton, m_dayCount, m_results};
        QWidget *before = QApplication::focusWidget();
        QTest::mouseMove(m_instruction); // from elsewhere, so that the pointer really moves
        QTest::mouseMove(targets[target]);
        QWidget *expected = target == 3 || !targets[target]->isEnabled() ? before : targets[target];
        return QApplication::focusWidget() == expected ? std::string()
                                                       : "the hover moved the focus wrongly";
    }
    ReferenceModel::Screen screen() const override
    {
        return {m_instruction->text().toStdString(),
                m_instruction->palette().color(QPalette::Window) == QColor(255, 0, 0),
                m_results->toPlainText().replace(u'\n', QStringLiteral("\r\n")).toStdString(),
                m_dayCount->text().toStdString(),
                m_calculateButton->isEnabled(),
                toDays(m_calendar->value()),
                m_types->currentIndex()};
    }
    bool firstDatePicked() const override { return m_window.calculator().state().firstDatePicked; }
    QDate firstDate() const override { return m_window.calculator().state().firstDate; }

private:
    template<typename Control> Control *control(const char *name)
    {
        return m_window.findChild<Control *>(QString::fromLatin1(name));
    }

    QDate m_today;
    CalculatorWindow m_window;
    QLabel *m_instruction = control<QLabel>("instructionLabel");
    QPlainTextEdit *m_results = control<QPlainTextEdit>("resultsBox");
    QLineEdit *m_dayCount = control<QLineEdit>("dayCountBox");
    QPushButton *m_calculateButton = control<QPushButton>("calculateButton");
    QPushButton *m_quit = control<QPushButton>("quitButton");
    QComboBox *m_types = control<QComboBox>("calculationTypeBox");
    MonthCalendar *m_calendar = control<MonthCalendar>("calendar");
};

template<typename Program> std::unique_ptr<ProgramUnderTest> start(QDate today)
{
    return std::make_unique<Program>(today);
}

} // namespace

class SequencesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom)); }

    void calculatorFollowsTheModel()
    {
        for (unsigned seed = 1; seed <= 20; ++seed) { // 100,000 actions
            const std::string report = checkRandomSequence(start<CalculatorOnFake>, seed, 5000);
            QVERIFY2(report.empty(), report.c_str());
        }
    }

    void windowFollowsTheModel()
    {
        for (unsigned seed = 101; seed <= 104; ++seed) { // 2,000 actions
            const std::string report = checkRandomSequence(start<WindowUnderTest>, seed, 500);
            QVERIFY2(report.empty(), report.c_str());
        }
    }

    void aWrongAnswerIsCaughtAndCutShort()
    {
        const std::string report = checkRandomSequence(start<FaultyCalculator>, 7, 5000);
        QVERIFY(report.find("seed 7") != std::string::npos);
        const auto reproduction = report.find("shortest reproduction:");
        QVERIFY(reproduction != std::string::npos);
        const auto steps = std::count(report.begin() + long(reproduction), report.end(), '\n');
        QVERIFY2(steps >= 1 && steps <= 3, report.c_str());
    }
};

QTEST_MAIN(SequencesTest)
#include "tst_sequences.moc"
