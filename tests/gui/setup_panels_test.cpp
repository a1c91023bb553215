// The Common Setup page (usable groups and priority channels, scanning and watch, ATIS) and
// the Weather page, on real widgets over a destination template, with the demo radio where a
// setting has to survive the radio.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDropEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

#include "gui/editor/connector_line.h"
#include "gui/link/transfer_dialog.h"
#include "gui_test_support.h"
#include "image/encodings.h"
#include "image/memory_map.h"
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

// What the setup pages edit, and what the radio keeps of it.
struct SetupSettings {
  std::array<bool, GroupCount> usable{};
  std::array<std::int32_t, 3> priority{};
  CommonSetup common;
  AtisSetup atis;
  std::vector<std::pair<bool, bool>> weather;
  bool operator==(const SetupSettings&) const = default;
};

SetupSettings SetupOf(const SettingsModel& model) {
  SetupSettings s;
  for (int g = 0; g < GroupCount; ++g) s.usable[g] = model.groups[g].usable;
  for (int g = 0; g < 3; ++g) s.priority[g] = model.groups[g].priorityChannel;
  s.common = model.common;
  s.atis = model.atis;
  for (const ChannelRecord& r : model.CHWX) s.weather.emplace_back(r.enabled, r.scanMemory);
  return s;
}

}  // namespace

class SetupPanelsTest : public QObject {
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

 private slots:
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
    const SetupSettings programmed = SetupOf(f->ws().model);
    QCOMPARE(programmed.atis.code, std::string("9230000001"));
    QCOMPARE(programmed.priority[0], 3);
    QCOMPARE(programmed.common.weatherAlert, 3);

    f->prompter().plan(Answer::Yes);  // the demo radio takes its first code
    QVERIFY(transfer(TransferMode::Program).done());
    window().resetEditor(gui::MainWindow::EditorReset::NewDataSet);
    QVERIFY(SetupOf(f->ws().model) != programmed);
    QVERIFY(transfer(TransferMode::Read).done());
    QCOMPARE(SetupOf(f->ws().model), programmed);
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
};

QTEST_MAIN(SetupPanelsTest)
#include "setup_panels_test.moc"
