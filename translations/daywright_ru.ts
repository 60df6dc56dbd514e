<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CalculatorWindow</name>
    <message>
        <source>%1. %2</source>
        <extracomment>The instruction label&apos;s spoken description. %1: the heading &quot;Instruction window&quot;; %2: the label&apos;s tooltip.</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Ends the program</source>
        <extracomment>What screen readers say of the Quit button.</extracomment>
        <translation>Завершает работу программы</translation>
    </message>
    <message>
        <source>Interval in days</source>
        <extracomment>What screen readers call the day count box.</extracomment>
        <translation>Интервал в днях</translation>
    </message>
</context>
<context>
    <name>CalendarKeys</name>
    <message>
        <source>Arrow keys</source>
        <extracomment>--help&apos;s list of the calendar&apos;s keys: the keys&apos; names.</extracomment>
        <translation>Клавиши со стрелками</translation>
    </message>
    <message>
        <source>Move the selection by a day or a week.</source>
        <extracomment>--help: what the arrow keys do on the calendar.</extracomment>
        <translation>Переместить выделение на день или на неделю.</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Page Up, Page Down</translation>
    </message>
    <message>
        <source>Move the selection by a month.</source>
        <extracomment>--help: what Page Up and Page Down do on the calendar.</extracomment>
        <translation>Переместить выделение на месяц.</translation>
    </message>
    <message>
        <source>Ctrl+Page Up, Ctrl+Page Down</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Ctrl+Page Up, Ctrl+Page Down</translation>
    </message>
    <message>
        <source>Move the selection by a year.</source>
        <extracomment>--help: what Ctrl with Page Up or Page Down does on the calendar.</extracomment>
        <translation>Переместить выделение на год.</translation>
    </message>
    <message>
        <source>Home, End</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>Move the selection to the first or last day of its month.</source>
        <extracomment>--help: what Home and End do on the calendar.</extracomment>
        <translation>Переместить выделение на первый или последний день месяца.</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>--help: the key&apos;s name, as printed on keyboards in your language.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Pick the selected day.</source>
        <extracomment>--help: what Return does on the calendar.</extracomment>
        <translation>Выбрать выделенный день.</translation>
    </message>
    <message>
        <source>Alt+M</source>
        <extracomment>--help: the key&apos;s name; the letter M is the key pressed, whatever the menu is called.</extracomment>
        <translation>Alt+M</translation>
    </message>
    <message>
        <source>Open the month menu.</source>
        <extracomment>--help: what Alt+M does on the calendar.</extracomment>
        <translation>Открыть меню месяцев.</translation>
    </message>
    <message>
        <source>Alt+Y</source>
        <extracomment>--help: the key&apos;s name; the letter Y is the key pressed, whatever the year box is called.</extracomment>
        <translation>Alt+Y</translation>
    </message>
    <message>
        <source>Take the keyboard into the year box; Return or Escape goes back to the days.</source>
        <extracomment>--help: what Alt+Y does on the calendar.</extracomment>
        <translation>Перевести фокус клавиатуры в поле года; Enter или Esc возвращает его к дням.</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <extracomment>--help: the key&apos;s name, as printed on keyboards in your language.</extracomment>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the summary of the shaded span.</source>
        <extracomment>--help: what Ctrl+C does on the calendar: copies the line under the months.</extracomment>
        <translation>Скопировать сводку по закрашенному промежутку.</translation>
    </message>
    <message>
        <source>Menu, Shift+F10</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Menu, Shift+F10</translation>
    </message>
    <message>
        <source>Open the calendar&apos;s menu: working days, holidays, week numbers and the calendar.</source>
        <extracomment>--help: what the Menu key does on the calendar.</extracomment>
        <translation>Открыть меню календаря: рабочие дни, праздники, номера недель и выбор календаря.</translation>
    </message>
</context>
<context>
    <name>CalendarMenu</name>
    <message>
        <source>Calendar</source>
        <extracomment>The calendar&apos;s menu: the submenu that chooses the calendar dates are shown in.</extracomment>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <extracomment>The calendar&apos;s menu: the Gregorian calendar.</extracomment>
        <translation>Григорианский</translation>
    </message>
    <message>
        <source>Persian (Solar Hijri)</source>
        <extracomment>The calendar&apos;s menu: the Persian (Solar Hijri, Jalali) calendar, official in Iran and Afghanistan.</extracomment>
        <translation>Персидский (солнечная хиджра)</translation>
    </message>
    <message>
        <source>Islamic (tabular)</source>
        <extracomment>The calendar&apos;s menu: the tabular (arithmetical) Islamic calendar.</extracomment>
        <translation>Исламский (табличный)</translation>
    </message>
    <message>
        <source>Official Islamic dates follow the moon and may differ by a day or two.</source>
        <extracomment>Tooltip of the Islamic calendar&apos;s menu item.</extracomment>
        <translation>Официальные даты исламского календаря определяются по Луне и могут отличаться на день-два.</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <extracomment>The calendar&apos;s menu: the Hebrew (Jewish) calendar, with its thirteen-month years</extracomment>
        <translation>Еврейский</translation>
    </message>
