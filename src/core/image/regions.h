#pragma once

#include <string>

#include "image/memory_image.h"
#include "image/translatable.h"

// The radio's region (image byte 0x0A0): 0 INTL, 1 UK, 2 BE, 3 NL, 4 SW, 5 GRMN, any other
// value the USA.
namespace tpw {

inline constexpr int UsaRegion = 255;

// 0..5 stays, every other value is the USA region.
int NormaliseRegion(int value);
std::string RegionName(int value);
// The name of channel group 2 in a region: the region's plan ("CAN" for INTL and the USA).
std::string GroupTwoName(int value);
void SetRegion(MemoryImage& image, int value);
int RegionOf(const MemoryImage& image);  // the normalised region byte

// How the regions of two data sets meet: the same region; one side the USA region, which is
// never mixed with another; or two other regions, between which the user may switch.
enum class RegionMatch { Same, Refused, Question };
RegionMatch CompareRegions(int first, int second);

// Why data of one region are refused over a data set of another when one of them is the USA,
// and how to go on: "the USA region is never mixed with another. Choose the region ... first
// (...)"; the caller ends the sentence.
std::string NeverMixedAdvice(int wanted);
inline constexpr const char* NeverMixedAdviceTemplate =
    TPW_TEXT("Messages",
             "the USA region is never mixed with another. Choose the region %1 first (the Region "
             "menu, or --destination %1 on the command line)");

}  // namespace tpw
