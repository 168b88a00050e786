#include <tarvex/evaluator/SymbolEngine.h>

#include <gtest/gtest.h>

using namespace Tarvex;

namespace {

// A host of the tokeniser that records what it is told. Each finished level answers with the text
// "L" and the level's number in finishing order, so the enclosing level's tokens show the order.
class RecordingHost {
public:
    RecordingHost()
    {
        Engine.SetNonSymbols({ QStringLiteral(" ") });
        Engine.SetBreakSymbols({ QStringLiteral("+"), QStringLiteral("-"), QStringLiteral("AND"), QStringLiteral("f") });
        Engine.SetNodeSymbols({ QStringLiteral("(") }, { QStringLiteral(")") });
        QObject::connect(&Engine, &SymbolEngine::EnumSymbols, &Engine, [this](QVariant& Symbol, QVariant&) {
            Enumerated << Symbol.toString();
        });
        QObject::connect(&Engine, &SymbolEngine::Finalize, &Engine,
                         [this](QVariantList& Tokens, int Count, QVariant& Result, bool&, QVariant& Parent) {
                             QStringList texts;
                             for (int i = 0; i < Count; ++i)
                                 texts << Tokens[i].toString();
                             Levels << texts;
                             Parents << Parent;
                             if (Parent == QStringLiteral("f"))
                                 Parent = QStringLiteral("f=") + texts.join(u',');
                             else
                                 Result = QStringLiteral("L%1").arg(Levels.size());
                         });
    }

    QVariant Resolve(const QString& text, int exitNode = -1)
    {
        QVariant parent;
        IsError = false;
        Enumerated.clear();
        Levels.clear();
        Parents.clear();
        return Engine.ExpressionResolver(text, SymbolReaded, IsError, exitNode, parent);
    }

    SymbolEngine Engine;
    QStringList Enumerated;
    QList<QStringList> Levels;
    QVariantList Parents;
    int SymbolReaded = -1;
    bool IsError = false;
};

// The tokens of a level written as one text, "|" between them.
QStringList Texts(const char* joined) { return QString::fromUtf8(joined).split(u'|'); }

} // namespace

TEST(SymbolEngine, CutsTextIntoOperandsAndSymbols)
{
    RecordingHost host;
    host.Resolve(QString());
    EXPECT_EQ(QList<QStringList> { QStringList() }, host.Levels);

    host.Resolve(QStringLiteral("12 + -3"));
    EXPECT_EQ(QList<QStringList> { Texts("12|+|-|3") }, host.Levels);
    EXPECT_EQ(Texts("12|3"), host.Enumerated);

    // A break symbol is stored as the table has it; an operand keeps all but the symbols, and at
    // the outermost level ")" is ordinary text.
    host.Resolve(QStringLiteral("1and a\tb 2)"));
    EXPECT_EQ(Texts("1|AND|a\tb|2)"), host.Levels.last());
}

TEST(SymbolEngine, LevelsFinishInnermostFirstAndHandlersMayReplaceTheirTokens)
{
    RecordingHost host;
    EXPECT_EQ(QStringLiteral("L4"), host.Resolve(QStringLiteral("((1)) + (2)")));
    EXPECT_EQ((QList<QStringList> { Texts("1"), Texts("L1"), Texts("2"), Texts("L2|+|L3") }), host.Levels);
    // Without a token before them the brackets have no parent; the second one follows "+".
    EXPECT_EQ((QVariantList { QVariant(), QVariant(), QStringLiteral("+"), QVariant() }), host.Parents);

    host.Resolve(QStringLiteral("1+f(a b)+2"));
    EXPECT_EQ(QStringLiteral("f"), host.Parents[0]);
    // The function level gave no result, so its value stands where its name stood.
    EXPECT_EQ(Texts("1|+|f=a,b|+|2"), host.Levels.last());

    // An operand that ends at a bracket is stored without EnumSymbols.
    host.Resolve(QStringLiteral("ab(c) d"));
    EXPECT_EQ(Texts("c|d"), host.Enumerated);
    EXPECT_EQ(Texts("ab|L1|d"), host.Levels.last());

    // An EnumSymbols handler may replace the operand as well.
    QObject::connect(&host.Engine, &SymbolEngine::EnumSymbols, &host.Engine,
                     [](QVariant& Symbol, QVariant&) { Symbol = Symbol.toString().toUpper(); });
    host.Resolve(QStringLiteral("x + y"));
    EXPECT_EQ(Texts("X|+|Y"), host.Levels.last());
}

