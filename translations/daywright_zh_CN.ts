<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>%1. %2</source>
        <extracomment>The instruction label&apos;s spoken description. %1: the heading &quot;Instruction window&quot;; %2: the label&apos;s tooltip.</extracomment>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <extracomment>What screen readers say of the Quit button.</extracomment>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Interval in days</source>
        <extracomment>What screen readers call the day count box.</extracomment>
        <translation>间隔天数</translation>
    </message>
</context>
<context>
    <name>CalendarKeys</name>
    <message>
        <source>Arrow keys</source>
        <extracomment>--help&apos;s list of the calendar&apos;s keys: the keys&apos; names.</extracomment>
        <translation>方向键</translation>
    </message>
    <message>
        <source>Move the selection by a day or a week.</source>
        <extracomment>--help: what the arrow keys do on the calendar.</extracomment>
        <translation>按天或按周移动选中的日期。</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Page Up、Page Down</translation>
    </message>
    <message>
        <source>Move the selection by a month.</source>
        <extracomment>--help: what Page Up and Page Down do on the calendar.</extracomment>
        <translation>按月移动选中的日期。</translation>
    </message>
    <message>
        <source>Ctrl+Page Up, Ctrl+Page Down</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Ctrl+Page Up、Ctrl+Page Down</translation>
    </message>
    <message>
        <source>Move the selection by a year.</source>
        <extracomment>--help: what Ctrl with Page Up or Page Down does on the calendar.</extracomment>
        <translation>按年移动选中的日期。</translation>
    </message>
    <message>
        <source>Home, End</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Home、End</translation>
    </message>
    <message>
        <source>Move the selection to the first or last day of its month.</source>
        <extracomment>--help: what Home and End do on the calendar.</extracomment>
        <translation>将选中的日期移到当月的第一天或最后一天。</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>--help: the key&apos;s name, as printed on keyboards in your language.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Pick the selected day.</source>
        <extracomment>--help: what Return does on the calendar.</extracomment>
        <translation>确认选中的日期。</translation>
    </message>
    <message>
        <source>Alt+M</source>
        <extracomment>--help: the key&apos;s name; the letter M is the key pressed, whatever the menu is called.</extracomment>
        <translation>Alt+M</translation>
    </message>
    <message>
        <source>Open the month menu.</source>
        <extracomment>--help: what Alt+M does on the calendar.</extracomment>
        <translation>打开月份菜单。</translation>
    </message>
    <message>
        <source>Alt+Y</source>
        <extracomment>--help: the key&apos;s name; the letter Y is the key pressed, whatever the year box is called.</extracomment>
        <translation>Alt+Y</translation>
    </message>
    <message>
        <source>Take the keyboard into the year box; Return or Escape goes back to the days.</source>
        <extracomment>--help: what Alt+Y does on the calendar.</extracomment>
        <translation>将键盘焦点移到年份框；按 Enter 或 Esc 返回日期。</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <extracomment>--help: the key&apos;s name, as printed on keyboards in your language.</extracomment>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the summary of the shaded span.</source>
        <extracomment>--help: what Ctrl+C does on the calendar: copies the line under the months.</extracomment>
        <translation>复制以底纹标出的时段的摘要。</translation>
    </message>
    <message>
        <source>Menu, Shift+F10</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>菜单键、Shift+F10</translation>
    </message>
    <message>
        <source>Open the calendar&apos;s menu: working days, holidays, week numbers and the calendar.</source>
        <extracomment>--help: what the Menu key does on the calendar.</extracomment>
        <translation>打开日历的菜单：工作日、节假日、周数和历法。</translation>
    </message>
</context>
<context>
    <name>CalendarMenu</name>
    <message>
        <source>Calendar</source>
        <extracomment>The calendar&apos;s menu: the submenu that chooses the calendar dates are shown in.</extracomment>
        <translation>历法</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <extracomment>The calendar&apos;s menu: the Gregorian calendar.</extracomment>
        <translation>公历</translation>
    </message>
    <message>
        <source>Persian (Solar Hijri)</source>
        <extracomment>The calendar&apos;s menu: the Persian (Solar Hijri, Jalali) calendar, official in Iran and Afghanistan.</extracomment>
        <translation>波斯历（太阳希吉来历）</translation>
    </message>
    <message>
        <source>Islamic (tabular)</source>
        <extracomment>The calendar&apos;s menu: the tabular (arithmetical) Islamic calendar.</extracomment>
        <translation>伊斯兰历（推算）</translation>
    </message>
    <message>
        <source>Official Islamic dates follow the moon and may differ by a day or two.</source>
        <extracomment>Tooltip of the Islamic calendar&apos;s menu item.</extracomment>
        <translation>官方伊斯兰历日期以月相为准，可能相差一两天。</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <extracomment>The calendar&apos;s menu: the Hebrew (Jewish) calendar, with its thirteen-month years</extracomment>
        <translation>希伯来历</translation>
    </message>
