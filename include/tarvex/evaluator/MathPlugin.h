#pragma once

#include <tarvex/evaluator/SymbolEngine.h>

#include <QStringList>
#include <QVariant>

#include <optional>
#include <vector>

namespace Tarvex {

// Evaluates one line of arithmetic and bitwise logic, such as a calculator line: numbers, signs,
// + - * / ^, AND OR XOR EQV IMP MOD, the functions SQR TAN ATN SIN COS EXP LOG ABS SGN (radians)
// and round brackets. Precedence from tightest: sign, "^" (left to right, so 2^3^2 is 64 and -2^2
// is 4), "*" and "/", "+" and "-", then the logic operators and MOD, all of one rank.
// An operand must read as a number in the user's locale and is then read in the point form, so
// "1,5" in German is 1. Failures show no message; they only set IsError.
class MathPlugin {
public:
    MathPlugin();
    MathPlugin(const MathPlugin&) = delete;
    MathPlugin& operator=(const MathPlugin&) = delete;

    // A double on success, with IsError false; an empty result with IsError true on failure,
    // which includes any step or result that is not a finite number. Whatever IsError held
    // before, it holds the outcome when the call returns.
    QVariant MathExpression(const QString& Expression, bool& IsError);

    SymbolEngine SY; // cuts the line into bracket levels; its Finalize drives the evaluation

private:
    enum class Op : int {
        None = -1,
        Plus = 0,
        Minus,
        Multiply,
        Divide,
        Power,
        And,
        Or,
        Mod,
        Xor,
        Sqr,
        Tan,
        Atn,
        Sin,
        Cos,
        Exp,
        Log,
        Abs,
        Sgn,
        Eqv,
        Imp
    };
    // One entry of a level after its sign pass: a number, or a binary operator between two.
    struct Item {
        double Value {}; // the operand, when Operator is None
        Op Operator { Op::None };
    };

    static bool IsFunction(Op op);
    static std::optional<double> ApplyFunction(Op function, double x);
    static std::optional<double> ApplyLogic(Op op, double left, double right);

    void SY_Finalize(QVariantList& SymbolReferences, int TotalCount, QVariant& ExpressionResult, bool& ReportError,
                     QVariant& ParentSymbol);
    std::optional<double> EvaluateTokens(const QVariantList& Tokens, int TokenCount);
    bool SignPass(const QVariantList& Tokens, int TokenCount);
    bool FoldPass(bool (*applies)(Op), std::optional<double> (*combine)(Op, double, double));
    void SumPass();
    Op OperatorOf(const QVariant& token) const;
    std::optional<double> NumberOf(const QVariant& token) const;

    QStringList Operators;     // the 20 operator texts, indexed by Op
    std::vector<Item> m_Items; // the level being evaluated, reused so that a token costs no allocation
};

} // namespace Tarvex
