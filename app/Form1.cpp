#include "Form1.h"

#include <QFontMetricsF>
#include <QScreen>
#include <QStyle>

#include <algorithm>
#include <limits>

#include "icons/daywright-16.xpm"
#include "icons/daywright-32.xpm"

namespace {

const QString headingTooltip = QStringLiteral(
    "Visit our web site for links to many more useful free applications");

// The window is designed in twips, 15 to a pixel at 96 dpi with the design's 8-point font.
constexpr double twipsPerPixel = 15.0;
constexpr double designLineHeight = 13.0;

void makeHeading(QLabel *label)
{
    label->setToolTip(headingTooltip);
    label->setTextFormat(Qt::PlainText);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Button);
}

} // namespace

Form1::Form1(Calculator::Today today, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_today(std::move(today))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Daywright and days calulator v5.0"));
    QIcon icon;
    icon.addPixmap(QPixmap(daywright_32_xpm));
    icon.addPixmap(QPixmap(daywright_16_xpm));
    setWindowIcon(icon);

    setUpControls();
    layOutControls();
    wireEvents();

    m_calculator.load();
    Text1->setFocus();

    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                    screen()->availableGeometry()));
}

void Form1::setUpControls()
{
    Label3->setObjectName(QStringLiteral("Label3"));
    Label1->setObjectName(QStringLiteral("Label1"));
    Label4->setObjectName(QStringLiteral("Label4"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Command2->setObjectName(QStringLiteral("Command2"));
    Text2->setObjectName(QStringLiteral("Text2"));
    Text1->setObjectName(QStringLiteral("Text1"));
    Command1->setObjectName(QStringLiteral("Command1"));
    MonthView1->setObjectName(QStringLiteral("MonthView1"));

    for (QLabel *heading : {Label3, Label1, Label4})
        makeHeading(heading);
    Label4->setAlignment(Qt::AlignCenter);

    Label2->setToolTip(QStringLiteral("This window displays instructions only"));
    // The instruction itself is the label's accessible name, so that every new instruction is
    // announced; what the label is for goes into its description.
    Label2->setAccessibleDescription(QStringLiteral("Instruction window. ") + Label2->toolTip());
    Label2->setTextFormat(Qt::PlainText);
    Label2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setAutoFillBackground(true);
    m_controls.setInstructionColour(InstructionColour::White);

    Combo1->setToolTip(QStringLiteral("Select calculation type"));
    // Screen readers take the drop-down's and the results' purpose from their headings.
    Label1->setBuddy(Combo1);
    Label4->setBuddy(Text1);
    Combo1->setEditText(QStringLiteral("Combo1"));

    Command1->setAccessibleDescription(QStringLiteral("Ends the program"));
    Command2->setToolTip(QStringLiteral("Click to work out the date from the number on the right"));

    Text2->setToolTip(QStringLiteral("Enter an interval in days"));
    Text2->setAccessibleName(QStringLiteral("Interval in days"));
    Text2->setMaxLength(std::numeric_limits<int>::max());

    Text1->setToolTip(QStringLiteral(
        "Select the results and copy them to the clip board if desired (press CTRL and C)"));
    Text1->setAccessibleName(Label4->text());
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Text1->setTabChangesFocus(true);

    MonthView1->setToolTip(QStringLiteral(
        "Click on a month or a year to move quickly to a date not currently in the display"));
}

// The text field is made at once, so that it joins the focus chain in the drop-down's place.
QComboBox *Form1::makeEditableComboBox(QWidget *parent)
{
    auto *comboBox = new QComboBox(parent);
    comboBox->setEditable(true);
    // Enter in the text field must not add what was typed as a new calculation type.
    comboBox->setInsertPolicy(QComboBox::NoInsert);
    return comboBox;
}

// The design's 8-point font has 13-pixel lines. A larger default font scales the whole design,
// as far as the longest fixed one-line text needs, so that nothing is clipped.
double Form1::designScale() const
{
    const QFontMetricsF metrics(font());
    double scale = std::max(1.0, metrics.height() / designLineHeight);
    const auto fit = [&](const QString &text, double designWidth, double padding) {
        scale = std::max(scale, (metrics.horizontalAdvance(text) + padding) / designWidth);
    };
    fit(Label3->text(), 169, 4);
    fit(Label1->text(), 161, 4);
    fit(Label4->text(), 321, 4);
    fit(Command2->text(), 97, 16);
    fit(Command1->text(), 33, 8);
    fit(QStringLiteral("Days between 2 dates"), 153, 32);
    return scale;
}

void Form1::layOutControls()
{
    const double scale = designScale();
    const auto pixels = [scale](int twips) { return qRound(twips * scale / twipsPerPixel); };
    // Each edge is rounded on its own, so that neighbours never overlap after scaling.
    const auto place = [&](QWidget *control, int left, int top, int width, int height) {
        control->setGeometry(QRect(QPoint(pixels(left), pixels(top)),
                                   QPoint(pixels(left + width) - 1, pixels(top + height) - 1)));
    };

    setFixedSize(pixels(10920), pixels(7965));
    place(Label3, 120, 0, 2535, 255);
    place(Label1, 2880, 0, 2415, 255);
    place(Label4, 5520, 0, 4815, 255);
    place(Label2, 120, 360, 2535, 855);
    place(Combo1, 2880, 360, 2295, 315);
    place(Command2, 2880, 840, 1455, 375);
    place(Text2, 4440, 840, 735, 375);
    place(Text1, 5280, 360, 4935, 855);
    place(Command1, 10320, 360, 495, 855);
    place(MonthView1, 0, 1320, 10890, 6660);
}

void Form1::wireEvents()
{
    connect(Combo1, &QComboBox::activated, this, [this] { m_calculator.calculationTypeChosen(); });
    connect(MonthView1, &MonthCalendar::dateClicked, this, [this] { m_calculator.datePicked(); });
    connect(Command2, &QPushButton::clicked, this, [this] { m_calculator.calculateDate(); });
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    for (QWidget *control : {static_cast<QWidget *>(Command1), static_cast<QWidget *>(Command2),
                             static_cast<QWidget *>(Text2)})
        m_hoverFocus.watch(control);
}
