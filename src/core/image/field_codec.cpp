#include "image/field_codec.h"

#include <stdexcept>
#include <tuple>

#include "image/encodings.h"
#include "image/memory_map.h"

namespace tpw {

namespace {

int EntryAddress(const Place& place, int base, int entry) {
  return base + place.offset + place.step * entry;
}

// Entries without a step are the bits of a bitmap, each `width` bits below the one before.
int EntryTopBit(const Place& place, int entry) {
  return place.step == 0 ? place.topBit - place.width * entry : place.topBit;
}

// The bits a flag or a number is stored as.
int StoredBits(const Place& place, const FieldValue& value) {
  if (const bool* flag = std::get_if<bool>(&value)) return BoolToBit(*flag != place.inverted);
  return std::get<int>(value);
}

}  // namespace

bool HeldAtPlace(const FieldSpec& field, int entry) {
  const Form form = field.place.form;
  return form != Form::DataFileOnly && form != Form::ListBitmap && entry < field.place.entries;
}

HeldBytes HeldBytesOf(const FieldSpec& field, int base, int entry) {
  const Place& place = field.place;
  const int address = EntryAddress(place, base, entry);
  switch (place.form) {
    case Form::Bits: {
      const int lowBit = EntryTopBit(place, entry) - place.width + 1;
      return {address, 1, static_cast<std::uint8_t>(((1 << place.width) - 1) << lowBit)};
    }
    case Form::Word:
      return {address, 2};
    case Form::Frequency:
      return {address, static_cast<int>(std::tuple_size_v<FreqBytes>)};
    case Form::Text:
      return {address, place.width};
    case Form::Digits:
      return {address, addr::AtisCodeLength};
    case Form::DataFileOnly:
    case Form::ListBitmap:
      break;
  }
  return {address, 0, 0};
}

int LoadFieldBits(const FieldSpec& field, const MemoryImage& image, int base, int entry) {
  const Place& place = field.place;
  return GetField(image.at(EntryAddress(place, base, entry)), place.width,
                  EntryTopBit(place, entry));
}

FieldValue LoadField(const FieldSpec& field, const MemoryImage& image, int base, int entry) {
  const Place& place = field.place;
  const int address = EntryAddress(place, base, entry);
  switch (place.form) {
    case Form::Bits: {
      const int bits = LoadFieldBits(field, image, base, entry);
      if (field.kind == FieldKind::Flag) return (bits != 0) != place.inverted;
      return bits;
    }
    case Form::Word:
      return image.word(address);
    case Form::Frequency:
      return DecodeFreqAt(image, address);
    case Form::Text:
      return DecodeText(image, address, place.width);
    case Form::Digits:
      return DecodeDigits(image, address);
    case Form::DataFileOnly:
    case Form::ListBitmap:
      break;
  }
  throw std::logic_error(std::string("the field ") + field.keys[0] + " has no place of its own");
}

void StoreField(const FieldSpec& field, const FieldValue& value, MemoryImage& image, int base,
                int entry) {
  const Place& place = field.place;
  const int address = EntryAddress(place, base, entry);
  switch (place.form) {
    case Form::Bits: {
      std::uint8_t byte = image.at(address);
      SetField(byte, place.width, EntryTopBit(place, entry), StoredBits(place, value));
      image.set(address, byte);
      return;
    }
    case Form::Word:
      WriteWordBE(image, address, std::get<int>(value));
      return;
    case Form::Frequency:
      EncodeFreqAt(image, address, std::get<double>(value));
      return;
    case Form::Text:
      EncodeText(image, address, std::get<std::string>(value), place.width);
      return;
    case Form::Digits:
      EncodeDigits(image, address, std::get<std::string>(value));
      return;
    case Form::DataFileOnly:
    case Form::ListBitmap:
      break;
  }
  throw std::logic_error(std::string("the field ") + field.keys[0] + " has no place of its own");
}

}  // namespace tpw
