#include <tarvex/evaluator/MathPlugin.h>

#include <tarvex/platform/runtime/NumericText.h>
#include <tarvex/platform/runtime/Rounding.h>

#include <cmath>

namespace Tarvex {

namespace {

// Every step that leaves the finite numbers fails: 1/0, 0/0, 10^400, (-8)^(1/3).
std::optional<double> Finite(double value)
{
    return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

const QString& StringOf(const QVariant& token)
{
    return *static_cast<const QString*>(token.constData());
}

} // namespace

MathPlugin::MathPlugin()
    : Operators { QStringLiteral("+"),   QStringLiteral("-"),   QStringLiteral("*"),   QStringLiteral("/"),
                  QStringLiteral("^"),   QStringLiteral("AND"), QStringLiteral("OR"),  QStringLiteral("MOD"),
                  QStringLiteral("XOR"), QStringLiteral("SQR"), QStringLiteral("TAN"), QStringLiteral("ATN"),
                  QStringLiteral("SIN"), QStringLiteral("COS"), QStringLiteral("EXP"), QStringLiteral("LOG"),
                  QStringLiteral("ABS"), QStringLiteral("SGN"), QStringLiteral("EQV"), QStringLiteral("IMP") }
{
    SY.SetNonSymbols({ QStringLiteral("\t"), QStringLiteral("\r\n"), QStringLiteral(" ") });
    SY.SetBreakSymbols(Operators);
    SY.SetNodeSymbols({ QStringLiteral("(") }, { QStringLiteral(")") });
    QObject::connect(&SY, &SymbolEngine::Finalize, &SY,
                     [this](QVariantList& SymbolReferences, int TotalCount, QVariant& ExpressionResult,
                            bool& ReportError, QVariant& ParentSymbol) {
                         SY_Finalize(SymbolReferences, TotalCount, ExpressionResult, ReportError, ParentSymbol);
                     },
                     Qt::DirectConnection);
}

QVariant MathPlugin::MathExpression(const QString& Expression, bool& IsError)
{
    int symbolReaded = 0;
    QVariant parent;
    QVariant result = SY.ExpressionResolver(Expression, symbolReaded, IsError, -1, parent);
    return IsError ? QVariant() : result;
}

MathPlugin::Op MathPlugin::OperatorOf(const QVariant& token) const
{
    if (token.typeId() != QMetaType::QString)
        return Op::None;
    const QString& text = StringOf(token);
    if (text.size() == 1) {
        switch (text[0].unicode()) {
        case u'+': return Op::Plus;
        case u'-': return Op::Minus;
        case u'*': return Op::Multiply;
        case u'/': return Op::Divide;
        case u'^': return Op::Power;
        default: return Op::None;
        }
    }
    if (text.size() < 2 || text.size() > 3 || !text[0].isLetter())
        return Op::None;
    for (int i = int(Op::And); i < Operators.size(); ++i) {
        if (text.compare(Operators[i], Qt::CaseInsensitive) == 0)
            return Op(i);
    }
    return Op::None;
}

std::optional<double> MathPlugin::NumberOf(const QVariant& token) const
{
    switch (token.typeId()) {
    case QMetaType::QString: {
        // An operand is read whole or not at all: the point form first, so that every line keeps the
        // value it has always had, then the user's own form ("1.000,5" in German).
        const QString& text = StringOf(token);
        const NumberSymbols& symbols = NumberSymbols::OfDefaultLocale();
        if (!IsNumericText(text, symbols))
            return std::nullopt;
        if (const std::optional<double> plain = ReadWholeNumber(text))
            return plain;
        return ReadLocaleNumber(text, symbols);
    }
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return token.toDouble();
    default:
        return std::nullopt;
    }
}

bool MathPlugin::IsFunction(Op op)
{
    return op >= Op::Sqr && op <= Op::Sgn;
}

std::optional<double> MathPlugin::ApplyFunction(Op function, double x)
{
    switch (function) {
    case Op::Sqr: return x < 0 ? std::nullopt : Finite(std::sqrt(x));
    case Op::Tan: return Finite(std::tan(x));
    case Op::Atn: return Finite(std::atan(x));
    case Op::Sin: return Finite(std::sin(x));
    case Op::Cos: return Finite(std::cos(x));
    case Op::Exp: return Finite(std::exp(x));
    case Op::Log: return x <= 0 ? std::nullopt : Finite(std::log(x));
    case Op::Abs: return std::fabs(x);
    case Op::Sgn: return double((x > 0) - (x < 0));
    default: return std::nullopt;
    }
}

// The logic operators and MOD work on whole numbers: both operands round halves to even into
// signed 32 bits, and fail outside them.
std::optional<double> MathPlugin::ApplyLogic(Op op, double left, double right)
{
    const std::optional<qint32> a = RoundHalfEvenToInt32(left);
    const std::optional<qint32> b = RoundHalfEvenToInt32(right);
    if (!a || !b)
        return std::nullopt;
    switch (op) {
    case Op::And: return *a & *b;
    case Op::Or: return *a | *b;
    case Op::Xor: return *a ^ *b;
    case Op::Eqv: return ~(*a ^ *b);
    case Op::Imp: return ~*a | *b;
    case Op::Mod:
        if (*b == 0)
            return std::nullopt;
        return double(qint64(*a) % qint64(*b)); // 64 bits, since INT_MIN % -1 overflows 32
    default: return std::nullopt;
    }
}

void MathPlugin::SY_Finalize(QVariantList& SymbolReferences, int TotalCount, QVariant& ExpressionResult,
                             bool& ReportError, QVariant& ParentSymbol)
{
    const Op parentOperator = OperatorOf(ParentSymbol);
    if (IsFunction(parentOperator)) {
        const std::optional<double> argument = EvaluateTokens(SymbolReferences, TotalCount);
        const std::optional<double> value = argument ? ApplyFunction(parentOperator, *argument) : std::nullopt;
        if (!value) {
            ReportError = true;
            return;
        }
        // The function's value replaces its name; the bracket itself adds no token.
        ParentSymbol = *value;
        return;
    }
    if (ParentSymbol.isValid() && NumberOf(ParentSymbol)) {
        ReportError = true; // a number directly before a bracket, as in 2(3)
        return;
    }
    const std::optional<double> value = EvaluateTokens(SymbolReferences, TotalCount);
    if (!value) {
        ReportError = true;
        return;
    }
    ExpressionResult = *value;
}

std::optional<double> MathPlugin::EvaluateTokens(const QVariantList& Tokens, int TokenCount)
{
    m_Items.clear();
    if (!SignPass(Tokens, std::min<int>(TokenCount, Tokens.size())))
        return std::nullopt;
    const bool folded =
        FoldPass([](Op op) { return op == Op::Power; },
                 [](Op, double left, double right) { return Finite(std::pow(left, right)); })
        && FoldPass([](Op op) { return op == Op::Multiply || op == Op::Divide; },
                    [](Op op, double left, double right) {
                        return Finite(op == Op::Multiply ? left * right : left / right);
                    });
    if (!folded)
        return std::nullopt;
    if (m_Items.size() > 1)
        SumPass();
    const bool combined = FoldPass([](Op op) { return op != Op::None; }, ApplyLogic);
    if (!combined)
        return std::nullopt;
    double sum = 0.0;
    for (const Item& item : m_Items) {
        if (item.Operator != Op::None)
            return std::nullopt;
        sum += item.Value;
    }
    return Finite(sum);
}

// Turns operand texts into numbers and folds the signs into the operand that follows them, so a
// sign binds tighter than any operator. A binary operator must directly follow an operand: a sign
// or another operator before it would otherwise be dropped silently (2-*3 would give 6).
bool MathPlugin::SignPass(const QVariantList& Tokens, int TokenCount)
{
    double sign = 1.0;
    bool afterOperand = false;
    for (int i = 0; i < TokenCount; ++i) {
        const bool last = i == TokenCount - 1;
        const Op op = OperatorOf(Tokens[i]);
        if (op == Op::Plus || op == Op::Minus) {
            if (last)
                return false;
            if (op == Op::Minus)
                sign = -sign;
            afterOperand = false;
        } else if (op != Op::None && !IsFunction(op)) {
            if (!afterOperand || last)
                return false;
            m_Items.push_back({ 0.0, op });
            sign = 1.0;
            afterOperand = false;
        } else {
            const std::optional<double> number = op == Op::None ? NumberOf(Tokens[i]) : std::nullopt;
            // Two operands side by side, as in "1 2", are no expression.
            if (!number || afterOperand || !std::isfinite(*number))
                return false;
            m_Items.push_back({ sign * *number, Op::None });
            sign = 1.0;
            afterOperand = true;
        }
    }
    return true;
}

// One rank of binary operators, left to right: each replaces the operand before it by its result
// and consumes the operand after it.
bool MathPlugin::FoldPass(bool (*applies)(Op), std::optional<double> (*combine)(Op, double, double))
{
    std::size_t out = 0;
    for (std::size_t i = 0; i < m_Items.size(); ++i) {
        const Item item = m_Items[i];
        if (item.Operator == Op::None || !applies(item.Operator)) {
            m_Items[out++] = item;
            continue;
        }
        if (out == 0 || m_Items[out - 1].Operator != Op::None || i + 1 >= m_Items.size()
            || m_Items[i + 1].Operator != Op::None)
            return false;
        const std::optional<double> value = combine(item.Operator, m_Items[out - 1].Value, m_Items[i + 1].Value);
        if (!value)
            return false;
        m_Items[out - 1].Value = *value;
        ++i;
    }
    m_Items.resize(out);
    return true;
}

// Adds the runs of adjacent numbers left between the logic operators; "-" became a sign earlier,
// so this is all addition and subtraction, and 7 MOD 4 + 1 is 7 MOD 5.
void MathPlugin::SumPass()
{
    std::size_t out = 0;
    double sum = 0.0;
    for (std::size_t i = 0; i < m_Items.size(); ++i) {
        const Item item = m_Items[i];
        if (item.Operator == Op::None) {
            sum += item.Value;
            continue;
        }
        m_Items[out++] = { sum, Op::None };
        m_Items[out++] = item;
        sum = 0.0;
    }
    m_Items[out++] = { sum, Op::None };
    m_Items.resize(out);
}

} // namespace Tarvex
