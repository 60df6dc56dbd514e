<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Encerra o programa</translation>
    </message>
    <message>
        <source>Interval in days</source>
        <extracomment>What screen readers call the day count box.</extracomment>
        <translation>Intervalo em dias</translation>
    </message>
</context>
<context>
    <name>CalendarKeys</name>
    <message>
        <source>Arrow keys</source>
        <extracomment>--help&apos;s list of the calendar&apos;s keys: the keys&apos; names.</extracomment>
        <translation>Teclas de seta</translation>
    </message>
    <message>
        <source>Move the selection by a day or a week.</source>
        <extracomment>--help: what the arrow keys do on the calendar.</extracomment>
        <translation>Move a seleção um dia ou uma semana.</translation>
    </message>
    <message>
        <source>Page Up, Page Down</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Page Up, Page Down</translation>
    </message>
    <message>
        <source>Move the selection by a month.</source>
        <extracomment>--help: what Page Up and Page Down do on the calendar.</extracomment>
        <translation>Move a seleção um mês.</translation>
    </message>
    <message>
        <source>Ctrl+Page Up, Ctrl+Page Down</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Ctrl+Page Up, Ctrl+Page Down</translation>
    </message>
    <message>
        <source>Move the selection by a year.</source>
        <extracomment>--help: what Ctrl with Page Up or Page Down does on the calendar.</extracomment>
        <translation>Move a seleção um ano.</translation>
    </message>
    <message>
        <source>Home, End</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Home, End</translation>
    </message>
    <message>
        <source>Move the selection to the first or last day of its month.</source>
        <extracomment>--help: what Home and End do on the calendar.</extracomment>
        <translation>Move a seleção para o primeiro ou o último dia do mês.</translation>
    </message>
    <message>
        <source>Return</source>
        <extracomment>--help: the key&apos;s name, as printed on keyboards in your language.</extracomment>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Pick the selected day.</source>
        <extracomment>--help: what Return does on the calendar.</extracomment>
        <translation>Escolhe o dia selecionado.</translation>
    </message>
    <message>
        <source>Alt+M</source>
        <extracomment>--help: the key&apos;s name; the letter M is the key pressed, whatever the menu is called.</extracomment>
        <translation>Alt+M</translation>
    </message>
    <message>
        <source>Open the month menu.</source>
        <extracomment>--help: what Alt+M does on the calendar.</extracomment>
        <translation>Abre o menu de meses.</translation>
    </message>
    <message>
        <source>Alt+Y</source>
        <extracomment>--help: the key&apos;s name; the letter Y is the key pressed, whatever the year box is called.</extracomment>
        <translation>Alt+Y</translation>
    </message>
    <message>
        <source>Take the keyboard into the year box; Return or Escape goes back to the days.</source>
        <extracomment>--help: what Alt+Y does on the calendar.</extracomment>
        <translation>Leva o foco do teclado para a caixa do ano; Enter ou Esc volta aos dias.</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <extracomment>--help: the key&apos;s name, as printed on keyboards in your language.</extracomment>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the summary of the shaded span.</source>
        <extracomment>--help: what Ctrl+C does on the calendar: copies the line under the months.</extracomment>
        <translation>Copia o resumo do período sombreado.</translation>
    </message>
    <message>
        <source>Menu, Shift+F10</source>
        <extracomment>--help: key names, as printed on keyboards in your language.</extracomment>
        <translation>Menu, Shift+F10</translation>
    </message>
    <message>
        <source>Open the calendar&apos;s menu: working days, holidays, week numbers and the calendar.</source>
        <extracomment>--help: what the Menu key does on the calendar.</extracomment>
        <translation>Abre o menu do calendário: dias úteis, feriados, números das semanas e calendário.</translation>
    </message>
</context>
<context>
    <name>CalendarMenu</name>
    <message>
        <source>Calendar</source>
        <extracomment>The calendar&apos;s menu: the submenu that chooses the calendar dates are shown in.</extracomment>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>Gregorian</source>
        <extracomment>The calendar&apos;s menu: the Gregorian calendar.</extracomment>
        <translation>Gregoriano</translation>
    </message>
    <message>
        <source>Persian (Solar Hijri)</source>
        <extracomment>The calendar&apos;s menu: the Persian (Solar Hijri, Jalali) calendar, official in Iran and Afghanistan.</extracomment>
        <translation>Persa (Hégira Solar)</translation>
    </message>
    <message>
        <source>Islamic (tabular)</source>
        <extracomment>The calendar&apos;s menu: the tabular (arithmetical) Islamic calendar.</extracomment>
        <translation>Islâmico (tabular)</translation>
    </message>
    <message>
        <source>Official Islamic dates follow the moon and may differ by a day or two.</source>
        <extracomment>Tooltip of the Islamic calendar&apos;s menu item.</extracomment>
        <translation>As datas islâmicas oficiais seguem a lua e podem variar em um ou dois dias.</translation>
    </message>
    <message>
        <source>Hebrew</source>
        <extracomment>The calendar&apos;s menu: the Hebrew (Jewish) calendar, with its thirteen-month years</extracomment>
        <translation>Hebraico</translation>
    </message>
