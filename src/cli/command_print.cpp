#include <QBuffer>
#include <QPdfWriter>

#include "adapters/print/report_painter.h"
#include "cli/cli_session.h"
#include "cli/data_set.h"
#include "files/atomic_file.h"
#include "files/file_failure.h"
#include "image/text_values.h"
#include "program_info.h"
#include "report/print_layout.h"

namespace tpw::cli {

namespace {

// The unprintable edge a PDF keeps, as a printer's would be.
constexpr qreal kPdfMarginMm = 5;

// The printed report as the bytes of a PDF file, on paper of the given size.
QByteArray PdfOfReport(const std::vector<PrintPage>& layout, const QPageSize& paper,
                       const QString& title) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageLayout(
        QPageLayout(paper, QPageLayout::Portrait,
                    QMarginsF(kPdfMarginMm, kPdfMarginMm, kPdfMarginMm, kPdfMarginMm),
                    QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("tpw52-cli ") + QString::fromLatin1(ProgramVersion));
    if (PaintReport(writer, layout).outcome != PaintOutcome::Printed) return {};
  }
  return buffer.data();
}

}  // namespace

void AddPrintCommand(CLI::App& app, CliSession& session) {
  auto* command = app.add_subcommand(
      "print",
      TPW_TEXT(
          "Cli",
          "Write the printed report of IN (.hex image or .dat data file) as a PDF file: the pages "
          "that File > Print puts on paper, one section per page, long channel lists continued on "
          "the next sheet."));
  auto in = std::make_shared<std::string>();
  auto pdf = std::make_shared<std::string>();
  auto paper = std::make_shared<std::string>("A4");
  auto base = std::make_shared<BaseOptions>();
  command->add_option("IN", *in, TPW_TEXT("Cli", "image file (.hex) or data file (.dat)"))
      ->required();
  command->add_option("--pdf", *pdf, TPW_TEXT("Cli", "the PDF file to write (.pdf)"))->required();
  command->add_option("--paper", *paper, TPW_TEXT("Cli", "paper size: A4 (the default) or Letter"))
      ->check(CLI::IsMember({"A4", "Letter"}, CLI::ignore_case));
  AddBaseOptions(*command, *base);
  AddAnswerOptions(*command, session);
  command->callback([&session, in, pdf, paper, base] {
    if (!InputKindAccepted(session, *in)) {
      session.exitStatus = Failed;
      return;
    }
    const std::filesystem::path out = *pdf;
    if (ToUpper(out.extension().string()) != ".PDF") {
      session.prompter.message(Icon::Critical, "",
                               Said(TPW_TEXT("Cli", "--pdf must name a file ending in .pdf")));
      session.exitStatus = UsageError;
      return;
    }
    if (!OutputPlaceUsable(session, out) || !OpenInputFile(session, *in, *base)) {
      session.exitStatus = Failed;
      return;
    }
    const QPageSize size(ToUpper(*paper) == "LETTER" ? QPageSize::Letter : QPageSize::A4);
    const QByteArray document =
        PdfOfReport(BuildPrintLayout(session.ws.model, session.ws.caps), size,
                    QString::fromStdString(std::filesystem::path(*in).filename().string()));
    const std::error_code error =
        document.isEmpty()
            ? std::make_error_code(std::errc::io_error)
            : WriteFileAtomically(session.files, out,
                                  std::string_view(document.constData(), document.size()));
    if (error) {
      RefuseOutput(session, out, FileFailureFinding(out, error, FileAction::Save));
      session.exitStatus = Failed;
    }
  });
}

}  // namespace tpw::cli
