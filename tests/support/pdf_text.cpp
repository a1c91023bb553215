#include "support/pdf_text.h"

#include <algorithm>

#include "support/process.h"

namespace tpw::test {

PdfText ReadPdfText(const std::filesystem::path& pdf) {
  PdfText result;
  if (RunCommand("command -v pdftotext").status != 0) {
    result.problem = "pdftotext is missing: scripts/install-deps.sh installs poppler-utils";
    return result;
  }
  const ProcessResult run = RunCommand("pdftotext -layout '" + pdf.string() + "' -");
  if (run.status != 0) {
    result.problem = "pdftotext cannot read " + pdf.string() + ": " + run.err;
    return result;
  }
  result.text = run.out;
  result.pages = static_cast<int>(std::count(run.out.begin(), run.out.end(), '\f'));
  return result;
}

}  // namespace tpw::test