</context>
<context>
    <name>CalendarTexts</name>
    <message>
        <source>%1 %2</source>
        <comment>month and year</comment>
        <extracomment>The calendar&apos;s heading of a month, as &quot;December 2026&quot;. %1: the month&apos;s name; %2: the year.</extracomment>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1, week %2</source>
        <extracomment>What screen readers say of a day while week numbers are shown. %1: the day&apos;s date; %2: its ISO 8601 week number.</extracomment>
        <translation>%1, semana %2</translation>
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
        <translation>Mês anterior</translation>
    </message>
    <message>
        <source>Next month</source>
        <extracomment>Tooltip and spoken name of the calendar&apos;s forward arrow.</extracomment>
        <translation>Próximo mês</translation>
    </message>
    <message>
        <source>Moves quickly to another month or year</source>
        <extracomment>Tooltip of the first month&apos;s name in the calendar&apos;s title: it opens a menu of months.</extracomment>
        <translation>Vai rapidamente para outro mês ou ano</translation>
    </message>
    <message>
        <source>Year of the first month shown</source>
        <extracomment>Spoken name of the year box in the calendar&apos;s title.</extracomment>
        <translation>Ano do primeiro mês exibido</translation>
    </message>
    <message>
        <source>%1, first month shown</source>
        <extracomment>Spoken name of the month button in the calendar&apos;s title. %1: the month&apos;s name.</extracomment>
        <translation>%1, primeiro mês exibido</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <extracomment>--help: the option --help. Lines are at most 62 characters; break them with line feeds.</extracomment>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <extracomment>--help: the option --version.</extracomment>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>Print the days between the dates, as the window would answer
them, and the span&apos;s summary, and exit.</source>
        <extracomment>--help: the option --between DATE DATE. Keep the lines under 62 characters.</extracomment>
        <translation>Imprime os dias entre as datas, como a janela responderia,
e o resumo do período, e sai.</translation>
    </message>
    <message>
        <source>--between takes two dates, --days-from a date and a count.</source>
        <extracomment>A refused command line: --between or --days-from was given the wrong number of values. Keep the option names as they are.</extracomment>
        <translation>--between recebe duas datas; --days-from, uma data e um número de dias.</translation>
    </message>
    <message>
        <source>Print the date DAYS days from DATE, and the span&apos;s summary.
A DATE is &apos;today&apos;, ISO 8601 (2026-12-19) or in your region&apos;s
short format and calendar with the whole year; DAYS is read as
the day box reads it, a negative count going back.</source>
        <extracomment>--help: the option --days-from DATE DAYS. Keep &apos;today&apos; and the option names in English: the program reads them so.</extracomment>
        <translation>Imprime a data a DAYS dias de DATE e o resumo do período.
DATE é &apos;today&apos;, ISO 8601 (2026-12-19) ou uma data no formato
curto e no calendário da sua região, com o ano completo; DAYS
é lido como na caixa de dias, e um número negativo conta
para trás.</translation>
    </message>
    <message>
        <source>Write the answers&apos; dates as ISO 8601, which is Gregorian.
For example: daywright --between 2026-12-19 2027-01-06</source>
        <extracomment>--help: the option --iso. Keep the example command as it is.</extracomment>
        <translation>Escreve as datas das respostas em ISO 8601 (gregoriano).
Por exemplo: daywright --between 2026-12-19 2027-01-06</translation>
    </message>
    <message>
        <source>Keep a copy of each iCalendar file&apos;s all-day events as public
holidays, which working days leave out, and exit.</source>
        <extracomment>--help: the option --import-holidays FILE...</extracomment>
        <translation>Guarda uma cópia dos eventos de dia inteiro de cada arquivo
iCalendar como feriados, que ficam fora dos dias úteis, e sai.</translation>
    </message>
    <message>
        <source>--import-holidays needs the files to import.</source>
        <extracomment>A refused command line: --import-holidays without files. Keep the option name.</extracomment>
        <translation>--import-holidays precisa dos arquivos a importar.</translation>
    </message>
    <message>
        <source>Remove the holiday calendar of that name, and exit.</source>
        <extracomment>--help: the option --remove-holidays NAME.</extracomment>
        <translation>Remove o calendário de feriados com esse nome e sai.</translation>
    </message>
    <message>
        <source>--%1 and --%2 cannot go together: give one at a time.</source>
        <extracomment>A refused command line. %1, %2: two option names, as between and list-holidays.</extracomment>
        <translation>--%1 e --%2 não podem ser usadas juntas: informe uma de cada vez.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <extracomment>A refused command line. %1: the argument that no option takes.</extracomment>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>daywright: %1
