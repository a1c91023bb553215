// Reading, programming and clearing ATIS through the transfer dialog against the simulated
// radio, and the serial port menu.
#include <QPushButton>
#include <QTest>

#include <QTableView>

#include "files/data_file.h"
#include "files/settings_store.h"
#include "gui/link/transfer_dialog.h"
#include "gui/link/write_changes_dialog.h"
#include "gui_test_support.h"
#include "image/display_text.h"
#include "image/memory_map.h"
#include "link/port_help.h"
#include "sim/radio_simulator.h"

using namespace tpw;
using namespace tpw::test;
using gui::TransferDialog;

namespace {

// What runs inside the open dialog only looks and presses, and never asserts: a check that
// returned early would leave the modal dialog open. The test checks after the dialog closed.
// A button the dialog lacks ends the suite with its name instead of leaving it waiting.
void PressButton(TransferDialog* dialog, const char* name) {
  RequiredControl<QPushButton>(*dialog, name)->click();
}

// The progress of the open transfer dialog, or -1 when none is open.
int ShownProgress() {
  auto* dialog = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
  auto* progress = dialog != nullptr ? dialog->findChild<gui::TransferProgress*>() : nullptr;
  return progress != nullptr ? progress->percent() : -1;
}

// What the dialog showed once OK had run: still open, with OK usable again, as a failed or
// cancelled transfer leaves it for another try. Cancel then closes it.
struct AfterOk {
  bool open = false;
  bool okAgain = false;
};
void PressOkThenCancel(AfterOk& seen) {
  WhenModalOpens<TransferDialog>([&seen](TransferDialog* d) {
    PressButton(d, "cmdOK");
    seen = {d->isVisible(),
            d->isVisible() && RequiredControl<QPushButton>(*d, "cmdOK")->isEnabled()};
    PressButton(d, "cmdCancel");
  });
}

}  // namespace

class TransferTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<GuiFixture> f;

  void start(bool demo, bool debug = false) {
    WriteBytes(*dir / "global.ini", kOneModel);
    MemoryImage image = sim::FactoryMemory(ValidImage(1));  // a template carries the product code
    image.set(addr::UsableGroups, 0x80);
    WriteBytes(*dir / "QZ815_UK_012D.ini", ImageAsString(image));
    f = std::make_unique<GuiFixture>(dir->path(), demo);
    f->ws().options.DebugMode = debug;
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}, {"/dev/ttyUSB1", ""}};
    QVERIFY(f->window->load());
    f->window->show();
  }
  TransferResult transfer(TransferMode mode) { return TransferWithOk(*f->window, mode); }
  std::vector<std::string> texts() { return f->prompter().texts(); }

 private slots:
  void init() { dir = std::make_unique<TempDir>(); }
  void cleanup() {
    f.reset();
    dir.reset();
  }

  void programThenReadBringsTheChannelsBack() {
    start(true);
    QVERIFY(f->window->portMenu().demoItem()->isChecked());
    QCOMPARE(f->window->findChild<QLabel*>("sbStatusBarPanel2")->text(),
             QString("Simulated radio"));
    const SettingsModel programmed = f->ws().model;
    QVERIFY(programmed.CHUSA.size() > 0);

    int maxProgress = 0;
    f->host.onYield = [&] { maxProgress = std::max(maxProgress, ShownProgress()); };
    WhenModalOpens<TransferDialog>(PressOk);
    f->window->menus().transferProgram->trigger();
    QCOMPARE(texts().size(), 1u);
    QVERIFY(
        texts()[0].starts_with("Complete!!\r\nVerified: "));  // the words: link WriteVerification
    QCOMPARE(f->prompter().boxes[0].title, std::string("Program to Radio"));
    QVERIFY(maxProgress >= 90);
    QVERIFY(f->window->demoRadio() != nullptr);

    f->ws().model.CHUSA.clear();
    f->ws().flags.DataChanged = true;
    f->ws().documentPath = "/tmp/x.dat";
    f->window->editor().selectNodeByKey("PU");
    WhenModalOpens<TransferDialog>(PressOk);
    f->window->menus().transferRead->trigger();
    QCOMPARE(texts().size(), 2u);
    QCOMPARE(texts().back(), std::string("Complete!!"));
    QCOMPARE(LastBox(f->prompter()).title, std::string("Read from Radio"));
    QCOMPARE(f->ws().model.CHUSA, programmed.CHUSA);
    QVERIFY(!f->ws().flags.DataChanged);
    QVERIFY(f->ws().documentPath.empty());
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815"));
    QCOMPARE(TextOf(f->window->editor().tree()->currentItem()), QString("General"));
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  // The dialog's transfers leave their backups and traces in the user's data folder: a read
  // the radio's bytes, a write with Options > Read Radio Before Programming the radio's memory
  // before and the image written.
  void transfersKeepBackupsThatFileOpenTakesBack() {
    start(true);
    QVERIFY(!f->window->menus().readFirst->isChecked());
    QVERIFY(transfer(TransferMode::Read).done());
    const MemoryImage radio = f->window->demoRadio()->memory();
    const std::filesystem::path backups = f->userData / "backups";
    std::vector<std::string> names = FolderNames(backups);
    QCOMPARE(names.size(), 1u);
    QVERIFY(names[0].ends_with("-read-UK.hex"));  // their bytes: link SafetyNet

    f->window->menus().readFirst->trigger();
    QCOMPARE(f->settings.read("Settings", "ReadFirst", ""), std::string("1"));
    f->ws().model.CHUSA.erase(f->ws().model.CHUSA.size() - 1);
    WhenModalOpens<gui::WriteChangesDialog>(
        [](gui::WriteChangesDialog* changes) { changes->accept(); });
    QVERIFY(transfer(TransferMode::Program).done());
    names = FolderNames(backups);
    QCOMPARE(names.size(), 3u);
    std::string before;
    std::string written;
    for (const std::string& name : names) {
      if (name.ends_with("-before-write-UK.hex")) before = name;
      if (name.ends_with("-write-UK.hex")) written = name;
    }
    QVERIFY(!written.empty());
    QCOMPARE(FolderNames(f->userData / "traces").size(), 2u);

    // File > Open takes the backup back without the diagnostic mode.
    const SettingsModel programmed = f->ws().model;
    f->ws().model.CHUSA.clear();
    f->dialogs.planned << QString::fromStdString((backups / before).string());
    f->window->menus().fileOpen->trigger();
    QCOMPARE(f->ws().image.bytes(), radio.bytes());
    QCOMPARE(f->ws().model.CHUSA.size(), programmed.CHUSA.size() + 1);
    QCOMPARE(f->ws().documentPath, (backups / before).string());
  }

  void helpShowsTheBackupsFolderAndSavesTheDiagnostics() {
    start(false);
    f->window->menus().helpBackups->trigger();
    QCOMPARE(f->dialogs.shownFolders,
             QStringList{QString::fromStdString((f->userData / "backups").string())});
    QVERIFY(std::filesystem::is_directory(f->userData / "backups"));
    QVERIFY(f->prompter().boxes.empty());
    f->dialogs.folderShown = false;
    f->window->menus().helpBackups->trigger();
    QCOMPARE(LastBox(f->prompter()).text,
             "The backups folder could not be shown.\r\n" + (f->userData / "backups").string() +
                 ": no file manager opened it. Open it in your file manager; every read and "
                 "write of a radio keeps its backup there.");

    // A transfer that found no radio leaves its trace all the same.
    f->ports.silent = true;
    WhenModalOpens<TransferDialog>(PressOk);
    f->window->runTransfer(TransferMode::Read);
    QCOMPARE(FolderNames(f->userData / "traces").size(), 1u);
    WriteBytes(f->userData / "err.log", "2026-12-07,14:03:22:frmRadio.PortInit -> 2x\r\n");

    const std::filesystem::path file = *dir / "diagnostics.txt";
    for (const Answer answer : {Answer::No, Answer::Yes}) {
      f->dialogs.planned << QString::fromStdString(file.string());
      f->prompter().plan(answer);
      f->window->menus().helpDiagnostics->trigger();
      const RecordingPrompter::Box& question = LastBox(f->prompter());
      QVERIFY(question.question);
      QCOMPARE(question.defaultAnswer, Answer::No);
      QVERIFY(question.text.starts_with("Include the radio's data in the diagnostics?"));
      const std::string text = ReadBytes(file);
      // What they hold is the safety net's test; here what the window hands to them.
      for (const char* section :
           {"Description: FT232R USB UART\r\n", "Transfer: Read from Radio\r\nPort: /dev/ttyUSB0",
            "frmRadio.PortInit -> 2x\r\n"}) {
        QVERIFY2(text.find(section) != std::string::npos, section);
      }
      const bool left = text.find("(left out at the user's choice)") != std::string::npos;
      QCOMPARE(left, answer == Answer::No);
    }
  }

  void cancelInTheMiddleKeepsTheDataAndTheDialog() {
    start(true);
    const MemoryImage before = f->ws().image;
    const SettingsModel model = f->ws().model;
    f->window->demoRadio();
    bool refusedClose = false;
    f->host.onYield = [&] {
      auto* d = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
      if (d == nullptr || f->host.yields != 40) return;
      refusedClose = !d->close();  // the window's own close is refused while busy
      PressButton(d, "cmdCancel");
    };
    AfterOk seen;
    PressOkThenCancel(seen);
    const TransferResult result = f->window->runTransfer(TransferMode::Read);
    QVERIFY(refusedClose);
    QVERIFY(seen.open && seen.okAgain);
    QCOMPARE(result.outcome, Outcome::Cancelled);
    QVERIFY(f->ws().image == before);
    QVERIFY(f->ws().model == model);
  }

  // A failed transfer (here a port that cannot be opened; a radio that does not answer ends
  // the same way, with the link tests' message) leaves the dialog open for another OK.
  void aPortThatFailsKeepsTheDialogOpen() {
    start(false);
    QCOMPARE(texts(), std::vector<std::string>{});
    const QList<QAction*> items = FindActions(*f->window, "mnuOptionsSerialPort1");
    QCOMPARE(items.size(), 16);
    QCOMPARE(items[0]->text(), QString("/dev/ttyUSB0  FT232R USB UART"));
    QCOMPARE(items[1]->text(), QString("/dev/ttyUSB1"));
    QVERIFY(!items[2]->isVisible());
    items[1]->trigger();
    QCOMPARE(f->settings.read("ComPath", "ComPort", ""), std::string("/dev/ttyUSB1"));
    const MemoryImage before = f->ws().image;
    AfterOk seen;
    PressOkThenCancel(seen);
    f->window->runTransfer(TransferMode::Read);
    QVERIFY(seen.okAgain);
    QCOMPARE(f->ports.made, std::vector<std::string>{"/dev/ttyUSB1"});
    QVERIFY(!texts().empty());
    QVERIFY(f->ws().image == before);
  }

  // The menu shows what is known of each adapter, and remembers a cable by its stable name:
  // plugged in again under another device name, it is still the one checked.
  void aRememberedCableSurvivesReplugging() {
    start(false);
    const std::string stable = "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0";
    PortInfo cable{.name = "/dev/ttyUSB2",
                   .description = "FT232R USB UART",
                   .manufacturer = "FTDI",
                   .serialNumber = "A1B2C3",
                   .vendorId = 0x0403,
                   .productId = 0x6001,
                   .stableName = stable};
    auto first = std::make_unique<GuiFixture>(dir->path());
    first->ports.entries = {{.name = "/dev/ttyS0"}, cable};
    QVERIFY(first->window->load());
    QList<QAction*> items = FindActions(*first->window, "mnuOptionsSerialPort1");
    QCOMPARE(items[1]->text(),
             QString("/dev/ttyUSB2  FT232R USB UART (FTDI) 0403:6001 serial A1B2C3"));
    QCOMPARE(items[1]->toolTip(), QString::fromStdString(stable));
    items[1]->trigger();
    QCOMPARE(first->settings.read("ComPath", "ComPort", ""), stable);

    auto again = std::make_unique<GuiFixture>(dir->path());
    again->settings.write("ComPath", "ComPort", stable);
    cable.name = "/dev/ttyUSB10";
    again->ports.entries = {{.name = "/dev/ttyUSB9"}, cable};
    QVERIFY(again->window->load());
    items = FindActions(*again->window, "mnuOptionsSerialPort1");
    QVERIFY(!items[0]->isChecked());
    QVERIFY(items[1]->isChecked());
    QCOMPARE(again->window->portMenu().choice().device, std::string("/dev/ttyUSB10"));
  }

  // A write cancelled once the radio has taken its first byte says that the radio may be
  // partly programmed, and the dialog stays open.
  void aCancelledWriteSaysWhatTheRadioHolds() {
    start(true);
    transfer(TransferMode::Read);  // the demo radio now exists, with the PC's data
    const MemoryImage radio = f->window->demoRadio()->memory();
    f->ws().image.set(0x082, static_cast<std::uint8_t>(radio.at(0x082) ^ 0xFF));
    f->host.onYield = [&] {
      auto* d = qobject_cast<TransferDialog*>(QApplication::activeModalWidget());
      if (d != nullptr && f->window->demoRadio()->memory().at(0x082) != radio.at(0x082)) {
        PressButton(d, "cmdCancel");
      }
    };
    AfterOk seen;
    PressOkThenCancel(seen);
    QVERIFY(!f->window->runTransfer(TransferMode::Program).done());
    QVERIFY(seen.open);
    QVERIFY(LastBox(f->prompter()).text.find(" may be partly programmed: ") != std::string::npos);
    QCOMPARE(LastBox(f->prompter()).title, std::string("Program to Radio"));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
  }

  // Transfer > Test Connection on the simulated radio, then on a port where nothing answers:
  // one message each, titled as the command.
  void testConnectionSaysWhatAnswers() {
    start(true);
    f->window->menus().transferTestConnection->trigger();
    QCOMPARE(f->prompter().boxes.size(), std::size_t{1});
    QCOMPARE(LastBox(f->prompter()).title, std::string("Test Connection"));
    // The words for each kind of answer are E2e.CheckPortSaysWhatAnswers'.
    QVERIFY(LastBox(f->prompter()).text.find(" answered: a QZ815 ") != std::string::npos);
    FindActions(*f->window, "mnuOptionsSerialPort1")[0]->trigger();
    f->ports.silent = true;
    f->window->menus().transferTestConnection->trigger();
    QVERIFY(LastBox(f->prompter()).text.starts_with("Nothing answered on /dev/ttyUSB0. "));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Critical);
  }

  void noPortAtAll() {
    WriteBytes(*dir / "global.ini", "[model1]\r\nuse=1\r\n");
    f = std::make_unique<GuiFixture>(dir->path());
    QVERIFY(f->window->load());
    QCOMPARE(texts(), std::vector<std::string>{NoPortText(ThisPlatform())});
    QCOMPARE(f->prompter().boxes[0].icon, Icon::None);
    QVERIFY(!f->window->menus().serialPort->isEnabled());
  }

  // The data set compared with the radio and with a file: the differences in the window, a
  // double click goes to the setting, the list saves as text; the data set, its document and
  // its unsaved state stay as they were, and a refused file shows no comparison.
  void comparisonsShowTheDifferencesAndChangeNothing() {
    start(true);
    QVERIFY(transfer(TransferMode::Program).done());
    auto compareWithRadio = [this] {
      WhenModalOpens<TransferDialog>(PressOk);
      f->window->menus().transferCompare->trigger();
      return f->window->comparisonWindow();
    };
    gui::ComparisonWindow* same = compareWithRadio();
    QVERIFY(same != nullptr);
    QCOMPARE(RequiredControl<QLabel>(*same, "lblSummary")->text(), QString("No differences"));
    QCOMPARE(same->model().rowCount(), 0);

    f->ws().model.common.resumeTime = 0;
    QVERIFY(f->ws().model.CHUSA.size() > 1);
    f->ws().model.CHUSA[1].duplex = 2;
    f->ws().flags.DataChanged = true;
    f->ws().documentPath = (*dir / "boat.dat").string();
    const Workspace before = f->ws();
    gui::ComparisonWindow* shown = compareWithRadio();
    QVERIFY(shown != nullptr && shown != same);
    QCOMPARE(texts().size(), 3u);
    QCOMPARE(texts()[1], std::string("Complete!!"));
    QCOMPARE(texts()[2], std::string("Complete!!"));
    QCOMPARE(RequiredControl<QLabel>(*shown, "lblSummary")->text(), QString("2 differences"));
    QCOMPARE(shown->model().headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("Radio"));
    const std::string channel =
        "Group1(USA) " + ChannelDisplayName(f->ws().model.CHUSA[1]) + ": SIMP/DUP: ";
    QVERIFY(shown->text().starts_with("Common Setup: Resume Time: "));
    QVERIFY(f->ws().model == before.model && f->ws().image == before.image);
    QVERIFY(f->ws().flags.DataChanged);
    QCOMPARE(f->ws().documentPath, before.documentPath);

    // Sorted by setting, from Z to A, the channel's duplex comes first; a double click goes to
    // its row; the list saves as it is sorted.
    shown->table()->sortByColumn(gui::ComparisonModel::Setting, Qt::DescendingOrder);
    QCOMPARE(shown->table()->model()->index(0, 1).data().toString(), QString("SIMP/DUP"));
    const QRect cell = shown->table()->visualRect(shown->table()->model()->index(0, 0));
    // The click a double click starts with, then the double click itself.
    QTest::mouseClick(shown->table()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(shown->table()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(TextOf(f->window->editor().tree()->currentItem()), QString("Group1(USA)"));
    QCOMPARE(f->window->editor().state().currentRow, 1);
    QCOMPARE(f->window->editor().listPanel()->grid()->currentRow(), 1);
    const std::string saved = (*dir / "differences.txt").string();
    f->dialogs.planned << QString::fromStdString(saved);
    RequiredControl<QPushButton>(*shown, "cmdSave")->click();
    QVERIFY(ReadBytes(saved).starts_with(channel));

    // A file: refused with its message and no comparison, or compared as it stands.
    f->dialogs.planned << QString::fromStdString((*dir / "missing.dat").string());
    f->window->menus().fileCompare->trigger();
    QCOMPARE(LastBox(f->prompter()).text.substr(0, 16), std::string("FileRead Error!!"));
    QCOMPARE(f->window->comparisonWindow(), shown);
    const std::string file = (*dir / "other.dat").string();
    Context ctx = f->window->context();
    QCOMPARE(SaveDataFile(ctx, file), Outcome::Done);
    f->dialogs.planned << QString::fromStdString(file);
    f->window->menus().fileCompare->trigger();
    QVERIFY(f->window->comparisonWindow() != shown);
    QCOMPARE(RequiredControl<QLabel>(*f->window->comparisonWindow(), "lblSummary")->text(),
             QString("No differences"));
    QCOMPARE(f->window->comparisonWindow()->windowTitle(), QString("Compare With other.dat"));
  }

  // Every write is read back (Options > Verify After Programming, on by default, remembered);
  // a radio that keeps another byte fails it. With Read Radio Before Programming the changes
  // are shown first: cancelled, nothing is written; a radio that holds everything is not
  // written again.
  void programmingIsVerifiedAndShowsItsChanges() {
    start(true);
    QVERIFY(f->window->menus().verify->isChecked());
    QVERIFY(transfer(TransferMode::Program).done());
    f->window->demoRadio()->setFaults({.wrongByteAddress = addr::ResumeTime});
    QVERIFY(!transfer(TransferMode::Program).done());
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Critical);
    QVERIFY(texts().back().starts_with("Not verified: "));
    f->window->menus().verify->trigger();
    QCOMPARE(ReadSetting(f->settings, setting::Verify), std::string("0"));
    QVERIFY(transfer(TransferMode::Program).done());
    QCOMPARE(texts().back(), std::string("Complete!!"));

    f->window->demoRadio()->setFaults({});
    f->window->menus().verify->trigger();
    f->window->menus().readFirst->trigger();
    f->ws().model.common.resumeTime = 2;
    const MemoryImage before = f->window->demoRadio()->memory();
    QStringList shown;
    const auto answer = [&shown](const char* button) {
      return [&shown, button](gui::WriteChangesDialog* dialog) {
        const QAbstractItemModel* rows = dialog->findChild<QTableView*>("grdChanges")->model();
        for (int row = 0; row < rows->rowCount(); ++row) {
          QStringList cells;
          for (int column = 0; column < 4; ++column) {
            cells << rows->index(row, column).data().toString();
          }
          shown << cells.join('|');
        }
        dialog->findChild<QPushButton*>(button)->click();
      };
    };
    WhenModalOpens<gui::WriteChangesDialog>(answer("cmdCancel"));
    QVERIFY(!transfer(TransferMode::Program).done());
    QCOMPARE(shown, QStringList{"Common Setup|Resume Time|Off|2Sec"});
    QCOMPARE(f->window->demoRadio()->memory(), before);
    QVERIFY(texts().back().starts_with("Nothing was written: "));
    WhenModalOpens<gui::WriteChangesDialog>(answer("cmdProgram"));
    QVERIFY(transfer(TransferMode::Program).done());
    QCOMPARE(shown.size(), 2);
    QCOMPARE(f->window->demoRadio()->memory().at(addr::ResumeTime),
             f->ws().image.at(addr::ResumeTime));
    QVERIFY(transfer(TransferMode::Program).done());
    QCOMPARE(shown.size(), 2);
    QVERIFY(texts().back().ends_with(" already holds everything these data would write."));
  }

  // Each mode's dialog: its title, its size, the monitor line of the debug mode, and the radio
  // on the left only when reading, as the data flow from left to right.
  void dialogLooksAsItsModeSays() {
    start(true, true);
    QStringList looks, instructions;
    for (TransferMode mode : {TransferMode::Read, TransferMode::Program, TransferMode::ClearAtis}) {
      WhenModalOpens<TransferDialog>([&](TransferDialog* d) {
        const auto* monitor = RequiredControl<QLabel>(*d, "lblmon");
        const bool radioLeft =
            RequiredControl(*d, "pictHandy")->x() < RequiredControl(*d, "pictB")->x();
        looks << QStringLiteral("%1 %2x%3 %4%5")
                     .arg(d->windowTitle())
                     .arg(d->width())
                     .arg(d->height())
                     .arg(monitor->isVisible() ? monitor->text() : QStringLiteral("(no monitor)"),
                          radioLeft ? QStringLiteral(", radio left") : QString());
        instructions << RequiredControl<QLabel>(*d, "lblmess")->text();
        PressButton(d, "cmdHelp");
        PressButton(d, "cmdCancel");
      });
      f->window->runTransfer(mode);
    }
    QCOMPARE(looks, (QStringList{"Read from Radio 465x290 starting at debug mode.., radio left",
                                 "Program to Radio 465x290 starting at debug mode..",
                                 "Clear ATIS Data 465x290 starting at debug mode.."}));
    QCOMPARE(instructions,
             QStringList(3,
                         "1.Connect the KVX cable between the PC serial port and the radio.\n"
                         "2.On the radio, press and hold [PRESET] keys while\n"
                         "   turning the power on.\n"
                         "   The Radio display will show PC CONTROL.\n"
                         "3.Press the [OK] button to start."));
    QVERIFY(LastBox(f->prompter()).text.starts_with("Unable to display Help Contents."));
    QCOMPARE(LastBox(f->prompter()).title, std::string("Clear ATIS Data"));
  }

  void progressBarFillsFromTheLeft() {
    gui::TransferProgress bar;
    bar.resize(200, 20);
    bar.setPercent(0);
    QCOMPARE(bar.bar()->geometry(), QRect(-200, 0, 200, 20));
    bar.setPercent(25);
    QCOMPARE(bar.bar()->x(), -150);
    bar.setPercent(130);
    QCOMPARE(bar.bar()->x(), 0);
  }
};

QTEST_MAIN(TransferTest)
#include "transfer_test.moc"
