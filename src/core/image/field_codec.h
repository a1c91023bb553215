#pragma once

#include "image/field_table.h"
#include "image/memory_image.h"

// A field between the radio's memory and its record, both ways from its one place. `base` is
// the first address of the record's slot, 0 for the setups.
namespace tpw {

// True when the memory holds that entry of the field at its place in a slot or the setup area
// (not when it is kept in data files only, nor when its list's bitmaps hold it).
bool HeldAtPlace(const FieldSpec& field, int entry);

// The bytes that entry of a field held at its place occupies, from its first address: a run of
// whole bytes, or the bits `mask` of one byte.
struct HeldBytes {
  int address = 0;
  int count = 0;
  std::uint8_t mask = 0xFF;
};
HeldBytes HeldBytesOf(const FieldSpec& field, int base, int entry);

// The value a field's place holds, and its bits for fields that share them.
FieldValue LoadField(const FieldSpec& field, const MemoryImage& image, int base, int entry);
int LoadFieldBits(const FieldSpec& field, const MemoryImage& image, int base, int entry);
// Writes the value (or, for fields that share their bits, the bits as an int) to the field's
// place, changing no other bit. A number its bits cannot hold leaves them as they were.
void StoreField(const FieldSpec& field, const FieldValue& value, MemoryImage& image, int base,
                int entry);

template <typename Owner>
void DecodeRecord(const RecordLayout<Owner>& layout, const MemoryImage& image, int base,
                  Owner& owner) {
  for (const Field<Owner>& field : layout.fields) {
    for (int entry = 0; entry < field.entries(); ++entry) {
      if (!HeldAtPlace(field, entry)) continue;
      if (field.shared.take) {
        field.shared.take(owner, LoadFieldBits(field, image, base, entry));
      } else {
        field.set(owner, entry, LoadField(field, image, base, entry));
      }
    }
  }
}

template <typename Owner>
void EncodeRecord(const RecordLayout<Owner>& layout, const Owner& owner, MemoryImage& image,
                  int base) {
  for (const Field<Owner>& field : layout.fields) {
    for (int entry = 0; entry < field.entries(); ++entry) {
      if (!HeldAtPlace(field, entry)) continue;
      const FieldValue value =
          field.shared.bitsOf ? FieldValue(field.shared.bitsOf(owner)) : field.get(owner, entry);
      StoreField(field, value, image, base, entry);
    }
  }
  for (const SlotConstant& constant : layout.constants) {
    const int address = base + constant.offset;
    const auto kept = static_cast<std::uint8_t>(image.at(address) & ~constant.mask);
    image.set(address, static_cast<std::uint8_t>(kept | (constant.value & constant.mask)));
  }
}

// False when a field that marks a slot as holding a record is out of range there.
template <typename Owner>
bool HoldsRecord(const RecordLayout<Owner>& layout, const MemoryImage& image, int base) {
  for (const Field<Owner>& field : layout.fields) {
    if (field.endsRecords && !InRange(field, LoadField(field, image, base, 0))) return false;
  }
  return true;
}

}  // namespace tpw