Try &apos;daywright --help&apos; for more information.
</source>
        <extracomment>A refused command line, on standard error. %1: why. Keep &apos;daywright --help&apos; as it is.</extracomment>
        <translation>daywright: %1
Experimente &apos;daywright --help&apos; para mais informações.
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
        <translation>Uso: daywright [--help] [--version] [opções do Qt, como -style NAME]
Uma calculadora de datas: dias de hoje até uma data, ou entre duas datas,
em semanas e dias.

Opções:
%1
Teclas no calendário:
%2
Ambiente: LC_TIME (ou LANG) define o formato das datas e os nomes dos
meses e dias, LC_NUMERIC os separadores decimal e de milhar dos números
digitados, LC_ALL ambos; QT_SCALE_FACTOR define a escala da janela.
</translation>
    </message>
    <message>
        <source>daywright: the answer could not be written: %1
</source>
        <extracomment>On standard error when the answer could not be written. %1: the system&apos;s reason.</extracomment>
        <translation>daywright: não foi possível escrever a resposta: %1
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
        <translation>Mostra e escreve datas, meses e anos nesse calendário durante
esta execução: as datas da janela e as das respostas. O persa
é o padrão no Irã e no Afeganistão, e o menu Calendário da
janela guarda a escolha para as próximas execuções. O islâmico
é o calendário tabular: as datas oficiais, que seguem a lua,
podem variar em um ou dois dias. Os anos hebraicos têm 12 ou
13 meses (Adar I e Adar II); suas datas também são lidas no
formato &apos;15 Adar II 5784&apos;.</translation>
    </message>
    <message>
        <source>List the holiday calendars kept, or the events of the calendar
NAME, each marked as a day off or not (the window&apos;s calendar
menu chooses which: &quot;Days off in NAME&quot;), and exit.</source>
        <extracomment>--help: the option --list-holidays [NAME]. Keep &quot;Days off in NAME&quot; as the window&apos;s menu item is translated.</extracomment>
        <translation>Lista os calendários de feriados guardados ou os eventos do
calendário NAME, cada um marcado como dia de folga ou não (a
escolha fica no menu do calendário da janela:
&quot;Dias de folga em NAME&quot;), e sai.</translation>
    </message>
    <message>
        <source>--list-holidays takes one calendar&apos;s name at most.</source>
        <extracomment>A refused command line: --list-holidays was given more than one name.</extracomment>
        <translation>--list-holidays recebe no máximo o nome de um calendário.</translation>
    </message>
    <message>
        <source>Unknown calendar &apos;%1&apos;: gregorian, persian, islamic or hebrew.</source>
        <extracomment>A refused command line. %1: the calendar&apos;s name as typed; keep the four names after the colon in English: the program reads them so.</extracomment>
        <translation>Calendário desconhecido &apos;%1&apos;: gregorian, persian, islamic ou hebrew.</translation>
    </message>
    <message>
        <source>Print the Nth working day after DATE, DATE not counted, and the
span&apos;s summary, as --days-from prints a date: days outside the
working week and stored holidays are passed over, a negative N
counts back and 0 gives DATE itself (as spreadsheets&apos; WORKDAY).
For example: daywright --working-days-from 2026-12-19 10</source>
        <extracomment>--help on --working-days-from; DATE and N are the value names shown before it.</extracomment>
        <translation>Imprime o N-ésimo dia útil depois de DATE, sem contar DATE,
e o resumo do período, como --days-from imprime uma data: os
dias fora da semana de trabalho e os feriados guardados são
pulados, um N negativo conta para trás e 0 dá a própria DATE
(como DIATRABALHO nas planilhas).
Por exemplo: daywright --working-days-from 2026-12-19 10</translation>
    </message>
    <message>
        <source>--working-days-from takes a date and a count of working days.</source>
        <extracomment>Refusing --working-days-from given other than two values.</extracomment>
        <translation>--working-days-from recebe uma data e um número de dias úteis.</translation>
    </message>
    <message>
        <source>Count working days by these days of the week for this run, in
the window and the answers: mon-fri, sun-thu, sat,sun,mon,tue,wed
or ISO 8601 numbers, 1-5 (1 is Monday). The window&apos;s Working week
menu keeps a choice for later runs; the region&apos;s week is the default.
For example: daywright --working-week sun-thu --days-from today 9</source>
        <extracomment>--help on --working-week; the day names and numbers are what the program reads in every language.</extracomment>
        <translation>Conta os dias úteis por estes dias da semana durante esta