</context>
<context>
    <name>CalendarTexts</name>
    <message>
        <source>%1 %2</source>
        <comment>month and year</comment>
        <extracomment>The calendar&apos;s heading of a month, as &quot;December 2026&quot;. %1: the month&apos;s name; %2: the year.</extracomment>
        <translation>%2年%1</translation>
    </message>
    <message>
        <source>%1, week %2</source>
        <extracomment>What screen readers say of a day while week numbers are shown. %1: the day&apos;s date; %2: its ISO 8601 week number.</extracomment>
        <translation>%1，第 %2 周</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a day and a holiday</comment>
        <extracomment>What screen readers say of a holiday. %1: the day&apos;s date (and week); %2: the holiday&apos;s name.</extracomment>
        <translation>%1，%2</translation>
    </message>
</context>
<context>
    <name>CalendarTitleBar</name>
    <message>
        <source>Previous month</source>
        <extracomment>Tooltip and spoken name of the calendar&apos;s back arrow.</extracomment>
        <translation>上个月</translation>
    </message>
    <message>
        <source>Next month</source>
        <extracomment>Tooltip and spoken name of the calendar&apos;s forward arrow.</extracomment>
        <translation>下个月</translation>
    </message>
    <message>
        <source>Moves quickly to another month or year</source>
        <extracomment>Tooltip of the first month&apos;s name in the calendar&apos;s title: it opens a menu of months.</extracomment>
        <translation>快速跳转到其他月份或年份</translation>
    </message>
    <message>
        <source>Year of the first month shown</source>
        <extracomment>Spoken name of the year box in the calendar&apos;s title.</extracomment>
        <translation>所显示的第一个月的年份</translation>
    </message>
    <message>
        <source>%1, first month shown</source>
        <extracomment>Spoken name of the month button in the calendar&apos;s title. %1: the month&apos;s name.</extracomment>
        <translation>%1，所显示的第一个月</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <extracomment>--help: the option --help. Lines are at most 62 characters; break them with line feeds.</extracomment>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <extracomment>--help: the option --version.</extracomment>
        <translation>显示版本信息并退出。</translation>
    </message>
    <message>
        <source>Print the days between the dates, as the window would answer
them, and the span&apos;s summary, and exit.</source>
        <extracomment>--help: the option --between DATE DATE. Keep the lines under 62 characters.</extracomment>
        <translation>以窗口中的形式输出两个日期之间的天数及该时段的
摘要，然后退出。</translation>
    </message>
    <message>
        <source>--between takes two dates, --days-from a date and a count.</source>
        <extracomment>A refused command line: --between or --days-from was given the wrong number of values. Keep the option names as they are.</extracomment>
        <translation>--between 需要两个日期，--days-from 需要一个日期和一个天数。</translation>
    </message>
    <message>
        <source>Print the date DAYS days from DATE, and the span&apos;s summary.
A DATE is &apos;today&apos;, ISO 8601 (2026-12-19) or in your region&apos;s
short format and calendar with the whole year; DAYS is read as
the day box reads it, a negative count going back.</source>
        <extracomment>--help: the option --days-from DATE DAYS. Keep &apos;today&apos; and the option names in English: the program reads them so.</extracomment>
        <translation>输出距 DATE 相隔 DAYS 天的日期及该时段的摘要。
DATE 可以是 &apos;today&apos;、ISO 8601 格式（2026-12-19），
或本地区的短日期格式和历法（须写完整年份）；DAYS 的
读法与天数框相同，负数表示向前推算。</translation>
    </message>
    <message>
        <source>Write the answers&apos; dates as ISO 8601, which is Gregorian.
For example: daywright --between 2026-12-19 2027-01-06</source>
        <extracomment>--help: the option --iso. Keep the example command as it is.</extracomment>
        <translation>以 ISO 8601 格式（即公历）输出结果中的日期。
例如：daywright --between 2026-12-19 2027-01-06</translation>
    </message>
    <message>
        <source>Keep a copy of each iCalendar file&apos;s all-day events as public
holidays, which working days leave out, and exit.</source>
        <extracomment>--help: the option --import-holidays FILE...</extracomment>
        <translation>将每个 iCalendar 文件中的全天事件复制保存为公共
节假日（不计入工作日），然后退出。</translation>
    </message>
    <message>
        <source>--import-holidays needs the files to import.</source>
        <extracomment>A refused command line: --import-holidays without files. Keep the option name.</extracomment>
        <translation>--import-holidays 需要指定要导入的文件。</translation>
    </message>
    <message>
        <source>Remove the holiday calendar of that name, and exit.</source>
        <extracomment>--help: the option --remove-holidays NAME.</extracomment>
        <translation>删除该名称的节假日日历，然后退出。</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot go together: give one at a time.</source>
        <extracomment>A refused command line. %1, %2: two option names, as between and list-holidays.</extracomment>
        <translation>--%1 和 --%2 不能同时使用：请一次只指定一个。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>A refused command line. %1: the argument that no option takes.</extracomment>
        <translation>多余的参数“%1”。</translation>
    </message>
    <message>
        <source>daywright: %1