</context>
<context>
    <name>CalendarTexts</name>
    <message>
        <source>%1 %2</source>
        <comment>month and year</comment>
        <extracomment>The calendar&apos;s heading of a month, as &quot;December 2026&quot;. %1: the month&apos;s name; %2: the year.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1, week %2</source>
        <extracomment>What screen readers say of a day while week numbers are shown. %1: the day&apos;s date; %2: its ISO 8601 week number.</extracomment>
        <translation>%1, неделя %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <comment>a day and a holiday</comment>
        <extracomment>What screen readers say of a holiday. %1: the day&apos;s date (and week); %2: the holiday&apos;s name.</extracomment>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>CalendarTitleBar</name>
    <message>
        <source>Previous month</source>
        <extracomment>Tooltip and spoken name of the calendar&apos;s back arrow.</extracomment>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Next month</source>
        <extracomment>Tooltip and spoken name of the calendar&apos;s forward arrow.</extracomment>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Moves quickly to another month or year</source>
        <extracomment>Tooltip of the first month&apos;s name in the calendar&apos;s title: it opens a menu of months.</extracomment>
        <translation>Быстрый переход к другому месяцу или году</translation>
    </message>
    <message>
        <source>Year of the first month shown</source>
        <extracomment>Spoken name of the year box in the calendar&apos;s title.</extracomment>
        <translation>Год первого показанного месяца</translation>
    </message>
    <message>
        <source>%1, first month shown</source>
        <extracomment>Spoken name of the month button in the calendar&apos;s title. %1: the month&apos;s name.</extracomment>
        <translation>%1, первый показанный месяц</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <extracomment>--help: the option --help. Lines are at most 62 characters; break them with line feeds.</extracomment>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <extracomment>--help: the option --version.</extracomment>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Print the days between the dates, as the window would answer
them, and the span&apos;s summary, and exit.</source>
        <extracomment>--help: the option --between DATE DATE. Keep the lines under 62 characters.</extracomment>
        <translation>Вывести число дней между датами так, как ответило бы окно,
и сводку по промежутку, затем выйти.</translation>
    </message>
    <message>
        <source>--between takes two dates, --days-from a date and a count.</source>
        <extracomment>A refused command line: --between or --days-from was given the wrong number of values. Keep the option names as they are.</extracomment>
        <translation>--between принимает две даты, --days-from — дату и число дней.</translation>
    </message>
    <message>
        <source>Print the date DAYS days from DATE, and the span&apos;s summary.
A DATE is &apos;today&apos;, ISO 8601 (2026-12-19) or in your region&apos;s
short format and calendar with the whole year; DAYS is read as
the day box reads it, a negative count going back.</source>
        <extracomment>--help: the option --days-from DATE DAYS. Keep &apos;today&apos; and the option names in English: the program reads them so.</extracomment>
        <translation>Вывести дату через DAYS дней от DATE и сводку по промежутку.
DATE — это «today», ISO 8601 (2026-12-19) или дата в кратком
формате и календаре вашего региона с полным годом; DAYS
читается так же, как в поле дней, отрицательное число
отсчитывается назад.</translation>
    </message>
    <message>
        <source>Write the answers&apos; dates as ISO 8601, which is Gregorian.
For example: daywright --between 2026-12-19 2027-01-06</source>
        <extracomment>--help: the option --iso. Keep the example command as it is.</extracomment>
        <translation>Писать даты в ответах в ISO 8601 (григорианский календарь).
Например: daywright --between 2026-12-19 2027-01-06</translation>
    </message>
    <message>
        <source>Keep a copy of each iCalendar file&apos;s all-day events as public
holidays, which working days leave out, and exit.</source>
        <extracomment>--help: the option --import-holidays FILE...</extracomment>
        <translation>Сохранить копию событий на весь день из каждого файла
iCalendar как государственные праздники, которые не
считаются рабочими днями, и выйти.</translation>
    </message>
    <message>
        <source>--import-holidays needs the files to import.</source>
        <extracomment>A refused command line: --import-holidays without files. Keep the option name.</extracomment>
        <translation>Для --import-holidays нужно указать файлы для импорта.</translation>
    </message>
    <message>
        <source>Remove the holiday calendar of that name, and exit.</source>
        <extracomment>--help: the option --remove-holidays NAME.</extracomment>
        <translation>Удалить календарь праздников с этим именем и выйти.</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot go together: give one at a time.</source>
        <extracomment>A refused command line. %1, %2: two option names, as between and list-holidays.</extracomment>
        <translation>--%1 и --%2 нельзя использовать вместе: укажите только один.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>A refused command line. %1: the argument that no option takes.</extracomment>
        <translation>Неожиданный аргумент «%1».</translation>
    </message>
    <message>
        <source>daywright: %1
