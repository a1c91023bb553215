#pragma once

#include <filesystem>
#include <string>

namespace tpw::test {

// The text of a PDF file as poppler's pdftotext lays it out (pages end with a form feed), or
// what went wrong: pdftotext missing (scripts/install-deps.sh installs poppler-utils), or a
// file that is not a PDF.
struct PdfText {
  std::string text;
  int pages = 0;
  std::string problem;  // empty when the file was read
};

PdfText ReadPdfText(const std::filesystem::path& pdf);

}  // namespace tpw::test
