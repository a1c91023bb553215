#include "link/port_list.h"

#include <algorithm>
#include <cctype>

#include "image/text_values.h"
#include "image/translatable.h"

namespace tpw {

namespace fs = std::filesystem;

namespace {

// "%1" the serial number, the stable name.
constexpr const char* kSerial = TPW_TEXT("Messages", "serial %1");
constexpr const char* kAlso = TPW_TEXT("Messages", "also %1");

// A word of the listing as the user reads it.
std::string Shown(const char* pattern, std::string (*shown)(std::string_view),
                  std::string_view name) {
  return Fill(shown ? shown(pattern) : std::string(pattern), {name});
}

// The run of digits starting at i, its leading zeros left out.
std::string_view DigitRun(std::string_view text, std::size_t& i) {
  const std::size_t start = i;
  while (i < text.size() && IsDecimalDigit(text[i])) ++i;
  std::string_view run = text.substr(start, i - start);
  while (run.size() > 1 && run.front() == '0') run.remove_prefix(1);
  return run;
}

fs::path Resolved(const fs::path& path) {
  std::error_code error;
  const fs::path resolved = fs::weakly_canonical(path, error);
  return error ? path : resolved;
}

}  // namespace

bool NaturalLess(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (IsDecimalDigit(a[i]) && IsDecimalDigit(b[j])) {
      const std::string_view x = DigitRun(a, i);
      const std::string_view y = DigitRun(b, j);
      if (x.size() != y.size()) return x.size() < y.size();
      if (x != y) return x < y;
      continue;
    }
    if (a[i] != b[j]) return a[i] < b[j];
    ++i;
    ++j;
  }
  return a.size() - i < b.size() - j;
}

void SortNaturally(std::vector<PortInfo>& ports) {
  std::stable_sort(ports.begin(), ports.end(), [](const PortInfo& x, const PortInfo& y) {
    return NaturalLess(x.name, y.name);
  });
}

std::string PortDetails(const PortInfo& port, std::string (*shown)(std::string_view)) {
  std::vector<std::string> parts;
  if (!port.description.empty()) parts.push_back(port.description);
  if (!port.manufacturer.empty() && port.manufacturer != port.description) {
    parts.push_back("(" + port.manufacturer + ")");
  }
  if (port.vendorId && port.productId) {
    // As lsusb shows it: "0403:6001".
    std::string id = HexPad(*port.vendorId, 4) + ":" + HexPad(*port.productId, 4);
    std::transform(id.begin(), id.end(), id.begin(), [](char c) {
      return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    parts.push_back(id);
  }
  if (!port.serialNumber.empty()) parts.push_back(Shown(kSerial, shown, port.serialNumber));
  std::string details;
  for (const std::string& part : parts) details += (details.empty() ? "" : " ") + part;
  return details;
}

void AttachStableNames(std::vector<PortInfo>& ports, const fs::path& folder) {
  std::error_code error;
  std::vector<fs::path> links;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (entry.is_symlink(error)) links.push_back(entry.path());
  }
  std::sort(links.begin(), links.end());
  for (PortInfo& port : ports) {
    const fs::path device = Resolved(port.name);
    for (const fs::path& link : links) {
      if (Resolved(link) == device) {
        port.stableName = link.string();
        break;
      }
    }
  }
}

bool NamesPort(const PortInfo& port, std::string_view name) {
  return !name.empty() && (name == port.name || name == port.stableName);
}

std::string PortListing(const std::vector<PortInfo>& ports,
                        std::string (*shown)(std::string_view)) {
  std::size_t width = 0;
  for (const PortInfo& port : ports) width = std::max(width, port.name.size());
  std::string listing;
  for (const PortInfo& port : ports) {
    const std::string details = PortDetails(port, shown);
    listing += port.name;
    if (!details.empty()) listing += std::string(width - port.name.size() + 2, ' ') + details;
    listing += '\n';
    if (!port.stableName.empty()) listing += "  " + Shown(kAlso, shown, port.stableName) + '\n';
  }
  return listing;
}

}  // namespace tpw
