// Start-up and unload of the main window, the model and destination menus and the File
// commands, over a program folder made by the test.
#include <QCloseEvent>
#include <QMenu>
#include <QTest>

#include "gui_test_support.h"
#include "image/memory_map.h"
#include "image/regions.h"

using namespace tpw;
using namespace tpw::test;

namespace {

const char* kOneModelUsedByNumber = "[model1]\r\nuse=#1\r\natis=1\r\nwx=1\r\n";
const char* kTwoModels = "[model1]\r\nuse=1\r\nwx=1\r\n[model2]\r\nuse=1\r\n";

// A destination template: a valid image of the region, with one usable group holding a
// channel, so that a load shows in the tree.
void WriteTemplate(const TempDir& dir, const std::string& name, std::uint8_t region) {
  MemoryImage image = ValidImage(region);
  image.set(addr::UsableGroups, 0x80);  // group 0
  WriteBytes(dir / (name + "_012D.ini"), ImageAsString(image));
}

QStringList Visible(const QList<QAction*>& actions) {
  QStringList captions;
  for (QAction* a : actions) {
    if (a->isVisible()) captions << a->text() + (a->isChecked() ? "*" : "");
  }
  return captions;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<GuiFixture> f;

  void start(const char* globalIni, bool withTemplates = true) {
    if (globalIni != nullptr) WriteBytes(*dir / "global.ini", globalIni);
    if (withTemplates) {
      WriteTemplate(*dir, "QZ815_USA", 0xFF);
      WriteTemplate(*dir, "QZ815_UK", 1);
      WriteBytes(*dir / "QZ815_ZZ_012D.ini", "short");
    }
    f = std::make_unique<GuiFixture>(dir->path());
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}};
  }
  QList<QAction*> destinations() { return FindActions(*f->window, "mnuDestinationChild"); }
  // The destination entry with that caption, or a placeholder that does nothing.
  QAction* destination(const char* caption) {
    for (QAction* a : destinations()) {
      if (a->text() == caption) return a;
    }
    return FindAction(*f->window, QString::fromLatin1(caption));
  }
  // The text of a child of "Programmable Channel".
  QString programChildText(int row) {
    const QTreeWidgetItem* program = f->window->editor().tree()->topLevelItem(1);
    return TextOf(program != nullptr ? program->child(row) : nullptr);
  }

 private slots:
  void init() { dir = std::make_unique<TempDir>(); }
  void cleanup() {
    f.reset();
    dir.reset();
  }

  void noModelEndsTheProgram() {
    start(nullptr);
    QVERIFY(!f->window->load());
    QCOMPARE(f->prompter().texts(), std::vector<std::string>{"Unknown model!!"});
    QCOMPARE(f->prompter().boxes[0].icon, Icon::Critical);
  }

  void startsWithTheFirstDestinationAndRemembersIt() {
    start(kOneModelUsedByNumber);
    QVERIFY(f->window->load());
    QVERIFY(f->prompter().boxes.empty());  // what global.ini gives: core ShellConfig
    QVERIFY(f->window->menus().edit->menuAction()->isVisible());  // Undo and Redo
    QVERIFY(!f->window->menus().editModel->menuAction()->isVisible());
    QVERIFY(!f->window->menus().hexdump->isVisible());
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK*", "QZ815_USA", "QZ815_ZZ"}));
    QCOMPARE(f->settings.read("IniFilePath", "IniFileName_1", ""), std::string("QZ815_UK"));
    QCOMPARE(RegionOf(f->ws().image), 1);
    QCOMPARE(programChildText(0), QString("Group1(USA)"));
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815"));
    QVERIFY(!f->ws().flags.DataChanged);
  }

  void startsWithTheRememberedDestination() {
    start(kOneModelUsedByNumber);
    f->settings.write("IniFilePath", "IniFileName_1", "QZ815_USA");
    f->settings.write("Settings", "hexvisible", "1");
    f->ws().options.DebugMode = true;
    QVERIFY(f->window->load());
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK", "QZ815_USA*", "QZ815_ZZ"}));
    QCOMPARE(RegionOf(f->ws().image), UsaRegion);
    QVERIFY(f->window->menus().hexdump->isVisible());
    QVERIFY(f->window->menus().hexdump->isChecked());
    QCOMPARE(f->window->hexView()->count(), 130);
  }

  void destinationChoiceAsksAndReloads() {
    start(kOneModelUsedByNumber);
    QVERIFY(f->window->load());
    f->ws().flags.DataChanged = true;
    f->prompter().plan(Answer::Cancel);
    destination("QZ815_USA")->trigger();
    QCOMPARE(LastBox(f->prompter()).text, std::string("Do you want to change to QZ815_USA?"));
    QCOMPARE(LastBox(f->prompter()).buttons, Buttons::OkCancel);
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK*", "QZ815_USA", "QZ815_ZZ"}));
    QVERIFY(f->ws().flags.DataChanged);

    f->prompter().plan(Answer::Ok);
    destination("QZ815_USA")->trigger();
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK", "QZ815_USA*", "QZ815_ZZ"}));
    QCOMPARE(RegionOf(f->ws().image), UsaRegion);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(f->settings.read("IniFilePath", "IniFileName_1", ""), std::string("QZ815_USA"));

    const std::size_t asked = f->prompter().boxes.size();
    destination("QZ815_USA")->trigger();  // the checked entry reloads without a question
    QCOMPARE(f->prompter().boxes.size(), asked);
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK", "QZ815_USA*", "QZ815_ZZ"}));

    f->prompter().plan(Answer::Ok);
    destination("QZ815_ZZ")->trigger();  // a bad template
    // Why a template is refused is the destinations' test; here the refusal and its file.
    QVERIFY(
        LastBox(f->prompter())
            .text.starts_with("IniFileRead Error!!\r\n" + (*dir / "QZ815_ZZ_012D.ini").string()));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK", "QZ815_USA*", "QZ815_ZZ"}));
    QCOMPARE(f->settings.read("IniFilePath", "IniFileName_1", ""), std::string("QZ815_USA"));
  }

  void modelChoiceAsksAndStartsANewDataSet() {
    start(kTwoModels);
    QVERIFY(f->window->load());
    QVERIFY(f->window->menus().editModel->menuAction()->isVisible());
    const QList<QAction*> models = FindActions(*f->window, "mnuEditModelType");
    QCOMPARE(models.size(), 10);
    QCOMPARE(Visible(models), QStringList({"QZ815*", "Unknown model"}));
    // The remembered model is the first; the last offered one starts when none is remembered.
    QCOMPARE(f->ws().caps.ModelType, 1);

    models[0]->trigger();  // the current model: nothing
    QVERIFY(f->prompter().boxes.empty());
    f->prompter().plan(Answer::Cancel);
    models[1]->trigger();
    QCOMPARE(LastBox(f->prompter()).text,
             std::string("Do you want to program the Unknown model series?"));
    QCOMPARE(f->ws().caps.ModelType, 1);
    QCOMPARE(Visible(models), QStringList({"QZ815*", "Unknown model"}));

    f->prompter().plan(Answer::Ok);
    models[1]->trigger();
    QCOMPARE(f->ws().caps.ModelType, 2);
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for Unknown model"));
    QCOMPARE(Visible(models), QStringList({"QZ815", "Unknown model*"}));
    QCOMPARE(f->settings.read("Settings", "lastmodel", ""), std::string("2"));
    QVERIFY(f->window->newDataSetTimer()->isActive());
  }

  void saveOpenAndTheTitle() {
    start(kOneModelUsedByNumber);
    QVERIFY(f->window->load());
    f->ws().model.CHUSA.clear();
    f->ws().model.CHUSA.append(ChannelRecord{5, true});
    f->ws().flags.DataChanged = true;
    const QString path = QString::fromStdString((*dir / "Coast.DAT").string());

    QCOMPARE(f->window->fileSave(), Outcome::Cancelled);  // no document yet: Save As, cancelled
    QVERIFY(f->ws().flags.DataChanged);
    // No file yet: the dialog opens in the user's documents, never in the program's folder.
    QCOMPARE(f->dialogs.folders,
             QStringList({QString::fromStdString(f->documents.path().string())}));

    f->dialogs.planned << path;
    QCOMPARE(f->window->fileSave(), Outcome::Done);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - coast.dat"));
    const std::string saved = ReadBytes(path.toStdString());  // its text: core DataFile

    f->ws().model.CHUSA.clear();
    f->ws().flags.DataChanged = true;
    f->window->fileSave();  // to the document, without a dialog
    QCOMPARE(f->dialogs.folders.size(), 2);
    QVERIFY(ReadBytes(path.toStdString()) != saved);

    WriteBytes(path.toStdString(), saved);
    f->dialogs.planned << path;
    f->window->fileOpen();
    QCOMPARE(f->dialogs.folders.back(), QString::fromStdString(dir->path().string()));
    QCOMPARE(f->ws().model.CHUSA.size(), 1);
    QCOMPARE(f->ws().model.CHUSA[0].position, 5);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - coast.dat"));
    QCOMPARE(Visible(destinations()), QStringList({"QZ815_UK*", "QZ815_USA", "QZ815_ZZ"}));
  }

  void unloadAsksToSaveAndRecordsTheWindow() {
    start(kOneModelUsedByNumber);
    QVERIFY(f->window->load());
    f->window->show();
    f->ws().flags.DataChanged = true;

    f->prompter().plan(Answer::Cancel);
    QVERIFY(!f->window->close());
    QCOMPARE(LastBox(f->prompter()).text,
             std::string("KVX data has changed.\r\nDo you want to save changes?"));
    QCOMPARE(LastBox(f->prompter()).buttons, Buttons::YesNoCancel);
    QVERIFY(!f->settings.contains("Settings", "MainWidth"));

    f->prompter().plan(Answer::Yes);  // then the save dialog is cancelled
    QVERIFY(!f->window->close());
    QVERIFY(f->window->isVisible());

    const QString path = QString::fromStdString((*dir / "end.dat").string());
    f->dialogs.planned << path;
    f->prompter().plan(Answer::Yes);
    QVERIFY(f->window->close());
    QVERIFY(std::filesystem::exists(path.toStdString()));
    QCOMPARE(f->settings.read("Settings", "MainWidth", ""),
             std::to_string(f->window->frameGeometry().width() * 15));
    QVERIFY(f->settings.contains("Settings", "MainHeight"));

    f->window->show();
    f->ws().flags.DataChanged = true;
    f->prompter().plan(Answer::No);
    QVERIFY(f->window->close());
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
