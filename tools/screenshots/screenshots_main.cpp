// Renders the main views of the desktop application offscreen into PNG files, for the README:
// the window as it starts (at its smallest size) with the data shipped beside the program, two
// channel lists with a channel of each open in the edit panel, the Common Setup and Weather pages,
// a read from the demo radio in progress, the report window, the comparison window and the
// changes a write would make. With a variant it renders the Common Setup page and the channel
// panel only, in German ("de") or under a dark or a high-contrast palette ("dark", "contrast"),
// named with the variant ("common-setup-de.png"); any other variant names the pictures only
// ("scale2", run with QT_SCALE_FACTOR=2).
//
// Usage: tpw52-screenshots <folder> [de|dark|contrast|scale2]
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QPushButton>
#include <QStyleFactory>

#include "adapters/translations/qt_translations.h"
#include "gui/about/about_box.h"
#include "gui/editor/channel_grid_widget.h"
#include "gui/link/transfer_dialog.h"
#include "gui/link/write_changes_dialog.h"
#include "gui/report/comparison_window.h"
#include "gui/report/report_window.h"
#include "gui_test_support.h"

using namespace tpw;

namespace {

void Save(QWidget& widget, const QDir& folder, const QString& name) {
  // The layouts settle (scroll areas fit their pages) before the picture is taken.
  QCoreApplication::processEvents();
  widget.grab().save(folder.filePath(name + QStringLiteral(".png")));
}

// Grabs the transfer dialog once the read is half done, and lets it finish.
void ShootTransfer(test::GuiFixture& f, const QDir& folder) {
  bool shot = false;
  f.host.onYield = [&] {
    auto* dialog = qobject_cast<gui::TransferDialog*>(QApplication::activeModalWidget());
    if (shot || dialog == nullptr) return;
    if (dialog->findChild<gui::TransferProgress*>()->percent() < 45) return;
    Save(*dialog, folder, QStringLiteral("transfer"));
    shot = true;
  };
  test::WhenModalOpens<gui::TransferDialog>(test::PressOk);
  f.window->transferRead();
  f.host.onYield = nullptr;
}

// Opens a row of the shown list in the channel edit panel, as EDIT does.
void EditRow(gui::MainWindow& window, int row) {
  gui::ChannelGridWidget* grid = window.editor().listPanel()->grid();
  grid->setCurrentCell(std::min(row, grid->rowCount() - 1), 0);
  window.findChild<QPushButton*>(QStringLiteral("cmdBEdit"))->click();
}

// The report window once its report is built.
void ShootReport(test::GuiFixture& f, const QDir& folder) {
  gui::ReportWindow report(f.window->context(), f.dialogs, QString(), f.window.get());
  QEventLoop built;
  QObject::connect(&report, &gui::ReportWindow::reportBuilt, &built, &QEventLoop::quit);
  report.show();
  built.exec();
  Save(report, folder, QStringLiteral("report-window"));
}

// The comparison window after a few edits, compared with the demo radio they were not sent to.
void ShootComparison(test::GuiFixture& f, const QDir& folder) {
  SettingsModel& model = f.ws().model;
  model.common.resumeTime = 5;
  model.atis.code = "9876543210";
  if (model.CHUSA.size() > 2) {
    model.CHUSA[1].duplex = 2;
    model.CHUSA[2].scanMemory = !model.CHUSA[2].scanMemory;
    model.CHUSA.erase(model.CHUSA.size() - 1);
  }
  model.CHWX[3].scanMemory = !model.CHWX[3].scanMemory;
  test::WhenModalOpens<gui::TransferDialog>(test::PressOk);
  f.window->compareWithRadio();
  if (gui::ComparisonWindow* comparison = f.window->comparisonWindow()) {
    Save(*comparison, folder, QStringLiteral("comparison"));
    comparison->close();
  }
}

// What a write read first would change in the demo radio, shown before it is programmed; the
// write is then declined.
void ShootWriteChanges(test::GuiFixture& f, const QDir& folder) {
  f.window->menus().readFirst->setChecked(true);
  test::WhenModalOpens<gui::WriteChangesDialog>([&folder](gui::WriteChangesDialog* changes) {
    Save(*changes, folder, QStringLiteral("write-changes"));
    changes->reject();
  });
  test::WhenModalOpens<gui::TransferDialog>(test::PressOk);  // declined: Cancel closes it
  f.window->transferProgram();
  f.window->menus().readFirst->setChecked(false);
}

}  // namespace