Try &apos;daywright --help&apos; for more information.
</source>
        <extracomment>A refused command line, on standard error. %1: why. Keep &apos;daywright --help&apos; as it is.</extracomment>
        <translation>daywright: %1
Подробнее см. «daywright --help».
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
        <translation>Использование: daywright [--help] [--version] [параметры Qt, например -style NAME]
Калькулятор дат: сколько дней от сегодня до даты или между двумя датами,
в неделях и днях.

Параметры:
%1
Клавиши в календаре:
%2
Переменные окружения: LC_TIME (или LANG) задаёт формат дат и названия
месяцев и дней недели, LC_NUMERIC — десятичный разделитель и разделитель
групп разрядов во вводимых числах, LC_ALL — и то и другое;
QT_SCALE_FACTOR задаёт масштаб окна.
</translation>
    </message>
    <message>
        <source>daywright: the answer could not be written: %1
</source>
        <extracomment>On standard error when the answer could not be written. %1: the system&apos;s reason.</extracomment>
        <translation>daywright: не удалось вывести ответ: %1
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
        <translation>Показывать и писать даты, месяцы и годы в этом календаре
при данном запуске: даты в окне и в ответах. Персидский
календарь используется по умолчанию в Иране и Афганистане,
а меню «Календарь» в окне запоминает выбор для следующих
запусков. Исламский — это табличный календарь: официальные
даты, определяемые по Луне, могут отличаться на день-два.
В еврейском году 12 или 13 месяцев (Adar I и Adar II); даты
этого календаря читаются также в виде «15 Adar II 5784».</translation>
    </message>
    <message>
        <source>List the holiday calendars kept, or the events of the calendar
NAME, each marked as a day off or not (the window&apos;s calendar
menu chooses which: &quot;Days off in NAME&quot;), and exit.</source>
        <extracomment>--help: the option --list-holidays [NAME]. Keep &quot;Days off in NAME&quot; as the window&apos;s menu item is translated.</extracomment>
        <translation>Вывести список сохранённых календарей праздников или события
календаря NAME с пометкой, выходной это день или нет (что
считать выходным, выбирается в меню календаря в окне:
«Выходные дни календаря NAME»), и выйти.</translation>
    </message>
    <message>
        <source>--list-holidays takes one calendar&apos;s name at most.</source>
        <extracomment>A refused command line: --list-holidays was given more than one name.</extracomment>
        <translation>--list-holidays принимает не более одного имени календаря.</translation>
    </message>
    <message>
        <source>Unknown calendar &apos;%1&apos;: gregorian, persian, islamic or hebrew.</source>
        <extracomment>A refused command line. %1: the calendar&apos;s name as typed; keep the four names after the colon in English: the program reads them so.</extracomment>
        <translation>Неизвестный календарь «%1»: gregorian, persian, islamic или hebrew.</translation>
    </message>
    <message>
        <source>Print the Nth working day after DATE, DATE not counted, and the
span&apos;s summary, as --days-from prints a date: days outside the
working week and stored holidays are passed over, a negative N
counts back and 0 gives DATE itself (as spreadsheets&apos; WORKDAY).
For example: daywright --working-days-from 2026-12-19 10</source>
        <extracomment>--help on --working-days-from; DATE and N are the value names shown before it.</extracomment>
        <translation>Вывести N-й рабочий день после DATE (сама DATE не считается)
и сводку по промежутку, как --days-from выводит дату: дни вне
рабочей недели и сохранённые праздники пропускаются,
отрицательное N отсчитывает назад, а 0 даёт саму DATE (как
функция РАБДЕНЬ в электронных таблицах).
Например: daywright --working-days-from 2026-12-19 10</translation>
    </message>
    <message>
        <source>--working-days-from takes a date and a count of working days.</source>
        <extracomment>Refusing --working-days-from given other than two values.</extracomment>
        <translation>--working-days-from принимает дату и число рабочих дней.</translation>
    </message>
    <message>
        <source>Count working days by these days of the week for this run, in
the window and the answers: mon-fri, sun-thu, sat,sun,mon,tue,wed
or ISO 8601 numbers, 1-5 (1 is Monday). The window&apos;s Working week
menu keeps a choice for later runs; the region&apos;s week is the default.
For example: daywright --working-week sun-thu --days-from today 9</source>
        <extracomment>--help on --working-week; the day names and numbers are what the program reads in every language.</extracomment>
        <translation>Считать рабочими днями эти дни недели при данном запуске,
