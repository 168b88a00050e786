#include "evaluator/SymbolEngine.h"

#include <QScopeGuard>

namespace Tarvex {

namespace {

char16_t Fold(char16_t unit)
{
    if (unit < 128)
        return unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit;
    return char16_t(QChar::toCaseFolded(char32_t(unit)));
}

// Equal to the platform's case-insensitive comparison: ASCII pairs fold by themselves, anything
// else is left to Qt, which folds whole code points.
bool EqualIgnoringCase(QStringView text, QStringView symbol)
{
    for (qsizetype i = 0; i < symbol.size(); ++i) {
        const char16_t a = text[i].unicode();
        const char16_t b = symbol[i].unicode();
        if (a == b)
            continue;
        if (a >= 128 || b >= 128)
            return text.compare(symbol, Qt::CaseInsensitive) == 0;
        if (Fold(a) != Fold(b))
            return false;
    }
    return true;
}

} // namespace

// The state of one call. Levels are kept on a stack of our own: bracket nesting as deep as the
// text allows must not exhaust the call stack. The tokens of all open levels share one array,
// each level owning the range from its Base; a finished level's tokens move into Finished for
// the Finalize handler, so the arrays are reused from call to call instead of allocated per level.
struct SymbolEngine::Scan {
    struct Level {
        qsizetype Position {};     // 0-based position in the whole text being tested
        qsizetype OperandStart {}; // where the operand text not yet stored begins
        int Count {};              // tokens stored in this level
        qsizetype Base {};         // index of this level's first token in Tokens
        int ExitNode {};           // closing symbol that ends this level; -1 for a whole text
        QVariant Parent;           // last token before the latest opening symbol, the nested level's ParentSymbol
    };

    std::vector<Level> Levels;
    std::vector<QVariant> Tokens;
    QVariantList Finished;

