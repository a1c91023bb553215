#include "image/field_table.h"

#include <algorithm>
#include <limits>

#include "image/atis_code.h"
#include "image/channel_tables.h"
#include "image/encodings.h"
#include "image/memory_map.h"
#include "image/settings_model.h"

namespace tpw {

namespace {

constexpr int kNoPriority = -1;
constexpr int kNoPriorityWord = 0xFFFF;

// None, or the number, counted from 1, of a record the group's list can hold. A priority that
// names a record the list does not have at the moment is the panel's to correct, as after a
// channel was deleted. The EXP group's priority never reaches the radio, and the 0 of a group
// nobody chose one for is kept.
bool IsPriorityChannel(int value, int group) {
  if (value == kNoPriority || value == kNoPriorityWord) return true;
  if (group == addr::PlanGroupCount && value == 0) return true;
  return value >= 1 && value <= Layout(GroupList(group)).limit;
}

// At most the slot's characters, each one the radio can show.
bool IsDisplayName(std::string_view text, int width) {
  return text.size() <= static_cast<std::size_t>(width) &&
         std::all_of(text.begin(), text.end(),
                     [](char c) { return c == ' ' || CharCode(c) != 255; });
}

// 0 (none), or above 100 and below 200 MHz once taken to the radio's 100 Hz.
bool IsRadioFrequency(double megahertz) {
  const double at100Hz = RoundHalfEven(megahertz * 10000) / 10000;
  return megahertz == 0 || (at100Hz > 100 && at100Hz < 200);
}

bool IsNumber(const FieldSpec& field, int value, int entry) {
  const NumberBounds bounds = BoundsOf(field);
  if (value < bounds.low || value > bounds.high) return false;
  return field.limit != Limit::PriorityChannel || IsPriorityChannel(value, entry);
}

bool IsText(const FieldSpec& field, const std::string& text) {
  if (field.kind == FieldKind::Digits) return AcceptedAtisCode(text) == text;
  return field.place.form != Form::Text || IsDisplayName(text, field.place.width);
}

}  // namespace

NumberBounds BoundsOf(const FieldSpec& field) {
  switch (field.limit) {
    case Limit::ChannelPosition:
      return {0, MarineChannelCount - 1};
    case Limit::PriorityChannel:
      return {kNoPriority, kNoPriorityWord};
    case Limit::Held:
      break;
  }
  if (field.place.form == Form::Bits) return {0, (1 << field.place.width) - 1};
  if (field.place.form == Form::Word) return {0, kNoPriorityWord};
  return {std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()};
}

bool InRange(const FieldSpec& field, const FieldValue& value, int entry) {
  switch (field.kind) {
    case FieldKind::Flag:
      return std::holds_alternative<bool>(value);
    case FieldKind::Number:
      return std::holds_alternative<int>(value) && IsNumber(field, std::get<int>(value), entry);
    case FieldKind::Frequency:
      return std::holds_alternative<double>(value) && IsRadioFrequency(std::get<double>(value));
    case FieldKind::Text:
    case FieldKind::Digits:
      return std::holds_alternative<std::string>(value) &&
             IsText(field, std::get<std::string>(value));
  }
  return false;
}

FieldValue EmptyValue(FieldKind kind) {
  switch (kind) {
    case FieldKind::Flag:
      return false;
    case FieldKind::Number:
      return 0;
    case FieldKind::Frequency:
      return 0.0;
    case FieldKind::Text:
    case FieldKind::Digits:
      break;
  }
  return std::string();
}

}  // namespace tpw