в окне и в ответах: mon-fri, sun-thu, sat,sun,mon,tue,wed
или номера ISO 8601, 1-5 (1 — понедельник). Меню «Рабочая
неделя» в окне запоминает выбор для следующих запусков;
по умолчанию используется рабочая неделя региона.
Например: daywright --working-week sun-thu --days-from today 9</translation>
    </message>
</context>
<context>
    <name>DateQuestions</name>
    <message>
        <source>&apos;%1&apos; has a two-digit year: please write the whole year</source>
        <extracomment>A refused date on the command line. %1: the date as typed.</extracomment>
        <translation>В «%1» год записан двумя цифрами: укажите год полностью</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <extracomment>A refused date on the command line. %1: the text as typed.</extracomment>
        <translation>«%1» — не дата</translation>
    </message>
</context>
<context>
    <name>DaysOffDialog</name>
    <message>
        <source>Days off in %1</source>
        <extracomment>Title of the dialog choosing which events of a holiday calendar are days off; %1: its name</extracomment>
        <translation>Выходные дни календаря %1</translation>
    </message>
    <message>
        <source>Checked events are days off. Unchecked ones, such as observances or working days, are not counted or shown as holidays.</source>
        <extracomment>Above the list of a holiday calendar&apos;s events, each with a check box</extracomment>
        <translation>Отмеченные события — выходные дни. Неотмеченные, например памятные даты или рабочие дни, не учитываются и не показываются как праздники.</translation>
    </message>
</context>
<context>
    <name>EventReader</name>
    <message>
        <source>Holiday</source>
        <extracomment>The name given to a holiday whose event has no name (SUMMARY).</extracomment>
        <translation>Праздник</translation>
    </message>
    <message>
        <source>cancelled</source>
        <extracomment>Why an event gave no holiday: it was cancelled.</extracomment>
        <translation>отменено</translation>
    </message>
    <message>
        <source>no start date</source>
        <extracomment>Why an event gave no holiday: it has no start date.</extracomment>
        <translation>нет даты начала</translation>
    </message>
    <message>
        <source>a time, not a whole day</source>
        <extracomment>Why an event gave no holiday: it starts at a time of day, not on a whole day.</extracomment>
        <translation>указано время, а не целый день</translation>
    </message>
    <message>
        <source>outside the years 1753 to 9999</source>
        <extracomment>Why an event gave no holiday: its dates lie outside the calendar&apos;s range.</extracomment>
        <translation>за пределами 1753–9999 годов</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A skipped event named with why. %1: the event&apos;s name; %2: why, as &quot;cancelled&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>FixedTexts</name>
    <message>
        <source>Days from now</source>
        <extracomment>The calculation type drop-down&apos;s first item: counts from today to a picked date.</extracomment>
        <translation>Дни от сегодняшнего дня</translation>
    </message>
    <message>
        <source>Days between 2 dates</source>
        <extracomment>The calculation type drop-down&apos;s second item: counts between two picked dates.</extracomment>
        <translation>Дни между двумя датами</translation>
    </message>
    <message>
        <source>Click a date on the Calendar, alternatively enter a number of days and click the Caluculate Date button</source>
        <extracomment>The instruction label at start. &quot;Caluculate&quot; is the English text&apos;s own old misspelling: translate the meaning, and name the button as you translated it.</extracomment>
        <translation>Щёлкните дату в календаре или введите число дней и нажмите кнопку «Вычислить дату»</translation>
    </message>
    <message>
        <source>Click a date on the Calendar or enter a whole number of days and click the Calculate Date button</source>
        <extracomment>The instruction label after &quot;Days from now&quot; is chosen.</extracomment>
        <translation>Щёлкните дату в календаре или введите целое число дней и нажмите кнопку «Вычислить дату»</translation>
    </message>
    <message>
        <source>Click a date on the Calendar, alternatively enter a whole number of days and click the Calculate Date button</source>
        <extracomment>The instruction label after an answer from today.</extracomment>
        <translation>Щёлкните дату в календаре либо введите целое число дней и нажмите кнопку «Вычислить дату»</translation>
    </message>
    <message>
        <source>Select first date</source>
        <extracomment>The instruction label when &quot;Days between 2 dates&quot; waits for its first date.</extracomment>
        <translation>Выберите первую дату</translation>
    </message>
    <message>
        <source>Select second date or enter a number of days in the Calculate Date box</source>
        <extracomment>The instruction label once the first date is picked. &quot;Calculate Date box&quot;: the day count box beside the Calculate Date button.</extracomment>
        <translation>Выберите вторую дату или введите число дней в поле рядом с кнопкой «Вычислить дату»</translation>
    </message>
    <message>
        <source>Select a new first date</source>
        <extracomment>The instruction label after an answer between two dates.</extracomment>
        <translation>Выберите новую первую дату</translation>
    </message>
    <message>
        <source>You must select the first date on the calendar</source>
        <extracomment>The instruction label when Calculate Date is pressed before a first date is picked.</extracomment>
        <translation>Сначала выберите первую дату в календаре</translation>
    </message>
    <message>
        <source>Date box error, please enter a whole number</source>
        <extracomment>The instruction label when the day count box holds no whole number.</extracomment>
        <translation>Ошибка в поле числа дней: введите целое число</translation>
    </message>
    <message>
        <source>Results will appear in this window</source>
        <extracomment>The results box before any answer.</extracomment>
        <translation>Здесь появятся результаты</translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2 days from %3</source>
        <extracomment>The results box&apos;s first line from today. %1: the date found or picked; %2: the count of days, negative for a date before today; %3: today&apos;s date.</extracomment>
        <translation>
            <numerusform>От %3 до %1: %2 день</numerusform>
            <numerusform>От %3 до %1: %2 дня</numerusform>
            <numerusform>От %3 до %1: %2 дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The number of days from %1 to %2 is %3</source>
        <extracomment>The results box&apos;s first line between two dates. %1: the first date; %2: the second; %3: the count of days between them, negative when the second is earlier.</extracomment>
        <translation>
            <numerusform>Число дней от %1 до %2: %3</numerusform>
            <numerusform>Число дней от %1 до %2: %3</numerusform>
            <numerusform>Число дней от %1 до %2: %3</numerusform>
        </translation>
    </message>
    <message>
        <source>That is %1 Weeks and %2 Days.</source>
        <extracomment>The results box&apos;s second line, under every answer: the count of days in whole weeks and the days left over. %1 and %2: the weeks and the days as bare numbers; %3 and %4: the same as counted words (&quot;2 weeks&quot;, &quot;1 day&quot;), for a language whose words change with the number. Use either pair.</extracomment>
        <translation>Это %3 и %4.</translation>
    </message>
    <message>
        <source>First date selected is %1</source>
        <extracomment>The results box once the first of two dates is picked. %1: that date.</extracomment>
        <translation>Выбрана первая дата: %1</translation>
    </message>
    <message>
        <source>Date box error, the date must lie between 1753 and 9999</source>
        <extracomment>The instruction label when the typed count would lead outside the calendar.</extracomment>
        <translation>Ошибка в поле числа дней: дата должна быть в пределах 1753–9999 годов</translation>
    </message>
