// Opening channel data files from outside the Open dialog: the file named on the command line,
// a file dropped on the window, and the recent files of the File menu. Each must end exactly
// as File > Open ends with the same file.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "gui_test_support.h"
#include "image/channel_tables.h"
#include "image/memory_map.h"
#include "image/regions.h"

using namespace tpw;
using namespace tpw::test;

namespace {

// What the user sees and keeps after opening a file.
struct Seen {
  std::vector<std::string> messages;
  std::vector<int> usaPositions;
  QString title;
  bool dataChanged = false;
  bool operator==(const Seen&) const = default;
};

QString Path(const std::filesystem::path& path) {
  return QString::fromStdString(path.string());
}

QStringList VisibleCaptions(const QList<QAction*>& actions) {
  QStringList captions;
  for (QAction* a : actions) {
    if (a->isVisible()) captions << a->text();
  }
  return captions;
}

}  // namespace

class FileOpeningTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;

  std::unique_ptr<GuiFixture> started() {
    auto f = std::make_unique<GuiFixture>(dir->path());
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}};
    if (!f->window->load()) return nullptr;
    return f;
  }
  // A data file whose USA group holds the channel at position, saved by the program itself.
  QString savedDataFile(const std::string& name, int position) {
    auto f = started();
    f->ws().model.CHUSA.clear();
    f->ws().model.CHUSA.append(ChannelRecord{static_cast<std::int16_t>(position), true});
    const QString path = Path(*dir / name);
    f->dialogs.planned << path;
    f->window->fileSaveAs();
    return path;
  }
  static Seen SeenAfter(GuiFixture& f) {
    Seen outcome{f.prompter().texts(), {}, f.window->windowTitle(), f.ws().flags.DataChanged};
    for (const ChannelRecord& record : f.ws().model.CHUSA) {
      outcome.usaPositions.push_back(record.position);
    }
    return outcome;
  }
  // The outcome of File > Open with the file chosen in the dialog.
  Seen throughTheDialog(const QString& path) {
    auto f = started();
    f->dialogs.planned << path;
    f->window->fileOpen();
    return SeenAfter(*f);
  }
  QList<QAction*> recentEntries(GuiFixture& f) { return FindActions(*f.window, "mnuFileRecent"); }

 private slots:
  void init() {
    dir = std::make_unique<TempDir>();
    WriteBytes(*dir / "global.ini", kOneModel);
    // Lists no longer than a radio's, so a data file saved from it reads back without a warning.
    MemoryImage image = WithRadioListLengths(ValidImage(UsaRegion));
    image.set(addr::UsableGroups, 0x80);
    WriteBytes(*dir / "QZ815_USA_012D.ini", ImageAsString(image));
  }
  void cleanup() { dir.reset(); }

  void givenFileEndsAsFileOpen() {
    const QString good = savedDataFile("boat.dat", 7);
    const QString refused = Path(*dir / "other.dat");
    WriteBytes(refused.toStdString(), "[MAIN]\r\nMODELTYPE=2\r\nREGION=255\r\n");
    const QString missing = Path(*dir / "gone.dat");

    for (const QString& path : {good, refused, missing}) {
      auto f = started();
      f->window->openFile(path);
      QCOMPARE(SeenAfter(*f), throughTheDialog(path));
    }
    auto f = started();
    f->window->openFile(good);
    QCOMPARE(SeenAfter(*f).usaPositions, std::vector<int>{7});
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - boat.dat"));
    f->window->openFile(refused);
    // The refusal's words are the data file's (its tests check them).
    QVERIFY(
        LastBox(f->prompter()).text.starts_with("ModelType Error !!\r\n" + refused.toStdString()));
    QCOMPARE(SeenAfter(*f).usaPositions, std::vector<int>{7});  // the refused file changed nothing
    QVERIFY(f->dialogs.folders.isEmpty());                      // and no dialog was shown
  }

  // A hand-edited file opens as before; what it holds that the radio cannot is listed in one
  // warning, and the file is the window's document.
  void handEditedFileOpensWithOneWarning() {
    const QString edited = Path(*dir / "edited.dat");
    WriteBytes(edited.toStdString(),
               "[MAIN]\r\nMODELTYPE=1\r\nREGION=255\r\n[CHUSA1]\r\nPosition=200\r\n"
               "[CHUSA2]\r\nPosition=7\r\n");
    auto f = started();
    f->window->openFile(edited);
    // The words of the warning are the data file's (its tests check them).
    QCOMPARE(f->prompter().boxes.size(), 1u);
    QVERIFY(
        LastBox(f->prompter()).text.starts_with(edited.toStdString() + " was opened, but not "));
    QCOMPARE(LastBox(f->prompter()).icon, Icon::Exclamation);
    QCOMPARE(SeenAfter(*f).usaPositions, (std::vector<int>{0, 7}));
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - edited.dat"));
  }

  void droppedDataFileOpens() {
    const QString good = savedDataFile("Drop.DAT", 9);
    auto f = started();
    QVERIFY(f->window->acceptDrops());
    QMimeData text;
    text.setUrls({QUrl::fromLocalFile(Path(*dir / "notes.txt"))});
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f->window.get(), &refused);
    QVERIFY(!refused.isAccepted());

    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(good)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f->window.get(), &enter);
    QVERIFY(enter.isAccepted());
    const Seen before = SeenAfter(*f);
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(f->window.get(), &drop);
    QCOMPARE(SeenAfter(*f), before);  // the file opens once the drop has returned
    QCoreApplication::sendPostedEvents();
    QCOMPARE(SeenAfter(*f), throughTheDialog(good));
    QCOMPARE(SeenAfter(*f).usaPositions, std::vector<int>{9});
  }

  void recentFilesKeepOrderLimitAndDropMissingOnes() {
    auto f = started();
    QVERIFY(!f->window->menus().recentSeparator->isVisible());
    for (int i = 1; i <= 9; ++i) {
      f->dialogs.planned << Path(*dir / ("boat" + std::to_string(i) + ".dat"));
      f->window->fileSaveAs();
    }
    QCOMPARE(VisibleCaptions(recentEntries(*f)),
             QStringList({"&1 boat9.dat", "&2 boat8.dat", "&3 boat7.dat", "&4 boat6.dat",
                          "&5 boat5.dat", "&6 boat4.dat", "&7 boat3.dat", "&8 boat2.dat"}));
    QCOMPARE(recentEntries(*f)[0]->toolTip(), Path(*dir / "boat9.dat"));
    QVERIFY(f->window->menus().recentSeparator->isVisible());
    // The order, the limit and where the next dialog opens are core RecentFiles' tests.

    // A file that is gone is dropped from the list with a message; nothing else changes.
    std::filesystem::remove(*dir / "boat5.dat");
    const QString title = f->window->windowTitle();
    recentEntries(*f)[4]->trigger();
    QCOMPARE(f->prompter().texts(),
             std::vector<std::string>{"The file\r\n" + (*dir / "boat5.dat").string() +
                                      "\r\nno longer exists and has been removed from the recent "
                                      "files. Open it with File > Open from where it is now."});
    QCOMPARE(f->window->windowTitle(), title);
    QCOMPARE(VisibleCaptions(recentEntries(*f)).size(), 7);
    QVERIFY(!VisibleCaptions(recentEntries(*f)).join(' ').contains("boat5"));
    QCOMPARE(f->settings.read("RecentFiles", "File5", ""), (*dir / "boat4.dat").string());

    // An entry opens its file as File > Open would and moves to the top.
    recentEntries(*f)[6]->trigger();  // boat2.dat
    QCOMPARE(f->window->windowTitle(), QString("TPW52  PC Program for QZ815 - boat2.dat"));
    QCOMPARE(VisibleCaptions(recentEntries(*f)).first(), QString("&1 boat2.dat"));
  }
};

QTEST_MAIN(FileOpeningTest)
#include "file_opening_test.moc"
