#include "UserSequences.h"

#include <QRegularExpression>

#include <sstream>

using namespace std::chrono;

namespace {

constexpr qint64 unixEpochJulianDay = 2440588;

std::string typedText(std::mt19937 &random)
{
    const long span = (ReferenceModel::lastDay() - ReferenceModel::firstDay()).count();
    std::uniform_int_distribution<int> shape(0, 15);
    std::uniform_int_distribution<long> small(-800, 800);
    std::uniform_int_distribution<long> any(-span - 2, span + 2);
    std::uniform_int_distribution<int> digit(0, 9);
    switch (shape(random)) {
    case 0:
    case 1:
    case 2:
    case 3:
        return std::to_string(small(random));
    case 4:
    case 5:
        return std::to_string(any(random));
    case 6: // the span of the calendar and a little either side of it
        return std::to_string((random() % 2 ? 1 : -1) * (span + long(random() % 5) - 2));
    case 7:
        return "  +" + std::to_string(small(random)) + " ";
    case 8:
        return std::to_string(small(random)) + "." + std::to_string(digit(random))
                + (random() % 2 ? "" : "0");
    case 9:
        return std::to_string(digit(random)) + "e" + std::to_string(int(random() % 9) - 3);
    case 10:
        return std::string(size_t(1 + random() % 400), char('0' + digit(random)));
    case 11:
        return random() % 2 ? "" : "   ";
    case 12: {
        static const char *const garbage[]
                = {"abc", "1,5", "--1",  "1e",    ".",   "inf",    "-inf",
                   "nan", "12x", "0x10", "1 000", "+ 7", "1e-400", "1e400"};
        return garbage[random() % std::size(garbage)];
    }
    case 13: {
        static const char *const unicode[]
                = {"\xC3\xA9t\xC3\xA9", "\xE6\x97\xA5", "\xF0\x9F\x93\x85", "\xD9\xA3",
                   "\xEF\xBC\x91\xEF\xBC\x92"};
        return unicode[random() % std::size(unicode)];
    }
    default:
        return std::to_string(small(random) * 7);
    }
}

} // namespace

std::string sentenceComplaint(const std::string &results, ReferenceModel::Days today)
{
    static const QRegularExpression sentence(QStringLiteral(
            "^(?:(\\d\\d/\\d\\d/\\d{4}) is ([ -]\\d+) days from (\\d\\d/\\d\\d/\\d{4})"
            "|The number of days from (\\d\\d/\\d\\d/\\d{4}) to (\\d\\d/\\d\\d/\\d{4}) is ([ "
            "-]\\d+))"
            "\\r?\\nThat is (-?\\d+) Weeks and (-?\\d+) Days\\.$"));
    const QRegularExpressionMatch match = sentence.match(QString::fromStdString(results));
    if (!match.hasMatch())
        return {};
    const auto day = [](const QString &text) {
        return toDays(QDate::fromString(text, QStringLiteral("dd/MM/yyyy")));
    };
    const bool fromToday = match.capturedLength(1) > 0;
    const ReferenceModel::Days from = fromToday ? day(match.captured(3)) : day(match.captured(4));
    const ReferenceModel::Days to = fromToday ? day(match.captured(1)) : day(match.captured(5));
    const long count = match.captured(fromToday ? 2 : 6).trimmed().toLong();
    if (fromToday && from != today)
        return "the sentence counts from another day than today";
    if (count != (to - from).count())
        return "the sentence's count is not the days between its dates";
    if (match.captured(7).toLong() * 7 + match.captured(8).toLong() != count)
        return "the weeks and days do not add up to the count";
    return {};
}

namespace {

std::string invariantComplaint(const ProgramUnderTest &program,
                               const ReferenceModel::Screen &screen, ReferenceModel::Days today)
{
    if (program.firstDatePicked() && !program.firstDate().isValid())
        return "a first date is marked as held, but none is";
    if (screen.selectedType == 1 && screen.calculateEnabled != program.firstDatePicked())
        return "Calculate Date is enabled other than exactly while a first date is held";
    if (screen.calendar < ReferenceModel::firstDay() || screen.calendar > ReferenceModel::lastDay())
        return "the calendar left its range";
    return sentenceComplaint(screen.results, today);
}

std::string describe(const ReferenceModel::Screen &screen)
{
    std::ostringstream out;
    out << "instruction \"" << screen.instruction << "\" ("
        << (screen.instructionRed ? "red" : "white") << "), results \"" << screen.results
        << "\", day count \"" << screen.dayCount << "\", Calculate "
        << (screen.calculateEnabled ? "enabled" : "disabled") << ", calendar "
        << ReferenceModel::date(screen.calendar) << ", type " << screen.selectedType;
    return out.str();
}

} // namespace

QDate toQDate(ReferenceModel::Days day)
{
    return QDate::fromJulianDay(day.time_since_epoch().count() + unixEpochJulianDay);
}

