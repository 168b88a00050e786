#pragma once

#include <QList>
#include <QRawFont>
#include <QSet>

namespace Tarvex {

// What a font's substitution and positioning tables do to a Latin line made only of Glyphs, read
// from the tables as shaping applies them by default. Pairwise means the line's glyphs are the
// characters' own, each placed by its advance as its pair with the next one adjusts it, so a table
// of pairs learnt from shaping places any such line as shaping does; a ligature is a pair too, found
// when the pair is learnt. Ligatures of three or more glyphs are the exception: the glyphs that
// start one are named in LongLigatureStarts, and a line containing one is left to shaping.
struct LatinLookups {
    bool Pairwise { false };
    QSet<quint32> LongLigatureStarts;
};

// Reads at most a bounded amount of the tables; a damaged or overly large table reads as not pairwise.
LatinLookups ReadLatinLookups(const QRawFont& Font, QList<quint32> Glyphs);

} // namespace Tarvex
