#include "image/regions.h"

#include <array>

#include "image/memory_map.h"
#include "image/translatable.h"

namespace tpw {

int NormaliseRegion(int value) {
  return value >= 0 && value <= 5 ? value : UsaRegion;
}

std::string RegionName(int value) {
  static constexpr std::array<const char*, 6> kNames = {"INTL", "UK", "BE", "NL", "SW", "GRMN"};
  const int region = NormaliseRegion(value);
  return region == UsaRegion ? "USA" : kNames[static_cast<std::size_t>(region)];
}

std::string GroupTwoName(int value) {
  const int region = NormaliseRegion(value);
  return region == 0 || region == UsaRegion ? "CAN" : RegionName(region);
}

void SetRegion(MemoryImage& image, int value) {
  image.set(addr::RegionCode, static_cast<std::uint8_t>(NormaliseRegion(value)));
}

int RegionOf(const MemoryImage& image) {
  return NormaliseRegion(image.at(addr::RegionCode));
}

RegionMatch CompareRegions(int first, int second) {
  const int a = NormaliseRegion(first);
  const int b = NormaliseRegion(second);
  if (a == b) return RegionMatch::Same;
  if (a == UsaRegion || b == UsaRegion) return RegionMatch::Refused;
  return RegionMatch::Question;
}

std::string NeverMixedAdvice(int wanted) {
  return Fill(NeverMixedAdviceTemplate, {RegionName(wanted)});
}

}  // namespace tpw