Try &apos;daywright --help&apos; for more information.
</source>
        <extracomment>A refused command line, on standard error. %1: why. Keep &apos;daywright --help&apos; as it is.</extracomment>
        <translation>daywright: %1
请尝试执行 &apos;daywright --help&apos; 以获取更多信息。
</translation>
    </message>
    <message>
        <source>Usage: daywright [--help] [--version] [Qt options such as -style NAME]
A date calculator: days from today to a date, or between two dates, in weeks and days.

Options:
%1
Keys on the calendar:
%2
Environment: LC_TIME (or LANG) sets the date format and calendar names, LC_NUMERIC
the decimal and thousands separators of typed counts, LC_ALL both;
QT_SCALE_FACTOR scales the window.
</source>
        <extracomment>--help&apos;s text. %1: the options, each with its description; %2: the calendar&apos;s keys, each with what it does. Keep the option and variable names as they are.</extracomment>
        <translation>用法：daywright [--help] [--version] [Qt 选项，如 -style NAME]
日期计算器：计算从今天到某个日期或两个日期之间的天数，以周和天表示。

选项：
%1
日历上的按键：
%2
环境变量：LC_TIME（或 LANG）设置日期格式和历法名称，LC_NUMERIC 设置
所输入数字的小数点和千位分隔符，LC_ALL 同时设置两者；
QT_SCALE_FACTOR 用于缩放窗口。
</translation>
    </message>
    <message>
        <source>daywright: the answer could not be written: %1
</source>
        <extracomment>On standard error when the answer could not be written. %1: the system&apos;s reason.</extracomment>
        <translation>daywright: 无法写出结果：%1
</translation>
    </message>
    <message>
        <source>Show and write dates, months and years in that calendar for
this run: the window&apos;s and the answers&apos; own dates. Persian is
the default in Iran and Afghanistan, and the window&apos;s Calendar
menu keeps a choice for later runs. Islamic is the tabular
calendar: official dates, which follow the moon, may differ by
a day or two. Hebrew years have 12 or 13 months (Adar I and
Adar II); its dates are also read as &apos;15 Adar II 5784&apos;.</source>
        <extracomment>--help: the option --calendar. Keep the lines under 62 characters.</extracomment>
        <translation>仅在本次运行中以该历法显示和输出日期、月份和年份
（窗口中及结果中的日期）。在伊朗和阿富汗默认使用波斯历；
在窗口的“历法”菜单中所做的选择会保留到以后运行时。
伊斯兰历指推算历法：官方日期以月相为准，可能相差一两天。
希伯来历每年有 12 或 13 个月（Adar I 和 Adar II）；其日期
也可以写成 &apos;15 Adar II 5784&apos; 的形式。</translation>
    </message>
    <message>
        <source>List the holiday calendars kept, or the events of the calendar
NAME, each marked as a day off or not (the window&apos;s calendar
menu chooses which: &quot;Days off in NAME&quot;), and exit.</source>
        <extracomment>--help: the option --list-holidays [NAME]. Keep &quot;Days off in NAME&quot; as the window&apos;s menu item is translated.</extracomment>
        <translation>列出已保存的节假日日历，或列出节假日日历 NAME 中的
事件并标明每个事件是否为休息日（在窗口中日历的菜单里
通过“NAME 的休息日”选择），然后退出。</translation>
    </message>
    <message>
        <source>--list-holidays takes one calendar&apos;s name at most.</source>
        <extracomment>A refused command line: --list-holidays was given more than one name.</extracomment>
        <translation>--list-holidays 最多只能指定一个日历名称。</translation>
    </message>
    <message>
        <source>Unknown calendar &apos;%1&apos;: gregorian, persian, islamic or hebrew.</source>
        <extracomment>A refused command line. %1: the calendar&apos;s name as typed; keep the four names after the colon in English: the program reads them so.</extracomment>
        <translation>未知的历法“%1”：应为 gregorian、persian、islamic 或 hebrew。</translation>
    </message>
    <message>
        <source>Print the Nth working day after DATE, DATE not counted, and the
span&apos;s summary, as --days-from prints a date: days outside the
working week and stored holidays are passed over, a negative N
counts back and 0 gives DATE itself (as spreadsheets&apos; WORKDAY).
For example: daywright --working-days-from 2026-12-19 10</source>
        <extracomment>--help on --working-days-from; DATE and N are the value names shown before it.</extracomment>
        <translation>输出 DATE 之后第 N 个工作日（不计 DATE 本身）及
