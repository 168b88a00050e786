#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QFont;

namespace Tarvex {

// The longest start of Line that fits in Width pixels with "..." behind it, followed by "...";
// "..." alone where not even one character fits. Cuts are kept by font, text and width, as a grid
// cuts the same cells on every paint.
QString ElidedLine(const QString& Line, const QFont& Font, int Width);

// The first index in From..To-1 at which Reaches holds, To when none does; Reaches is asked about a
// number of indices that grows with the logarithm of the distance, so it must stay true once it is.
qsizetype FirstReaching(qsizetype From, qsizetype To, const std::function<bool(qsizetype)>& Reaches);

// Where a line of Text from Start, growing a character at a time, first measures at least Width
// pixels as Canvas::TextWidth measures it, looking only at ends from From on: the index of the
// character that makes it so, or Text.size() when none does. The answer is that of measuring every
// end, also where letters change form by their neighbours (a longer line is then taken to be at most
// two line heights narrower), but the line is measured only a few times more than the logarithm of
// its length.
qsizetype FirstEndReaching(const QString& Text, qsizetype Start, qsizetype From, const QFont& Font, double Width);

// The paragraph broken at blanks into lines no wider than Width, except that a word wider than
// Width keeps a line of its own; the blanks a line is broken at are dropped.
QStringList BrokenAtWords(const QString& Paragraph, const QFont& Font, int Width);

} // namespace Tarvex
