#include "files/field_text.h"

#include <charconv>
#include <cmath>

#include "image/atis_code.h"
#include "image/encodings.h"
#include "image/settings_model.h"
#include "image/text_values.h"
#include "image/translatable.h"

namespace tpw {

namespace {

// A whole number within the field's bounds; the bounds are checked before the conversion so
// that no text overflows it.
std::optional<FieldValue> WholeNumber(const FieldSpec& field, std::string_view text) {
  const auto value = ParseDecimal(text);
  if (!value) return std::nullopt;
  const double rounded = RoundHalfEven(*value);
  const NumberBounds bounds = BoundsOf(field);
  if (!(rounded >= bounds.low && rounded <= bounds.high)) return std::nullopt;
  return static_cast<int>(rounded);
}

std::optional<FieldValue> Convert(const FieldSpec& field, std::string_view text) {
  switch (field.kind) {
    case FieldKind::Flag:
      if (const auto flag = ParseBoolean(text)) return *flag;
      return std::nullopt;
    case FieldKind::Number:
      return WholeNumber(field, text);
    case FieldKind::Frequency:
      // -0 is none as well as 0.
      if (const auto value = ParseDecimal(text)) return *value == 0 ? 0.0 : *value;
      return std::nullopt;
    case FieldKind::Text:
      return std::string(text);
    case FieldKind::Digits:
      if (auto code = AcceptedAtisCode(text)) return *std::move(code);
      return std::nullopt;
  }
  return std::nullopt;
}

namespace text {
constexpr const char* Position = TPW_TEXT("Messages", "a channel position from %1 to %2");
constexpr const char* Priority =
    TPW_TEXT("Messages", "a channel of %1 (1 to %2) nor none (-1 or 65535)");
constexpr const char* Number = TPW_TEXT("Messages", "a whole number from %1 to %2");
}  // namespace text

constexpr const char* kTemplates[] = {text::Position, text::Priority, text::Number};

std::string NumberExpectation(const FieldSpec& field, int entry) {
  const NumberBounds bounds = BoundsOf(field);
  const std::string low = std::to_string(bounds.low);
  const std::string high = std::to_string(bounds.high);
  switch (field.limit) {
    case Limit::ChannelPosition:
      return Fill(text::Position, {low, high});
    case Limit::PriorityChannel: {
      const ListLayout& list = Layout(GroupList(entry));
      return Fill(text::Priority, {list.name, std::to_string(list.limit)});
    }
    case Limit::Held:
      break;
  }
  return Fill(text::Number, {low, high});
}

}  // namespace

std::string FormatFileFrequency(double megahertz) {
  if (!std::isfinite(megahertz) || megahertz == 0) return "0";
  // Rounded to 15 significant digits first, so binary noise (156.07999999999998) goes, then
  // written in the shortest plain form that reads back as that value.
  char buffer[400];
  auto rounded =
      std::to_chars(buffer, buffer + sizeof buffer, megahertz, std::chars_format::general, 15);
  double value = 0;
  std::from_chars(buffer, rounded.ptr, value);
  const auto plain = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return std::string(buffer, plain.ptr);
}

std::string FieldFileText(const FieldValue& value) {
  if (const bool* flag = std::get_if<bool>(&value)) return *flag ? "1" : "0";
  if (const int* number = std::get_if<int>(&value)) return std::to_string(*number);
  if (const double* megahertz = std::get_if<double>(&value)) return FormatFileFrequency(*megahertz);
  return std::get<std::string>(value);
}

std::optional<FieldValue> ParseFieldText(const FieldSpec& field, std::string_view text, int entry) {
  std::optional<FieldValue> value = Convert(field, text);
  if (value && !InRange(field, *value, entry)) value.reset();
  return value;
}

std::string FieldExpectation(const FieldSpec& field, int entry) {
  switch (field.kind) {
    case FieldKind::Flag:
      return TPW_TEXT("Messages", "0, 1, True or False");
    case FieldKind::Number:
      return NumberExpectation(field, entry);
    case FieldKind::Frequency:
      return TPW_TEXT("Messages", "0 nor a frequency above 100 and below 200 MHz");
    case FieldKind::Text:
      return TPW_TEXT("Messages",
                      "a channel name the radio can show (two letters, digits or -+().*/,)");
    case FieldKind::Digits:
      return TPW_TEXT("Messages", "an ATIS code (empty or ten digits)");
  }
  return {};
}

bool InDataFile(const FieldSpec& field, const ModelCaps& caps) {
  return !field.scrambleOnly || caps.ScrambleSupported;
}

std::span<const char* const> FieldExpectationTemplates() {
  return kTemplates;
}

}  // namespace tpw
