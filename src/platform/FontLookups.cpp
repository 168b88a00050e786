#include "platform/FontLookups.h"

#include <QByteArray>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

// The tables are read as the OpenType layout format lays them out: a script list naming each
// script's default features, a feature list naming each feature's lookups, and a lookup list whose
// lookups hold subtables of one type each. Only the features shaping applies to horizontal Latin text
// by default count; of their lookups, those that substitute or place a glyph by its neighbours make
// a line more than its pairs, unless what they look for cannot occur in a line made of the glyphs.

namespace Tarvex {
namespace {

using GlyphSet = std::vector<quint32>; // sorted

constexpr quint32 TagOf(const char (&Name)[5])
{
    return quint32(uchar(Name[0])) << 24 | quint32(uchar(Name[1])) << 16 | quint32(uchar(Name[2])) << 8 | uchar(Name[3]);
}

constexpr quint32 DefaultFeatures[] { TagOf("abvm"), TagOf("blwm"), TagOf("ccmp"), TagOf("locl"), TagOf("mark"),
    TagOf("mkmk"), TagOf("rlig"), TagOf("calt"), TagOf("clig"), TagOf("curs"), TagOf("dist"), TagOf("kern"),
    TagOf("liga"), TagOf("rclt"), TagOf("rvrn") };

// Big-endian reads that fail softly: a read outside the table or past the budget marks the reader
// failed and gives 0, so a damaged or hostile font ends the reading with a "no", not a crash or a hang.
class TableReader {
public:
    explicit TableReader(QByteArray Table)
        : m_Table(std::move(Table))
    {
    }
    bool Empty() const { return m_Table.isEmpty(); }
    bool Failed() const { return m_Failed; }
    void Fail() { m_Failed = true; }
    quint16 U16(qsizetype At) { return quint16(Read(At, 2)); }
    quint32 U32(qsizetype At) { return Read(At, 4); }

private:
    quint32 Read(qsizetype At, int Size)
    {
        if (m_Failed || At < 0 || At > m_Table.size() - Size || ++m_Reads > MaxReads) {
            m_Failed = true;
            return 0;
        }
        quint32 value = 0;
        for (int i = 0; i < Size; ++i)
            value = value << 8 | uchar(m_Table[At + i]);
        return value;
    }

