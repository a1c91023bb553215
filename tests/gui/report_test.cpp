// The report window (Print to File), printing and the print preview: what the user gets on
// screen, in a text file and on paper, and that none of it changes the data set.
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "adapters/print/report_painter.h"
#include "gui/report/print_preview.h"
#include "gui/report/report_window.h"
#include "gui_test_support.h"
#include "image/channel_tables.h"
#include "report/text_report.h"
#include "support/pdf_text.h"

using namespace tpw;
using namespace tpw::test;

namespace {

// A full USA group: longer than one A4 sheet.
void FillUsaGroup(SettingsModel& model) {
  model.CHUSA.clear();
  for (int i = 0; i < 96; ++i) {
    ChannelRecord record{static_cast<std::int16_t>(i % MarineChannelCount), true};
    record.txEnabled = true;
    model.CHUSA.append(record);
  }
}

}  // namespace

class ReportTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<GuiFixture> f;
  QAction* action(const char* name) { return FindAction(*f->window, QString::fromLatin1(name)); }

  // The report window over the fixture's data set, its report built.
  std::unique_ptr<gui::ReportWindow> builtWindow() {
    auto window = std::make_unique<gui::ReportWindow>(f->window->context(), f->dialogs,
                                                      QString::fromStdString(dir->path()));
    window->show();
    QSignalSpy built(window.get(), &gui::ReportWindow::reportBuilt);
    if (!window->isReportBuilt()) built.wait();
    return window;
  }
  static QAction* saveAs(gui::ReportWindow& window) {
    return window.findChild<QAction*>(QStringLiteral("mnuFileSave"));
  }
  // Shows the print preview from the File menu and runs check on it once it is open.
  void inPreview(std::function<void(gui::PrintPreview&)> check) {
    WhenModalOpens<gui::PrintPreview>([check](gui::PrintPreview* preview) {
      check(*preview);
      if (preview->isVisible()) preview->reject();
    });
    action("mnuFilePrintPreview")->trigger();
  }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    WriteBytes(*dir / "global.ini", kOneModel);
    WriteBytes(*dir / "QZ815_USA_012D.ini", ImageAsString(ValidImage()));
    f = std::make_unique<GuiFixture>(dir->path());
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}};
    QVERIFY(f->window->load());
    f->window->show();
    // A small data set: one USA channel, one RG channel, the weather channels.
    for (ListId list : {ListId::CHUSA, ListId::CHINT, ListId::CHCAN, ListId::CHEXP}) {
      f->ws().model.list(list).clear();
    }
    f->ws().model.CHUSA.append(ChannelRecord{16, true});
    f->ws().model.CHRG.clear();
    f->ws().model.CHRG.append(ChannelRecord{});
  }
  void cleanup() {
    f.reset();
    dir.reset();
  }

  void reportWindowWaitsThenShowsTheReport() {
    gui::ReportWindow window(f->window->context(), f->dialogs, QString());
    QCOMPARE(window.objectName(), QString("frmPrn"));
    QCOMPARE(window.windowTitle(), QString("Print to File"));
    QVERIFY(window.isModal());
    auto* text = window.findChild<QPlainTextEdit*>("txtPrn");
    auto* ok = window.findChild<QPushButton*>("cmdOK");
    auto* timer = window.findChild<QTimer*>("Timer1");
    QVERIFY(text && ok && timer);
    QCOMPARE(text->toPlainText(), QString("Now, making text image. Please wait..."));
    QVERIFY(text->isReadOnly());
    QCOMPARE(text->accessibleName(), QString("Report"));
    QVERIFY(IsMonospaced(text->font()));
    QVERIFY(!saveAs(window)->isEnabled());
    QVERIFY(timer->isActive());
    QCOMPARE(timer->interval(), 10);
    QCOMPARE(window.findChild<QAction*>("mnuFileExit")->text(), QString("&Exit"));
    QCOMPARE(saveAs(window)->text(), QString("&Save As..."));

    window.show();
    QSignalSpy built(&window, &gui::ReportWindow::reportBuilt);
    QVERIFY(built.wait());
    const std::string report = BuildTextReport(f->ws().model, f->ws().caps);
    QCOMPARE(window.report(), report);
    QCOMPARE(text->toPlainText(), QString::fromStdString(report).replace("\r\n", "\n"));
    QVERIFY(saveAs(window)->isEnabled());
    QVERIFY(window.isEnabled());
    QCOMPARE(f->host.pauses,
             std::vector<std::chrono::milliseconds>{std::chrono::milliseconds(500)});

    // The client area starts at 558 x 409; the text keeps 100 twips to the left and follows
    // the size, OK stays centred with its top 1200 twips above the bottom.
    const QWidget* client = text->parentWidget();
    QCOMPARE(client->size(), QSize(558, 409));
    window.resize(800, 600);
    QCoreApplication::processEvents();
    QCOMPARE(text->x(), 7);
    QCOMPARE(text->width(), client->width() - 14);
    QCOMPARE(ok->y(), client->height() - 80);
    QVERIFY(std::abs(ok->geometry().center().x() - client->width() / 2) <= 1);
    QVERIFY(text->geometry().bottom() < ok->y());
  }

  void saveAsWritesTheReportWithOneMoreLineEnd() {
    f->ws().flags.DataChanged = false;
    const SettingsModel before = f->ws().model;
    auto window = builtWindow();
    const std::string expected = BuildTextReport(f->ws().model, f->ws().caps) + "\r\n";
    const std::filesystem::path file = *dir / "report.txt";

    // Saved twice to the same name: one copy. What the text box shows is never saved.
    f->dialogs.planned << QString::fromStdString(file.string())
                       << QString::fromStdString(file.string());
    saveAs(*window)->trigger();
    window->findChild<QPlainTextEdit*>("txtPrn")->setPlainText("edited");
    saveAs(*window)->trigger();
    QCOMPARE(ReadBytes(file), expected);
    QCOMPARE(f->dialogs.asked, QStringList({"saveReportFile", "saveReportFile"}));
    QCOMPARE(f->dialogs.folders.first(), QString::fromStdString(dir->path().string()));
    QVERIFY(f->prompter().boxes.empty());

    // Cancelled: nothing written.
    saveAs(*window)->trigger();
    QCOMPARE(std::distance(std::filesystem::directory_iterator(dir->path()), {}), 3);

    // A folder that does not exist: the reason, the file and what to do.
    const std::filesystem::path missing = *dir / "gone" / "report.txt";
    f->dialogs.planned << QString::fromStdString(missing.string());
    saveAs(*window)->trigger();
    QCOMPARE(f->prompter().boxes.size(), 1u);
    QCOMPARE(LastBox(f->prompter()).title, std::string("QZ815 PC Program for QZ815"));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    // The reason's words are the file failures' (FileFailure tests).
    QVERIFY(LastBox(f->prompter())
                .text.find("\r\nThe report was not saved to " + missing.string() +
                           ": the folder ") != std::string::npos);
    QVERIFY(!std::filesystem::exists(missing));
    QVERIFY(window->isEnabled());

    QCOMPARE(f->ws().model, before);
    QVERIFY(!f->ws().flags.DataChanged);
  }

  void printToFileOpensTheReportWindowOverTheMainWindow() {
    bool seen = false;
    WhenModalOpens<gui::ReportWindow>([&seen, this](gui::ReportWindow* window) {
      seen = true;
      QCOMPARE(window->parentWidget(), f->window.get());
      window->findChild<QPushButton*>("cmdOK")->click();
    });
    action("mnuFilePrintToFile")->trigger();
    QVERIFY(seen);
    QVERIFY(!f->ws().flags.DataChanged);
  }

  void printCancelledOrFailingPrintsNothing() {
    // Cancelled: silent.
    action("mnuFilePrint")->trigger();
    QCOMPARE(f->printers.dialogs, 1);
    QVERIFY(f->prompter().boxes.empty());

    // A PDF printer whose folder is missing cannot start: a warning, nothing written.
    const std::filesystem::path missing = *dir / "gone" / "report.pdf";
    f->printers.planned.push_back(ScriptedPrinters::PdfPrinter(missing));
    action("tbToolBar_Print")->trigger();
    QCOMPARE(f->printers.dialogs, 2);
    QCOMPARE(f->prompter().boxes.size(), 1u);
    QCOMPARE(LastBox(f->prompter()).title, std::string("PC Program for QZ815"));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    QCOMPARE(LastBox(f->prompter()).text,
             "The report was not printed: the PDF file " + missing.string() +
                 " could not be written.\r\nChoose a folder you may write to, then print again.");
    QVERIFY(!std::filesystem::exists(missing));

    // A printer the system does not have; without any printer Qt stands in a PDF printer with
    // no file.
    auto absent = std::make_unique<QPrinter>();
    absent->setOutputFormat(QPrinter::NativeFormat);
    absent->setPrinterName("Nowhere");
    const QString name = absent->printerName();
    f->printers.planned.push_back(std::move(absent));
    action("mnuFilePrint")->trigger();
    QCOMPARE(f->prompter().boxes.size(), 2u);
    QCOMPARE(LastBox(f->prompter()).text,
             name.isEmpty()
                 ? std::string("The report was not printed: no printer is set up on this "
                               "computer.\r\nSet up a printer in the system's settings, then "
                               "print again. File > Print Preview shows the pages without a "
                               "printer.")
                 : "The report was not printed: the printer \"" + name.toStdString() +
                       "\" could not be started.\r\nCheck that it is switched on, connected and "
                       "ready, or choose another printer, then print again.");
    QVERIFY(f->window->isEnabled());
  }

  void printedPagesMatchThePreview() {
    FillUsaGroup(f->ws().model);
    f->ws().model.CHRG.clear();
    f->ws().caps.WxSupported = false;
    f->ws().flags.DataChanged = false;
    const SettingsModel before = f->ws().model;
    const std::filesystem::path pdf = *dir / "report.pdf";
    f->printers.planned.push_back(ScriptedPrinters::PdfPrinter(pdf));
    action("mnuFilePrint")->trigger();
    QVERIFY(f->prompter().boxes.empty());
    const PdfText printed = ReadPdfText(pdf);
    QCOMPARE(printed.problem, std::string());
    // The common setup, then the group on two sheets (what each sheet holds is the pagination's
    // test and the command line's print test).
    QCOMPARE(printed.pages, 3);

    int previewPages = 0;
    inPreview([&previewPages](gui::PrintPreview& preview) {
      previewPages = preview.pages()->pageCount();
      auto* label = preview.findChild<QLabel*>("lblPage");
      QCOMPARE(label->text(), QString("Page 1 of 3"));
      preview.findChild<QAction*>("cmdNextPage")->trigger();
      QCOMPARE(preview.pages()->currentPage(), 2);
      QCOMPARE(label->text(), QString("Page 2 of 3"));
    });
    QCOMPARE(previewPages, printed.pages);
    QCOMPARE(f->ws().model, before);
    QVERIFY(!f->ws().flags.DataChanged);
  }

  void previewPrintsThroughThePrintDialog() {
    const std::filesystem::path pdf = *dir / "from-preview.pdf";
    f->printers.planned.push_back(ScriptedPrinters::PdfPrinter(pdf));
    bool closed = false;
    inPreview([&closed](gui::PrintPreview& preview) {
      preview.findChild<QAction*>("cmdPrint")->trigger();
      closed = !preview.isVisible();  // printed: the preview closes
    });
    QVERIFY(closed);
    QCOMPARE(f->printers.dialogs, 1);
    // Common setup, USA, weather, RG: one sheet each.
    QCOMPARE(ReadPdfText(pdf).pages, 4);
  }
};

QTEST_MAIN(ReportTest)
#include "report_test.moc"