该时段的摘要，格式与 --days-from 输出日期相同：
跳过工作周以外的日子和已保存的节假日；N 为负数
时向前推算，为 0 时即为 DATE 本身（与电子表格的
WORKDAY 函数相同）。
例如：daywright --working-days-from 2026-12-19 10</translation>
    </message>
    <message>
        <source>--working-days-from takes a date and a count of working days.</source>
        <extracomment>Refusing --working-days-from given other than two values.</extracomment>
        <translation>--working-days-from 需要一个日期和一个工作日数。</translation>
    </message>
    <message>
        <source>Count working days by these days of the week for this run, in
the window and the answers: mon-fri, sun-thu, sat,sun,mon,tue,wed
or ISO 8601 numbers, 1-5 (1 is Monday). The window&apos;s Working week
menu keeps a choice for later runs; the region&apos;s week is the default.
For example: daywright --working-week sun-thu --days-from today 9</source>
        <extracomment>--help on --working-week; the day names and numbers are what the program reads in every language.</extracomment>
        <translation>仅在本次运行中（窗口和结果中）按这些星期几计算
工作日：mon-fri、sun-thu、sat,sun,mon,tue,wed，
或 ISO 8601 编号，如 1-5（1 表示星期一）。在窗口
的“工作周”菜单中所做的选择会保留到以后运行时；
默认使用本地区的工作周。
例如：daywright --working-week sun-thu --days-from today 9</translation>
    </message>
</context>
<context>
    <name>DateQuestions</name>
    <message>
        <source>&apos;%1&apos; has a two-digit year: please write the whole year</source>
        <extracomment>A refused date on the command line. %1: the date as typed.</extracomment>
        <translation>“%1”的年份只有两位数：请写出完整的年份</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <extracomment>A refused date on the command line. %1: the text as typed.</extracomment>
        <translation>“%1”不是日期</translation>
    </message>
</context>
<context>
    <name>DaysOffDialog</name>
    <message>
        <source>Days off in %1</source>
        <extracomment>Title of the dialog choosing which events of a holiday calendar are days off; %1: its name</extracomment>
        <translation>%1 的休息日</translation>
    </message>
    <message>
        <source>Checked events are days off. Unchecked ones, such as observances or working days, are not counted or shown as holidays.</source>
        <extracomment>Above the list of a holiday calendar&apos;s events, each with a check box</extracomment>
        <translation>勾选的事件为休息日。未勾选的事件（如纪念日或调休上班日）不计为节假日，也不显示为节假日。</translation>
    </message>
</context>
<context>
    <name>EventReader</name>
    <message>
        <source>Holiday</source>
        <extracomment>The name given to a holiday whose event has no name (SUMMARY).</extracomment>
        <translation>节假日</translation>
    </message>
    <message>
        <source>cancelled</source>
        <extracomment>Why an event gave no holiday: it was cancelled.</extracomment>
        <translation>已取消</translation>
    </message>
    <message>
        <source>no start date</source>
        <extracomment>Why an event gave no holiday: it has no start date.</extracomment>
        <translation>没有开始日期</translation>
    </message>
    <message>
        <source>a time, not a whole day</source>
        <extracomment>Why an event gave no holiday: it starts at a time of day, not on a whole day.</extracomment>
        <translation>指定了时间，而非全天</translation>
    </message>
    <message>
        <source>outside the years 1753 to 9999</source>
        <extracomment>Why an event gave no holiday: its dates lie outside the calendar&apos;s range.</extracomment>
        <translation>超出 1753 年至 9999 年的范围</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A skipped event named with why. %1: the event&apos;s name; %2: why, as &quot;cancelled&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
