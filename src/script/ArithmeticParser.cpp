#include "script/ArithmeticParser.h"

#include "common/Messages.h"
#include "script/ArithmeticLexer.h"
#include "script/ArithmeticOperators.h"
#include "script/ArithmeticTables.h"
#include "script/MessageLines.h"

#include <array>
#include <optional>

namespace vevezo {
namespace {

constexpr int kStackCapacity = 15;

struct StackEntry {
    int state = 0;
    long double value = 0;
    ArithmeticFunction function = ArithmeticFunction::Abs;
};

// One run of the parser over one text: the fixed stack and what went wrong so far.
class ArithmeticRun {
public:
    explicit ArithmeticRun(QStringView text) : lexer_(text) {}
    ArithmeticOutcome Parse();

private:
    bool Push(const StackEntry& entry);
    void Reduce(int ruleNumber);
    long double Calculate(int ruleNumber, const StackEntry* right);
    long double Checked(std::optional<long double> value);
    ArithmeticOutcome Finish(bool accepted);

    ArithmeticLexer lexer_;
    std::array<StackEntry, kStackCapacity> stack_{};
    int size_ = 0;
    int syntaxError_ = kNoSyntaxError;
    bool calculationError_ = false;
};

ArithmeticOutcome ArithmeticRun::Parse() {
    Push({});
    Token token = lexer_.Next();
    for (;;) {
        if (token.malformed) {
            syntaxError_ = kMalformedNumber;
            return Finish(false);
        }
        const ParserAction action = ActionFor(stack_[size_ - 1].state, token.kind);
        switch (action.kind) {
        case ActionKind::Shift:
            if (!Push({action.argument, token.number, token.function})) {
                syntaxError_ = kStackOverflow;
                return Finish(false);
            }
            token = lexer_.Next();
            break;
        case ActionKind::Reduce:
            Reduce(action.argument);
            break;
        case ActionKind::Accept:
            return Finish(true);
        case ActionKind::SyntaxError:
            syntaxError_ = action.argument;
            return Finish(false);
        case ActionKind::Reject:
            calculationError_ = true;
            return Finish(false);
        case ActionKind::BadState:
            throw ParserTableError(QString::fromUtf8(msg::BadTokenState));
        }
    }
}

bool ArithmeticRun::Push(const StackEntry& entry) {
    if (size_ == kStackCapacity) {
        return false;
    }
    stack_[size_++] = entry;
    return true;
}

// Pops the rule's right side, computes its value and pushes the left side with the state the
// goto table gives for the uncovered state.
void ArithmeticRun::Reduce(int ruleNumber) {
    const GrammarRule rule = RuleFor(ruleNumber);
    const int next = rule.produced && rule.length < size_
                         ? GotoState(stack_[size_ - 1 - rule.length].state, rule.left)
                         : -1;
    if (next < 0) {
        throw ParserTableError(QString::fromUtf8(msg::InvalidReduction));
    }
    const long double value = Calculate(rule.number, &stack_[size_ - rule.length]);
    size_ -= rule.length;
    stack_[size_++] = {next, value, ArithmeticFunction::Abs};
}

long double ArithmeticRun::Calculate(int ruleNumber, const StackEntry* right) {
    switch (ruleNumber) {
    case 1:
        return right[0].value + right[2].value;
    case 2:
        return right[0].value - right[2].value;
    case 4:
        return right[0].value * right[2].value;
    case 5:
        return Checked(Quotient(right[0].value, right[2].value));
    case 7:
        return Checked(Power(right[0].value, right[2].value));
    case 100:
        return Checked(Modulo(right[0].value, right[2].value));
    case 9:
        return -right[1].value;
    case 14:
        return right[1].value;
    case 16:
        return Checked(ApplyArithmeticFunction(right[0].function, right[2].value));
    default: // the copy rules 3, 6, 8, 10, 12 and 15
        return right[0].value;
    }
}

// A broken calculation rule does not stop the parse; it is remembered and the value is 0.
long double ArithmeticRun::Checked(std::optional<long double> value) {
    if (!value) {
        calculationError_ = true;
    }
    return value.value_or(0);
}

ArithmeticOutcome ArithmeticRun::Finish(bool accepted) {
    ArithmeticOutcome outcome;
    outcome.syntaxError = syntaxError_;
    outcome.calculationError = calculationError_;
    outcome.ok = accepted && !calculationError_;
    if (outcome.ok) {
        outcome.value = stack_[size_ - 1].value;
        return outcome;
    }
    if (syntaxError_ != kNoSyntaxError) {
        AppendMessageLine(outcome.diagnostic,
                          QString::fromUtf8(msg::SyntaxErrorNumber).arg(syntaxError_));
    }
    AppendMessageLine(outcome.diagnostic, QString::fromUtf8(msg::CalculationRuleBroken));
    return outcome;
}

} // namespace

ArithmeticOutcome EvaluateArithmetic(QStringView text) {
    return ArithmeticRun(text).Parse();
}

} // namespace vevezo
