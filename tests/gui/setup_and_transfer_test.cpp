// The Common Setup page (usable groups and priority channels, scanning and watch, ATIS) and
// the Weather page, on real widgets over a destination template, with the demo radio where a
// setting has to survive the radio. Reading, programming and clearing ATIS through the
// transfer dialog against the simulated radio, and the serial port menu.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "files/data_file.h"
#include "files/settings_store.h"
#include "gui/editor/connector_line.h"
#include "gui/link/transfer_dialog.h"
#include "gui/link/write_changes_dialog.h"
#include "gui_test_support.h"
#include "image/display_text.h"
#include "image/encodings.h"
#include "image/memory_map.h"
#include "link/port_help.h"
#include "sim/radio_simulator.h"

using namespace tpw;
using namespace tpw::test;
using gui::ConnectorLine;
using gui::TransferDialog;

namespace {

// "Complete!!" of a write or clear of the demo radio that the read-back verified.
constexpr const char* kVerified =
    "Complete!!\r\nVerified: the radio on Simulated radio (demo) holds everything written.";

// A UK template as a radio holds it: USA, INT and UK usable, three USA and two INT channels
// (no others),
// USA's priority channel 16, INT's a record it does not have; scan on, resume 3 s, watch off
// in triple mode; ATIS on USA and UK, no code, programmed twice; every weather channel on.
MemoryImage UkTemplate() {
  MemoryImage image = sim::FactoryMemory(ValidImage(1));
  Fill(image, addr::UsableGroups, {0xE0});
  Fill(image, 0x100, {0xE0});
  Fill(image, 0x300, {6, 0x30, 16, 0x30, 72, 0x30});
  Fill(image, 0x120, {0xC0});
  Fill(image, 0x3C0, {9, 0x30, 16, 0x30});
  Fill(image, 0x140, {0x00});
  Fill(image, 0x162, {0, 0, 0, 0, 0, 0});
  Fill(image, addr::PriorityCh, {0x00, 0x02});
  Fill(image, addr::PriorityCh + addr::GroupStride, {0x00, 0x05});
  Fill(image, addr::PriorityCh + 2 * addr::GroupStride, {0x00, 0x20});
  Fill(image, addr::WeatherAlert, {0, 0x01, 0, 0, 3, 0, 1});
  Fill(image, addr::AtisChGroup, {0xA0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 2});
  Fill(image, 0x160, {0xFF, 0xC0});
  Fill(image, 0x1E0, {0x00, 0x00});
  return image;
}

QStringList Items(const QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
  return items;
}

// A choice in a list as the user makes it: the entry is selected and announced as chosen.
void Choose(QComboBox* box, const QString& text) {
  const int index = box->findText(text);
  box->setCurrentIndex(index);
  emit box->activated(index);
}

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

class SetupAndTransferTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<GuiFixture> f;