execução, na janela e nas respostas: mon-fri, sun-thu,
sat,sun,mon,tue,wed ou números ISO 8601, 1-5 (1 é
segunda-feira). O menu Semana de trabalho da janela guarda a
escolha para as próximas execuções; o padrão é a semana da
região.
Por exemplo: daywright --working-week sun-thu --days-from today 9</translation>
    </message>
</context>
<context>
    <name>DateQuestions</name>
    <message>
        <source>&apos;%1&apos; has a two-digit year: please write the whole year</source>
        <extracomment>A refused date on the command line. %1: the date as typed.</extracomment>
        <translation>&apos;%1&apos; tem o ano com dois dígitos: escreva o ano completo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no date</source>
        <extracomment>A refused date on the command line. %1: the text as typed.</extracomment>
        <translation>&apos;%1&apos; não é uma data</translation>
    </message>
</context>
<context>
    <name>DaysOffDialog</name>
    <message>
        <source>Days off in %1</source>
        <extracomment>Title of the dialog choosing which events of a holiday calendar are days off; %1: its name</extracomment>
        <translation>Dias de folga em %1</translation>
    </message>
    <message>
        <source>Checked events are days off. Unchecked ones, such as observances or working days, are not counted or shown as holidays.</source>
        <extracomment>Above the list of a holiday calendar&apos;s events, each with a check box</extracomment>
        <translation>Os eventos marcados são dias de folga. Os desmarcados, como datas comemorativas ou dias úteis, não são contados nem exibidos como feriados.</translation>
    </message>
</context>
<context>
    <name>EventReader</name>
    <message>
        <source>Holiday</source>
        <extracomment>The name given to a holiday whose event has no name (SUMMARY).</extracomment>
        <translation>Feriado</translation>
    </message>
    <message>
        <source>cancelled</source>
        <extracomment>Why an event gave no holiday: it was cancelled.</extracomment>
        <translation>cancelado</translation>
    </message>
    <message>
        <source>no start date</source>
        <extracomment>Why an event gave no holiday: it has no start date.</extracomment>
        <translation>sem data de início</translation>
    </message>
    <message>
        <source>a time, not a whole day</source>
        <extracomment>Why an event gave no holiday: it starts at a time of day, not on a whole day.</extracomment>
        <translation>um horário, não um dia inteiro</translation>
    </message>
    <message>
        <source>outside the years 1753 to 9999</source>
        <extracomment>Why an event gave no holiday: its dates lie outside the calendar&apos;s range.</extracomment>
        <translation>fora dos anos de 1753 a 9999</translation>
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
        <translation>Dias a partir de hoje</translation>
    </message>
    <message>
        <source>Days between 2 dates</source>
        <extracomment>The calculation type drop-down&apos;s second item: counts between two picked dates.</extracomment>
        <translation>Dias entre 2 datas</translation>
    </message>
    <message>
        <source>Click a date on the Calendar, alternatively enter a number of days and click the Caluculate Date button</source>
        <extracomment>The instruction label at start. &quot;Caluculate&quot; is the English text&apos;s own old misspelling: translate the meaning, and name the button as you translated it.</extracomment>
        <translation>Clique em uma data no calendário ou, se preferir, digite um número de dias e clique no botão “Calcular data”</translation>
    </message>
    <message>
        <source>Click a date on the Calendar or enter a whole number of days and click the Calculate Date button</source>
        <extracomment>The instruction label after &quot;Days from now&quot; is chosen.</extracomment>
        <translation>Clique em uma data no calendário ou digite um número inteiro de dias e clique no botão “Calcular data”</translation>
    </message>
    <message>
        <source>Click a date on the Calendar, alternatively enter a whole number of days and click the Calculate Date button</source>
        <extracomment>The instruction label after an answer from today.</extracomment>
        <translation>Clique em uma data no calendário ou, se preferir, digite um número inteiro de dias e clique no botão “Calcular data”</translation>
    </message>
    <message>
        <source>Select first date</source>
        <extracomment>The instruction label when &quot;Days between 2 dates&quot; waits for its first date.</extracomment>
        <translation>Selecione a primeira data</translation>
    </message>
    <message>
        <source>Select second date or enter a number of days in the Calculate Date box</source>
        <extracomment>The instruction label once the first date is picked. &quot;Calculate Date box&quot;: the day count box beside the Calculate Date button.</extracomment>
        <translation>Selecione a segunda data ou digite um número de dias na caixa ao lado do botão “Calcular data”</translation>
    </message>
    <message>
        <source>Select a new first date</source>
        <extracomment>The instruction label after an answer between two dates.</extracomment>
        <translation>Selecione uma nova primeira data</translation>
    </message>
    <message>
        <source>You must select the first date on the calendar</source>
        <extracomment>The instruction label when Calculate Date is pressed before a first date is picked.</extracomment>
        <translation>Você precisa selecionar a primeira data no calendário</translation>
    </message>
    <message>
        <source>Date box error, please enter a whole number</source>
        <extracomment>The instruction label when the day count box holds no whole number.</extracomment>
        <translation>Erro na caixa de dias: digite um número inteiro</translation>
    </message>
    <message>
        <source>Results will appear in this window</source>
        <extracomment>The results box before any answer.</extracomment>
        <translation>Os resultados aparecerão aqui</translation>
    </message>
    <message numerus="yes">
        <source>%1 is %2 days from %3</source>
        <extracomment>The results box&apos;s first line from today. %1: the date found or picked; %2: the count of days, negative for a date before today; %3: today&apos;s date.</extracomment>
        <translation>
            <numerusform>%1 está a %2 dia de %3</numerusform>
            <numerusform>%1 está a %2 dias de %3</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The number of days from %1 to %2 is %3</source>
        <extracomment>The results box&apos;s first line between two dates. %1: the first date; %2: the second; %3: the count of days between them, negative when the second is earlier.</extracomment>
        <translation>
            <numerusform>O número de dias de %1 a %2 é %3</numerusform>
            <numerusform>O número de dias de %1 a %2 é %3</numerusform>
        </translation>
    </message>
    <message>
        <source>That is %1 Weeks and %2 Days.</source>
        <extracomment>The results box&apos;s second line, under every answer: the count of days in whole weeks and the days left over. %1 and %2: the weeks and the days as bare numbers; %3 and %4: the same as counted words (&quot;2 weeks&quot;, &quot;1 day&quot;), for a language whose words change with the number. Use either pair.</extracomment>
        <translation>Isso dá %3 e %4.</translation>
    </message>
    <message>
        <source>First date selected is %1</source>
        <extracomment>The results box once the first of two dates is picked. %1: that date.</extracomment>
        <translation>Primeira data selecionada: %1</translation>
    </message>
    <message>
        <source>Date box error, the date must lie between 1753 and 9999</source>
        <extracomment>The instruction label when the typed count would lead outside the calendar.</extracomment>
        <translation>Erro na caixa de dias: a data precisa estar entre 1753 e 9999</translation>
    </message>
