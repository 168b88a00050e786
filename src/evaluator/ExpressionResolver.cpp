#include "evaluator/SymbolScan.h"

#include <QScopeGuard>

namespace Tarvex {

void SymbolEngine::Scan::Release()
{
    constexpr std::size_t KeptLevels = 256;
    Levels.clear();
    Tokens.clear();
    Finished.clear();
    if (Levels.capacity() > KeptLevels)
        std::vector<Level>().swap(Levels);
    if (Tokens.capacity() > KeptLevels * 4)
        std::vector<QVariant>().swap(Tokens);
}

QVariant SymbolEngine::ExpressionResolver(const QString& Expression, int& SymbolReaded, bool& IsError,
                                          int ExitNodeIndex, QVariant& ParentSymbol)
{
    if (ExitNodeIndex < -1 || ExitNodeIndex >= int(m_Tables->ExitNodes.size())) {
        IsError = true;
        return {};
    }
    // A handler that calls back into this engine gets storage of its own.
    std::unique_ptr<Scan> scan = m_Scan ? std::move(m_Scan) : std::make_unique<Scan>();
    const auto keep = qScopeGuard([&] {
        scan->Release();
        m_Scan = std::move(scan);
    });
    return Resolution(*this, *scan, Expression, IsError, ParentSymbol).Run(ExitNodeIndex, SymbolReaded);
}

SymbolEngine::Resolution::Resolution(SymbolEngine& engine, Scan& scan, const QString& expression, bool& isError,
                                     QVariant& parentSymbol)
    : m_Engine(engine)
    , m_Tables(engine.m_Tables)
    , m_Scan(scan)
    , m_Text(expression)
    , m_IsError(isError)
    , m_Parent(parentSymbol)
{
}

// Scans the level on top of the stack position by position; a finished level hands its tokens to
// the owner and its value to the level around it, until the outermost level is finished.
QVariant SymbolEngine::Resolution::Run(int exitNodeIndex, int& symbolReaded)
{
    m_Scan.Levels.push_back({ 0, 0, 0, 0, exitNodeIndex, {} });
    for (;;) {
        qsizetype levelEnd = -1;
        const Step step = ScanAt(m_Scan.Levels.back(), levelEnd);
        if (step == Step::Failed)
            break;
        if (step == Step::Next)
            continue;
        const bool outermost = m_Scan.Levels.size() == 1;
        const int exitNode = m_Scan.Levels.back().ExitNode;
        QVariant result = FinishLevel();
        if (outermost) {
            symbolReaded = int(exitNode >= 0 ? levelEnd : m_Text.size());
            return result;
        }
        if (!ReturnToOuterLevel(std::move(result), levelEnd))
            break;
    }
    m_IsError = true;
    return {};
}

SymbolEngine::Resolution::Step SymbolEngine::Resolution::ScanAt(Level& level, qsizetype& levelEnd)
{
    const qsizetype length = m_Text.size();
    const Symbol* exit = level.ExitNode >= 0 ? &m_Tables->ExitNodes[level.ExitNode] : nullptr;
    char16_t folded = 0;
    const qsizetype at = level.Position = NextPossibleSymbol(level, exit, folded);
    if (at >= length) {
        levelEnd = length;
        return exit ? Step::Failed : Step::LevelDone; // a missing closing symbol fails
    }
    if (exit && Matches(*exit, m_Text, at, folded)) {
        levelEnd = at + exit->Text.size();
        return StoreOperand(level, at, true) ? Step::LevelDone : Step::Failed;
    }
    if (const Candidate* match = m_Tables->FirstMatch(m_Text, at, folded))
        return TakeSymbol(level, at, *match);
    if (at < length - 1) {
        level.Position = at + 1;
        return Step::Next;
    }
    if (exit)
        return Step::Failed;
    levelEnd = length;
    return StoreOperand(level, length, true) ? Step::LevelDone : Step::Failed;
}

// Positions where no symbol can start only lengthen the operand; the last position is always
// tested, since it ends the outermost level's last operand.
qsizetype SymbolEngine::Resolution::NextPossibleSymbol(const Level& level, const Symbol* exit, char16_t& folded) const
{
    const qsizetype length = m_Text.size();
    qsizetype at = level.Position;
    for (; at < length; ++at) {
        folded = Fold(m_Text[at].unicode());
        if (at == length - 1 || !m_Tables->CandidatesFor(folded).empty()
            || (exit && (exit->SurrogateFirst || exit->FoldedFirst == folded)))
            break;
    }
    return at;
}

SymbolEngine::Resolution::Step SymbolEngine::Resolution::TakeSymbol(Level& level, qsizetype at, const Candidate& match)
{
    const qsizetype next = at + m_Tables->TableOf(match.Kind)[match.Index].Text.size();
    if (match.Kind == SymbolKind::Enter) {
        if (!StoreOperand(level, at, false))
            return Step::Failed;
        if (level.Count > 0)
            level.Parent = m_Scan.Tokens.back();
        if (m_Scan.Levels.size() > std::size_t(MaxNestingDepth))
            return Step::Failed;
        m_Scan.Levels.push_back({ next, next, 0, qsizetype(m_Scan.Tokens.size()), match.Index, {} });
        return Step::Next;
    }
    if (!StoreOperand(level, at, true))
        return Step::Failed;
    if (match.Kind == SymbolKind::Break && !StoreToken(level, QVariant(m_Tables->BreakSymbols[match.Index].Text)))
        return Step::Failed;
    level.Position = level.OperandStart = next;
    return Step::Next;
}

bool SymbolEngine::Resolution::StoreToken(Level& level, QVariant&& token)
{
    if (level.Count >= MaxTokens)
        return false;
    m_Scan.Tokens.push_back(std::move(token));
    ++level.Count;
    return true;
}

// Stores the operand text before a symbol, if any; the one before an opening symbol is not announced.
bool SymbolEngine::Resolution::StoreOperand(Level& level, qsizetype end, bool announce)
{
    if (level.OperandStart >= end)
        return true;
    if (!StoreToken(level, m_Text.sliced(level.OperandStart, end - level.OperandStart).toString()))
        return false;
    if (announce)
        emit m_Engine.EnumSymbols(m_Scan.Tokens.back(), ParentOf(m_Scan.Levels.size() - 1));
    return true;
}

QVariant SymbolEngine::Resolution::FinishLevel()
{
    const Level& level = m_Scan.Levels.back();
    QVariantList& finished = m_Scan.Finished;
    finished.clear();
    finished.reserve(level.Count);
    for (qsizetype i = level.Base; i < qsizetype(m_Scan.Tokens.size()); ++i)
        finished.append(std::move(m_Scan.Tokens[i]));
    m_Scan.Tokens.resize(level.Base);
    QVariant result;
    m_IsError = false;
    emit m_Engine.Finalize(finished, level.Count, result, m_IsError, ParentOf(m_Scan.Levels.size() - 1));
    return result;
}

bool SymbolEngine::Resolution::ReturnToOuterLevel(QVariant&& result, qsizetype levelEnd)
{
    m_Scan.Levels.pop_back();
    Level& outer = m_Scan.Levels.back();
    if (m_IsError || outer.Count >= MaxTokens)
        return false;
    // The handler may have replaced the parent: this is how a function name becomes its value.
    if (outer.Count > 0)
        m_Scan.Tokens.back() = std::move(outer.Parent);
    if (result.isValid())
        StoreToken(outer, std::move(result));
    outer.Position = outer.OperandStart = levelEnd;
    return true;
}

QVariant& SymbolEngine::Resolution::ParentOf(std::size_t depth)
{
    return depth == 0 ? m_Parent : m_Scan.Levels[depth - 1].Parent;
}

} // namespace Tarvex
