#include <tarvex/evaluator/SymbolEngine.h>

#include "evaluator/SymbolScan.h"

namespace Tarvex {

// Equal to the platform's case-insensitive comparison: ASCII pairs fold by themselves, anything
// else is left to Qt, which folds whole code points.
bool SymbolEngine::EqualIgnoringCase(QStringView text, QStringView symbol)
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

char16_t SymbolEngine::Fold(char16_t unit)
{
    if (unit < 128)
        return unit >= u'A' && unit <= u'Z' ? char16_t(unit + (u'a' - u'A')) : unit;
    return char16_t(QChar::toCaseFolded(char32_t(unit)));
}

SymbolEngine::SymbolEngine(QObject* parent)
    : QObject(parent)
    , m_Tables(std::make_shared<const Tables>())
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

void SymbolEngine::Tables::RebuildCandidates()
{
    for (Candidates& candidates : AsciiCandidates)
        candidates.clear();
    OtherCandidates.clear();
    for (SymbolKind kind : { SymbolKind::Break, SymbolKind::Enter, SymbolKind::Non }) {
        const SymbolTable& table = TableOf(kind);
        for (std::size_t i = 0; i < table.size(); ++i) {
            const Symbol& symbol = table[i];
            if (symbol.Text.isEmpty())
                continue;
            const bool ascii = !symbol.SurrogateFirst && symbol.FoldedFirst < 128;
            (ascii ? AsciiCandidates[symbol.FoldedFirst] : OtherCandidates).push_back({ kind, int(i) });
        }
    }
}

const SymbolEngine::Candidates& SymbolEngine::Tables::CandidatesFor(char16_t foldedUnit) const
{
    return foldedUnit < 128 ? AsciiCandidates[foldedUnit] : OtherCandidates;
}

const SymbolEngine::SymbolTable& SymbolEngine::Tables::TableOf(SymbolKind kind) const
{
    switch (kind) {
    case SymbolKind::Break: return BreakSymbols;
    case SymbolKind::Enter: return EnterNodes;
    default: return NonSymbols;
    }
}

// Changes a copy, so that a scan still holding the current set keeps reading it unchanged.
template <typename Change>
void SymbolEngine::ChangeTables(Change change)
{
    auto tables = std::make_shared<Tables>(*m_Tables);
    change(*tables);
    tables->RebuildCandidates();
    m_Tables = std::move(tables);
}

void SymbolEngine::SetBreakSymbols(const QStringList& UserDefinedSymbols)
{
    ChangeTables([&](Tables& tables) { tables.BreakSymbols = MakeTable(UserDefinedSymbols); });
}

bool SymbolEngine::SetNodeSymbols(const QStringList& UserDefinedEnterNode, const QStringList& UserDefinedExitNode)
{
    if (UserDefinedEnterNode.size() != UserDefinedExitNode.size())
        return false;
    ChangeTables([&](Tables& tables) {
        tables.EnterNodes = MakeTable(UserDefinedEnterNode);
        tables.ExitNodes = MakeTable(UserDefinedExitNode);
    });
    return true;
}

void SymbolEngine::SetNonSymbols(const QStringList& UserDefinedNonSymbols)
{
    ChangeTables([&](Tables& tables) { tables.NonSymbols = MakeTable(UserDefinedNonSymbols); });
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

const SymbolEngine::Candidate* SymbolEngine::Tables::FirstMatch(QStringView text, qsizetype at, char16_t foldedUnit) const
{
    for (const Candidate& candidate : CandidatesFor(foldedUnit)) {
        if (Matches(TableOf(candidate.Kind)[candidate.Index], text, at, foldedUnit))
            return &candidate;
    }
    return nullptr;
}

} // namespace Tarvex