</context>
<context>
    <name>HolidayActions</name>
    <message>
        <source>Import holidays…</source>
        <extracomment>The calendar&apos;s menu: imports holiday calendars from iCalendar files. Opens a dialog.</extracomment>
        <translation>Importar feriados…</translation>
    </message>
    <message>
        <source>Remove holidays</source>
        <extracomment>The calendar&apos;s menu: the submenu listing the stored holiday calendars, each removed when chosen.
----------
A question before a stored holiday calendar is removed. %1: its name.</extracomment>
        <translation>Remover feriados</translation>
    </message>
    <message>
        <source>Import holidays</source>
        <extracomment>The file dialog&apos;s title.</extracomment>
        <translation>Importar feriados</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <extracomment>The file dialog&apos;s filter: keep (*.ics) as it is.</extracomment>
        <translation>Arquivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>Remove the holiday calendar “%1”?</source>
        <translation>Remover o calendário de feriados “%1”?</translation>
    </message>
    <message>
        <source>Replace the holiday calendar “%1”?</source>
        <translation>Substituir o calendário de feriados “%1”?</translation>
    </message>
    <message>
        <source>Not imported, nothing changed:
%1</source>
        <extracomment>A warning when files could not be imported. %1: each file&apos;s name with why, one per line.</extracomment>
        <translation>Nada foi importado nem alterado:
%1</translation>
    </message>
    <message>
        <source>Days off in %1…</source>
        <extracomment>In the calendar&apos;s menu, opening the choice of days off; %1: a holiday calendar&apos;s name</extracomment>
        <translation>Dias de folga em %1…</translation>
    </message>
    <message>
        <source>The days off in “%1” cannot be kept, nothing changed: %2</source>
        <extracomment>A message box&apos;s text; %1: a holiday calendar&apos;s name, %2: why</extracomment>
        <translation>Não foi possível guardar os dias de folga de “%1”; nada foi alterado: %2</translation>
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
        <translation>daywright: não há calendário de feriados chamado &apos;%1&apos; para remover</translation>
    </message>
    <message>
        <source>daywright: no holiday calendar is named &apos;%1&apos;</source>
        <extracomment>On standard error; %1: the name given for a holiday calendar</extracomment>
        <translation>daywright: não há calendário de feriados chamado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1: not a day off</source>
        <extracomment>--list-holidays NAME, for an event left out; %1: its name</extracomment>
        <translation>%1: não é dia de folga</translation>
    </message>
    <message>
        <source>%1: day off</source>
        <extracomment>--list-holidays NAME, for an event that counts; %1: its name</extracomment>
        <translation>%1: dia de folga</translation>
    </message>