</context>
<context>
    <name>FixedTexts</name>
    <message>
        <source>Days from now</source>
        <extracomment>The calculation type drop-down&apos;s first item: counts from today to a picked date.</extracomment>
        <translation>从今天起的天数</translation>
    </message>
    <message>
        <source>Days between 2 dates</source>
        <extracomment>The calculation type drop-down&apos;s second item: counts between two picked dates.</extracomment>
        <translation>两个日期之间的天数</translation>
    </message>
    <message>
        <source>Click a date on the Calendar, alternatively enter a number of days and click the Caluculate Date button</source>
        <extracomment>The instruction label at start. &quot;Caluculate&quot; is the English text&apos;s own old misspelling: translate the meaning, and name the button as you translated it.</extracomment>
        <translation>请在日历上点击一个日期，或者输入天数并点击“计算日期”按钮</translation>
    </message>
    <message>
        <source>Click a date on the Calendar or enter a whole number of days and click the Calculate Date button</source>
        <extracomment>The instruction label after &quot;Days from now&quot; is chosen.</extracomment>
        <translation>请在日历上点击一个日期，或输入整数天数并点击“计算日期”按钮</translation>
    </message>
    <message>
        <source>Click a date on the Calendar, alternatively enter a whole number of days and click the Calculate Date button</source>
        <extracomment>The instruction label after an answer from today.</extracomment>
        <translation>请在日历上点击一个日期，或者输入整数天数并点击“计算日期”按钮</translation>
    </message>
    <message>
        <source>Select first date</source>
        <extracomment>The instruction label when &quot;Days between 2 dates&quot; waits for its first date.</extracomment>
        <translation>请选择第一个日期</translation>
    </message>
    <message>
        <source>Select second date or enter a number of days in the Calculate Date box</source>
        <extracomment>The instruction label once the first date is picked. &quot;Calculate Date box&quot;: the day count box beside the Calculate Date button.</extracomment>
        <translation>请选择第二个日期，或在“计算日期”旁的天数框中输入天数</translation>
    </message>
    <message>
        <source>Select a new first date</source>
        <extracomment>The instruction label after an answer between two dates.</extracomment>
        <translation>请选择新的第一个日期</translation>
    </message>
    <message>
        <source>You must select the first date on the calendar</source>
        <extracomment>The instruction label when Calculate Date is pressed before a first date is picked.</extracomment>
        <translation>必须先在日历上选择第一个日期</translation>
    </message>
    <message>
        <source>Date box error, please enter a whole number</source>
        <extracomment>The instruction label when the day count box holds no whole number.</extracomment>
        <translation>天数框有误，请输入整数</translation>
    </message>
    <message>
        <source>Results will appear in this window</source>
        <extracomment>The results box before any answer.</extracomment>
        <translation>结果将显示在此窗口中</translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2 days from %3</source>
        <extracomment>The results box&apos;s first line from today. %1: the date found or picked; %2: the count of days, negative for a date before today; %3: today&apos;s date.</extracomment>
        <translation>
            <numerusform>从 %3 到 %1 为 %2 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The number of days from %1 to %2 is %3</source>
        <extracomment>The results box&apos;s first line between two dates. %1: the first date; %2: the second; %3: the count of days between them, negative when the second is earlier.</extracomment>
        <translation>
            <numerusform>从 %1 到 %2 的天数为 %3</numerusform>
        </translation>
    </message>
    <message>
        <source>That is %1 Weeks and %2 Days.</source>
        <extracomment>The results box&apos;s second line, under every answer: the count of days in whole weeks and the days left over. %1 and %2: the weeks and the days as bare numbers; %3 and %4: the same as counted words (&quot;2 weeks&quot;, &quot;1 day&quot;), for a language whose words change with the number. Use either pair.</extracomment>
        <translation>即 %1 周 %2 天。</translation>
    </message>
    <message>
        <source>First date selected is %1</source>
        <extracomment>The results box once the first of two dates is picked. %1: that date.</extracomment>
        <translation>已选择的第一个日期：%1</translation>
    </message>
    <message>
        <source>Date box error, the date must lie between 1753 and 9999</source>
        <extracomment>The instruction label when the typed count would lead outside the calendar.</extracomment>
        <translation>天数框有误，日期必须在 1753 年至 9999 年之间</translation>
    </message>
</context>
<context>
    <name>HolidayActions</name>
    <message>
        <source>Import holidays…</source>
        <extracomment>The calendar&apos;s menu: imports holiday calendars from iCalendar files. Opens a dialog.</extracomment>
        <translation>导入节假日…</translation>
    </message>
    <message>
        <source>Remove holidays</source>
        <extracomment>The calendar&apos;s menu: the submenu listing the stored holiday calendars, each removed when chosen.
----------
A question before a stored holiday calendar is removed. %1: its name.</extracomment>
        <translation>删除节假日</translation>
    </message>
    <message>
        <source>Import holidays</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>导入节假日</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <extracomment>The file dialog&apos;s filter: keep (*.ics) as it is.</extracomment>
        <translation>iCalendar 文件 (*.ics)</translation>
    </message>
    <message>
        <source>Remove the holiday calendar “%1”?</source>
        <translation>要删除节假日日历“%1”吗？</translation>
    </message>
    <message>
        <source>Replace the holiday calendar “%1”?</source>
        <translation>要替换节假日日历“%1”吗？</translation>
    </message>
    <message>
        <source>Not imported, nothing changed:
%1</source>
        <extracomment>A warning when files could not be imported. %1: each file&apos;s name with why, one per line.</extracomment>
        <translation>未导入，未做任何更改：
%1</translation>
    </message>
    <message>
        <source>Days off in %1…</source>
        <extracomment>In the calendar&apos;s menu, opening the choice of days off; %1: a holiday calendar&apos;s name</extracomment>
        <translation>%1 的休息日…</translation>
    </message>
    <message>
        <source>The days off in “%1” cannot be kept, nothing changed: %2</source>
        <extracomment>A message box&apos;s text; %1: a holiday calendar&apos;s name, %2: why</extracomment>
        <translation>无法保存“%1”的休息日，未做任何更改：%2</translation>
    </message>
