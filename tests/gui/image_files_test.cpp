// The image files of the diagnostic mode: Ctrl+F3 saves the image, Ctrl+F2 opens one. A refused
// file changes nothing; an opened one replaces the data set as a read from the radio does.
#include <QTest>

#include "gui_test_support.h"
#include "image/memory_map.h"
#include "image/regions.h"

using namespace tpw;
using namespace tpw::test;

namespace {

constexpr int kUninterpreted = 0x0A5;  // a byte no setting covers

std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find("\r\n"));
}

// What a refused file must leave as it was.
struct DataSetView {
  std::string image;
  SettingsModel model;
  std::string documentPath;
  QString title;
  QString node;
  bool dataChanged = false;
  bool operator==(const DataSetView&) const = default;
};

}  // namespace

class ImageFilesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<GuiFixture> f;

  // Starts on the UK template, in the diagnostic mode or not.
  void start(bool debug) {
    f = std::make_unique<GuiFixture>(dir->path());
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}};
    f->settings.write("IniFilePath", "IniFileName_1", "QZ815_UK");
    f->ws().options.DebugMode = debug;
    QVERIFY(f->window->load());
    f->window->show();
    f->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
  }
  void press(Qt::Key key) { QTest::keyClick(f->window.get(), key, Qt::ControlModifier); }
  QString plan(const std::string& name) {
    const QString path = QString::fromStdString((*dir / name).string());
    f->dialogs.planned << path;
    return path;
  }
  DataSetView view() {
    return {ImageAsString(f->ws().image),
            f->ws().model,
            f->ws().documentPath,
            f->window->windowTitle(),
            TextOf(f->window->editor().tree()->currentItem()),
            f->ws().flags.DataChanged};
  }
  QString checkedDestination() {
    for (QAction* entry : FindActions(*f->window, "mnuDestinationChild")) {
      if (entry->isChecked()) return entry->text();
    }
    return QStringLiteral("(none)");
  }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    WriteBytes(*dir / "global.ini", kOneModel);
    WriteBytes(*dir / "QZ815_UK_012D.ini", ImageAsString(ValidImage(1)));
    WriteBytes(*dir / "QZ815_NL_012D.ini", ImageAsString(ValidImage(3)));
  }
  void cleanup() {
    f.reset();
    dir.reset();
  }

  void keysWorkOnlyInTheDiagnosticMode() {
    start(false);
    QVERIFY(!f->window->menus().openImage->isVisible());
    QVERIFY(!f->window->menus().saveImage->isVisible());
    plan("never.hex");
    press(Qt::Key_F2);
    press(Qt::Key_F3);
    f->window->openImageFile();
    f->window->saveImageFile();
    QVERIFY(f->dialogs.asked.isEmpty());
    QVERIFY(!std::filesystem::exists(*dir / "never.hex"));

    start(true);
    QVERIFY(f->window->menus().openImage->isVisible());
    QCOMPARE(f->window->menus().openImage->shortcut(), QKeySequence("Ctrl+F2"));
    QCOMPARE(f->window->menus().saveImage->shortcut(), QKeySequence("Ctrl+F3"));
    press(Qt::Key_F2);
    press(Qt::Key_F3);
    QCOMPARE(f->dialogs.asked, QStringList({"openImageFile", "saveImageFile"}));
    QVERIFY(f->prompter().boxes.empty());
  }

  void savedImageReopensByteForByte() {
    start(true);
    f->ws().image.set(kUninterpreted, 0x5A);
    f->ws().flags.DataChanged = true;
    const QString title = f->window->windowTitle();

    plan("first.hex");
    press(Qt::Key_F3);
    const std::string saved = ReadBytes(*dir / "first.hex");  // byte for byte: core SaveImageBytes
    QCOMPARE(saved, ImageAsString(f->ws().image));
    // Saving an image is not saving the document.
    QVERIFY(f->ws().flags.DataChanged);
    QCOMPARE(f->window->windowTitle(), title);
    QVERIFY(f->ws().documentPath.empty());

    const bool scan = f->ws().model.common.scan;
    f->ws().image.set(kUninterpreted, 0);
    f->ws().model.common.scan = !scan;
    f->window->editor().selectNodeByKey("Common");
    plan("first.hex");
    press(Qt::Key_F2);
    QVERIFY(f->prompter().boxes.empty());
    QCOMPARE(ImageAsString(f->ws().image), saved);
    QCOMPARE(f->ws().model.common.scan, scan);
    QVERIFY(!f->ws().flags.DataChanged);
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - first.hex"));
    QCOMPARE(TextOf(f->window->editor().tree()->currentItem()), QString("General"));

    plan("second.hex");
    press(Qt::Key_F3);
    QCOMPARE(ReadBytes(*dir / "second.hex"), saved);

    // File > Save never writes data file text over the image: it asks for a name.
    FindAction(*f->window, "mnuFileSave")->trigger();
    QCOMPARE(f->dialogs.asked.last(), QString("saveDataFile"));
    QCOMPARE(ReadBytes(*dir / "first.hex"), saved);
    plan("boat.dat");
    FindAction(*f->window, "tbToolBar_Save")->trigger();
    QCOMPARE(f->dialogs.asked.size(), 5);
    QCOMPARE(ReadBytes(*dir / "first.hex"), saved);
    QVERIFY(std::filesystem::exists(*dir / "boat.dat"));
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - boat.dat"));
    FindAction(*f->window, "mnuFileSave")->trigger();  // now the data file itself
    QCOMPARE(f->dialogs.asked.size(), 5);
  }

  void refusedImagesChangeNothing() {
    start(true);
    f->window->editor().selectNodeByKey("Common");
    f->ws().flags.DataChanged = true;
    const DataSetView before = view();

    // Which images are refused, and in what words, is the image file's own test; here each
    // way a refusal reaches the window.
    WriteBytes(*dir / "short.hex", std::string(2047, '\0'));
    WriteBytes(*dir / "usa.hex", ImageAsString(ValidImage(0x07)));
    WriteBytes(*dir / "nl.hex", ImageAsString(ValidImage(3)));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"short.hex", "bad file!!"},
        {"usa.hex", "Region Unmatched !!"},
        {"nl.hex", "The region is unmatched."},  // answered No
    };
    f->prompter().plan(Answer::No);  // to the region question
    for (const auto& [name, message] : cases) {
      plan(name);
      press(Qt::Key_F2);
      QCOMPARE(FirstLine(LastBox(f->prompter()).text), message);
      QCOMPARE(LastBox(f->prompter()).title, std::string("PC Program for QZ815"));
      QVERIFY2(view() == before, name.c_str());
    }
    QCOMPARE(f->prompter().boxes.size(), cases.size());
    QCOMPARE(checkedDestination(), QString("QZ815_UK"));
  }

  void acceptedRegionMovesTheDestination() {
    start(true);
    WriteBytes(*dir / "nl.hex", ImageAsString(ValidImage(3)));
    plan("nl.hex");
    f->prompter().plan(Answer::Yes);
    press(Qt::Key_F2);
    QCOMPARE(LastBox(f->prompter()).buttons, Buttons::YesNo);
    QCOMPARE(RegionOf(f->ws().image), 3);
    QCOMPARE(checkedDestination(), QString("QZ815_NL"));
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - nl.hex"));
  }
};

QTEST_MAIN(ImageFilesTest)
#include "image_files_test.moc"
