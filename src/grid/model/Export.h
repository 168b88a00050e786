#pragma once

#include <tarvex/grid/model/GridModel.h>

#include <QString>

#include <optional>
#include <vector>

class QIODevice;

namespace Tarvex {

// What the export takes from the control beside the records (the totals line's captions and
// average flags are the model's own).
struct ExportOptions {
    QString Caption;                // first line of the file when not empty
    bool TotalsLineShow { false };  // the totals line ends the file
    bool VisibleColsOnly { false }; // hidden columns are left out of every line
    bool VisibleRowsOnly { false }; // a hidden row is written as an empty line
    bool BooleanAsText { false };   // check-box cells as their text; false = -1 for True, 0 for False
};

// The runtime's numbers for what can end an export.
enum ExportErrorNumber : int {
    TypeMismatch = 13,        // a check-box cell whose text is no Boolean
    BadFileName = 52,         // the name is no single file name
    DeviceIOError = 57,       // the file took fewer bytes than written
    PathFileAccessError = 75, // the file could not be made or put in place
    PathNotFound = 76,        // the folder is not there
};

struct ExportError {
    int Number { 0 };
    QString Description;
};

// Writes the grid as a comma-separated file: UTF-8 with a byte-order mark; the caption alone on
// the first line when there is one; then the headings, one line per row in display order and the
// totals line when it is shown, without a line end. Every field of the headings, rows and totals
// is followed by a comma; lines end in CR LF; a text holding a comma, a double quote or a line
// break is put in double quotes with its quotes doubled, so that a reader gets the cell back.
std::optional<ExportError> WriteExport(const GridModel& Model, const ExportOptions& Options, QIODevice& Out);

} // namespace Tarvex