</context>
<context>
    <name>HolidayCommands</name>
    <message>
        <source>daywright: %1: %2</source>
        <extracomment>On standard error when a file is refused by --import-holidays. %1: the file; %2: why.</extracomment>
        <translation>daywright: %1: %2</translation>
    </message>
    <message>
        <source>daywright: no holiday calendar named &apos;%1&apos; can be removed</source>
        <extracomment>On standard error when --remove-holidays finds no such calendar. %1: the name as typed.</extracomment>
        <translation>daywright: 没有名为“%1”的节假日日历可删除</translation>
    </message>
    <message>
        <source>daywright: no holiday calendar is named &apos;%1&apos;</source>
        <extracomment>On standard error; %1: the name given for a holiday calendar</extracomment>
        <translation>daywright: 没有名为“%1”的节假日日历</translation>
    </message>
    <message>
        <source>%1: not a day off</source>
        <extracomment>--list-holidays NAME, for an event left out; %1: its name</extracomment>
        <translation>%1：非休息日</translation>
    </message>
    <message>
        <source>%1: day off</source>
        <extracomment>--list-holidays NAME, for an event that counts; %1: its name</extracomment>
        <translation>%1：休息日</translation>
    </message>
</context>
<context>
    <name>HolidayFile</name>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a holiday file is refused: it could not be read. %1: the system&apos;s reason.</extracomment>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>it is larger than 10 MB</source>
        <extracomment>Why a holiday file is refused.</extracomment>
        <translation>文件大于 10 MB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a holiday file is refused: its text is not in the UTF-8 encoding.</extracomment>
        <translation>不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>it is cut short: it does not end with END:VCALENDAR</source>
        <extracomment>Why a holiday file is refused: it is incomplete. Keep END:VCALENDAR as it is.</extracomment>
        <translation>文件不完整：未以 END:VCALENDAR 结尾</translation>
    </message>
    <message>
        <source>it is not an iCalendar file</source>
        <extracomment>Why a holiday file is refused.</extracomment>
        <translation>不是 iCalendar 文件</translation>
    </message>
    <message>
        <source>its events give more than 250,000 holiday days</source>
        <extracomment>Why a holiday file is refused: its events would make too many days.</extracomment>
        <translation>其中的事件产生超过 250,000 天节假日</translation>
    </message>
    <message>
        <source>it holds no all-day event</source>
        <extracomment>Why a holiday file is refused: no event lasts whole days.</extracomment>
        <translation>不含全天事件</translation>
    </message>
    <message>
        <source>it holds no holiday between 1753 and 9999</source>
        <extracomment>Why a holiday file is refused: no event falls in the calendar&apos;s range.</extracomment>
        <translation>不含 1753 年至 9999 年之间的节假日</translation>
    </message>
</context>
<context>
    <name>HolidayStore</name>
    <message>
        <source>there is no folder to keep it in without a home folder: set HOME or XDG_DATA_HOME</source>
        <extracomment>Why a holiday file is not stored. Keep HOME and XDG_DATA_HOME as they are.</extracomment>
        <translation>没有主文件夹，因此无处保存：请设置 HOME 或 XDG_DATA_HOME</translation>
    </message>
    <message>
        <source>its name leaves the calendar nameless: rename it, as national.ics</source>
        <extracomment>Why a holiday file is not stored: its name is only the .ics ending. Keep national.ics as an example file name.</extracomment>
        <translation>此文件名会使日历没有名称：请重命名，例如 national.ics</translation>
    </message>
    <message>
        <source>its name begins with a dot, which would hide the calendar: rename it</source>
        <extracomment>Why a holiday file is not stored: a name beginning with a dot is hidden on Linux.</extracomment>
        <translation>文件名以点开头，会使日历被隐藏：请重命名</translation>
    </message>
    <message>
        <source>its name holds a control character: rename it</source>
        <extracomment>Why a holiday file is not stored: its name holds an invisible character.</extracomment>
        <translation>文件名含有控制字符：请重命名</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <extracomment>Why a holiday file is not stored. %1: the folder; %2: the system&apos;s reason.</extracomment>
        <translation>无法创建文件夹 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>Why a holiday file is not stored. %1: the file; %2: the system&apos;s reason.</extracomment>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <extracomment>Why a holiday file is not stored. %1: the path in the way.</extracomment>
        <translation>%1 是文件，而不是文件夹</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <extracomment>Why a holiday file is not stored. %1: the folder.</extracomment>
        <translation>文件夹 %1 为只读</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <extracomment>Why a holiday file is not stored. %1: the folder.</extracomment>
        <translation>%1 所在的磁盘已满</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>Why a calendar&apos;s choice of days off is not used; %1: its file, %2: what the system says</extracomment>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <extracomment>Why a calendar&apos;s choice of days off is not used; %1: its file</extracomment>
        <translation>%1 已损坏</translation>
    </message>
