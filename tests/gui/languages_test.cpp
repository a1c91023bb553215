// The desktop application in each of its languages: the catalogues are loaded and complete
// where the user looks (menus, messages composed with a port or a code), access keys stay unique
// per menu, every text of every page and dialog shows whole, in every language and at the
// scale the suite runs at (it runs at 1 and at QT_SCALE_FACTOR=2), and what is drawn by hand
// takes its colours from the palette.
#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <QToolBar>

#include "adapters/translations/qt_translations.h"
#include "editor/channel_rows_text.h"
#include "files/channel_csv.h"
#include "files/data_file_reader.h"
#include "files/file_failure.h"
#include "gui/about/about_box.h"
#include "gui/editor/connector_line.h"
#include "gui/link/transfer_dialog.h"
#include "gui/link/write_changes_dialog.h"
#include "gui/report/comparison_window.h"
#include "gui/report/print_preview.h"
#include "gui/report/report_window.h"
#include "gui/shell/message_box_prompter.h"
#include "gui/shell/secondary_text.h"
#include "gui_test_support.h"
#include "image/atis_code.h"
#include "image/memory_map.h"
#include "image/regions.h"
#include "link/transfer_messages.h"
#include "sim/radio_simulator.h"

using namespace tpw;
using namespace tpw::test;

namespace {

const char* const kLanguages[] = {"en", "de", "nl", "fr"};

QString Describe(const QWidget* w) {
  return w->objectName() + QStringLiteral(" (") +
         QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(")");
}

// The size a text needs beside the size it got, or nothing when it shows whole.
std::optional<std::pair<QSize, QString>> Clipped(QWidget* w) {
  QSize need;
  QString text;
  if (auto* label = qobject_cast<QLabel*>(w)) {
    text = label->text();
    need = label->wordWrap()
               ? QSize(label->minimumSizeHint().width(), label->heightForWidth(label->width()))
               : label->sizeHint();
  } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
    text = button->text();
    need = button->sizeHint();
  } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
    text = frame->title();
    need = frame->minimumSizeHint();
  } else if (auto* list = qobject_cast<QComboBox*>(w)) {
    text = list->currentText();
    need = list->sizeHint();
  }
  if (text.isEmpty() || (need.width() <= w->width() && need.height() <= w->height())) return {};
  return std::pair{need, text};
}

// The texts of the windows looked at that do not show whole, one line each.
struct FitAudit {
  QString language;
  QStringList faults;
  int looked = 0;
  QStringList places;

  void look(const QString& where, QWidget* window) {
    places << where;
    // The layouts settle, those that texts set late asked for included.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QWidget* w : window->findChildren<QWidget*>()) {
      if (!w->isVisible()) continue;
      ++looked;
      if (const auto clipped = Clipped(w)) {
        faults << QStringLiteral("%1 %2: %3 \"%4\" needs %5x%6, has %7x%8")
                      .arg(language, where, Describe(w), clipped->second)
                      .arg(clipped->first.width())
                      .arg(clipped->first.height())
                      .arg(w->width())
                      .arg(w->height());
      }
    }
  }
};

// Runs look on the next modal dialog of type T once it is open, then closes it.
template <typename T>
void LookAtNextDialog(std::function<void(T&)> look) {
  WhenModalOpens<T>([look](T* dialog) {
    look(*dialog);
    if (dialog->isVisible()) dialog->done(QDialog::Rejected);
  });
}

// The entries of a menu that share an access key, as "key: first, second".
QStringList SharedAccessKeys(const QString& where, const QList<QAction*>& actions) {
  QHash<QString, QString> taken;
  QStringList shared;
  for (const QAction* action : actions) {
    if (!action->isVisible() || action->isSeparator()) continue;
    const QString key = QKeySequence::mnemonic(action->text()).toString();
    if (key.isEmpty()) continue;
    if (taken.contains(key)) {
      shared << QStringLiteral("%1: %2 shares %3 with %4")
                    .arg(where, action->text(), key, taken.value(key));
    }
    taken.insert(key, action->text());
  }
  return shared;
}

// How far apart two colours are, summed over the channels.
int Distance(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
         std::abs(a.blue() - b.blue());
}

