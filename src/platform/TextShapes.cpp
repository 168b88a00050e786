#include "platform/TextShapes.h"

#include <QCache>
#include <QGuiApplication>
#include <QObject>

#include <atomic>
#include <limits>
#include <mutex>
#include <utility>

namespace Tarvex {
namespace {

std::atomic<int> FontsGeneration { 0 };

// The application whose font database is watched; a test may end one application and start another.
// Looked at on every text, so the usual case costs one atomic read.
void WatchFontDatabase()
{
    static std::atomic<QGuiApplication*> watched { nullptr };
    if (!qGuiApp || watched.load(std::memory_order_acquire) == qGuiApp)
        return;
    static std::mutex guard;
    const std::lock_guard<std::mutex> lock(guard);
    if (watched.load() == qGuiApp)
        return;
    watched = qGuiApp;
    QObject::connect(qGuiApp, &QGuiApplication::fontDatabaseChanged, qGuiApp, [] { ++FontsGeneration; });
    QObject::connect(qGuiApp, &QObject::destroyed, [] { watched = nullptr; });
    ++FontsGeneration;
}

// The font itself keys the shapes: its equality takes in everything that changes the glyphs or their
// decoration (every family, overline, strike-out, spacing, stretch, style strategy, hinting, kerning),
// which its key() partly leaves out.
struct ShapeKey {
    QFont Font;
    size_t FontHash;
    QString Text; // shares the caller's text: building the key copies nothing
    bool operator==(const ShapeKey& Other) const { return Text == Other.Text && Font == Other.Font; }
};

size_t qHash(const ShapeKey& Key, size_t Seed = 0) { return qHashMulti(Seed, Key.FontHash, Key.Text); }

// What an entry holds on to: its text, and for every glyph an index and a position.
qsizetype BytesOf(const QString& Text, const Glyphs& Shape)
{
    qsizetype bytes = qsizetype(sizeof(ShapeKey) + sizeof(Glyphs)) + Text.size() * qsizetype(sizeof(QChar));
    for (const QGlyphRun& run : Shape.Runs)
        bytes += 128 + run.glyphIndexes().size() * qsizetype(sizeof(quint32) + sizeof(QPointF));
    return bytes;
}

QCache<ShapeKey, Glyphs>& Kept()
{
    thread_local QCache<ShapeKey, Glyphs> shapes(ShapesKeptLimit);
    return shapes;
}

} // namespace

size_t HashOf(const QFont& Font)
{
    thread_local QFont last;
    thread_local size_t lastHash = qHash(last);
    // Equal to the last font, as nearly every text of a paint is, when it shares the last one's data.
    if (!(Font == last)) {
        last = Font;
        lastHash = qHash(Font);
    }
    return lastHash;
}

bool FontsChangedSince(int& Generation)
{
    WatchFontDatabase();
    const int now = FontsGeneration.load(std::memory_order_relaxed);
    return std::exchange(Generation, now) != now;
}

QTextLine UnbrokenLine(QTextLayout& Layout)
{
    Layout.setCacheEnabled(true);
    Layout.beginLayout();
    QTextLine line = Layout.createLine();
    line.setLineWidth(std::numeric_limits<qreal>::max() / 4);
    line.setPosition(QPointF(0, 0));
    Layout.endLayout();
    return line;
}

Glyphs ShapeOf(const QString& Text, const QFont& Font)
{
    QCache<ShapeKey, Glyphs>& shapes = Kept();
    // One layout serves every text: building a layout costs a tenth of shaping a short text.
    thread_local QTextLayout layout;
    thread_local QFont layoutFont;
    thread_local int generation = -1;
    if (FontsChangedSince(generation)) {
        shapes.clear();
        layoutFont = QFont();
        layout.setFont(layoutFont);
    }
    ShapeKey key { Font, HashOf(Font), Text };
    if (const Glyphs* kept = shapes.object(key))
        return *kept;
    if (!(layoutFont == Font)) {
        layoutFont = Font;
        layout.setFont(Font);
    }
    layout.setText(Text);
    const QTextLine line = UnbrokenLine(layout);
    // The line's runs as shaping gives them, item by item: merging the runs of one font, as the
    // layout's own list does, costs a tenth of shaping a short text and draws the same glyphs.
    const Glyphs shape { line.glyphRuns(), qRound(line.naturalTextWidth()) };
    const qsizetype bytes = BytesOf(Text, shape);
    shapes.insert(std::move(key), new Glyphs(shape), bytes);
    return shape;
}

qsizetype ShapesKeptBytes() { return Kept().totalCost(); }

} // namespace Tarvex