ReferenceModel::Days toDays(QDate date)
{
    return ReferenceModel::Days(days(date.toJulianDay() - unixEpochJulianDay));
}

std::string UserAction::describe() const
{
    switch (kind) {
    case ChooseType:
        return "choose type " + std::to_string(type);
    case Pick:
        return "pick " + ReferenceModel::date(date);
    case Calculate:
        return "calculate \""
                + (typed.size() > 40
                           ? typed.substr(0, 40) + "...(" + std::to_string(typed.size()) + " chars)"
                           : typed)
                + "\"";
    case Hover:
        return "hover " + std::to_string(hoverTarget);
    }
    return {};
}

std::vector<UserAction> randomActions(std::mt19937 &random, int count)
{
    const long span = (ReferenceModel::lastDay() - ReferenceModel::firstDay()).count();
    std::uniform_int_distribution<long> anyDay(0, span);
    std::uniform_int_distribution<int> kind(0, 9);
    std::vector<UserAction> actions;
    actions.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        UserAction action;
        switch (kind(random)) {
        case 0:
        case 1:
            action.kind = UserAction::ChooseType;
            action.type = int(random() % 2);
            break;
        case 2:
        case 3:
        case 4:
            action.date = ReferenceModel::firstDay() + days(anyDay(random));
            break;
        case 5:
            // Near the ends of the range, where counts and pages meet their limits.
            action.date = random() % 2 ? ReferenceModel::firstDay() + days(random() % 40)
                                       : ReferenceModel::lastDay() - days(random() % 40);
            break;
        case 6:
        case 7:
        case 8:
            action.kind = UserAction::Calculate;
            action.typed = typedText(random);
            break;
        default:
            action.kind = UserAction::Hover;
            action.hoverTarget = int(random() % 4);
        }
        actions.push_back(std::move(action));
    }
    return actions;
}

std::optional<SequenceFailure> play(const ProgramFactory &start, QDate today,
                                    const std::vector<UserAction> &actions)
{
    const std::unique_ptr<ProgramUnderTest> program = start(today);
    ReferenceModel model(toDays(today));
    for (size_t i = 0; i < actions.size(); ++i) {
        const UserAction &action = actions[i];
        std::string complaint;
        switch (action.kind) {
        case UserAction::ChooseType:
            program->chooseType(action.type);
            model.chooseType(action.type);
            break;
        case UserAction::Pick:
            program->pick(toQDate(action.date));
            model.pick(action.date);
            break;
        case UserAction::Calculate:
            // Only an enabled button can be pressed.
            if (!model.screen().calculateEnabled)
                continue;
            program->calculate(QString::fromStdString(action.typed));
            model.calculate(action.typed);
            break;
        case UserAction::Hover:
            complaint = program->hover(action.hoverTarget);
            break;
        }
        const ReferenceModel::Screen shown = program->screen();
        if (complaint.empty() && !(shown == model.screen()))
            complaint = "shows " + describe(shown) + "\n  expected " + describe(model.screen());
        if (complaint.empty())
            complaint = invariantComplaint(*program, shown, toDays(today));
        if (!complaint.empty())
            return SequenceFailure {{actions.begin(), actions.begin() + long(i) + 1}, complaint};
    }
    return std::nullopt;
}

std::vector<UserAction> shrink(const ProgramFactory &start, QDate today,
                               std::vector<UserAction> actions)
{
    for (size_t chunk = actions.size() / 2; chunk >= 1; chunk /= 2) {
        for (size_t at = 0; at + chunk <= actions.size();) {
            std::vector<UserAction> shorter(actions.begin(), actions.begin() + long(at));
            shorter.insert(shorter.end(), actions.begin() + long(at + chunk), actions.end());
            if (const auto failure = play(start, today, shorter))
                actions = failure->actions;
            else
                at += chunk;
        }
    }
    return actions;
}

std::string checkRandomSequence(const ProgramFactory &start, unsigned seed, int count)
{
    std::mt19937 random(seed);
    // Mostly a today of our times, sometimes one near either end of the calendar.
    const ReferenceModel::Days now = sys_days(year(2026) / December / 5);
    const ReferenceModel::Days todays[] = {now + days(long(random() % 36525) - 18262),
                                           ReferenceModel::firstDay() + days(random() % 60),
                                           ReferenceModel::lastDay() - days(random() % 60)};
    const QDate today = toQDate(todays[seed % 4 == 3 ? 1 + random() % 2 : 0]);
    const std::optional<SequenceFailure> failure = play(start, today, randomActions(random, count));
    if (!failure)
        return {};
    std::ostringstream report;
    report << "seed " << seed << ", today " << today.toString(Qt::ISODate).toStdString() << ": "
           << failure->complaint << "\nshortest reproduction:";
    for (const UserAction &action : shrink(start, today, failure->actions))
        report << "\n  " << action.describe();
    return report.str();
}
