#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <type_traits>
#include <variant>

// The parts of a field table. A field says which member of a record it is, under which key a
// channel data file writes it, where the radio's memory holds it, the range the radio holds
// and a label a user reads. Each record kind is declared once as a table of fields
// (record_fields.h); the codec, the data-file writer and the data-file reader walk the tables.
namespace tpw {

// The value of any field: a flag, a whole number, a frequency in MHz or a text.
using FieldValue = std::variant<bool, int, double, std::string>;

enum class FieldKind {
  Flag,       // bool
  Number,     // int
  Frequency,  // double, MHz; 0 is none
  Text,       // std::string: a channel display name
  Digits,     // std::string: the ATIS code
};

// How the radio's memory holds a field.
enum class Form {
  DataFileOnly,  // not at all: the field is kept in channel data files only
  Bits,          // `width` bits from `topBit` down in the byte at `offset`; a byte is 8 from 7
  Word,          // a big-endian word at `offset`; a negative value (none) as 0xFFFF
  Frequency,     // three packed-decimal bytes from `offset`
  Text,          // `width` character codes from `offset`
  Digits,        // ten decimal digits in five bytes from `offset`, high nibble first
  ListBitmap,    // bit k of one of its list's bitmaps, for record k
};

enum class ListBitmap { Enable, Scan };

// A field may have entries (the four channel groups): one data-file key and one place each.
inline constexpr int MaxEntries = 4;

// Where the radio's memory holds a field: in its record's slot, or, for the setups, at an
// address (the offset from 0).
struct Place {
  Form form = Form::DataFileOnly;
  int offset = 0;
  int topBit = 7;
  int width = 8;          // bits of Bits, characters of Text
  bool inverted = false;  // a flag stored as its opposite: bit set = off
  // Entry i is `step` bytes after entry 0; with no step, the `width` bits below entry i - 1,
  // as in every bitmap of the radio. The memory may hold fewer entries than a data file.
  int step = 0;
  int entries = MaxEntries;
  ListBitmap bitmap = ListBitmap::Enable;
};

constexpr Place Bits(int offset, int topBit, int width) {
  return {.form = Form::Bits, .offset = offset, .topBit = topBit, .width = width};
}
constexpr Place Byte(int offset) {
  return Bits(offset, 7, 8);
}
constexpr Place Bit(int offset, int bit) {
  return Bits(offset, bit, 1);
}
constexpr Place InvertedBit(int offset, int bit) {
  Place place = Bit(offset, bit);
  place.inverted = true;
  return place;
}
// Words at offset, offset + step, ... for the first `entries` entries.
constexpr Place Words(int offset, int step, int entries) {
  return {.form = Form::Word, .offset = offset, .step = step, .entries = entries};
}
constexpr Place FrequencyAt(int offset) {
  return {.form = Form::Frequency, .offset = offset};
}
constexpr Place TextAt(int offset, int width) {
  return {.form = Form::Text, .offset = offset, .width = width};
}
constexpr Place DigitsAt(int offset) {
  return {.form = Form::Digits, .offset = offset};
}
constexpr Place InBitmap(ListBitmap bitmap) {
  return {.form = Form::ListBitmap, .bitmap = bitmap};
}

// The range of a number beyond what its place holds.
enum class Limit {
  Held,             // what the place holds (2 bits: 0-3); in data files only, any 16-bit number
  ChannelPosition,  // an index into the marine channel table
  PriorityChannel,  // none (-1 or 65535), or a record of the group's list counted from 1
};

// How the data-file reader takes a field besides converting its text.
enum class FileRule {
  Standard,         // a missing key, or a value not taken, keeps the field as it was
  AlwaysOn,         // a flag the file cannot clear: on, and noted when the file says otherwise
  NonZeroNumber,    // on exactly when the value reads as a number other than 0; never noted
  NoneUnlessTaken,  // a missing key, or a value not taken, reads as none (an empty text)
};

// Whether a record section of a data file without the field's key ends its list.
enum class EndsList {
  No,
  WhenMissing,        // a missing or empty value
  WhenMissingOrZero,  // that, or a number that rounds to 0
};

// What a field is, whatever record holds it.
struct FieldSpec {
  std::array<const char*, MaxEntries> keys{};  // the data-file key of each entry
  const char* label = "";
  FieldKind kind = FieldKind::Flag;
  Place place = {};
  Limit limit = Limit::Held;
  FileRule rule = FileRule::Standard;
  bool hashPrefix = false;    // written as key=#value
  bool scrambleOnly = false;  // in data files only for a model with a scrambler
  // A slot whose value is out of range holds no record, and neither do the slots after it.
  bool endsRecords = false;
  EndsList endsList = EndsList::No;
  // What a value the data-file reader refuses leaves, when the field does not keep its value.
  const char* whenRefused = nullptr;

