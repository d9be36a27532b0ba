#pragma once

#include "lang/tr.h"
#include "res/item_table.h"

// The sine sweep dialog's list items and labels, blanks included. An item's
// index is its row here: the lists are filled by position and never sorted.
namespace sweep {

using res::ItemTable;

extern const ItemTable kAnalysisItems;
extern const ItemTable kGivenQuantityItems;
extern const ItemTable kAmplitudePairItems;
extern const ItemTable kRateTypeItems;

// Heading above the input list.
constexpr const char* kGivenHeading = N_("Given");
constexpr const char* kAmplitudePairsHeading = N_(" Amplitude Pairs ");
constexpr const char* kRateTypeHeading = N_(" Rate Type ");

// Label above the first input: the amplitude analysis has a blank before
// the parenthesis, the frequency analyses do not.
constexpr const char* kAmplitudeFrequencyLabel = N_("Frequency (Hz)");
constexpr const char* kFrequencyLabel = N_("Frequency(Hz)");
// Label above the third input under the rate and cycle analyses.
constexpr const char* kDurationLabel = N_("Duration (min) ");

// A blank, not an empty text, is what a cleared box holds.
constexpr const char* kBlank = " ";

constexpr const char* kIllegalOutputMessage = N_(" Illegal attempt to modify output. ");

// Labels by list index; nullptr for an index outside the list.
const char* GivenQuantityLabel(int givenQuantity);  // above the third input
const char* PairFirstLabel(int amplitudePair);      // above the first input
const char* PairSecondLabel(int amplitudePair);     // above the third input

}  // namespace sweep
