#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <array>
#include <memory>
#include <vector>

namespace Tarvex {

// A general tokeniser that knows nothing about arithmetic. The owner configures three symbol
// tables and hands it a text; the engine cuts the text into tokens one bracket level at a time and
// reports each finished level through Finalize, innermost level first. Whatever the owner returns
// for a level in ExpressionResult becomes one token of the enclosing level, and the token just
// before an opening symbol is the nested level's ParentSymbol, which the owner may replace.
//
// Symbols match case-insensitively; a break symbol is stored as the table's own text ("and" in the
// text becomes the table's "AND"); operand texts are stored exactly as they stand. A level holds
// at most MaxTokens tokens. An empty table entry never matches. Nesting is followed with a stack of our own rather than the call stack,
// so deep brackets cannot exhaust it; beyond MaxNestingDepth levels the text fails.
class SymbolEngine : public QObject {
    Q_OBJECT
public:
    static constexpr int MaxTokens = 512;
    static constexpr int MaxNestingDepth = 100'000; // bounds the memory a hostile line can take

    explicit SymbolEngine(QObject* parent = nullptr);
    ~SymbolEngine() override;

    // Symbols that end the operand before them and are stored as tokens themselves.
    void SetBreakSymbols(const QStringList& UserDefinedSymbols);
    // Opening and closing symbols pair by index. Lists of unequal length change nothing and give false.
    bool SetNodeSymbols(const QStringList& UserDefinedEnterNode, const QStringList& UserDefinedExitNode);
    // Symbols that end the operand before them and are dropped (blanks and the like).
    void SetNonSymbols(const QStringList& UserDefinedNonSymbols);

    // Tokenises Expression and returns what the Finalize handler of the outermost level put into
    // ExpressionResult. ExitNodeIndex is -1 for a whole text; otherwise the text is the inside of a
    // bracket that the closing symbol of that index ends, and SymbolReaded receives the 1-based
    // position of that closing symbol's last character. For a whole text SymbolReaded receives
    // the text's length. On failure (a missing closing symbol, too many tokens or levels, or a
    // handler reporting an error) IsError is true and the result is empty.
    QVariant ExpressionResolver(const QString& Expression, int& SymbolReaded, bool& IsError, int ExitNodeIndex,
                                QVariant& ParentSymbol);

signals:
    // Raised for every operand text stored, except one that ends at an opening symbol; a handler
    // may replace the stored token through Symbol.
    void EnumSymbols(QVariant& Symbol, QVariant& ParentSymbol);
    // Raised once per level that ends normally, after ReportError has been set to false.
    // SymbolReferences holds the level's TotalCount tokens, which the handler may use up in place.
    void Finalize(QVariantList& SymbolReferences, int TotalCount, QVariant& ExpressionResult, bool& ReportError,
                  QVariant& ParentSymbol);

private:
    struct Symbol {
        QString Text;            // the table's own text, stored as the token for a break symbol
        char16_t FoldedFirst {}; // case-folded first unit, to reject most positions cheaply
        bool SurrogateFirst {};  // a first unit that is half of a pair is always compared in full
    };
    using SymbolTable = std::vector<Symbol>;
    enum class SymbolKind { Break, Enter, Non };
    struct Candidate {
        SymbolKind Kind {};
        int Index {}; // entry of the table of that kind
    };
    using Candidates = std::vector<Candidate>;
    // All symbol tables with their lookup by first unit. A scan holds the set it started with, so a
    // handler that changes the tables during a scan changes them for the next scan only.
    struct Tables {
        SymbolTable BreakSymbols; // set by SetBreakSymbols; empty entries never match
        SymbolTable EnterNodes;   // opening symbols; entry i pairs with ExitNodes entry i
        SymbolTable ExitNodes;    // closing symbols
        SymbolTable NonSymbols;   // set by SetNonSymbols
        // The break, opening and non-symbols that may start at a unit, in the order they are tested,
        // by the unit's folded value; most positions of a text have none and are passed over at once.
        std::array<Candidates, 128> AsciiCandidates;
        Candidates OtherCandidates; // symbols whose folded first unit is not ASCII

        void RebuildCandidates();
        const Candidates& CandidatesFor(char16_t foldedUnit) const;
        const SymbolTable& TableOf(SymbolKind kind) const;
        const Candidate* FirstMatch(QStringView text, qsizetype at, char16_t foldedUnit) const;
    };
    struct Scan;
    class Resolution;

    static SymbolTable MakeTable(const QStringList& symbols);
    template <typename Change>
    void ChangeTables(Change change);
    static bool Matches(const Symbol& symbol, QStringView text, qsizetype at, char16_t foldedUnit);
    static bool EqualIgnoringCase(QStringView text, QStringView symbol);
    static char16_t Fold(char16_t unit);

    std::shared_ptr<const Tables> m_Tables; // replaced whole by each Set...; never null
    std::unique_ptr<Scan> m_Scan; // per-level storage kept between calls; null while a call runs
};

} // namespace Tarvex
