#pragma once

// The working state of SymbolEngine::ExpressionResolver; only the engine's sources include this.
#include <tarvex/evaluator/SymbolEngine.h>

namespace Tarvex {

// Storage of one call, kept by the engine from call to call so that tokens and levels reuse their
// arrays. The tokens of all open levels share one array, each level owning the range from its Base.
struct SymbolEngine::Scan {
    struct Level {
        qsizetype Position {};     // 0-based position in the whole text being tested
        qsizetype OperandStart {}; // where the operand text not yet stored begins
        int Count {};              // tokens stored in this level
        qsizetype Base {};         // index of this level's first token in Tokens
        int ExitNode {};           // closing symbol that ends this level; -1 for a whole text
        QVariant Parent;           // last token before the latest opening symbol: the nested level's ParentSymbol
    };

    std::vector<Level> Levels; // open levels, outermost first
    std::vector<QVariant> Tokens;
    QVariantList Finished; // the tokens of the level handed to Finalize

    // Empties the arrays, and gives back the memory that a pathological text made them take.
    void Release();
};

// One call of ExpressionResolver. Nested levels live on Scan's stack rather than the call stack,
// so brackets nested as deep as the text allows cannot exhaust it.
class SymbolEngine::Resolution {
public:
    Resolution(SymbolEngine& engine, Scan& scan, const QString& expression, bool& isError, QVariant& parentSymbol);
    QVariant Run(int exitNodeIndex, int& symbolReaded);

private:
    using Level = Scan::Level;
    enum class Step { Next, LevelDone, Failed };

    Step ScanAt(Level& level, qsizetype& levelEnd);
    qsizetype NextPossibleSymbol(const Level& level, const Symbol* exit, char16_t& folded) const;
    Step TakeSymbol(Level& level, qsizetype at, const Candidate& match);
    bool StoreToken(Level& level, QVariant&& token);
    bool StoreOperand(Level& level, qsizetype end, bool announce);
    QVariant FinishLevel();
    bool ReturnToOuterLevel(QVariant&& result, qsizetype levelEnd);
    QVariant& ParentOf(std::size_t depth);

    SymbolEngine& m_Engine;
    const std::shared_ptr<const Tables> m_Tables; // the tables as they were when the call began
    Scan& m_Scan;
    QStringView m_Text;
    bool& m_IsError;         // the caller's flag, also each Finalize handler's ReportError
    QVariant& m_Parent;      // the caller's ParentSymbol, the outermost level's parent
};

} // namespace Tarvex