TEST(SymbolEngine, FailureFinishesNoEnclosingLevel)
{
    RecordingHost host;
    EXPECT_FALSE(host.Resolve(QStringLiteral("(1+2")).isValid());
    EXPECT_TRUE(host.IsError);
    EXPECT_TRUE(host.Levels.isEmpty());
    host.Resolve(QStringLiteral("((1)"));
    EXPECT_TRUE(host.IsError);
    EXPECT_EQ(1, host.Levels.size());

    QObject::connect(&host.Engine, &SymbolEngine::Finalize, &host.Engine,
                     [](QVariantList& Tokens, int Count, QVariant&, bool& ReportError, QVariant&) {
                         ReportError = Count == 1 && Tokens[0] == QStringLiteral("bad");
                     });
    EXPECT_FALSE(host.Resolve(QStringLiteral("1 + ((bad))")).isValid());
    EXPECT_TRUE(host.IsError);
    EXPECT_EQ(1, host.Levels.size());
    // The engine keeps nothing from a failed call.
    EXPECT_EQ(QStringLiteral("L1"), host.Resolve(QStringLiteral("good")));
    EXPECT_FALSE(host.IsError);
}

TEST(SymbolEngine, ALevelHoldsAtMost512Tokens)
{
    RecordingHost host;
    const QString full = QStringLiteral("x ").repeated(SymbolEngine::MaxTokens);
    host.Resolve(full);
    EXPECT_FALSE(host.IsError);
    EXPECT_EQ(512, host.Levels.last().size());
    host.Resolve(full + QStringLiteral("x"));
    EXPECT_TRUE(host.IsError);
    // Inside a bracket the limit is the same, and a bracket's value counts as a token.
    host.Resolve(QStringLiteral("(") + full + QStringLiteral(")"));
    EXPECT_FALSE(host.IsError);
    host.Resolve(full + QStringLiteral("(y)"));
    EXPECT_TRUE(host.IsError);
}

TEST(SymbolEngine, InnerTextCallReportsWhereItsClosingSymbolEnds)
{
    RecordingHost host;
    host.Engine.SetNodeSymbols({ QStringLiteral("("), QStringLiteral("BEGIN") }, { QStringLiteral(")"), QStringLiteral("END") });
    host.Resolve(QStringLiteral("1+2 end + 3"), 1);
    EXPECT_FALSE(host.IsError);
    EXPECT_EQ(7, host.SymbolReaded); // the "d" of "end", counted from 1
    EXPECT_EQ(Texts("1|+|2"), host.Levels.last());
    // Only the closing symbol of its own pair ends a level.
    host.Resolve(QStringLiteral("begin 1 ) end"));
    EXPECT_EQ(Texts("1|)"), host.Levels.first());
    host.Resolve(QStringLiteral("1"), 2);
    EXPECT_TRUE(host.IsError);
}

TEST(SymbolEngine, EarlierTableEntryWinsAndTablesRefuseWhatCannotWork)
{
    RecordingHost host;
    host.Engine.SetBreakSymbols({ QStringLiteral("O"), QStringLiteral("OR") });
    host.Resolve(QStringLiteral("1OR2"));
    EXPECT_EQ(Texts("1|O|R2"), host.Levels.last());

    EXPECT_FALSE(host.Engine.SetNodeSymbols({ QStringLiteral("[") }, {}));
    // An empty entry would match everywhere without advancing.
    host.Engine.SetNonSymbols({ QString(), QStringLiteral(" ") });
    host.Engine.SetBreakSymbols({ QString() });
    host.Resolve(QStringLiteral("a (b)"));
    EXPECT_FALSE(host.IsError);
    EXPECT_EQ(Texts("a|L1"), host.Levels.last());
}

TEST(SymbolEngine, HandlerMayUseTheSameEngineAgain)
{
    RecordingHost host;
    QObject::connect(&host.Engine, &SymbolEngine::EnumSymbols, &host.Engine, [&](QVariant& Symbol, QVariant&) {
        int readed = 0;
        bool error = false;
        QVariant parent;
        if (Symbol == QStringLiteral("nested"))
            Symbol = host.Engine.ExpressionResolver(QStringLiteral("(a) + b"), readed, error, -1, parent);
    });
    host.Resolve(QStringLiteral("x + nested + (y)"));
    EXPECT_FALSE(host.IsError);
    EXPECT_EQ(Texts("x|+|L2|+|L3"), host.Levels.last());
}

TEST(SymbolEngine, TablesChangedByAHandlerDuringAScanTakeEffectAtTheNextScan)
{
    RecordingHost host;
    QObject::connect(&host.Engine, &SymbolEngine::EnumSymbols, &host.Engine, [&](QVariant&, QVariant&) {
        host.Engine.SetBreakSymbols({ QStringLiteral("*") });
        host.Engine.SetNodeSymbols({}, {});
    });
    host.Resolve(QStringLiteral("a + (b + c) + d"));
    EXPECT_FALSE(host.IsError);
    EXPECT_EQ(Texts("a|+|L1|+|d"), host.Levels.last());

    host.Resolve(QStringLiteral("a + (b * c)"));
    EXPECT_EQ(Texts("a|+|(b|*|c)"), host.Levels.last());
}