</context>
<context>
    <name>HolidayFile</name>
    <message>
        <source>it cannot be read (%1)</source>
        <extracomment>Why a holiday file is refused: it could not be read. %1: the system&apos;s reason.</extracomment>
        <translation>não pode ser lido (%1)</translation>
    </message>
    <message>
        <source>it is larger than 10 MB</source>
        <extracomment>Why a holiday file is refused.</extracomment>
        <translation>é maior que 10 MB</translation>
    </message>
    <message>
        <source>it is not UTF-8 text</source>
        <extracomment>Why a holiday file is refused: its text is not in the UTF-8 encoding.</extracomment>
        <translation>não é texto em UTF-8</translation>
    </message>
    <message>
        <source>it is cut short: it does not end with END:VCALENDAR</source>
        <extracomment>Why a holiday file is refused: it is incomplete. Keep END:VCALENDAR as it is.</extracomment>
        <translation>está incompleto: não termina com END:VCALENDAR</translation>
    </message>
    <message>
        <source>it is not an iCalendar file</source>
        <extracomment>Why a holiday file is refused.</extracomment>
        <translation>não é um arquivo iCalendar</translation>
    </message>
    <message>
        <source>its events give more than 250,000 holiday days</source>
        <extracomment>Why a holiday file is refused: its events would make too many days.</extracomment>
        <translation>seus eventos resultam em mais de 250.000 dias de feriado</translation>
    </message>
    <message>
        <source>it holds no all-day event</source>
        <extracomment>Why a holiday file is refused: no event lasts whole days.</extracomment>
        <translation>não contém nenhum evento de dia inteiro</translation>
    </message>
    <message>
        <source>it holds no holiday between 1753 and 9999</source>
        <extracomment>Why a holiday file is refused: no event falls in the calendar&apos;s range.</extracomment>
        <translation>não contém nenhum feriado entre 1753 e 9999</translation>
    </message>
</context>
<context>
    <name>HolidayStore</name>
    <message>
        <source>there is no folder to keep it in without a home folder: set HOME or XDG_DATA_HOME</source>
        <extracomment>Why a holiday file is not stored. Keep HOME and XDG_DATA_HOME as they are.</extracomment>
        <translation>sem uma pasta pessoal, não há onde guardá-lo: defina HOME ou XDG_DATA_HOME</translation>
    </message>
    <message>
        <source>its name leaves the calendar nameless: rename it, as national.ics</source>
        <extracomment>Why a holiday file is not stored: its name is only the .ics ending. Keep national.ics as an example file name.</extracomment>
        <translation>com esse nome, o calendário fica sem nome: renomeie o arquivo, por exemplo, para national.ics</translation>
    </message>
    <message>
        <source>its name begins with a dot, which would hide the calendar: rename it</source>
        <extracomment>Why a holiday file is not stored: a name beginning with a dot is hidden on Linux.</extracomment>
        <translation>o nome começa com um ponto, o que ocultaria o calendário: renomeie o arquivo</translation>
    </message>
    <message>
        <source>its name holds a control character: rename it</source>
        <extracomment>Why a holiday file is not stored: its name holds an invisible character.</extracomment>
        <translation>o nome contém um caractere de controle: renomeie o arquivo</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made: %2</source>
        <extracomment>Why a holiday file is not stored. %1: the folder; %2: the system&apos;s reason.</extracomment>
        <translation>não é possível criar a pasta %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <extracomment>Why a holiday file is not stored. %1: the file; %2: the system&apos;s reason.</extracomment>
        <translation>não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>%1 is a file, not a folder</source>
        <extracomment>Why a holiday file is not stored. %1: the path in the way.</extracomment>
        <translation>%1 é um arquivo, não uma pasta</translation>
    </message>
    <message>
        <source>the folder %1 is read-only</source>
        <extracomment>Why a holiday file is not stored. %1: the folder.</extracomment>
        <translation>a pasta %1 é somente leitura</translation>
    </message>
    <message>
        <source>the disk that holds %1 is full</source>
        <extracomment>Why a holiday file is not stored. %1: the folder.</extracomment>
        <translation>o disco onde fica %1 está cheio</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <extracomment>Why a calendar&apos;s choice of days off is not used; %1: its file, %2: what the system says</extracomment>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <extracomment>Why a calendar&apos;s choice of days off is not used; %1: its file</extracomment>
        <translation>%1 está danificado</translation>
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
            <numerusform>%1 dia de feriado</numerusform>
            <numerusform>%1 dias de feriado</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 event(s) skipped</source>
        <extracomment>A count of skipped events in the import&apos;s message. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 evento ignorado</numerusform>
            <numerusform>%1 eventos ignorados</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %1 more</source>
        <extracomment>After the first three skipped events named in the import&apos;s message, how many more there are. %1: that count.</extracomment>
        <translation>
            <numerusform>e mais %1</numerusform>
            <numerusform>e mais %1</numerusform>
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
        <translation>Calendários de feriados ignorados: %1</translation>
    </message>
    <message>
        <source>; </source>
        <extracomment>What stands between the items of a list of reasons, as &quot;; &quot; in English.</extracomment>
        <translation>; </translation>
    </message>
    <message>
        <source>%1: which events are days off cannot be read (%2), so every event counts</source>
        <extracomment>On the summary line and the command line; %1: a holiday calendar, %2: why</extracomment>
        <translation>%1: não é possível ler quais eventos são dias de folga (%2); por isso, todos os eventos são contados</translation>
    </message>