  constexpr int entries() const {
    int count = 0;
    while (count < MaxEntries && keys[static_cast<std::size_t>(count)]) ++count;
    return count;
  }
};

// The lowest and highest whole number a number field takes.
struct NumberBounds {
  int low;
  int high;
};
NumberBounds BoundsOf(const FieldSpec& field);
// True when the radio (or, for a field kept in data files only, the data file) holds the value
// for that entry: the range check of the data-file reader, for one value.
bool InRange(const FieldSpec& field, const FieldValue& value, int entry = 0);
// A field's value when it has none: off, 0, the empty text.
FieldValue EmptyValue(FieldKind kind);

// Reading and writing a field of an owner: a record, a setup or the four channel groups.
template <typename Owner>
struct Access {
  FieldValue (*get)(const Owner&, int entry) = nullptr;
  void (*set)(Owner&, int entry, const FieldValue&) = nullptr;
};

// Fields that share their bits (the transmit mode of a short slot): the bits follow from the
// whole record, and each field from the bits.
template <typename Owner>
struct SharedBits {
  int (*bitsOf)(const Owner&) = nullptr;
  void (*take)(Owner&, int bits) = nullptr;
};

template <typename Owner>
struct Field : FieldSpec {
  Access<Owner> access;
  SharedBits<Owner> shared = {};

  FieldValue get(const Owner& owner, int entry = 0) const { return access.get(owner, entry); }
  void set(Owner& owner, int entry, const FieldValue& value) const {
    access.set(owner, entry, value);
  }
};

// Bits a slot's encoding writes whatever its record holds (the filler byte).
struct SlotConstant {
  int offset;
  std::uint8_t mask;
  std::uint8_t value;
};

// One record kind: its fields in data-file order and, for a record in a slot, the slot.
template <typename Owner>
struct RecordLayout {
  const char* section;  // the data-file section of a setup; "" for channel records
  int slotSize;         // 0 for a record without a slot
  std::span<const Field<Owner>> fields;
  std::span<const SlotConstant> constants = {};
  int firstSection = 1;  // the number of a list's first record section in a data file
};

// ---- accessors made from member pointers ----

namespace field_access {

template <typename T>
struct MemberPointer;
template <typename C, typename M>
struct MemberPointer<M C::*> {
  using Owner = C;
  using Type = M;
};

template <typename M>
FieldValue ToValue(const M& member) {
  if constexpr (std::is_same_v<M, bool>) {
    return member;
  } else if constexpr (std::is_integral_v<M>) {
    return static_cast<int>(member);
  } else {
    return member;
  }
}

template <typename M>
M FromValue(const FieldValue& value) {
  if constexpr (std::is_same_v<M, bool>) {
    return std::get<bool>(value);
  } else if constexpr (std::is_integral_v<M>) {
    return static_cast<M>(std::get<int>(value));
  } else {
    return std::get<M>(value);
  }
}

}  // namespace field_access

// A member of the owner: &ChannelRecord::txEnabled.
template <auto Member>
constexpr auto MemberOf() {
  using P = field_access::MemberPointer<decltype(Member)>;
  using Owner = typename P::Owner;
  return Access<Owner>{[](const Owner& owner, int) { return field_access::ToValue(owner.*Member); },
                       [](Owner& owner, int, const FieldValue& value) {
                         owner.*Member = field_access::FromValue<typename P::Type>(value);
                       }};
}

// An entry of an array member: &AtisSetup::groups, entry i.
template <auto Member>
constexpr auto EntryOf() {
  using P = field_access::MemberPointer<decltype(Member)>;
  using Owner = typename P::Owner;
  using Item = typename P::Type::value_type;
  return Access<Owner>{
      [](const Owner& owner, int entry) {
        return field_access::ToValue((owner.*Member).at(static_cast<std::size_t>(entry)));
      },
      [](Owner& owner, int entry, const FieldValue& value) {
        (owner.*Member).at(static_cast<std::size_t>(entry)) = field_access::FromValue<Item>(value);
      }};
}

// A member of element i of an array of records: &ChannelGroup::usable of group i.
template <auto Member, std::size_t Count = MaxEntries>
constexpr auto ElementMemberOf() {
  using P = field_access::MemberPointer<decltype(Member)>;
  using Owner = std::array<typename P::Owner, Count>;
  return Access<Owner>{
      [](const Owner& owner, int entry) {
        return field_access::ToValue(owner.at(static_cast<std::size_t>(entry)).*Member);
      },
      [](Owner& owner, int entry, const FieldValue& value) {
        owner.at(static_cast<std::size_t>(entry)).*Member =
            field_access::FromValue<typename P::Type>(value);
      }};
}

}  // namespace tpw