</context>
<context>
    <name>HolidayTexts</name>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>What an import gave, as &quot;national: 12 holiday days, 1 event skipped&quot;. %1: the calendar&apos;s name; %2: its holiday days, counted; %3: the events that gave none, counted.</extracomment>
        <translation>%1：%2，%3</translation>
    </message>
    <message numerus="yes">
        <source>%1 holiday day(s)</source>
        <extracomment>A count of holiday days in the import&apos;s message. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 天节假日</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 event(s) skipped</source>
        <extracomment>A count of skipped events in the import&apos;s message. %1: the count.</extracomment>
        <translation>
            <numerusform>跳过 %1 个事件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>After the first three skipped events named in the import&apos;s message, how many more there are. %1: that count.</extracomment>
        <translation>
            <numerusform>另有 %1 个</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>import and skipped events</comment>
        <extracomment>The import&apos;s message with the skipped events named. %1: what the import gave; %2: the skipped events, each as &quot;name: reason&quot;, joined by the list separator.</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A holiday calendar or file that gave nothing. %1: its name; %2: why, as &quot;it is not an iCalendar file&quot;.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Holiday calendars skipped: %1</source>
        <extracomment>The summary line at start when stored holiday calendars cannot be read. %1: each, named with the reason, joined by the list separator.</extracomment>
        <translation>已跳过的节假日日历：%1</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What stands between the items of a list of reasons, as &quot;; &quot; in English.</extracomment>
        <translation>；</translation>
    </message>
    <message>
        <source>%1: which events are days off cannot be read (%2), so every event counts</source>
        <extracomment>On the summary line and the command line; %1: a holiday calendar, %2: why</extracomment>
        <translation>%1：无法读取哪些事件为休息日（%2），因此所有事件均计为休息日</translation>
    </message>
</context>
<context>
    <name>MonthCalendar</name>
    <message>
        <source>Calendar</source>
        <extracomment>What screen readers call the twelve-month calendar.</extracomment>
        <translation>日历</translation>
    </message>