</context>
<context>
    <name>MonthCalendar</name>
    <message>
        <source>Calendar</source>
        <extracomment>What screen readers call the twelve-month calendar.</extracomment>
        <translation>Calendário</translation>
    </message>
</context>
<context>
    <name>MonthJumpMenu</name>
    <message>
        <source>Year</source>
        <extracomment>Spoken name of the year box in a month&apos;s heading.</extracomment>
        <translation>Ano</translation>
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
            <numerusform>%1 dia</numerusform>
            <numerusform>%1 dias</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 week(s)</source>
        <extracomment>A count of weeks in a sentence, as &quot;2 weeks&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 semana</numerusform>
            <numerusform>%1 semanas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>weeks and days</comment>
        <extracomment>The summary line&apos;s weeks: %1 whole weeks and %2 days left over, each counted (&quot;2 weeks&quot;, &quot;4 days&quot;).</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 working day(s)</source>
        <extracomment>The summary line&apos;s working days, as &quot;13 working days&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 dia útil</numerusform>
            <numerusform>%1 dias úteis</numerusform>
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
            <numerusform>%1 feriado</numerusform>
            <numerusform>%1 feriados</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4), %5</source>
        <extracomment>The summary line under the calendar for a span under a month, as &quot;19/12/2026 to 06/01/2027: 18 days (2 weeks 4 days), 13 working days&quot;. %1, %2: the span&apos;s first and last dates; %3: its days, counted; %4: its weeks and days; %5: its working days.</extracomment>
        <translation>%1 a %2: %3 (%4), %5</translation>
    </message>
    <message numerus="yes">
        <source>%1 month(s)</source>
        <extracomment>A count of months in the summary line, as &quot;3 months&quot;. %1: the count.</extracomment>
        <translation>
            <numerusform>%1 mês</numerusform>
            <numerusform>%1 meses</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>months and days</comment>
        <extracomment>The summary line&apos;s span in the calendar&apos;s months: %1 months and %2 days, each counted (&quot;3 months&quot;, &quot;10 days&quot;).</extracomment>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <comment>years, months and days</comment>
        <extracomment>The summary line&apos;s span in the calendar&apos;s years and months: %1 years, %2 months and %3 days, each counted (&quot;1 year&quot;, &quot;3 months&quot;, &quot;10 days&quot;).</extracomment>
        <translation>%1, %2 e %3</translation>
    </message>
    <message numerus="yes">
        <source>%1 year(s)</source>
        <translation>
            <numerusform>%1 ano</numerusform>
            <numerusform>%1 anos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 to %2: %3 (%4; %5), %6</source>
        <extracomment>The summary line under the calendar for a month or more, as &quot;07/12/2026 to 17/03/2027: 100 days (14 weeks 2 days; 3 months 10 days), 72 working days&quot;. %1, %2: the span&apos;s first and last dates; %3: its days, counted; %4: its weeks and days; %5: the same span in the calendar&apos;s years, months and days; %6: its working days.</extracomment>
        <translation>%1 a %2: %3 (%4; %5), %6</translation>
    </message>
</context>
<context>
    <name>SpanSummary</name>
    <message>
        <source>Copy</source>
        <extracomment>The summary line&apos;s context menu: copies the whole line.</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>The span of days shaded on the calendar</source>
        <extracomment>What screen readers call the summary line under the calendar.</extracomment>
        <translation>O período de dias sombreado no calendário</translation>
    </message>
