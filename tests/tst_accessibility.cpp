#include "Form1.h"

#include <QAccessible>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

#include <memory>
#include <vector>

namespace {

struct Heard
{
    QAccessible::Event type;
    QString objectName;
};

std::vector<Heard> heard;

void listen(QAccessibleEvent *event)
{
    heard.push_back({event->type(), event->object() ? event->object()->objectName() : QString()});
}

bool wasHeard(QAccessible::Event type, const QString &objectName)
{
    return std::any_of(heard.cbegin(), heard.cend(), [&](const Heard &h) {
        return h.type == type && h.objectName == objectName;
    });
}

} // namespace

// What a screen reader learns of the window: names, descriptions, and the changes it is told of.
class AccessibilityTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<Form1> window;

    QAccessibleInterface *accessible(const char *name) const
    {
        return QAccessible::queryAccessibleInterface(window->findChild<QWidget *>(QString::fromLatin1(name)));
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
        // As when a screen reader is running.
        QAccessible::installUpdateHandler(listen);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
        QVERIFY(QAccessible::isActive());
    }

    void init()
    {
        window = std::make_unique<Form1>([] { return QDate(2026, 12, 5); });
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        heard.clear();
    }

    void everyControlSaysWhatItIsFor_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const QString site = QStringLiteral("Visit our web site for links to many more useful free applications");
        QTest::newRow("Text1") << "Text1" << "Results window"
            << "Select the results and copy them to the clip board if desired (press CTRL and C)";
        // On Linux a drop-down's name is its text; its heading is its label, below.
        QTest::newRow("Combo1") << "Combo1" << "Days from now" << "Select calculation type";
        QTest::newRow("Label1") << "Label1" << "Select type of date calculation" << site;
        QTest::newRow("Command1") << "Command1" << "Quit" << "Ends the program";
        QTest::newRow("Label2") << "Label2"
            << "Click a date on the Calendar, alternatively enter a number of days and click the "
               "Caluculate Date button"
            << "Instruction window. This window displays instructions only";
        QTest::newRow("Label3") << "Label3" << "Instruction window" << site;
        QTest::newRow("Label4") << "Label4" << "Results window" << site;
        QTest::newRow("MonthView1") << "MonthView1" << "Calendar"
            << "Click on a month or a year to move quickly to a date not currently in the display";
        QTest::newRow("Text2") << "Text2" << "Interval in days" << "Enter an interval in days";
        QTest::newRow("Command2") << "Command2" << "Calculate Date"
            << "Click to work out the date from the number on the right";
    }

    void everyControlSaysWhatItIsFor()
    {
        QFETCH(QString, control);
        QAccessibleInterface *interface = accessible(qPrintable(control));
        QVERIFY(interface);
        QTEST(interface->text(QAccessible::Name), "name");
        QTEST(interface->text(QAccessible::Description), "description");
    }

    void theHeadingsLabelTheirControls()
    {
        for (const auto &[heading, control] : {std::pair("Label1", "Combo1"), std::pair("Label4", "Text1")}) {
            const auto labels = accessible(control)->relations(QAccessible::Label);
            QVERIFY2(std::any_of(labels.cbegin(), labels.cend(),
                                 [&](const auto &relation) { return relation.first == accessible(heading); }),
                     control);
        }
    }

    void newResultsAndInstructionsAreAnnounced()
    {
        auto *dayCount = window->findChild<QLineEdit *>(QStringLiteral("Text2"));
        auto *calculate = window->findChild<QPushButton *>(QStringLiteral("Command2"));
        dayCount->setText(QStringLiteral("2.5"));
        QTest::mouseClick(calculate, Qt::LeftButton);
        QVERIFY(wasHeard(QAccessible::NameChanged, QStringLiteral("Label2")));

        dayCount->setText(QStringLiteral("7"));
        QTest::mouseClick(calculate, Qt::LeftButton);
        QVERIFY(wasHeard(QAccessible::TextInserted, QStringLiteral("Text1")));
        QAccessibleTextInterface *results = accessible("Text1")->textInterface();
        QCOMPARE(results->text(0, results->characterCount()),
                 QStringLiteral("12/12/2026 is  7 days from 05/12/2026\nThat is 1 Weeks and 0 Days."));
        QCOMPARE(accessible("MonthView1")->text(QAccessible::Value), QStringLiteral("Saturday, 12 December 2026"));
        QVERIFY(wasHeard(QAccessible::ValueChanged, QStringLiteral("MonthView1")));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
