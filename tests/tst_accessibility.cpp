#include "CalculatorWindow.h"

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

    std::unique_ptr<CalculatorWindow> window;

    QAccessibleInterface *accessible(const char *name) const
    {
        return QAccessible::queryAccessibleInterface(
                window->findChild<QWidget *>(QString::fromLatin1(name)));
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
        window = std::make_unique<CalculatorWindow>([] { return QDate(2026, 12, 5); },
                                                    RegionalSettings::of(QLocale()));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        heard.clear();
    }

    void theHeadingsLabelTheirControls_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("control");
        QTest::newRow("calculation type") << "calculationTypeHeading"
                                          << "calculationTypeBox";
        QTest::newRow("results") << "resultsHeading"
                                 << "resultsBox";
    }

    void theHeadingsLabelTheirControls()
    {
        QFETCH(QString, heading);
        QFETCH(QString, control);
        QAccessibleInterface *label = accessible(qPrintable(heading));
        const auto relations = accessible(qPrintable(control))->relations(QAccessible::Label);
        QVERIFY(std::any_of(relations.cbegin(), relations.cend(),
                            [label](const auto &relation) { return relation.first == label; }));
    }

    void newResultsAndInstructionsAreAnnounced()
    {
        auto *dayCount = window->findChild<QLineEdit *>(QStringLiteral("dayCountBox"));
        auto *calculate = window->findChild<QPushButton *>(QStringLiteral("calculateButton"));
        dayCount->setText(QStringLiteral("2.5"));
        QTest::mouseClick(calculate, Qt::LeftButton);
        QVERIFY(wasHeard(QAccessible::NameChanged, QStringLiteral("instructionLabel")));

        dayCount->setText(QStringLiteral("7"));
        QTest::mouseClick(calculate, Qt::LeftButton);
        QVERIFY(wasHeard(QAccessible::TextInserted, QStringLiteral("resultsBox")));
        QAccessibleTextInterface *results = accessible("resultsBox")->textInterface();
        QCOMPARE(results->text(0, results->characterCount()),
                 QStringLiteral(
                         "12/12/2026 is  7 days from 05/12/2026\nThat is 1 Weeks and 0 Days."));
        QCOMPARE(accessible("calendar")->text(QAccessible::Value),
                 QStringLiteral("Saturday, 12 December 2026"));
        QVERIFY(wasHeard(QAccessible::ValueChanged, QStringLiteral("calendar")));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "tst_accessibility.moc"
