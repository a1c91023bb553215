#pragma once

#include <array>

#include "image/settings_model.h"

// The names of a channel data file that its writer and its reader share.
namespace tpw::datafile {

inline constexpr const char* GroupSection = "Usable CH Group Setup";
inline constexpr const char* CommonSection = "Common Setup";
inline constexpr const char* AtisSection = "ATIS Setup";
inline constexpr std::array<const char*, GroupCount> GroupKeys = {"Group1", "Group2", "Group3",
                                                                  "Exp CH"};
// The lists of marine channel positions, and the lists of free frequencies.
inline constexpr std::array<ListId, 3> PlanLists = {ListId::CHUSA, ListId::CHINT, ListId::CHCAN};
inline constexpr std::array<ListId, 2> FreeLists = {ListId::CHRG, ListId::CHEXP};

}  // namespace tpw::datafile