</context>
<context>
    <name>HolidayActions</name>
    <message>
        <source>Import holidays…</source>
        <extracomment>The calendar&apos;s menu: imports holiday calendars from iCalendar files. Opens a dialog.</extracomment>
        <translation>Импортировать праздники…</translation>
    </message>
    <message>
        <source>Remove holidays</source>
        <extracomment>The calendar&apos;s menu: the submenu listing the stored holiday calendars, each removed when chosen.
----------
A question before a stored holiday calendar is removed. %1: its name.</extracomment>
        <translation>Удалить праздники</translation>
    </message>
    <message>
        <source>Import holidays</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>Импорт праздников</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <extracomment>The file dialog&apos;s filter: keep (*.ics) as it is.</extracomment>
        <translation>Файлы iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Remove the holiday calendar “%1”?</source>
        <translation>Удалить календарь праздников «%1»?</translation>
    </message>
    <message>
        <source>Replace the holiday calendar “%1”?</source>
        <translation>Заменить календарь праздников «%1»?</translation>
    </message>
    <message>
        <source>Not imported, nothing changed:
%1</source>
        <extracomment>A warning when files could not be imported. %1: each file&apos;s name with why, one per line.</extracomment>
        <translation>Не импортировано, ничего не изменено:
%1</translation>
    </message>
    <message>
        <source>Days off in %1…</source>
        <extracomment>In the calendar&apos;s menu, opening the choice of days off; %1: a holiday calendar&apos;s name</extracomment>
        <translation>Выходные дни календаря %1…</translation>
    </message>
    <message>
        <source>The days off in “%1” cannot be kept, nothing changed: %2</source>
        <extracomment>A message box&apos;s text; %1: a holiday calendar&apos;s name, %2: why</extracomment>
        <translation>Не удалось сохранить выходные дни календаря «%1», ничего не изменено: %2</translation>
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
        <translation>daywright: нельзя удалить календарь праздников «%1»: такого нет</translation>
    </message>
    <message>
        <source>daywright: no holiday calendar is named &apos;%1&apos;</source>
        <extracomment>On standard error; %1: the name given for a holiday calendar</extracomment>
        <translation>daywright: нет календаря праздников с именем «%1»</translation>
    </message>
    <message>
        <source>%1: not a day off</source>
        <extracomment>--list-holidays NAME, for an event left out; %1: its name</extracomment>
        <translation>%1: не выходной день</translation>
    </message>
    <message>
        <source>%1: day off</source>
        <extracomment>--list-holidays NAME, for an event that counts; %1: its name</extracomment>
        <translation>%1: выходной день</translation>
    </message>