// The colour of an image closest to wanted.
QColor Closest(const QImage& image, QColor wanted) {
  QColor best = image.pixelColor(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (Distance(image.pixelColor(x, y), wanted) < Distance(best, wanted)) {
        best = image.pixelColor(x, y);
      }
    }
  }
  return best;
}

}  // namespace

class LanguagesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TempDir> dir;
  std::unique_ptr<ProgramTranslations> translations;
  std::unique_ptr<GuiFixture> f;

  gui::MainWindow& window() { return *f->window; }

  // A window of the whole program in language, as `--lang` starts it.
  void start(const char* language) {
    f.reset();
    translations = std::make_unique<ProgramTranslations>();
    if (std::string_view(language) != "en") {
      QVERIFY2(translations->load(TPW52_DATA_DIR, language), language);
      translations->install();
    }
    f = std::make_unique<GuiFixture>(dir->path(), true);
    f->ws().options.DebugMode = true;  // the hex dump and the monitor line are shown too
    f->ports.entries = {{"/dev/ttyUSB0", "FT232R USB UART"}};
    QVERIFY(window().load());
    f->ws().caps.ScrambleSupported = true;
    f->ws().model.CHUSA.erase(0);  // room for NEW
    window().resize(window().width(), gui::MainWindowMinimum.height() + 200);
    window().show();
  }

  // Every page of the main window, the channel panel of both forms, and every dialog.
  void lookEverywhere(FitAudit& audit) {
    // The window opens wide enough that no page scrolls sideways, where the screen has room.
    const QScrollBar* sideways =
        RequiredControl<QScrollArea>(window(), "panelsArea")->horizontalScrollBar();
    const bool room = window().width() < window().screen()->availableGeometry().width();
    for (const TreeNode& node : window().editor().treeData().nodes) {
      window().editor().selectNodeByKey(QString::fromStdString(node.key));
      audit.look(QString::fromStdString(node.key), &window());
      if (room && sideways->maximum() > 0) audit.faults << audit.language + " scrolls sideways";
    }
    for (const char* key : {"PU", "PR"}) {
      for (const char* command : {"cmdBEdit", "cmdBNew"}) {
        window().editor().selectNodeByKey(QString::fromLatin1(key));
        RequiredControl<QPushButton>(window(), command)->click();
        audit.look(QStringLiteral("%1 %2").arg(key, command), &window());
        RequiredControl<QPushButton>(window(), "cmdCancel")->click();
      }
    }
    for (const TransferMode mode :
         {TransferMode::Read, TransferMode::Program, TransferMode::ClearAtis}) {
      LookAtNextDialog<gui::TransferDialog>([&audit](gui::TransferDialog& dialog) {
        audit.look(QStringLiteral("frmRadio"), &dialog);
      });
      window().runTransfer(mode);
    }
    LookAtNextDialog<gui::ReportWindow>(
        [&audit](gui::ReportWindow& report) { audit.look(QStringLiteral("frmPrn"), &report); });
    window().filePrintToFile();
    LookAtNextDialog<gui::PrintPreview>([&audit](gui::PrintPreview& preview) {
      audit.look(QStringLiteral("frmPreview"), &preview);
    });
    window().filePrintPreview();
    LookAtNextDialog<gui::AboutBox>(
        [&audit](gui::AboutBox& about) { audit.look(QStringLiteral("frmAbout"), &about); });
    window().helpAbout();
    // What a write read first would change, shown before the demo radio is programmed.
    window().menus().readFirst->setChecked(true);
    f->ws().model.CHWX[3].scanMemory = !f->ws().model.CHWX[3].scanMemory;
    LookAtNextDialog<gui::WriteChangesDialog>([&audit](gui::WriteChangesDialog& changes) {
      audit.look(QStringLiteral("frmWriteChanges"), &changes);
    });
    WhenModalOpens<gui::TransferDialog>([](gui::TransferDialog* dialog) {
      RequiredControl<QPushButton>(*dialog, "cmdOK")->click();
      if (dialog->isVisible()) dialog->pressCancel();
    });
    window().transferProgram();
    window().menus().readFirst->setChecked(false);
    // Test Connection's answer, in the message box that shows it.
    window().testConnection();
    LookAtNextDialog<QMessageBox>(
        [&audit](QMessageBox& box) { audit.look(QStringLiteral("Test Connection"), &box); });
    const RecordingPrompter::Box answer = f->prompter().boxes.back();
    gui::MessageBoxPrompter().message(answer.icon, answer.title, answer.text);
  }

 private slots:
  void initTestCase() {
    dir = std::make_unique<TempDir>();
    WriteBytes(*dir / "global.ini",
               "[model1]\r\nuse=1\r\natis=1\r\nwx=1\r\n[model2]\r\nuse=1\r\natis=1\r\nwx=1\r\n");
    MemoryImage image = sim::FactoryMemory(ValidImage(1));
    image.set(addr::UsableGroups, 0xF0);  // every group: every list has its node
    WriteBytes(*dir / "QZ815_UK_012D.ini", ImageAsString(image));
  }
  void cleanup() {
    f.reset();
    translations.reset();
  }

  // German menus and messages, the names in them as they came; English exactly as written.
  void eachCatalogueIsLoadedWhereTheUserLooks() {
    const std::string code = "1234567890";
    const QString port = QStringLiteral("/dev/ttyUSB0");
    struct Expected {
      const char* language;
      QStringList menus;
      QString atisQuestion;
      QString regionRefusal;
      QString fileRefusal;
    };
    // A save into a folder that is not there: the path's folder named inside the finding, its
    // letters as the system spells them (UTF-8).
    const std::string file = "/no/such/f\xC3\xB6lder/boat.dat";
    const std::string missingFolder = FileMessage(
        "FileSave Error!!", file,
        FileFailureFinding(file, std::make_error_code(std::errc::no_such_file_or_directory),
                           FileAction::Save));
    const QString usa = QString::fromStdString(RegionName(UsaRegion));
    const QString uk = QString::fromStdString(RegionName(1));
    const Expected expected[] = {
        {"en",
         {"&File", "&Edit", "&Transfer", "&Region", "&Options", "&Help"},
         QString::fromStdString(ImplausibleAtisCodeText(code)) +
             QStringLiteral("\nThe radio on %1 has no ATIS code yet and will take the code %2.\n"
                            "A radio takes its ATIS code only once: afterwards only ATIS Clear "
                            "removes it.\nProgram the radio with this code?")
                 .arg(port, QString::fromStdString(code)),
         QStringLiteral("Region Unmatched !!\nThe radio on %1 is of the region %2 and the PC's "
                        "data set of the region %3, and the USA region is never mixed with "
                        "another. Choose the region %2 first (the Region menu, or --destination "
                        "%2 on the command line), then try again. Nothing was read or written.")
             .arg(port, usa, uk),
         QString::fromStdString(missingFolder).replace(QStringLiteral("\r\n"), "\n")},
        {"de",
         {"&Datei", "&Bearbeiten", "&Übertragung", "&Region", "&Optionen", "&Hilfe"},
         QStringLiteral(
             "Der ATIS-Code %2 sieht nicht wie einer aus: ein ATIS-Code beginnt mit 9, gefolgt "
             "von der Ländernummer (201 bis 775) des Heimatlandes des Schiffes.\nDas Funkgerät "
             "an %1 hat noch keinen ATIS-Code und übernimmt den Code %2.\nEin Funkgerät "
             "übernimmt seinen ATIS-Code nur einmal: danach entfernt ihn nur ATIS löschen.\nDas "
             "Funkgerät mit diesem Code beschreiben?")
             .arg(port, QString::fromStdString(code)),
         QStringLiteral("Region passt nicht!\nDas Funkgerät an %1 gehört zur Region %2 und der "
                        "Datensatz auf dem PC zur Region %3, und die Region USA wird nie mit "
                        "einer anderen gemischt. Wählen Sie zuerst die Region %2 (im Menü Region "
                        "oder mit --destination %2 auf der Befehlszeile); versuchen Sie es dann "
                        "erneut. Es wurde nichts gelesen oder geschrieben.")
             .arg(port, usa, uk),
         QStringLiteral("Fehler beim Speichern der Datei!\n/no/such/földer/boat.dat: der Ordner "
                        "/no/such/földer existiert nicht. Legen Sie ihn an oder geben Sie einen "
                        "Pfad in einem anderen Ordner an.")},
    };
    for (const Expected& e : expected) {
      start(e.language);
      QStringList menus;
      for (const QAction* menu : window().menuBar()->actions()) menus << menu->text();
      QCOMPARE(menus, e.menus);

      gui::MessageBoxPrompter prompter;
      QStringList shown;
      const auto read = [&shown](QMessageBox* box) {
        shown << box->windowTitle() << box->text();
        box->done(QMessageBox::No);
      };
      WhenModalOpens<QMessageBox>(read);
      TransferQuestions(prompter, "Program to Radio", port.toStdString()).programNewAtisCode(code);
      WhenModalOpens<QMessageBox>(read);
      TransferResult refused{Outcome::Failed, TransferStep::Region};
      refused.regions = RegionRefusal{UsaRegion, 1};
      ShowMessages(prompter,
                   TransferEndMessages(refused, {TransferMode::Read, port.toStdString()}));
      WhenModalOpens<QMessageBox>(read);
      prompter.message(Icon::Critical, "PC Program for QZ815", missingFolder);
      QCOMPARE(shown.mid(1, 1), QStringList{e.atisQuestion});
      QCOMPARE(shown.mid(3, 1), QStringList{e.regionRefusal});
      QCOMPARE(shown.mid(5, 1), QStringList{e.fileRefusal});
      QCOMPARE(shown.first(), QCoreApplication::translate("Messages", "Program to Radio"));
    }
  }

  // The texts the core composes reach the window in German, the names in them as they came: a
  // step to undo, a refused paste and table row, a data file's warning, the window's title.
  void composedTextsAreTranslated() {
    start("de");
    window().editor().selectNodeByKey(QStringLiteral("Common"));
    auto* resume = RequiredControl<QComboBox>(window(), "cmbCommonResume");
    resume->setCurrentIndex(2);
    emit resume->activated(2);
    const ChannelCsvRead table = ReadChannelsCsv("List\r\nCHXX\r\n", f->ws().caps);
    // A key of the file keeps its name even where the window's label has the same words.
    SettingsModel model = f->ws().model;
    const std::vector<ReadingNote> notes = ReadDataFileSettings(
        ParseSectionTable("[Common Setup]\r\nResume Time=abc\r\n"), f->ws().caps, model);
    QCOMPARE(
        (QStringList{window().editActions().undo->text(),
                     TranslatedText(*ReadGridRowsText("ZZ", ListId::CHUSA, false).refusal),
                     TranslatedText(table.refused.at(0).text),
                     TranslatedText(ReadingWarning("/x/boat.dat", {notes.back()})),
                     window().windowTitle()}),
        (QStringList{
            "&R\u00fcckg\u00e4ngig: Suchlauf-Pause \u00e4ndern",
            "Zeile 1 (ZZ) kann nicht in CHUSA eingef\u00fcgt werden: ihr CH \u201eZZ\u201c ist "
            "kein Kanalname der Tabelle. Es wurde nichts eingef\u00fcgt; berichtigen Sie diese "
            "Zeile oder lassen Sie sie weg, und f\u00fcgen Sie dann erneut ein.",
            "Zeile 2: \u201eCHXX\u201c ist keine Kanalliste (CHUSA, CHINT, CHCAN, CHWX, "
            "CHRG, CHEXP)",
            "/x/boat.dat wurde ge\u00f6ffnet, aber nicht alles darin wurde so \u00fcbernommen, "
            "wie es geschrieben steht. Pr\u00fcfen Sie diese Einstellungen, bevor Sie das "
            "Funkger\u00e4t programmieren:\r\n[Common Setup] Resume Time=abc (Zeile 2): nicht eine "
            "ganze Zahl von 0 bis 255; als 2 belassen.",
            "TPW52  PC-Programm f\u00fcr QZ815"}));
  }

  // Options > Language keeps the choice for the next start and ticks it; the running window
  // keeps its language, as the menu says.
  void theLanguageMenuRemembersTheChoice() {
    start("en");
    const QList<QAction*> entries =
        FindActions(window(), QStringLiteral("mnuOptionsLanguageChild"));
    QStringList captions, ticked;
    for (const QAction* entry : entries) {
      captions << entry->text();
      if (entry->isChecked()) ticked << entry->text();
    }
    QCOMPARE(captions, (QStringList{"&System Language", "English", "Deutsch", "Nederlands",
                                    "Fran\u00e7ais"}));
    QCOMPARE(ticked, QStringList{"&System Language"});
    QCOMPARE(FindAction(window(), QStringLiteral("mnuOptionsLanguageNote"))->text(),
             QString("Takes effect after a restart"));
    entries[2]->trigger();
    QCOMPARE(f->settings.read("Settings", "Language", "?"), std::string("de"));
    QVERIFY(entries[2]->isChecked() && !entries[0]->isChecked());
    QCOMPARE(window().menuBar()->actions().first()->text(), QString("&File"));
    entries[0]->trigger();
    QCOMPARE(f->settings.read("Settings", "Language", "?"), std::string());
  }

  // Each menu's access keys are its own in every language: the menu bar's, each menu's, the
  // report window's.
  void accessKeysStayUniquePerMenu() {
    for (const char* language : kLanguages) {
      start(language);
      QStringList shared =
          SharedAccessKeys(QString::fromLatin1(language) + QStringLiteral(" menu bar"),
                           window().menuBar()->actions());
      for (const QMenu* menu : window().findChildren<QMenu*>()) {
        shared << SharedAccessKeys(
            QString::fromLatin1(language) + QLatin1Char(' ') + menu->objectName(), menu->actions());
      }
      gui::ReportWindow report(window().context(), f->dialogs, QString(), &window());
      for (const QMenu* menu : report.findChildren<QMenu*>()) {
        shared << SharedAccessKeys(QString::fromLatin1(language) + QStringLiteral(" frmPrn"),
                                   menu->actions());
      }
      for (const QString& pair : shared) qWarning().noquote() << pair;
      QCOMPARE(shared.size(), 0);
    }
  }

  // No label, button, frame title or list needs more room than it got.
  void everyTextShowsWholeInEveryLanguage() {
    QStringList faults;
    for (const char* language : kLanguages) {
      start(language);
      FitAudit audit{QString::fromLatin1(language), {}, 0};
      lookEverywhere(audit);
      QVERIFY(audit.looked > 300);
      QVERIFY(audit.places.contains("frmWriteChanges") && audit.places.contains("Test Connection"));
      faults << audit.faults;
    }
    for (const QString& fault : faults) qWarning().noquote() << fault;
    QCOMPARE(faults.size(), 0);
  }

  // Under a dark palette the connector lines, the grid's check marks and the softer texts are
  // drawn in the palette's light text, never in a dark fixed colour; toolbar icons have
  // pixels of their own at twice the size.
  void handDrawnItemsTakeThePalettesColours() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QPalette standard = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    start("en");
    window().editor().selectNodeByKey(QStringLiteral("Common"));
    QCoreApplication::processEvents();
    const QList<gui::ConnectorLine*> lines = window().findChildren<gui::ConnectorLine*>();
    QVERIFY(!lines.isEmpty());
    const QColor ink = DarkPalette().color(QPalette::WindowText);
    for (gui::ConnectorLine* line : lines) {
      if (!line->isVisible()) continue;
      const QColor drawn = Closest(line->grab().toImage(), line->colour());
      QVERIFY2(Distance(drawn, line->colour()) < 30, qPrintable(Describe(line)));
      QVERIFY(Distance(line->colour(), DarkPalette().color(QPalette::Window)) > 150);
    }
    window().editor().selectNodeByKey(QStringLiteral("PU"));
    QCoreApplication::processEvents();
    auto* grid = window().editor().listPanel()->grid();
    const QImage cells = grid->viewport()->grab().toImage();
    QVERIFY(Distance(Closest(cells, DarkPalette().color(QPalette::Text)), ink) < 30);
    const QColor soft = gui::SecondaryTextColour(DarkPalette());
    QVERIFY(Distance(soft, DarkPalette().color(QPalette::Window)) > 250);
    for (QAction* button : window().findChild<QToolBar*>(QStringLiteral("tbToolBar"))->actions()) {
      if (button->icon().isNull()) continue;
      // A scalable icon lists no sizes; a pixmap icon needs one of twice the size.
      const QSize size = window().findChild<QToolBar*>(QStringLiteral("tbToolBar"))->iconSize();
      const QList<QSize> drawn = button->icon().availableSizes();
      QVERIFY2(
          drawn.isEmpty() || std::any_of(drawn.begin(), drawn.end(),
                                         [size](QSize s) { return s.width() >= 2 * size.width(); }),
          qPrintable(button->objectName()));
    }
    QApplication::setPalette(standard);
  }
};

QTEST_MAIN(LanguagesTest)
#include "languages_test.moc"
