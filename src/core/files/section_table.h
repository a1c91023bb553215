#pragma once

#include <string>
#include <string_view>
#include <vector>

// The parsed form of a channel data file: sections in file order, each with its keys in
// order, and the lines the parse did not take.
namespace tpw {

struct SectionTable {
  struct Key {
    std::string name;     // upper-cased and trimmed, as looked up
    std::string written;  // trimmed, as the file has it
    std::string value;    // as written after "=", less one leading "#"
    int line = 0;
    // Set by the lookups: what the reader has taken. Keys it never took are reported.
    mutable bool taken = false;
  };
  struct Section {
    std::string name;     // upper-cased and trimmed
    std::string written;  // as the file has it between the brackets
    int line = 0;
    std::vector<Key> keys;
  };
  // A line that is neither a header nor a key line of a section.
  struct Skipped {
    int line = 0;
    std::string why;
  };

  std::vector<Section> sections;
  std::vector<Skipped> skipped;

  // The first matching key in the sections of that name, in file order, marked as taken;
  // nullptr when there is none.
  const Key* find(std::string_view section, std::string_view key) const;
  // Its value, or "" when there is none.
  std::string value(std::string_view section, std::string_view key) const;
};

// Lines are numbered from 1. A line outside a section opens one when it starts with "[" and a
// "]" follows at least one character later; inside a section a line whose first "=" is not
// its first character is a key line, a line with "[" ends the section and is looked at as a
// header, and any other line is skipped. Blank lines are skipped without a note.
SectionTable ParseSectionTable(std::string_view content);

}  // namespace tpw
