#pragma once

#include "InvoiceData.h"

#include <QAbstractSlider>
#include <QIODevice>

#include <memory>
#include <string>
#include <vector>

namespace GridBench {

// A shown list fills a 1280 x 800 window; the grid's columns of 1200 twips are 80 pixels wide.
constexpr int ShownWidth = 1280;
constexpr int ShownHeight = 800;
constexpr int ShownColumnWidth = 80;

// What a user's drag does: press the thumb, move it to Position, let go.
inline void DragThumb(QAbstractSlider* Bar, int Position)
{
    Bar->setSliderDown(true);
    Bar->setSliderPosition(Position);
    Bar->setSliderDown(false);
}

// One contestant: the same operations, each done the way that side's users would do it.
class BenchSide {
public:
    virtual ~BenchSide() = default;

    virtual void Append(const std::vector<InvoiceRow>& Rows) = 0;
    virtual void Sort(int Column, bool Ascending) = 0;
    // First display position at or after 0 whose cell contains Text (case-blind), or -1.
    virtual int Find(const QString& Text, int Column) = 0;
    virtual void FilterOn(const QString& Text, int Column) = 0;
    virtual void FilterOff() = 0;
    // Removes the rows at these display positions, one call per row, highest position first.
    virtual void RemoveRows(const std::vector<int>& Positions) = 0;
    virtual void Select(const std::vector<int>& Positions) = 0;
    virtual void DeleteSelected() = 0;
    virtual void Clear() = 0;
    // Writes the rows in display order as a comma-separated file: UTF-8 with a byte-order mark,
    // the headings first, every field followed by a comma, CR LF line ends, fields holding a comma,
    // a quote or a line break quoted.
    virtual void Export(QIODevice& Out) = 0;

    // Shows the list at ShownWidth x ShownHeight with painting on; off hides it and stops painting.
    virtual void Show(bool On) = 0;
    // Makes the row at this position current, as a host moving down the list does.
    virtual void MoveCurrent(int Position) = 0;
    // Brings this position to the top through the vertical scroll bar.
    virtual void DragScrollBar(int Position) = 0;
    // Asks for one more paint of all that shows.
    virtual void Repaint() = 0;
    virtual int CurrentPosition() const = 0;
    // Position of the first row that shows, -1 when hidden.
    virtual int TopPosition() const = 0;

    // Rows shown (not filtered out).
    virtual int ShownCount() const = 0;
    // The key a sort by Column orders, as canonical text (numbers with two decimals, ISO dates).
    virtual QString KeyAt(int Position, int Column) const = 0;
};

std::unique_ptr<BenchSide> MakeStandardSide();
std::unique_ptr<BenchSide> MakeExpertSide();
std::unique_ptr<BenchSide> MakeGridSide();

} // namespace GridBench