</context>
<context>
    <name>WeekNumbersAction</name>
    <message>
        <source>Week numbers</source>
        <extracomment>The calendar&apos;s menu: shows the ISO 8601 week numbers beside the weeks. Checkable.</extracomment>
        <translation>Números das semanas</translation>
    </message>
</context>
<context>
    <name>WindowTexts</name>
    <message>
        <source>Daywright and days calulator v%1</source>
        <extracomment>The window&apos;s title. &quot;calulator&quot; is the English text&apos;s old misspelling: translate the meaning. %1: the version.</extracomment>
        <translation>Daywright – calculadora de datas e dias v%1</translation>
    </message>
    <message>
        <source>Instruction window</source>
        <extracomment>The heading above the instruction label.</extracomment>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Select type of date calculation</source>
        <extracomment>The heading above the calculation type drop-down.</extracomment>
        <translation>Selecione o tipo de cálculo de datas</translation>
    </message>
    <message>
        <source>Results window</source>
        <extracomment>The heading above the results box.</extracomment>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Visit our web site for links to many more useful free applications</source>
        <extracomment>Tooltip of the window&apos;s headings.</extracomment>
        <translation>Visite nosso site para encontrar links para muitos outros aplicativos gratuitos e úteis</translation>
    </message>
    <message>
        <source>This window displays instructions only</source>
        <extracomment>Tooltip of the instruction label.</extracomment>
        <translation>Esta área exibe apenas instruções</translation>
    </message>
    <message>
        <source>Select calculation type</source>
        <extracomment>Tooltip of the calculation type drop-down.</extracomment>
        <translation>Selecione o tipo de cálculo</translation>
    </message>
    <message>
        <source>Select the results and copy them to the clip board if desired (press CTRL and C)</source>
        <extracomment>Tooltip of the results box. &quot;clip board&quot;: the clipboard.</extracomment>
        <translation>Se quiser, selecione os resultados e copie-os para a área de transferência (pressione Ctrl+C)</translation>
    </message>
    <message>
        <source>Click on a month or a year to move quickly to a date not currently in the display</source>
        <extracomment>Tooltip of the calendar.</extracomment>
        <translation>Clique em um mês ou ano para ir rapidamente a uma data que não está sendo exibida</translation>
    </message>
    <message>
        <source>Enter an interval in days</source>
        <extracomment>Tooltip of the day count box.</extracomment>
        <translation>Digite um intervalo em dias</translation>
    </message>
    <message>
        <source>Click to work out the date from the number on the right</source>
        <extracomment>Tooltip of the Calculate Date button: the number is in the day count box beside it.</extracomment>
        <translation>Clique para calcular a data a partir do número à direita</translation>
    </message>
    <message>
        <source>Quit</source>
        <extracomment>The button that ends the program.</extracomment>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Calculate Date</source>
        <extracomment>The button that finds the date the typed number of days away.</extracomment>
        <translation>Calcular data</translation>
    </message>
</context>
<context>
    <name>WorkingDaysAction</name>
    <message>
        <source>N working days from here…</source>
        <extracomment>The calendar&apos;s menu: asks for a number N and picks the day N working days from the day the menu was opened on.</extracomment>
        <translation>N dias úteis a partir daqui…</translation>
    </message>
    <message>
        <source>Working days</source>
        <extracomment>The title of the dialog that asks how many working days from a day.</extracomment>
        <translation>Dias úteis</translation>
    </message>
    <message>
        <source>Working days after %1 (negative: before it):</source>
        <extracomment>Asking for a count of working days; %1 is the day counted from, which is not counted.</extracomment>
        <translation>Dias úteis depois de %1 (negativo: antes):</translation>
    </message>
</context>
<context>
    <name>WorkingWeek</name>
    <message>
        <source>&apos;%1&apos; is no day of the week: write mon to sun, or 1 to 7</source>
        <extracomment>Refusing a --working-week value; %1 is the part that is no day. The English day names and the numbers are what the program reads in every language.</extracomment>
        <translation>&apos;%1&apos; não é um dia da semana: escreva de mon a sun ou de 1 a 7</translation>
    </message>
    <message>
        <source>A working week needs at least one working day.</source>
        <extracomment>Refusing a working week, from the Working week menu or the command line, that would leave no day of the week a working day.</extracomment>
        <translation>A semana de trabalho precisa de pelo menos um dia útil.</translation>
    </message>
</context>
<context>
    <name>WorkingWeekMenu</name>
    <message>
        <source>Working week</source>
        <extracomment>The calendar&apos;s menu: the submenu of the days counted as working days.</extracomment>
        <translation>Semana de trabalho</translation>
    </message>
    <message>
        <source>As the region says</source>
        <extracomment>The Working week menu: counting by the region&apos;s usual working week again.</extracomment>
        <translation>Conforme a região</translation>
    </message>
</context>
</TS>