</context>
<context>
    <name>HolidayFile</name>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a holiday file is refused: it could not be read. %1: the system&apos;s reason.</extracomment>
        <translation>его не удаётся прочитать (%1)</translation>
    </message>
    <message>
        <source>it is larger than 10 MB</source>
        <extracomment>Why a holiday file is refused.</extracomment>
        <translation>он больше 10 МБ</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a holiday file is refused: its text is not in the UTF-8 encoding.</extracomment>
        <translation>это не текст в кодировке UTF-8</translation>
    </message>
    <message>
        <source>it is cut short: it does not end with END:VCALENDAR</source>
        <extracomment>Why a holiday file is refused: it is incomplete. Keep END:VCALENDAR as it is.</extracomment>
        <translation>он обрезан: в конце нет END:VCALENDAR</translation>
    </message>
    <message>
        <source>it is not an iCalendar file</source>
        <extracomment>Why a holiday file is refused.</extracomment>
        <translation>это не файл iCalendar</translation>
    </message>
    <message>
        <source>its events give more than 250,000 holiday days</source>
        <extracomment>Why a holiday file is refused: its events would make too many days.</extracomment>
        <translation>его события дают более 250 000 праздничных дней</translation>
    </message>
    <message>
        <source>it holds no all-day event</source>
        <extracomment>Why a holiday file is refused: no event lasts whole days.</extracomment>
        <translation>в нём нет ни одного события на весь день</translation>
    </message>
    <message>
        <source>it holds no holiday between 1753 and 9999</source>
        <extracomment>Why a holiday file is refused: no event falls in the calendar&apos;s range.</extracomment>
        <translation>в нём нет ни одного праздника в пределах 1753–9999 годов</translation>
    </message>
</context>
<context>
    <name>HolidayStore</name>
    <message>
        <source>there is no folder to keep it in without a home folder: set HOME or XDG_DATA_HOME</source>
        <extracomment>Why a holiday file is not stored. Keep HOME and XDG_DATA_HOME as they are.</extracomment>
        <translation>без домашней папки его негде хранить: задайте HOME или XDG_DATA_HOME</translation>
    </message>
    <message>
        <source>its name leaves the calendar nameless: rename it, as national.ics</source>
        <extracomment>Why a holiday file is not stored: its name is only the .ics ending. Keep national.ics as an example file name.</extracomment>
        <translation>с таким именем у календаря не будет названия: переименуйте файл, например в national.ics</translation>
    </message>
    <message>
        <source>its name begins with a dot, which would hide the calendar: rename it</source>
        <extracomment>Why a holiday file is not stored: a name beginning with a dot is hidden on Linux.</extracomment>
        <translation>его имя начинается с точки, из-за чего календарь будет скрыт: переименуйте файл</translation>
    </message>
    <message>
        <source>its name holds a control character: rename it</source>
        <extracomment>Why a holiday file is not stored: its name holds an invisible character.</extracomment>
        <translation>в его имени есть управляющий символ: переименуйте файл</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <extracomment>Why a holiday file is not stored. %1: the folder; %2: the system&apos;s reason.</extracomment>
        <translation>не удаётся создать папку %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>Why a holiday file is not stored. %1: the file; %2: the system&apos;s reason.</extracomment>
        <translation>не удаётся записать %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <extracomment>Why a holiday file is not stored. %1: the path in the way.</extracomment>
        <translation>%1 — это файл, а не папка</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <extracomment>Why a holiday file is not stored. %1: the folder.</extracomment>
        <translation>папка %1 доступна только для чтения</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <extracomment>Why a holiday file is not stored. %1: the folder.</extracomment>
        <translation>диск, на котором находится %1, заполнен</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>Why a calendar&apos;s choice of days off is not used; %1: its file, %2: what the system says</extracomment>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <extracomment>Why a calendar&apos;s choice of days off is not used; %1: its file</extracomment>
        <translation>файл %1 повреждён</translation>
    </message>
