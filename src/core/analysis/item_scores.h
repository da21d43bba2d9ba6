#pragma once

#include "core/scoring/data_skor.h"

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace taviro {

// How the analyses read the items of a score list: labels and per-subject item scores.

// JumButir, or 0 for a negative count of a damaged document.
std::size_t ItemCount(const TDataSkor& skor);

// The integer label of the 0-based item: its NoButir entry, or item + 1 when the list has none
// for it (as a save writes it). Throws a TaviroError for a label that is not an integer.
int NoButirAsli(const TDataSkor& skor, int item);

// Appends a copy of the blank record per item of the score list, in item order, with its
// NoButirAsli set. A label that is not an integer throws as NoButirAsli does, with the records of
// the items before it already appended.
template <typename Item>
void AddLabelledItems(const TDataSkor& skor, std::vector<Item>& items, const Item& blank = Item{}) {
    const std::size_t count = ItemCount(skor);
    items.reserve(items.size() + count);
    for (std::size_t i = 0; i < count; ++i) {
        Item item = blank;
        item.NoButirAsli = NoButirAsli(skor, static_cast<int>(i));
        items.push_back(std::move(item));
    }
}

// Essay: the scores of the subject at the position of the score list, one per item (ItemCount
// entries): nothing for a blank ("*", or "#" of a damaged document) and for a piece missing from a
// short SkorButir; pieces beyond the items are ignored. A piece is read with the given decimal
// separator, and with '.' when that fails, as a document may have been scored under another
// regional setting. Throws a TaviroError naming the subject and the item for a piece that is not
// a number.
std::vector<std::optional<double>> EssayItemScores(const TDataSkor& skor, int position,
                                                   char decimalSeparator);
// The same into buffers that the caller keeps from subject to subject: scores gets the score of
// every item, 0 for a blank, and present 1 for an item with a score and 0 for a blank.
void EssayItemScoresInto(const TDataSkor& skor, int position, char decimalSeparator,
                         std::vector<double>& scores, std::vector<unsigned char>& present);

// Both kinds: the score of every item (ItemCount entries) for the subject at the position.
// Multiple choice: 1 for a right answer, 0 otherwise, a position beyond SkorButir included.
// Essay: the item score as EssayItemScores reads it, 0 for a blank.
std::vector<double> ItemScores(const TDataSkor& skor, int position, char decimalSeparator);
// The same into a buffer that the caller keeps from subject to subject.
void ItemScoresInto(const TDataSkor& skor, int position, char decimalSeparator,
                    std::vector<double>& scores);

// Essay: per item the sums of the scores of the subjects at positions first .. first+n-1 (blanks
// add nothing); ItemCount entries.
std::vector<double> EssayScoreSums(const TDataSkor& skor, int first, int n, char decimalSeparator);

// Essay: the ideal score of every item, read from the scores' Kunci like an item score (ItemCount
// entries). Throws a TaviroError for a missing piece or one that is not a number.
std::vector<double> EssayIdealScores(const TDataSkor& skor, char decimalSeparator);

// How the essay analyses name the 0-based item in their messages: "butir ke-3 (no. butir asli 7)"
// for item 2 labelled 7.
std::string EssayItemName(int item, int noButirAsli);

} // namespace taviro
