#pragma once

#include <tarvex/app/progtxt.h>

#include <QString>

namespace Tarvex {

struct LanguageFileResult {
    bool Loaded { false };  // false: the file was missing or unreadable and the table is empty
    QString Error;          // what went wrong, for the caller to show; empty when loaded
    int SlotsRead { 0 };    // lines that filled a slot
    int LinesSkipped { 0 }; // lines that were not "progtxtN==text" with N in 0..2000
};

// Fills the table from a language file: lines of a key, "==" and a value, where the key of slot i
// is "progtxt" followed by i (compared trimmed and lower-cased). "<br>" in a value becomes a line
// break and "<tab>" a tab. The table is emptied first, so a failed load leaves it empty. Files
// that start with a UTF-16 byte-order mark are read as UTF-16; others that are not valid UTF-8 are
// read as Windows-1252, the encoding older language files were written in. A file larger than
// 16 MiB fails, whatever kind of file it is.
LanguageFileResult LoadLanguageFile(const QString& path, ProgtxtTable& table = progtxt);

} // namespace Tarvex