</context>
<context>
    <name>HolidayTexts</name>
    <message>
        <source>%1: %2, %3</source>
        <extracomment>What an import gave, as &quot;national: 12 holiday days, 1 event skipped&quot;. %1: the calendar&apos;s name; %2: its holiday days, counted; %3: the events that gave none, counted.</extracomment>
        <translation>%1: %2, %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 holiday day(s)</source>
        <extracomment>A count of holiday days in the import&apos;s message. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 праздничный день</numerusform>
            <numerusform>%1 праздничных дня</numerusform>
            <numerusform>%1 праздничных дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 event(s) skipped</source>
        <extracomment>A count of skipped events in the import&apos;s message. %1: the count.</extracomment>
        <translation>
            <numerusform>пропущено %1 событие</numerusform>
            <numerusform>пропущено %1 события</numerusform>
            <numerusform>пропущено %1 событий</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>After the first three skipped events named in the import&apos;s message, how many more there are. %1: that count.</extracomment>
        <translation>
            <numerusform>и ещё %1</numerusform>
            <numerusform>и ещё %1</numerusform>
            <numerusform>и ещё %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>import and skipped events</comment>
        <extracomment>The import&apos;s message with the skipped events named. %1: what the import gave; %2: the skipped events, each as &quot;name: reason&quot;, joined by the list separator.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A holiday calendar or file that gave nothing. %1: its name; %2: why, as &quot;it is not an iCalendar file&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Holiday calendars skipped: %1</source>
        <extracomment>The summary line at start when stored holiday calendars cannot be read. %1: each, named with the reason, joined by the list separator.</extracomment>
        <translation>Пропущены календари праздников: %1</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What stands between the items of a list of reasons, as &quot;; &quot; in English.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: which events are days off cannot be read (%2), so every event counts</source>
        <extracomment>On the summary line and the command line; %1: a holiday calendar, %2: why</extracomment>
        <translation>%1: не удаётся прочитать, какие события считаются выходными днями (%2), поэтому учитываются все события</translation>
    </message>
</context>
<context>
    <name>MonthCalendar</name>
    <message>
        <source>Calendar</source>
        <extracomment>What screen readers call the twelve-month calendar.</extracomment>
        <translation>Календарь</translation>
    </message>
</context>
<context>
    <name>MonthJumpMenu</name>
    <message>
        <source>Year</source>
        <extracomment>Spoken name of the year box in a month&apos;s heading.</extracomment>
        <translation>Год</translation>
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
            <numerusform>%1 день</numerusform>
            <numerusform>%1 дня</numerusform>
            <numerusform>%1 дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week(s)</source>
        <extracomment>A count of weeks in a sentence, as &quot;2 weeks&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 неделя</numerusform>
            <numerusform>%1 недели</numerusform>
            <numerusform>%1 недель</numerusform>
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
            <numerusform>%1 рабочий день</numerusform>
            <numerusform>%1 рабочих дня</numerusform>
            <numerusform>%1 рабочих дней</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <comment>working days and holidays</comment>
        <extracomment>The summary line&apos;s working days and the holidays left out of them, as &quot;13 working days (3 holidays)&quot;. %1: the working days counted; %2: the holidays, counted.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%1 holiday(s)</source>
        <translation>
            <numerusform>%1 праздник</numerusform>
            <numerusform>%1 праздника</numerusform>
            <numerusform>%1 праздников</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5</source>
        <extracomment>The summary line under the calendar for a span under a month, as &quot;19/12/2026 to 06/01/2027: 18 days (2 weeks 4 days), 13 working days&quot;. %1, %2: the span&apos;s first and last dates; %3: its days, counted; %4: its weeks and days; %5: its working days.</extracomment>
        <translation>%1 — %2: %3 (%4), %5</translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <extracomment>A count of months in the summary line, as &quot;3 months&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 месяц</numerusform>
            <numerusform>%1 месяца</numerusform>
            <numerusform>%1 месяцев</numerusform>
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
            <numerusform>%1 год</numerusform>
            <numerusform>%1 года</numerusform>
            <numerusform>%1 лет</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4; %5), %6</source>
        <extracomment>The summary line under the calendar for a month or more, as &quot;07/12/2026 to 17/03/2027: 100 days (14 weeks 2 days; 3 months 10 days), 72 working days&quot;. %1, %2: the span&apos;s first and last dates; %3: its days, counted; %4: its weeks and days; %5: the same span in the calendar&apos;s years, months and days; %6: its working days.</extracomment>
        <translation>%1 — %2: %3 (%4; %5), %6</translation>
    </message>
</context>
<context>
    <name>SpanSummary</name>
    <message>
        <source>Copy</source>
        <extracomment>The summary line&apos;s context menu: copies the whole line.</extracomment>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>The span of days shaded on the calendar</source>
        <extracomment>What screen readers call the summary line under the calendar.</extracomment>
        <translation>Закрашенный в календаре промежуток дней</translation>
    </message>