    static constexpr qsizetype MaxReads = 4'000'000;
    QByteArray m_Table;
    qsizetype m_Reads { 0 };
    bool m_Failed { false };
};

// Those of Ours the coverage table at At lists, each with its coverage index; nothing for a format
// this reader does not know.
std::optional<std::vector<std::pair<quint32, int>>> Covered(TableReader& R, qsizetype At, const GlyphSet& Ours)
{
    std::vector<std::pair<quint32, int>> found;
    const quint16 format = R.U16(At);
    const quint16 count = R.U16(At + 2);
    if (format == 1) {
        for (int i = 0; i < count && !R.Failed(); ++i) {
            const quint32 glyph = R.U16(At + 4 + 2 * i);
            if (std::binary_search(Ours.begin(), Ours.end(), glyph))
                found.emplace_back(glyph, i);
        }
        return found;
    }
    if (format != 2)
        return std::nullopt;
    for (int i = 0; i < count && !R.Failed(); ++i) {
        const quint32 first = R.U16(At + 4 + 6 * i);
        const quint32 last = R.U16(At + 6 + 6 * i);
        const int index = R.U16(At + 8 + 6 * i);
        for (auto glyph = std::lower_bound(Ours.begin(), Ours.end(), first); glyph != Ours.end() && *glyph <= last; ++glyph)
            found.emplace_back(*glyph, index + int(*glyph - first));
    }
    return found;
}

bool MayCover(TableReader& R, qsizetype At, const GlyphSet& Ours)
{
    const auto covered = Covered(R, At, Ours);
    return !covered || !covered->empty();
}

// The classes the class table at At gives Ours; 0 stands for a glyph it does not list.
std::vector<quint16> ClassesOf(TableReader& R, qsizetype Table, quint16 Offset, const GlyphSet& Ours)
{
    std::vector<quint16> classes;
    std::vector<bool> listed(Ours.size());
    const auto give = [&](size_t Glyph, quint16 Class) {
        listed[Glyph] = true;
        classes.push_back(Class);
    };
    const qsizetype at = Table + Offset;
    const quint16 format = Offset == 0 ? 0 : R.U16(at);
    if (format == 1) {
        const quint32 start = R.U16(at + 2);
        const quint32 count = R.U16(at + 4);
        for (size_t g = 0; g < Ours.size(); ++g)
            if (Ours[g] >= start && Ours[g] < start + count)
                give(g, R.U16(at + 6 + 2 * qsizetype(Ours[g] - start)));
    } else if (format == 2) {
        const quint16 ranges = R.U16(at + 2);
        for (int i = 0; i < ranges && !R.Failed(); ++i) {
            const quint32 first = R.U16(at + 4 + 6 * i);
            const quint32 last = R.U16(at + 6 + 6 * i);
            const quint16 value = R.U16(at + 8 + 6 * i);
            for (size_t g = 0; g < Ours.size(); ++g)
                if (Ours[g] >= first && Ours[g] <= last)
                    give(g, value);
        }
    } else if (Offset != 0) {
        R.Fail();
    }
    if (std::find(listed.begin(), listed.end(), false) != listed.end())
        classes.push_back(0);
    std::sort(classes.begin(), classes.end());
    classes.erase(std::unique(classes.begin(), classes.end()), classes.end());
    return classes;
}

bool Has(const std::vector<quint16>& Classes, quint16 Class)
{
    return std::binary_search(Classes.begin(), Classes.end(), Class);
}

// Whether a rule of a chained class-based subtable may match a line of Ours: every class it asks for
// before, in and after the matched glyphs must be one that Ours have.
bool ClassRulesMayMatch(TableReader& R, qsizetype At, const GlyphSet& Ours)
{
    const std::vector<quint16> before = ClassesOf(R, At, R.U16(At + 4), Ours);
    const std::vector<quint16> input = ClassesOf(R, At, R.U16(At + 6), Ours);
    const std::vector<quint16> after = ClassesOf(R, At, R.U16(At + 8), Ours);
    const quint16 sets = R.U16(At + 10);
    for (quint16 first = 0; first < sets && !R.Failed(); ++first) {
        const quint16 setOffset = R.U16(At + 12 + 2 * first);
        if (setOffset == 0 || !Has(input, first))
            continue;
        const qsizetype set = At + setOffset;
        const quint16 rules = R.U16(set);
        for (int r = 0; r < rules && !R.Failed(); ++r) {
            qsizetype p = set + R.U16(set + 2 + 2 * r);
            bool matches = true;
            for (const std::vector<quint16>* classes : { &before, &input, &after }) {
                const quint16 count = R.U16(p);
                p += 2;
                // The input sequence counts the first glyph, whose class is the set's.
                for (int k = classes == &input ? 1 : 0; k < count; ++k, p += 2)
                    matches = matches && Has(*classes, R.U16(p));
            }
            if (matches)
                return true;
        }
    }
    return false;
}

// Whether a contextual subtable may apply anywhere in a line of Ours. Glyph-based rules, and
// class-based ones without the chained form, count as applying when their first glyph can occur.
bool MayApplyInContext(TableReader& R, qsizetype At, bool Chained, const GlyphSet& Ours)
{
    const quint16 format = R.U16(At);
    if (format == 1)
        return MayCover(R, At + R.U16(At + 2), Ours);
    if (format == 2)
        return MayCover(R, At + R.U16(At + 2), Ours) && (!Chained || ClassRulesMayMatch(R, At, Ours));
    if (format != 3)
        return true;
    if (!Chained) {
        const quint16 count = R.U16(At + 2);
        for (int i = 0; i < count && !R.Failed(); ++i)
            if (!MayCover(R, At + R.U16(At + 6 + 2 * i), Ours))
                return false;
        return true;
    }
    qsizetype p = At + 2;
    for (int part = 0; part < 3; ++part) {
        const quint16 count = R.U16(p);
        for (int i = 0; i < count && !R.Failed(); ++i)
            if (!MayCover(R, At + R.U16(p + 2 + 2 * i), Ours))
                return false;
        p += 2 + 2 * qsizetype(count);
    }
    return true;
}

// Ligatures of two glyphs show in their pair; a longer one's first glyph is noted.
void NoteLongLigatures(TableReader& R, qsizetype At, const GlyphSet& Ours, LatinLookups& Result)
{
    const auto covered = Covered(R, At + R.U16(At + 2), Ours);
    if (!covered) {
        R.Fail();
        return;
    }
    const quint16 sets = R.U16(At + 4);
    for (const auto& [glyph, index] : *covered) {
        if (index >= sets)
            continue;
        const qsizetype set = At + R.U16(At + 6 + 2 * index);
        const quint16 ligatures = R.U16(set);
        for (int l = 0; l < ligatures && !R.Failed(); ++l)
            if (R.U16(set + R.U16(set + 2 + 2 * l) + 2) >= 3)
                Result.LongLigatureStarts.insert(glyph);
    }
}

bool SubstitutionIsPairwise(TableReader& R, int Type, qsizetype At, const GlyphSet& Ours, LatinLookups& Result)
{
    switch (Type) {
    case 1: case 2: case 3: return true; // the same for a glyph wherever it stands: learnt with it
    case 4: NoteLongLigatures(R, At, Ours, Result); return true;
    case 5: return !MayApplyInContext(R, At, false, Ours);
    case 6: return !MayApplyInContext(R, At, true, Ours);
    case 8: return !MayCover(R, At + R.U16(At + 2), Ours);
    default: return false;
    }
}

bool PositioningIsPairwise(TableReader& R, int Type, qsizetype At, const GlyphSet& Ours)
{
    constexpr quint16 XAdvance = 0x0004;
    constexpr quint16 XAdvanceDevice = 0x0040;
    switch (Type) {
    case 2:
        // A pair may change the first glyph's advance, which its table records; moving either
        // glyph off its place would reach past the pair.
        return !MayCover(R, At + R.U16(At + 2), Ours)
            || ((R.U16(At + 4) & ~(XAdvance | XAdvanceDevice)) == 0 && R.U16(At + 6) == 0);
    case 1: case 3: case 4: case 5: case 6: return !MayCover(R, At + R.U16(At + 2), Ours);
    case 7: return !MayApplyInContext(R, At, false, Ours);
    case 8: return !MayApplyInContext(R, At, true, Ours);
    default: return false;
    }
}

// The lookups of the default features of Script's default language, also its required feature.
std::vector<quint16> DefaultLookups(TableReader& R, quint32 Script)
{
    std::vector<quint16> lookups;
    const qsizetype scriptList = R.U16(4);
    const qsizetype featureList = R.U16(6);
    const quint16 scripts = R.U16(scriptList);
    for (int s = 0; s < scripts && !R.Failed(); ++s) {
        if (R.U32(scriptList + 2 + 6 * s) != Script)
            continue;
        const qsizetype script = scriptList + R.U16(scriptList + 6 + 6 * s);
        const quint16 defaultLanguage = R.U16(script);
        if (defaultLanguage == 0)
            return lookups;
        const qsizetype language = script + defaultLanguage;
        const quint16 required = R.U16(language + 2);
        const quint16 count = R.U16(language + 4);
        const quint16 features = R.U16(featureList);
        for (int f = -1; f < count && !R.Failed(); ++f) {
            const quint16 index = f < 0 ? required : R.U16(language + 6 + 2 * f);
            if (index >= features)
                continue;
            const quint32 tag = R.U32(featureList + 2 + 6 * index);
            if (f >= 0 && std::find(std::begin(DefaultFeatures), std::end(DefaultFeatures), tag) == std::end(DefaultFeatures))
                continue;
            const qsizetype feature = featureList + R.U16(featureList + 6 + 6 * index);
            const quint16 lookupCount = R.U16(feature + 2);
            for (int l = 0; l < lookupCount; ++l)
                lookups.push_back(R.U16(feature + 4 + 2 * l));
        }
        return lookups;
    }
    return lookups;
}

// Latin lines take the Latin script's features; their digits and signs may be shaped apart under the
// default script's, so both count.
bool TableIsPairwise(TableReader& R, bool Substitution, const GlyphSet& Ours, LatinLookups& Result)
{
    if (R.Empty())
        return true;
    std::vector<quint16> lookups = DefaultLookups(R, TagOf("latn"));
    const std::vector<quint16> common = DefaultLookups(R, TagOf("DFLT"));
    lookups.insert(lookups.end(), common.begin(), common.end());
    std::sort(lookups.begin(), lookups.end());
    lookups.erase(std::unique(lookups.begin(), lookups.end()), lookups.end());
    const qsizetype lookupList = R.U16(8);
    const quint16 lookupCount = R.U16(lookupList);
    const int extension = Substitution ? 7 : 9;
    for (const quint16 index : lookups) {
        if (index >= lookupCount)
            continue;
        const qsizetype lookup = lookupList + R.U16(lookupList + 2 + 2 * index);
        const int type = R.U16(lookup);
        const quint16 subtables = R.U16(lookup + 4);
        for (int s = 0; s < subtables && !R.Failed(); ++s) {
            qsizetype at = lookup + R.U16(lookup + 6 + 2 * s);
            int subtableType = type;
            if (type == extension) {
                subtableType = R.U16(at + 2);
                at += R.U32(at + 4);
            }
            const bool pairwise = Substitution ? SubstitutionIsPairwise(R, subtableType, at, Ours, Result)
                                               : PositioningIsPairwise(R, subtableType, at, Ours);
            if (!pairwise)
                return false;
        }
    }
    return !R.Failed();
}

} // namespace

LatinLookups ReadLatinLookups(const QRawFont& Font, QList<quint32> Glyphs)
{
    GlyphSet ours(Glyphs.begin(), Glyphs.end());
    std::sort(ours.begin(), ours.end());
    ours.erase(std::unique(ours.begin(), ours.end()), ours.end());
    LatinLookups result;
    TableReader substitutions(Font.fontTable("GSUB"));
    TableReader positions(Font.fontTable("GPOS"));
    result.Pairwise = TableIsPairwise(substitutions, true, ours, result) && TableIsPairwise(positions, false, ours, result);
    return result;
}

} // namespace Tarvex