// The Common Setup page and a channel in the edit panel, named with the variant.
int ShootVariant(gui::MainWindow& window, const QDir& folder, const QString& variant) {
  window.resize(760, 520);
  window.show();
  window.editor().selectNodeByKey(QStringLiteral("Common"));
  Save(window, folder, QStringLiteral("common-setup-") + variant);
  window.editor().selectNodeByKey(QStringLiteral("PU"));
  EditRow(window, 15);
  Save(window, folder, QStringLiteral("channel-edit-") + variant);
  return 0;
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  QDir().mkpath(folder.path());
  const QString variant = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
  ProgramTranslations translations;
  if (variant == QStringLiteral("de")) {
    if (!translations.load(QCoreApplication::applicationDirPath().toStdString(), "de")) return 1;
    translations.install();
  } else if (variant == QStringLiteral("dark") || variant == QStringLiteral("contrast")) {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(variant == QStringLiteral("dark") ? test::DarkPalette()
                                                               : test::HighContrastPalette());
  }
  test::GuiFixture f(QCoreApplication::applicationDirPath().toStdString(), true);
  f.settings.write("IniFilePath", "IniFileName_1", "QZ815_USA");
  gui::MainWindow& window = *f.window;
  if (!window.load()) return 1;
  if (!variant.isEmpty()) return ShootVariant(window, folder, variant);
  // The window as it opens, at its smallest size; the other views with a little more room.
  window.resize(gui::MainWindowMinimum);
  window.show();
  Save(window, folder, QStringLiteral("main-window"));
  window.resize(760, 520);
  ShootTransfer(f, folder);
  window.editor().selectNodeByKey(QStringLiteral("PU"));
  Save(window, folder, QStringLiteral("channel-grid"));
  EditRow(window, 15);
  Save(window, folder, QStringLiteral("channel-edit-group"));
  window.editor().selectNodeByKey(QStringLiteral("Common"));
  Save(window, folder, QStringLiteral("common-setup"));
  window.editor().selectNodeByKey(QStringLiteral("PW"));
  Save(window, folder, QStringLiteral("weather"));
  ShootReport(f, folder);
  ShootComparison(f, folder);
  ShootWriteChanges(f, folder);
  // The free channels of the first destination that has some.
  const QList<QAction*> destinations = test::FindActions(window, "mnuDestinationChild");
  for (int i = 0;
       i < destinations.size() && f.ws().model.CHRG.isEmpty() && f.ws().model.CHEXP.isEmpty();
       ++i) {
    if (!destinations[i]->isVisible()) continue;
    f.recorder.plan(Answer::Ok);
    window.chooseDestination(i);
  }
  window.editor().selectNodeByKey(f.ws().model.CHRG.isEmpty() ? QStringLiteral("EXPCHANNEL")
                                                              : QStringLiteral("PR"));
  Save(window, folder, QStringLiteral("free-channels"));
  // Rows typed into a spreadsheet and pasted at the end of the list.
  QGuiApplication::clipboard()->setText(
      "CH\tUSA\tINT\tCAN\tDISP\tRX[MHz]\tTX[MHz]\tLOW\tUP\tMEM\n"
      "\t1\t1\t0\tC1\t157.4250\t157.4250\t---\t--\tMEM\n"
      "\t1\t0\t0\tC2\t157.4500\t157.4500\tLOW\t--\tMEM\n"
      "\t0\t1\t1\tHA\t161.4250\t156.8250\t---\t--\t---\n");
  window.editor().listPanel()->grid()->selectRecord(
      window.editor().listPanel()->grid()->rowCount() - 1, false);
  window.listCommands().paste();
  Save(window, folder, QStringLiteral("pasted-channels"));
  window.editUndo();
  EditRow(window, 0);
  Save(window, folder, QStringLiteral("channel-edit-free"));
  gui::AboutBox about(&window);
  about.show();
  Save(about, folder, QStringLiteral("about"));
  return 0;
}
