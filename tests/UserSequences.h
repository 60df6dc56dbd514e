#pragma once

#include "ReferenceModel.h"

#include <QDate>

#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

// Long random sequences of user actions, played against the program and the reference model at
// once, comparing every control after every action.

struct UserAction
{
    enum Kind { ChooseType, Pick, Calculate, Hover };
    Kind kind = Pick;
    int type = 0; // ChooseType
    ReferenceModel::Days date {}; // Pick
    std::string typed; // Calculate
    int hoverTarget = 0; // Hover: 0 Quit, 1 Calculate Date, 2 the day count, 3 the results

    std::string describe() const;
};

// The program under test, driven as a user would drive it.
class ProgramUnderTest
{
public:
    virtual ~ProgramUnderTest() = default;
    virtual void chooseType(int type) = 0;
    virtual void pick(QDate date) = 0;
    virtual void calculate(const QString &typed) = 0;
    // Returns a complaint when the hover did not move the focus as it should.
    virtual std::string hover(int target) = 0;
    virtual ReferenceModel::Screen screen() const = 0;
    // The calculator's own state, for its invariants.
    virtual bool firstDatePicked() const = 0;
    virtual QDate firstDate() const = 0;
};

using ProgramFactory = std::function<std::unique_ptr<ProgramUnderTest>(QDate today)>;

QDate toQDate(ReferenceModel::Days day);
ReferenceModel::Days toDays(QDate date);

std::vector<UserAction> randomActions(std::mt19937 &random, int count);

struct SequenceFailure
{
    std::vector<UserAction> actions; // up to and including the failing one
    std::string complaint;
};

// Plays the actions from a fresh start; the first disagreement or broken invariant, if any.
std::optional<SequenceFailure> play(const ProgramFactory &start, QDate today,
                                    const std::vector<UserAction> &actions);

// The shortest sublist of a failing list found to fail still, for the report.
std::vector<UserAction> shrink(const ProgramFactory &start, QDate today,
                               std::vector<UserAction> actions);

// The result sentence's own arithmetic: its count is the days between its two dates (the first
// being today for a count from today), and its weeks and days add up to the count. An empty
// string when it holds or the text is no result sentence.
std::string sentenceComplaint(const std::string &results, ReferenceModel::Days today);

// Runs count random actions from the seed; an empty string when all held, else a report with
// the seed and the shortest reproduction.
std::string checkRandomSequence(const ProgramFactory &start, unsigned seed, int count);
