#include "grid/model/SortingEngine.h"

#include "grid/model/NumberParsing.h"

#include <tarvex/grid/model/RowCells.h>
#include <tarvex/platform/runtime/DateRecognition.h>
#include <tarvex/platform/runtime/TextCollation.h>

#include <QHash>
#include <QHashSeed>
#include <QVarLengthArray>

#include <algorithm>
#include <limits>
#include <numeric>
#include <type_traits>
#include <utility>

namespace Tarvex::SortingEngine {

namespace {

// A QString over the text's characters (widened into Scratch when Latin-1) for readers that take
// one; it copies nothing and lives no longer than Scratch and the row.
QString RawString(QAnyStringView Text, TextScratch& Scratch)
{
    const QStringView utf16 = Utf16Of(Text, Scratch);
    return QString::fromRawData(utf16.data(), utf16.size());
}

} // namespace

KeysByRecord NumberKeys(int RecordCount, const TextOfRecord& TextOf)
{
    KeysByRecord keys(size_t(std::max(RecordCount, 0)));
    TextScratch scratch;
    for (int record = 0; record < RecordCount; ++record)
        keys[size_t(record)] = rVal(Utf16Of(TextOf(record), scratch));
    return keys;
}

KeysByRecord DateKeys(int RecordCount, const TextOfRecord& TextOf)
{
    constexpr double NoDate = -std::numeric_limits<double>::infinity();
    const DateReader reader;
    KeysByRecord keys(size_t(std::max(RecordCount, 0)));
    TextScratch scratch;
    for (int record = 0; record < RecordCount; ++record) {
        keys[size_t(record)] = reader.Serial(RawString(TextOf(record), scratch)).value_or(NoDate);
    }
    return keys;
}

namespace {

// The distinct texts of a column by first appearance, and for each record the number of its text.
struct DistinctTexts {
    std::vector<QAnyStringView> Texts;
    std::vector<int> OfRecord;
};

// Equal texts hash alike however their rows store them: texts that fit Latin-1 hash as those bytes,
// the others as UTF-16 units (they never equal a Latin-1 text).
size_t HashText(QAnyStringView Text, size_t Seed, QVarLengthArray<char, 256>& Narrowed)
{
    return Text.visit([&](auto view) -> size_t {
        if constexpr (std::is_same_v<decltype(view), QStringView>) {
            if (!FitsLatin1(view))
                return qHashBits(view.data(), size_t(view.size()) * sizeof(char16_t), Seed);
            Narrowed.resize(view.size());
            std::transform(view.begin(), view.end(), Narrowed.begin(), [](QChar c) { return char(c.unicode()); });
            return qHashBits(Narrowed.data(), size_t(Narrowed.size()), Seed);
        } else {
            return qHashBits(view.data(), size_t(view.size()), Seed);
        }
    });
}

// An open-addressing table over the texts themselves: no copies, no allocation per text. The
// process's random hash seed keeps crafted texts from piling up on one slot.
DistinctTexts FindDistinct(int RecordCount, const TextOfRecord& TextOf)
{
    DistinctTexts distinct;
    distinct.OfRecord.resize(size_t(std::max(RecordCount, 0)));
    size_t capacity = 16;
    while (capacity < 2 * distinct.OfRecord.size())
        capacity *= 2;
    const size_t mask = capacity - 1;
    const size_t seed = QHashSeed::globalSeed();
    std::vector<int> table(capacity, -1); // distinct number per slot; -1 = free
    QVarLengthArray<char, 256> scratch;
    for (int record = 0; record < RecordCount; ++record) {
        const QAnyStringView text = TextOf(record);
        size_t slot = HashText(text, seed, scratch) & mask;
        while (table[slot] != -1 && !QAnyStringView::equal(distinct.Texts[size_t(table[slot])], text))
            slot = (slot + 1) & mask;
        if (table[slot] == -1) {
            table[slot] = int(distinct.Texts.size());
            distinct.Texts.push_back(text);
        }
        distinct.OfRecord[size_t(record)] = table[slot];
    }
    return distinct;
}

// The rank of each text in the user's collation; texts that collate equal share a rank.
std::vector<double> CollationRanks(const std::vector<QAnyStringView>& Texts)
{
    const TextCollator collator;
    std::vector<QCollatorSortKey> keys;
    keys.reserve(Texts.size());
    TextScratch scratch;
    for (const QAnyStringView text : Texts)
        keys.push_back(collator.SortKey(RawString(text, scratch)));
    std::vector<int> byKey(Texts.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    const auto less = [&keys](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; };
    // Columns are often filled in their own order (invoice numbers, dates of entry); one pass
    // over neighbours finds that and spares the sort.
    if (!std::is_sorted(byKey.begin(), byKey.end(), less))
        std::sort(byKey.begin(), byKey.end(), less);

    std::vector<double> ranks(byKey.size());
    double rank = 0;
    for (size_t i = 0; i < byKey.size(); ++i) {
        if (i > 0 && less(byKey[i - 1], byKey[i]))
            ++rank;
        ranks[size_t(byKey[i])] = rank;
    }
    return ranks;
}

} // namespace

KeysByRecord TextKeys(int RecordCount, const TextOfRecord& TextOf)
{
    // Columns repeat their texts (customers, cities, states), so the collation key, the costly
    // part, is computed once per distinct text and the rows are sorted by that text's rank.
    const DistinctTexts distinct = FindDistinct(RecordCount, TextOf);
    const std::vector<double> ranks = CollationRanks(distinct.Texts);
    KeysByRecord keys(distinct.OfRecord.size());
    for (size_t record = 0; record < keys.size(); ++record)
        keys[record] = ranks[size_t(distinct.OfRecord[record])];
    return keys;
}

void SortByKeys(std::span<qint32> Order, const KeysByRecord& Keys, bool GreatestFirst)
{
    std::vector<std::pair<double, qint32>> entries;
    entries.reserve(Order.size());
    for (const qint32 record : Order)
        entries.emplace_back(Keys[size_t(record)], record);
    if (GreatestFirst)
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return b.first < a.first; });
    else
        std::stable_sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < entries.size(); ++i)
        Order[i] = entries[i].second;
}

namespace {

// Bottom-up merge sort: runs of width 1, 2, 4, ... are merged from one buffer into the other.
// Each merge copies every element of its two runs exactly once, so answers cannot break it.
bool MergeSort(std::vector<qint32>& Items, const Judge& Judge)
{
    std::vector<qint32> other(Items.size());
    const size_t n = Items.size();
    for (size_t width = 1; width < n; width *= 2) {
        for (size_t left = 0; left < n; left += 2 * width) {
            const size_t middle = std::min(left + width, n);
            const size_t right = std::min(left + 2 * width, n);
            size_t a = left;
            size_t b = middle;
            size_t out = left;
            while (a < middle && b < right) {
                // The right run's row goes first only when the judge says so: equal rows keep their order.
                const bool takeRight = Judge.GoesBefore(Items[b], Items[a]);
                if (Judge.Stop())
                    return false;
                other[out++] = takeRight ? Items[b++] : Items[a++];
            }
            while (a < middle)
                other[out++] = Items[a++];
            while (b < right)
                other[out++] = Items[b++];
        }
        Items.swap(other);
    }
    return true;
}

} // namespace

bool SortByJudge(std::vector<qint32>& Records, const Judge& Judge)
{
    std::vector<qint32> items = Records;
    if (!MergeSort(items, Judge))
        return false;
    Records.swap(items);
    return true;
}

} // namespace Tarvex::SortingEngine
