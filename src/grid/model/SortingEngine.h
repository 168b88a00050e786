#pragma once

#include <QAnyStringView>
#include <QString>

#include <functional>
#include <span>
#include <vector>

namespace Tarvex {

// The grid's sorting, apart from its records: keys are computed once per row record, then the
// display positions are put in key order. Rows with equal keys keep their relative order.
namespace SortingEngine {

// A record's text in place (Latin-1 or UTF-16), valid while the records are not written.
using TextOfRecord = std::function<QAnyStringView(int Record)>;
using KeysByRecord = std::vector<double>; // one key per row record, indexed by record number

// rVal of every text.
KeysByRecord NumberKeys(int RecordCount, const TextOfRecord& TextOf);
// The date serial of every text; texts that are no dates get a key below every date.
KeysByRecord DateKeys(int RecordCount, const TextOfRecord& TextOf);
// The rank of every text in the user's case-blind collation; texts that collate equal share a rank.
KeysByRecord TextKeys(int RecordCount, const TextOfRecord& TextOf);

// Puts the records listed in Order (a stretch of the display-order map) in key order.
void SortByKeys(std::span<qint32> Order, const KeysByRecord& Keys, bool GreatestFirst);

// Asked once per comparison whether record R goes before record P. Stop() is asked after every
// answer: true means the records changed under the sort, which then gives up.
struct Judge {
    std::function<bool(int R, int P)> GoesBefore;
    std::function<bool()> Stop;
};

// A merge sort of Records driven by the judge's answers. Whatever the judge answers, it asks
// O(n log n) questions, reads nothing outside Records and leaves them a permutation of what they
// were. Returns false when the judge stopped it; Records are then unchanged.
bool SortByJudge(std::vector<qint32>& Records, const Judge& Judge);

} // namespace SortingEngine

} // namespace Tarvex