</context>
<context>
    <name>MonthJumpMenu</name>
    <message>
        <source>Year</source>
        <extracomment>Spoken name of the year box in a month&apos;s heading.</extracomment>
        <translation>年份</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not shown: write RTL for a language written from right to left, else LTR.</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>ResultTexts</name>
    <message numerus="yes">
        <source>%1 day(s)</source>
        <extracomment>A count of days in a sentence, as &quot;18 days&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 天</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week(s)</source>
        <extracomment>A count of weeks in a sentence, as &quot;2 weeks&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 周</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weeks and days</comment>
        <extracomment>The summary line&apos;s weeks: %1 whole weeks and %2 days left over, each counted (&quot;2 weeks&quot;, &quot;4 days&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 working day(s)</source>
        <extracomment>The summary line&apos;s working days, as &quot;13 working days&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 个工作日</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>working days and holidays</comment>
        <extracomment>The summary line&apos;s working days and the holidays left out of them, as &quot;13 working days (3 holidays)&quot;. %1: the working days counted; %2: the holidays, counted.</extracomment>
        <translation>%1（不含 %2）</translation>
    </message>
    <message numerus="yes">
        <source>%1 holiday(s)</source>
        <translation>
            <numerusform>%1 天节假日</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5</source>
        <extracomment>The summary line under the calendar for a span under a month, as &quot;19/12/2026 to 06/01/2027: 18 days (2 weeks 4 days), 13 working days&quot;. %1, %2: the span&apos;s first and last dates; %3: its days, counted; %4: its weeks and days; %5: its working days.</extracomment>
        <translation>%1 至 %2：%3（%4），%5</translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <extracomment>A count of months in the summary line, as &quot;3 months&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 个月</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>months and days</comment>
        <extracomment>The summary line&apos;s span in the calendar&apos;s months: %1 months and %2 days, each counted (&quot;3 months&quot;, &quot;10 days&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>years, months and days</comment>
        <extracomment>The summary line&apos;s span in the calendar&apos;s years and months: %1 years, %2 months and %3 days, each counted (&quot;1 year&quot;, &quot;3 months&quot;, &quot;10 days&quot;).</extracomment>
        <translation>%1 %2 %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 年</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4; %5), %6</source>
        <extracomment>The summary line under the calendar for a month or more, as &quot;07/12/2026 to 17/03/2027: 100 days (14 weeks 2 days; 3 months 10 days), 72 working days&quot;. %1, %2: the span&apos;s first and last dates; %3: its days, counted; %4: its weeks and days; %5: the same span in the calendar&apos;s years, months and days; %6: its working days.</extracomment>
        <translation>%1 至 %2：%3（%4；%5），%6</translation>
    </message>
</context>
<context>
    <name>SpanSummary</name>
    <message>
        <source>Copy</source>
        <extracomment>The summary line&apos;s context menu: copies the whole line.</extracomment>
        <translation>复制</translation>
    </message>
    <message>
        <source>The span of days shaded on the calendar</source>
        <extracomment>What screen readers call the summary line under the calendar.</extracomment>
        <translation>日历上以底纹标出的时段</translation>
    </message>
</context>
<context>
    <name>WeekNumbersAction</name>
    <message>
        <source>Week numbers</source>
        <extracomment>The calendar&apos;s menu: shows the ISO 8601 week numbers beside the weeks. Checkable.</extracomment>
        <translation>周数</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Daywright and days calulator v%1</source>
        <extracomment>The window&apos;s title. &quot;calulator&quot; is the English text&apos;s old misspelling: translate the meaning. %1: the version.</extracomment>
        <translation>Daywright 日期与天数计算器 v%1</translation>
    </message>
    <message>
        <source>Instruction window</source>
        <extracomment>The heading above the instruction label.</extracomment>
        <translation>操作说明</translation>
    </message>
    <message>
        <source>Select type of date calculation</source>
        <extracomment>The heading above the calculation type drop-down.</extracomment>
        <translation>选择日期计算类型</translation>
    </message>
    <message>
        <source>Results window</source>
        <extracomment>The heading above the results box.</extracomment>
        <translation>计算结果</translation>
    </message>
    <message>
        <source>Visit our web site for links to many more useful free applications</source>
        <extracomment>Tooltip of the window&apos;s headings.</extracomment>
        <translation>访问我们的网站，获取更多实用免费应用程序的链接</translation>
    </message>
    <message>
        <source>This window displays instructions only</source>
        <extracomment>Tooltip of the instruction label.</extracomment>
        <translation>此窗口仅显示操作说明</translation>
    </message>
    <message>
        <source>Select calculation type</source>
        <extracomment>Tooltip of the calculation type drop-down.</extracomment>
        <translation>选择计算类型</translation>
    </message>
    <message>
        <source>Select the results and copy them to the clip board if desired (press CTRL and C)</source>
        <extracomment>Tooltip of the results box. &quot;clip board&quot;: the clipboard.</extracomment>
        <translation>如有需要，可选中结果并复制到剪贴板（按 Ctrl+C）</translation>
    </message>
    <message>
        <source>Click on a month or a year to move quickly to a date not currently in the display</source>
        <extracomment>Tooltip of the calendar.</extracomment>
        <translation>点击月份或年份，可快速跳转到当前未显示的日期</translation>
    </message>
    <message>
        <source>Enter an interval in days</source>
        <extracomment>Tooltip of the day count box.</extracomment>
        <translation>输入间隔天数</translation>
    </message>
    <message>
        <source>Click to work out the date from the number on the right</source>
        <extracomment>Tooltip of the Calculate Date button: the number is in the day count box beside it.</extracomment>
        <translation>点击以根据右侧的天数计算日期</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>退出</translation>
    </message>
    <message>
        <source>Calculate Date</source>
        <extracomment>The button that finds the date the typed number of days away.</extracomment>
        <translation>计算日期</translation>
    </message>
</context>
<context>
    <name>WorkingDaysAction</name>
    <message>
        <source>N working days from here…</source>
        <extracomment>The calendar&apos;s menu: asks for a number N and picks the day N working days from the day the menu was opened on.</extracomment>
        <translation>从此日起 N 个工作日…</translation>
    </message>
    <message>
        <source>Working days</source>
        <extracomment>The title of the dialog that asks how many working days from a day.</extracomment>
        <translation>工作日</translation>
    </message>
    <message>
        <source>Working days after %1 (negative: before it):</source>
        <extracomment>Asking for a count of working days; %1 is the day counted from, which is not counted.</extracomment>
        <translation>%1 之后的工作日数（负数表示之前）：</translation>
    </message>
</context>
<context>
    <name>WorkingWeek</name>
    <message>
        <source>&apos;%1&apos; is no day of the week: write mon to sun, or 1 to 7</source>
        <extracomment>Refusing a --working-week value; %1 is the part that is no day. The English day names and the numbers are what the program reads in every language.</extracomment>
        <translation>“%1”不是星期几：请写 mon 至 sun，或 1 至 7</translation>
    </message>
    <message>
        <source>A working week needs at least one working day.</source>
        <extracomment>Refusing a working week, from the Working week menu or the command line, that would leave no day of the week a working day.</extracomment>
        <translation>工作周至少需要一个工作日。</translation>
    </message>
</context>
<context>
    <name>WorkingWeekMenu</name>
    <message>
        <source>Working week</source>
        <extracomment>The calendar&apos;s menu: the submenu of the days counted as working days.</extracomment>
        <translation>工作周</translation>
    </message>
    <message>
        <source>As the region says</source>
        <extracomment>The Working week menu: counting by the region&apos;s usual working week again.</extracomment>
        <translation>按地区设置</translation>
    </message>
</context>
</TS>