    void Release()
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
};

SymbolEngine::SymbolEngine(QObject* parent)
    : QObject(parent)
    , m_Scan(std::make_unique<Scan>())
{
}

SymbolEngine::~SymbolEngine() = default;

SymbolEngine::SymbolTable SymbolEngine::MakeTable(const QStringList& symbols)
{
    SymbolTable table;
    table.reserve(symbols.size());
    for (const QString& text : symbols) {
        Symbol symbol { text };
        if (!text.isEmpty()) {
            symbol.FoldedFirst = Fold(text[0].unicode());
            symbol.SurrogateFirst = text[0].isSurrogate();
        }
        table.push_back(std::move(symbol));
    }
    return table;
}

void SymbolEngine::RebuildCandidates()
{
    for (Candidates& candidates : m_AsciiCandidates)
        candidates.clear();
    m_OtherCandidates.clear();
    for (SymbolKind kind : { SymbolKind::Break, SymbolKind::Enter, SymbolKind::Non }) {
        const SymbolTable& table = TableOf(kind);
        for (std::size_t i = 0; i < table.size(); ++i) {
            const Symbol& symbol = table[i];
            if (symbol.Text.isEmpty())
                continue;
            const bool ascii = !symbol.SurrogateFirst && symbol.FoldedFirst < 128;
            (ascii ? m_AsciiCandidates[symbol.FoldedFirst] : m_OtherCandidates).push_back({ kind, int(i) });
        }
    }
}

const SymbolEngine::Candidates& SymbolEngine::CandidatesFor(char16_t foldedUnit) const
{
    return foldedUnit < 128 ? m_AsciiCandidates[foldedUnit] : m_OtherCandidates;
}

const SymbolEngine::SymbolTable& SymbolEngine::TableOf(SymbolKind kind) const
{
    switch (kind) {
    case SymbolKind::Break: return m_BreakSymbols;
    case SymbolKind::Enter: return m_EnterNodes;
    default: return m_NonSymbols;
    }
}

void SymbolEngine::SetBreakSymbols(const QStringList& UserDefinedSymbols)
{
    m_BreakSymbols = MakeTable(UserDefinedSymbols);
    RebuildCandidates();
}

bool SymbolEngine::SetNodeSymbols(const QStringList& UserDefinedEnterNode, const QStringList& UserDefinedExitNode)
{
    if (UserDefinedEnterNode.size() != UserDefinedExitNode.size())
        return false;
    m_EnterNodes = MakeTable(UserDefinedEnterNode);
    m_ExitNodes = MakeTable(UserDefinedExitNode);
    RebuildCandidates();
    return true;
}

void SymbolEngine::SetNonSymbols(const QStringList& UserDefinedNonSymbols)
{
    m_NonSymbols = MakeTable(UserDefinedNonSymbols);
    RebuildCandidates();
}

// An empty table entry never matches: matching it would advance by nothing and scan forever.
bool SymbolEngine::Matches(const Symbol& symbol, QStringView text, qsizetype at, char16_t foldedUnit)
{
    const qsizetype length = symbol.Text.size();
    if (length == 0 || length > text.size() - at)
        return false;
    if (!symbol.SurrogateFirst && symbol.FoldedFirst != foldedUnit)
        return false;
    return EqualIgnoringCase(text.sliced(at, length), symbol.Text);
}

const SymbolEngine::Candidate* SymbolEngine::FirstMatch(QStringView text, qsizetype at, char16_t foldedUnit) const
{
    for (const Candidate& candidate : CandidatesFor(foldedUnit)) {
        if (Matches(TableOf(candidate.Kind)[candidate.Index], text, at, foldedUnit))
            return &candidate;
    }
    return nullptr;
}

QVariant SymbolEngine::ExpressionResolver(const QString& Expression, int& SymbolReaded, bool& IsError,
                                          int ExitNodeIndex, QVariant& ParentSymbol)
{
    if (ExitNodeIndex < -1 || ExitNodeIndex >= int(m_ExitNodes.size())) {
        IsError = true;
        return {};
    }
    // A handler that calls back into this engine gets storage of its own.
    std::unique_ptr<Scan> owned = m_Scan ? std::move(m_Scan) : std::make_unique<Scan>();
    const auto keep = qScopeGuard([&] {
        owned->Release();
        m_Scan = std::move(owned);
    });
    Scan& scan = *owned;
    std::vector<Scan::Level>& levels = scan.Levels;
    std::vector<QVariant>& tokens = scan.Tokens;
    const QStringView text(Expression);
    const qsizetype length = text.size();

    auto fail = [&] {
        IsError = true;
        return QVariant();
    };
    auto parentOf = [&](std::size_t depth) -> QVariant& {
        return depth == 0 ? ParentSymbol : levels[depth - 1].Parent;
    };
    auto storeToken = [&](Scan::Level& level, QVariant&& token) {
        if (level.Count >= MaxTokens)
            return false;
        tokens.push_back(std::move(token));
        ++level.Count;
        return true;
    };
    // The operand text before a symbol; the one before an opening symbol raises no EnumSymbols.
    auto storeOperand = [&](Scan::Level& level, qsizetype end, bool announce) {
        if (level.OperandStart >= end)
            return true;
        if (!storeToken(level, text.sliced(level.OperandStart, end - level.OperandStart).toString()))
            return false;
        if (announce)
            emit EnumSymbols(tokens.back(), parentOf(levels.size() - 1));
        return true;
    };

    levels.push_back({ 0, 0, 0, 0, ExitNodeIndex, {} });
    for (;;) {
        Scan::Level& level = levels.back();
        const Symbol* exit = level.ExitNode >= 0 ? &m_ExitNodes[level.ExitNode] : nullptr;
        qsizetype at = level.Position;
        char16_t folded = 0;
        // Positions where no symbol can start only lengthen the operand.
        for (; at < length; ++at) {
            folded = Fold(text[at].unicode());
            if (at == length - 1 || !CandidatesFor(folded).empty()
                || (exit && (exit->SurrogateFirst || exit->FoldedFirst == folded)))
                break;
        }
        level.Position = at;

        qsizetype levelEnd = -1; // past the closing symbol, or the text's end, once the level is done
        const Candidate* match = nullptr;
        if (at >= length) {
            if (exit)
                return fail(); // closing symbol missing
            levelEnd = length;
        } else if (exit && Matches(*exit, text, at, folded)) {
            if (!storeOperand(level, at, true))
                return fail();
            levelEnd = at + exit->Text.size();
        } else if ((match = FirstMatch(text, at, folded))) {
            const qsizetype next = at + TableOf(match->Kind)[match->Index].Text.size();
            if (match->Kind == SymbolKind::Enter) {
                if (!storeOperand(level, at, false))
                    return fail();
                if (level.Count > 0)
                    level.Parent = tokens.back();
                if (levels.size() > std::size_t(MaxNestingDepth))
                    return fail();
                levels.push_back({ next, next, 0, qsizetype(tokens.size()), match->Index, {} });
                continue;
            }
            if (!storeOperand(level, at, true))
                return fail();
            if (match->Kind == SymbolKind::Break && !storeToken(level, QVariant(m_BreakSymbols[match->Index].Text)))
                return fail();
            level.Position = level.OperandStart = next;
            continue;
        } else if (at < length - 1) {
            level.Position = at + 1;
            continue;
        } else if (exit) {
            return fail(); // closing symbol missing
        } else {
            if (!storeOperand(level, length, true))
                return fail();
            levelEnd = length;
        }

        // The level is complete: hand its tokens to the owner.
        const std::size_t depth = levels.size() - 1;
        QVariantList& finished = scan.Finished;
        finished.clear();
        finished.reserve(level.Count);
        for (qsizetype i = level.Base; i < qsizetype(tokens.size()); ++i)
            finished.append(std::move(tokens[i]));
        tokens.resize(level.Base);
        QVariant result;
        IsError = false;
        emit Finalize(finished, level.Count, result, IsError, parentOf(depth));
        if (depth == 0) {
            SymbolReaded = int(level.ExitNode >= 0 ? levelEnd : length);
            return result;
        }
        levels.pop_back();
        Scan::Level& outer = levels.back();
        if (IsError || outer.Count >= MaxTokens)
            return fail();
        // The handler may have replaced the parent: this is how a function name becomes its value.
        if (outer.Count > 0)
            tokens.back() = std::move(outer.Parent);
        if (result.isValid())
            storeToken(outer, std::move(result));
        outer.Position = outer.OperandStart = levelEnd;
    }
}

} // namespace Tarvex