  gui::MainWindow& window() { return *f->window; }
  gui::EditorPane& editor() { return f->window->editor(); }
  void select(const char* key) { editor().selectNodeByKey(QString::fromLatin1(key)); }
  template <typename T>
  T* control(const char* name, int index = -1) {
    return RequiredControl<T>(window(), name, index);
  }
  QComboBox* list(const char* name, int index = -1) { return control<QComboBox>(name, index); }
  QCheckBox* box(const char* name, int index = -1) { return control<QCheckBox>(name, index); }
  QLineEdit* code() { return control<QLineEdit>("txtATIScode"); }
  // Types into a control that has the focus, key by key.
  void type(QWidget* widget, const QString& keys) { QTest::keyClicks(widget, keys); }
  void focus(QWidget* widget, Qt::FocusReason reason = Qt::TabFocusReason) {
    widget->setFocus(reason);
  }
  TransferResult transfer(TransferMode mode) { return TransferWithOk(window(), mode); }
  std::vector<std::string> texts() { return f->prompter().texts(); }
  // A window over a folder of its own with a UK template of one usable group, without the
  // setup pages' templates.
  void start(bool demo, bool debug = false) {
    f.reset();
    dir = std::make_unique<TempDir>();
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

 private slots:
  // The setup pages' window: over a UK template beside a USA one.
  void init() {
    dir = std::make_unique<TempDir>();
    WriteBytes(*dir / "global.ini", kOneModel);
    WriteBytes(*dir / "QZ815_UK_012D.ini", ImageAsString(UkTemplate()));
    MemoryImage usa = sim::FactoryMemory(ValidImage(0xFF));
    Fill(usa, addr::UsableGroups, {0x80});
    Fill(usa, addr::AtisChGroup, {0x40});
    WriteBytes(*dir / "QZ815_USA_012D.ini", ImageAsString(usa));
    f = std::make_unique<GuiFixture>(dir->path(), true);
    f->settings.write("IniFilePath", "IniFileName_1", "QZ815_UK");
    QVERIFY(window().load());
    window().show();
    window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window()));
    QCOMPARE(f->ws().model.groups[2].label, std::string("UK"));
  }
  void cleanup() {
    f.reset();
    dir.reset();
  }

  void commonSetupShowsTheSettingsInItsThreeSections() {
    QVERIFY(!f->ws().flags.DataChanged);
    select("Common");
    QCOMPARE(editor().panels()->currentWidget()->objectName(), QString("pictCommon"));
    // Usable groups and priority channels; the EXP group has none.
    const QStringList usable = Members("chkUsable", 4);
    QCOMPARE(TextsOf(window(), usable), QStringList({"USA", "INT", "UK", "EXP"}));
    QCOMPARE(CheckedOf(window(), usable), usable.mid(0, 3));
    QCOMPARE(TextsOf(window(), {"lblPri", "lblUsablePri[2]", "cmbUsablePri[0]", "cmbUsablePri[1]"}),
             QStringList({"Priority CH", "CAN", "16", "09"}));
    // Which entries the lists offer, in what words, is the channel groups' and the common
    // options' tests; here the lists show them and the values.
    QCOMPARE(Items(list("cmbUsablePri", 0)), QStringList({"06", "16", "72"}));
    QCOMPARE(TextsOf(window(), {"cmbCommonScan", "cmbCommonResume", "cmbCommonModeSelect"}),
             QStringList({"On", "3Sec", "TW"}));
    QCOMPARE(VisibleOf(window(), {"cmbUsablePri[3]", "pictCommonWeater", "cmbCommonDual"}),
             QStringList());
    QCOMPARE(list("cmbCommonDual")->count(), 2);
    // ATIS.
    const QStringList atisGroups = Members("chkATISChGroup", 4);
    QCOMPARE(TextsOf(window(), atisGroups.mid(0, 3)), QStringList({"USA", "INT", "UK"}));
    QCOMPARE(CheckedOf(window(), atisGroups), QStringList({atisGroups[0], atisGroups[2]}));
    QCOMPARE(VisibleOf(window(), atisGroups), atisGroups.mid(0, 3));
    QCOMPARE(TextsOf(window(),
                     {"pictATIS_2", "cmbAtisMode", "txtATIScode", "txtACount", "cmdAtisClear"}),
             QStringList({"ATIS Function", "Normal", "", "2", "ATIS Clear"}));
    QCOMPARE(EnabledOf(window(), {"txtATIScode", "lblATISCode"}),
             QStringList({"txtATIScode", "lblATISCode"}));

    // The focused control's hint; the code box selects its whole text.
    const std::pair<QWidget*, const char*> hints[] = {
        {list("cmbCommonScan"), "[Up]/[Down]:Change of a Selection item."},
        {list("cmbUsablePri", 0), "[Up]/[Down]:Change of a Selection item."},
        {box("chkUsable", 1), "[Space]:An effective and invalid change."},
        {box("chkATISChGroup", 0), "[Space]:An effective and invalid change."},
        {list("cmbAtisMode"), "[Up]/[Down]:Change of a Selection item."},
        {code(), "Numeric Only. Indispensable 10 figures."}};
    for (const auto& [widget, hint] : hints) {
      focus(widget);
      QCOMPARE(window().hint(), QString(hint));
    }
  }

  void showingAPageChangesDataOnlyWhenAPriorityIsReplaced() {
    select("Common");
    // INT's priority channel 5 is none of its two channels: the first takes its place.
    QCOMPARE(f->ws().model.groups[1].priorityChannel, 1);
    QVERIFY(f->ws().flags.DataChanged);
    // CAN has no channel to offer and keeps its priority.
    QCOMPARE(f->ws().model.groups[2].priorityChannel, 32);
    f->ws().flags.DataChanged = false;
    const SettingsModel before = f->ws().model;
    for (const char* key : {"General", "Common", "PW", "Common"}) select(key);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(f->ws().model, before);
    // Which priorities are replaced, and by what, is the channel groups' test.
  }

  void scanAndWatchGovernTheirListsAndKeepTheirValues() {
    const CommonSetup start = f->ws().model.common;
    select("Common");
    const QList<ConnectorLine*> lines = window().findChildren<ConnectorLine*>("linScan");
    QCOMPARE(lines.size(), 3);
    auto* watchLine = control<ConnectorLine>("linDwtw");
    const QColor on = watchLine->palette().color(QPalette::Active, QPalette::WindowText);
    const QStringList mode = {"cmbCommonModeSelect", "lblCommonModeSelect"};
    const QStringList scanControls = {"cmbCommonResume", "cmbCommonPTTSCAN", "lblCommonResume",
                                      "lblCommonPTTSCAN"};
    QCOMPARE(EnabledOf(window(), mode), QStringList());  // DW/TW is off
    QVERIFY(watchLine->colour() != on);

    f->ws().flags.DataChanged = false;
    Choose(list("cmbCommonScan"), "Off");
    QVERIFY(!f->ws().model.common.scan);
    QVERIFY(f->ws().flags.DataChanged);
    QCOMPARE(EnabledOf(window(), scanControls), QStringList());
    for (ConnectorLine* line : lines) QVERIFY(line->colour() != on);
    QCOMPARE(list("cmbCommonResume")->currentText(), QString("3Sec"));
    QCOMPARE(f->ws().model.common.resumeTime, 3);
    Choose(list("cmbCommonScan"), "On");
    QCOMPARE(EnabledOf(window(), scanControls), scanControls);
    QCOMPARE(list("cmbCommonResume")->currentText(), QString("3Sec"));
    for (ConnectorLine* line : lines) QCOMPARE(line->colour(), on);

    Choose(list("cmbCommonDWTW"), "On");
    QVERIFY(f->ws().model.common.dualWatch);
    QCOMPARE(EnabledOf(window(), mode), mode);
    QCOMPARE(watchLine->colour(), on);
    Choose(list("cmbCommonModeSelect"), "DW");
    Choose(list("cmbCommonResume"), "5Sec");
    Choose(list("cmbCommonPTTSCAN"), "On");
    Choose(list("cmbCommonWeater"), "On Scan");
    CommonSetup expected = start;
    expected.scan = expected.pttScanClear = expected.dualWatch = true;
    expected.resumeTime = 5;
    expected.weatherAlert = 2;
    expected.modeSelect = 0;
    QCOMPARE(f->ws().model.common, expected);

    // "Dual Watch" stores nothing: core SetupEdits.DualWatchAndRowsWithoutARecordStoreNothing.
    f->ws().flags.DataChanged = false;
    // A stored value without an entry: core CommonOptions.AStoredValueWithoutAnEntry...
  }

  void untickingAGroupTakesItFromTheTreeAndTheAtisSection() {
    select("Common");
    QVERIFY(TreeTexts(editor().tree()).contains("Group2(INT)"));
    f->ws().flags.DataChanged = false;
    box("chkUsable", 1)->click();
    QVERIFY(!f->ws().model.groups[1].usable);
    QVERIFY(f->ws().flags.DataChanged);
    QVERIFY(!TreeTexts(editor().tree()).contains("Group2(INT)"));  // the nodes: core NavigationTree
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("Common Setup"));
    QCOMPARE(EnabledOf(window(),
                       {"cmbUsablePri[1]", "lblUsablePri[1]", "chkATISChGroup[1]", "txtATIScode"}),
             QStringList({"txtATIScode"}));
    QCOMPARE(f->ws().model.groups[1].priorityChannel, 1);  // the priority stays

    box("chkUsable", 3)->click();
    QVERIFY(TreeTexts(editor().tree()).contains("EXP Channel(EXP)"));
    for (int g : {0, 2, 3}) {
      if (box("chkUsable", g)->isChecked()) box("chkUsable", g)->click();
    }
    QCOMPARE(EnabledOf(window(), Members("chkATISChGroup", 4) << "txtATIScode"
                                                              << "lblATISCode"),
             QStringList());
    // The ATIS groups themselves are kept.
    QCOMPARE(f->ws().model.atis.groups, (std::array<bool, 4>{true, false, true, false}));

    box("chkUsable", 1)->click();
    QVERIFY(box("chkATISChGroup", 1)->isEnabled());
    box("chkATISChGroup", 1)->click();
    QCOMPARE(f->ws().model.atis.groups, (std::array<bool, 4>{true, true, true, false}));
    Choose(list("cmbAtisMode"), "Special");
    QCOMPARE(f->ws().model.atis.mode, 1);
  }

  void atisCodeIsTenDigitsOrNone() {
    f->ws().model.atis.code = "3660000001";
    select("Common");
    QCOMPARE(code()->text(), QString("3660000001"));
    focus(code());
    QCOMPARE(code()->selectedText(), QString("3660000001"));

    // Five digits and a move to another control: refused, the focus stays.
    f->ws().flags.DataChanged = false;
    type(code(), "12345");
    QVERIFY(f->ws().flags.DataChanged);
    QTest::keyClick(code(), Qt::Key_Tab);
    QCOMPARE(f->prompter().texts(), std::vector<std::string>{"Data Error!!"});
    QCOMPARE(LastBox(f->prompter()).title, std::string("ATISNo"));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    QVERIFY(code()->hasFocus());
    QCOMPARE(f->ws().model.atis.code, std::string("3660000001"));
    // A click on another list is not carried out.
    QTest::mouseClick(list("cmbAtisMode"), Qt::LeftButton);
    QCOMPARE(f->prompter().boxes.size(), 2u);
    QVERIFY(code()->hasFocus());
    QVERIFY(QApplication::activePopupWidget() == nullptr);
    // Another node, or a command on the whole data set, first asks the box.
    select("PR");
    QCOMPARE(f->prompter().boxes.size(), 3u);
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("Common Setup"));
    window().fileSaveAs();
    QCOMPARE(f->prompter().boxes.size(), 4u);
    QVERIFY(f->dialogs.folders.isEmpty());

    // Towards "ATIS Clear" the stored code comes back without a word.
    focus(control<QPushButton>("cmdAtisClear"));
    QCOMPARE(code()->text(), QString("3660000001"));
    QCOMPARE(f->prompter().boxes.size(), 4u);
    QVERIFY(window().validateBeforeLeave());

    // Only digits get in, pasted or dropped (typed: below; which ones: core AtisCode).
    focus(code());
    QTest::keyClick(code(), Qt::Key_Backspace);
    QGuiApplication::clipboard()->setText(" 2359876543 ");
    code()->paste();
    QCOMPARE(code()->text(), QString("2359876543"));
    // Ten digits that are no ATIS code (it begins with 9 and a country code): a warning, and
    // the focus stays unless the user keeps the code.
    QTest::keyClick(code(), Qt::Key_Tab);
    QCOMPARE(f->prompter().boxes.size(), 5u);
    const RecordingPrompter::Box warning = LastBox(f->prompter());
    QVERIFY(warning.question);
    QCOMPARE(warning.title, std::string("ATISNo"));
    QCOMPARE(warning.icon, Icon::Exclamation);
    QCOMPARE(warning.buttons, Buttons::YesNo);
    QCOMPARE(warning.defaultAnswer, Answer::No);
    QVERIFY(warning.text.ends_with("Keep this code?"));
    QVERIFY(code()->hasFocus());
    QCOMPARE(f->ws().model.atis.code, std::string("3660000001"));
    f->prompter().plan(Answer::Yes);
    QTest::keyClick(code(), Qt::Key_Tab);
    QCOMPARE(f->ws().model.atis.code, std::string("2359876543"));
    QCOMPARE(f->prompter().boxes.size(), 6u);

    focus(code());
    QTest::keyClick(code(), Qt::Key_Backspace);
    QMimeData dragged;
    dragged.setText("92-11 23\t45x67");
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(code(), &enter);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(code(), &drop);
    QCOMPARE(code()->text(), QString("9211234567"));
    QVERIFY(window().validateBeforeLeave());
    QCOMPARE(f->ws().model.atis.code, std::string("9211234567"));

    // Deleting the whole code stores none.
    focus(code());
    code()->selectAll();
    QTest::keyClick(code(), Qt::Key_Backspace);
    focus(list("cmbAtisMode"));
    QCOMPARE(f->ws().model.atis.code, std::string());
    QCOMPARE(f->prompter().boxes.size(), 6u);

    // A key that does not get in is no change.
    f->ws().flags.DataChanged = false;
    focus(code());
    type(code(), "x");
    QVERIFY(!f->ws().flags.DataChanged);

    // Refused, corrected, and the focus moves on: the settings hold the correction.
    ChangeLog log(f->ws());
    type(code(), "921");
    QTest::keyClick(code(), Qt::Key_Tab);
    QCOMPARE(LastBox(f->prompter()).text, std::string("Data Error!!"));
    code()->end(false);
    type(code(), "1234567");
    QTest::keyClick(code(), Qt::Key_Tab);
    QVERIFY(!code()->hasFocus());
    QCOMPARE(f->ws().model.atis.code, std::string("9211234567"));
    QCOMPARE(log.steps(), std::vector<std::string>{"Change ATIS Code"});
  }

  void aRegionChoiceAsksTheTypedCodeFirst() {
    f->ws().model.atis.code = "3660000001";
    select("Common");
    focus(code());
    type(code(), "92112");
    const SettingsModel model = f->ws().model;
    const MemoryImage image = f->ws().image;
    QAction* uk = window().menus().destinations[0];
    QAction* usa = window().menus().destinations[1];
    QCOMPARE(usa->text(), QString("QZ815_USA"));

    // Another destination, or the checked one again: refused as leaving the box is, with no
    // question and no change of the data, the menu or the page.
    for (QAction* entry : {usa, uk}) {
      entry->trigger();
      QCOMPARE(LastBox(f->prompter()).text, std::string("Data Error!!"));
      QCOMPARE(LastBox(f->prompter()).title, std::string("ATISNo"));
    }
    QCOMPARE(f->prompter().boxes.size(), 2u);
    QCOMPARE(f->ws().model, model);
    QCOMPARE(f->ws().image.bytes(), image.bytes());
    QVERIFY(f->ws().flags.DataChanged);
    QVERIFY(uk->isChecked());
    QVERIFY(!usa->isChecked());
    QVERIFY(f->host.pauses.empty());
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("Common Setup"));
    QVERIFY(code()->hasFocus());
    QCOMPARE(code()->text(), QString("92112"));

    // Completed, the code is taken and the question comes.
    code()->end(false);
    type(code(), "34567");
    f->prompter().plan(Answer::Cancel);
    usa->trigger();
    QCOMPARE(f->ws().model.atis.code, std::string("9211234567"));
    QCOMPARE(LastBox(f->prompter()).text, std::string("Do you want to change to QZ815_USA?"));
    QVERIFY(uk->isChecked());
  }

  void atisClearAgainstTheDemoRadio() {
    f->ws().model.atis.code = "3660000001";
    f->prompter().plan(Answer::Yes);  // the demo radio takes its first code
    QVERIFY(transfer(TransferMode::Program).done());
    QVERIFY(window().demoRadio() != nullptr);
    QCOMPARE(DecodeDigits(window().demoRadio()->memory(), addr::AtisCode),
             std::string("3660000001"));
    select("Common");
    f->ws().flags.DataChanged = false;
    ChangeLog log(f->ws());
    // A half-typed code gives way to the clear without a message.
    focus(code());
    type(code(), "12");
    WhenModalOpens<TransferDialog>(PressOk);
    QTest::mouseClick(control<QPushButton>("cmdAtisClear"), Qt::LeftButton);
    QCOMPARE(f->prompter().boxes.size(), 3u);
    QCOMPARE(f->prompter().texts()[1], std::string(kVerified));
    QCOMPARE(LastBox(f->prompter()).text, std::string(kVerified));
    QCOMPARE(LastBox(f->prompter()).title, std::string("Clear ATIS Data"));
    QCOMPARE(code()->text(), QString());
    QCOMPARE(f->ws().model.atis.code, std::string());
    QVERIFY(window().demoRadio()->memory().allFF(addr::AtisCode, addr::AtisCodeLength));
    QCOMPARE(control<QLineEdit>("txtACount")->text(),
             QString::number(f->ws().image.at(addr::AtisCount)));
    QCOMPARE(window().demoRadio()->memory().at(addr::AtisCount), f->ws().image.at(addr::AtisCount));
    QVERIFY(f->ws().flags.DataChanged);
    // One step, a change to save (what the step holds: core ChangeReport).
    QCOMPARE(log.steps(), std::vector<std::string>{"ATIS Clear"});
  }

  void weatherPageShowsTheRecordsItHolds() {
    select("PW");
    QCOMPARE(editor().panels()->currentWidget()->objectName(), QString("pictD"));
    QCOMPARE(control<QLabel>("lblWX", 9)->text(), QString("WX10[163.275MHz]"));
    const QStringList enables = Members("chkDEnable", 10);
    const QStringList scans = Members("chkDScan", 10);
    QCOMPARE(CheckedOf(window(), enables + scans), enables);
    QCOMPARE(EnabledOf(window(), scans), scans);

    // The box with the focus shows ">" and the hint of its column.
    focus(box("chkDScan", 2));
    QCOMPARE(box("chkDScan", 2)->text(), QString(">"));
    QCOMPARE(window().hint(), QString("[Space]:An effective and invalid change."));
    box("chkDScan", 2)->click();
    QVERIFY(f->ws().model.CHWX[2].scanMemory);
    focus(box("chkDEnable", 2));
    QCOMPARE(box("chkDScan", 2)->text(), QString(" "));
    QCOMPARE(window().hint(), QString("Select[x]Enable/[]Disable."));
    f->ws().flags.DataChanged = false;
    box("chkDEnable", 2)->click();
    QVERIFY(!f->ws().model.CHWX[2].enabled);
    QVERIFY(f->ws().flags.DataChanged);
    QVERIFY(!box("chkDScan", 2)->isEnabled());
    QVERIFY(box("chkDScan", 2)->isChecked());
    QVERIFY(f->ws().model.CHWX[2].scanMemory);  // kept while the channel is off

    // Five records: the other rows are empty and take no click.
    while (f->ws().model.CHWX.size() > 5) f->ws().model.CHWX.erase(f->ws().model.CHWX.size() - 1);
    editor().refreshCurrentNode();
    for (int k = 5; k < 10; ++k) box("chkDEnable", k)->click();
    QCOMPARE(f->ws().model.CHWX.size(), 5);
    QCOMPARE(EnabledOf(window(), enables + scans),
             enables.mid(0, 5) + QStringList({scans[0], scans[1], scans[3], scans[4]}));
    QCOMPARE(CheckedOf(window(), enables),
             QStringList({enables[0], enables[1], enables[3], enables[4]}));
    // Which rows show ticks: core WeatherRows.EveryRowShowsItsChannelAndOnlyHeldRecords...
  }

  void resetsKeepTheTemplatesAtisGroupsAndReportOneStep() {
    select("Common");
    ChangeLog log(f->ws());
    window().resetEditor(gui::MainWindow::EditorReset::NewDataSet);  // what New runs
    QCOMPARE(f->ws().model.atis.groups, (std::array<bool, 4>{true, false, true, false}));
    QVERIFY(!box("chkATISChGroup", 0)->isChecked());  // the page is empty until shown
    QVERIFY(log.reports.empty());                     // emptying the pages is no change
    f->recorder.plan(Answer::Ok);
    const QList<QAction*> destinations = FindActions(window(), "mnuDestinationChild");
    QCOMPARE(destinations[1]->text(), QString("QZ815_USA"));
    window().chooseDestination(1);
    QCOMPARE(f->ws().model.atis.groups, (std::array<bool, 4>{false, true, false, false}));
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(log.steps(), std::vector<std::string>{"Region QZ815_USA"});
    QCOMPARE(log.reports[0].kind, StepKind::Load);
    const auto& replaced = std::get<DataSetChange>(log.reports[0].changes.at(0));
    QCOMPARE(replaced.after.model, f->ws().model);
    QCOMPARE(replaced.before.model.groups[2].label, std::string("UK"));
    select("Common");
    QVERIFY(box("chkATISChGroup", 1)->isChecked());
  }

  void aRefusedFileChangesNothing() {
    // An accepted file starts the editor again, with the weather list the file carries.
    select("PW");
    box("chkDEnable", 0)->click();
    const QString saved = QString::fromStdString((*dir / "boat.dat").string());
    f->dialogs.planned << saved;
    window().fileSaveAs();
    f->dialogs.planned << saved;
    window().fileOpen();
    QCOMPARE(QString::fromStdString(f->ws().documentPath), saved);
    QVERIFY(!f->ws().model.CHWX[0].enabled);
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("General"));

    // A refused one changes nothing at all.
    select("PW");
    box("chkDScan", 3)->click();
    select("Common");
    const SettingsModel model = f->ws().model;
    const QString title = window().windowTitle();
    const QStringList tree = TreeTexts(editor().tree());
    const int node = editor().state().currentNode;

    ChangeLog log(f->ws());
    const auto refused = *dir / "other.dat";
    WriteBytes(refused, "[MAIN]\r\nMODELTYPE=2\r\nREGION=1\r\n");
    f->dialogs.planned << QString::fromStdString(refused.string());
    window().fileOpen();
    // The first line is the refusal; the next names the file and why.
    QVERIFY(LastBox(f->prompter()).text.rfind("ModelType Error !!\r\n" + refused.string(), 0) == 0);
    QCOMPARE(f->ws().model, model);
    QVERIFY(f->ws().model.CHWX[3].scanMemory);
    QCOMPARE(QString::fromStdString(f->ws().documentPath), saved);
    QCOMPARE(window().windowTitle(), title);
    QCOMPARE(TreeTexts(editor().tree()), tree);
    QCOMPARE(editor().state().currentNode, node);
    QCOMPARE(TextOf(editor().tree()->currentItem()), QString("Common Setup"));
    QCOMPARE(editor().panels()->currentWidget()->objectName(), QString("pictCommon"));
    QVERIFY(editor().panels()->currentWidget()->isEnabled());
    QCOMPARE(list("cmbCommonScan")->currentText(), QString("On"));
    QVERIFY(log.reports.empty());
  }

  void everySettingSurvivesProgrammingAndReadingTheRadio() {
    ChangeLog log(f->ws());  // runTransfer and resetEditor are no commands: the choices are steps
    select("Common");
    box("chkUsable", 1)->click();  // INT off
    box("chkUsable", 3)->click();  // EXP on
    Choose(list("cmbUsablePri", 0), "72");
    Choose(list("cmbCommonResume"), "5Sec");
    Choose(list("cmbCommonPTTSCAN"), "On");
    Choose(list("cmbCommonScan"), "Off");
    Choose(list("cmbCommonDWTW"), "On");
    Choose(list("cmbCommonModeSelect"), "DW");
    Choose(list("cmbCommonWeater"), "Wx and Scan");  // kept out of sight, stored all the same
    box("chkATISChGroup", 0)->click();
    Choose(list("cmbAtisMode"), "Special");
    focus(code());
    type(code(), "9230000001");
    select("PW");
    box("chkDEnable", 1)->click();
    box("chkDScan", 4)->click();
    box("chkDScan", 9)->click();
    const SettingsModel programmed = f->ws().model;
    QCOMPARE(programmed.atis.code, std::string("9230000001"));
    QCOMPARE(programmed.groups[0].priorityChannel, 3);
    QCOMPARE(programmed.common.weatherAlert, 3);

    f->prompter().plan(Answer::Yes);  // the demo radio takes its first code
    QVERIFY(transfer(TransferMode::Program).done());
    window().resetEditor(gui::MainWindow::EditorReset::NewDataSet);
    QVERIFY(f->ws().model != programmed);
    QVERIFY(transfer(TransferMode::Read).done());
    QCOMPARE(f->ws().model, programmed);
    QCOMPARE(f->prompter().boxes.size(), 3u);
    QCOMPARE(f->prompter().texts()[1], std::string(kVerified));
    QCOMPARE(f->prompter().texts()[2], std::string("Complete!!"));
    // Every choice was one step through the core, after the page's correction of a priority.
    QCOMPARE(log.steps().size(), 16u);

    // And the pages show them.
    select("Common");
    QCOMPARE(list("cmbUsablePri", 0)->currentText(), QString("72"));
    QCOMPARE(list("cmbCommonResume")->currentText(), QString("5Sec"));
    QVERIFY(!list("cmbCommonResume")->isEnabled());
    QCOMPARE(code()->text(), QString("9230000001"));
    select("PW");
    QVERIFY(!box("chkDEnable", 1)->isChecked());
    QVERIFY(box("chkDScan", 9)->isChecked());
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
    f.reset();
    dir = std::make_unique<TempDir>();
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

QTEST_MAIN(SetupAndTransferTest)
#include "setup_and_transfer_test.moc"