</context>
<context>
    <name>WeekNumbersAction</name>
    <message>
        <source>Week numbers</source>
        <extracomment>The calendar&apos;s menu: shows the ISO 8601 week numbers beside the weeks. Checkable.</extracomment>
        <translation>Номера недель</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Daywright and days calulator v%1</source>
        <extracomment>The window&apos;s title. &quot;calulator&quot; is the English text&apos;s old misspelling: translate the meaning. %1: the version.</extracomment>
        <translation>Daywright — калькулятор дат и дней v%1</translation>
    </message>
    <message>
        <source>Instruction window</source>
        <extracomment>The heading above the instruction label.</extracomment>
        <translation>Инструкции</translation>
    </message>
    <message>
        <source>Select type of date calculation</source>
        <extracomment>The heading above the calculation type drop-down.</extracomment>
        <translation>Выберите тип расчёта дат</translation>
    </message>
    <message>
        <source>Results window</source>
        <extracomment>The heading above the results box.</extracomment>
        <translation>Результаты</translation>
    </message>
    <message>
        <source>Visit our web site for links to many more useful free applications</source>
        <extracomment>Tooltip of the window&apos;s headings.</extracomment>
        <translation>Посетите наш сайт: там ссылки на множество других полезных бесплатных программ</translation>
    </message>
    <message>
        <source>This window displays instructions only</source>
        <extracomment>Tooltip of the instruction label.</extracomment>
        <translation>Здесь выводятся только инструкции</translation>
    </message>
    <message>
        <source>Select calculation type</source>
        <extracomment>Tooltip of the calculation type drop-down.</extracomment>
        <translation>Выберите тип расчёта</translation>
    </message>
    <message>
        <source>Select the results and copy them to the clip board if desired (press CTRL and C)</source>
        <extracomment>Tooltip of the results box. &quot;clip board&quot;: the clipboard.</extracomment>
        <translation>При желании выделите результаты и скопируйте их в буфер обмена (нажмите Ctrl+C)</translation>
    </message>
    <message>
        <source>Click on a month or a year to move quickly to a date not currently in the display</source>
        <extracomment>Tooltip of the calendar.</extracomment>
        <translation>Щёлкните месяц или год, чтобы быстро перейти к дате, которой сейчас нет на экране</translation>
    </message>
    <message>
        <source>Enter an interval in days</source>
        <extracomment>Tooltip of the day count box.</extracomment>
        <translation>Введите интервал в днях</translation>
    </message>
    <message>
        <source>Click to work out the date from the number on the right</source>
        <extracomment>Tooltip of the Calculate Date button: the number is in the day count box beside it.</extracomment>
        <translation>Нажмите, чтобы вычислить дату по числу справа</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Calculate Date</source>
        <extracomment>The button that finds the date the typed number of days away.</extracomment>
        <translation>Вычислить дату</translation>
    </message>
</context>
<context>
    <name>WorkingDaysAction</name>
    <message>
        <source>N working days from here…</source>
        <extracomment>The calendar&apos;s menu: asks for a number N and picks the day N working days from the day the menu was opened on.</extracomment>
        <translation>Через N рабочих дней от этого дня…</translation>
    </message>
    <message>
        <source>Working days</source>
        <extracomment>The title of the dialog that asks how many working days from a day.</extracomment>
        <translation>Рабочие дни</translation>
    </message>
    <message>
        <source>Working days after %1 (negative: before it):</source>
        <extracomment>Asking for a count of working days; %1 is the day counted from, which is not counted.</extracomment>
        <translation>Число рабочих дней после %1 (отрицательное — до этой даты):</translation>
    </message>
</context>
<context>
    <name>WorkingWeek</name>
    <message>
        <source>&apos;%1&apos; is no day of the week: write mon to sun, or 1 to 7</source>
        <extracomment>Refusing a --working-week value; %1 is the part that is no day. The English day names and the numbers are what the program reads in every language.</extracomment>
        <translation>«%1» — не день недели: укажите от mon до sun или от 1 до 7</translation>
    </message>
    <message>
        <source>A working week needs at least one working day.</source>
        <extracomment>Refusing a working week, from the Working week menu or the command line, that would leave no day of the week a working day.</extracomment>
        <translation>В рабочей неделе должен быть хотя бы один рабочий день.</translation>
    </message>
</context>
<context>
    <name>WorkingWeekMenu</name>
    <message>
        <source>Working week</source>
        <extracomment>The calendar&apos;s menu: the submenu of the days counted as working days.</extracomment>
        <translation>Рабочая неделя</translation>
    </message>
    <message>
        <source>As the region says</source>
        <extracomment>The Working week menu: counting by the region&apos;s usual working week again.</extracomment>
        <translation>Как принято в регионе</translation>
    </message>
</context>
</TS>
