// The main window's load and unload sequences and the model and destination menus.
#include <QApplication>
#include <QCloseEvent>

#include "gui/shell/busy_window.h"
#include "gui/shell/main_window.h"
#include "gui/shell/twips.h"
#include "shell/model_definition.h"

namespace tpw::gui {

namespace {

constexpr const char* kSaveQuestion =
    QT_TRANSLATE_NOOP("Messages", "KVX data has changed.\r\nDo you want to save changes?");

}  // namespace

std::filesystem::path MainWindow::modelDefinitionFile() const {
  return services_.dataFolder / ModelDefinitionFile;
}

bool MainWindow::load() {
  menus_.editModel->menuAction()->setVisible(false);
  BusyWindow busy(this);
  ws_.caps.ScrambleSupported = false;
  const std::vector<int> offered = OfferedModels(modelDefinitionFile());
  if (offered.empty()) {
    // The window has no model, hence no main title yet: the message carries the program's.
    services_.prompter.message(Icon::Critical, AppTitle,
                               QT_TRANSLATE_NOOP("Messages", "Unknown model!!"));
    return false;
  }
  setUpModelMenu(offered);
  const int remembered = ReadNumberSetting(services_.settings, setting::LastModel);
  ws_.caps = LoadModelCaps(modelDefinitionFile(), StartModel(offered, remembered));
  menus_.modelTypes[static_cast<std::size_t>(ws_.caps.ModelType - 1)]->setChecked(true);
  refreshTitle();
  showCurrentModel();

  const bool hexChecked = ReadFlagSetting(services_.settings, setting::HexVisible);
  menus_.hexdump->setChecked(hexChecked);
  {
    // Set as remembered, without writing it back.
    const QSignalBlocker quiet(menus_.readFirst);
    menus_.readFirst->setChecked(ReadFlagSetting(services_.settings, setting::ReadFirst));
    const QSignalBlocker quietVerify(menus_.verify);
    menus_.verify->setChecked(ReadFlagSetting(services_.settings, setting::Verify));
  }
  menus_.hexdump->setVisible(ws_.options.DebugMode);
  menus_.openImage->setVisible(ws_.options.DebugMode);
  menus_.saveImage->setVisible(ws_.options.DebugMode);
  portMenu_->build(services_.ports.list(), services_.offerDemo, services_.prompter);
  portMenu_->selectAtStart();

  resetEditor(EditorReset::NewDataSet);
  fitPanes();
  // The dump is shown at start exactly when its menu entry carries the mark.
  hexView_->setVisible(ws_.options.DebugMode && hexChecked);
  hexView_->refresh(ws_.image);
  return true;
}

void MainWindow::setUpModelMenu(const std::vector<int>& offered) {
  for (QAction* entry : menus_.modelTypes) {
    entry->setChecked(false);
    entry->setEnabled(false);
  }
  for (int model : offered) {
    QAction* entry = menus_.modelTypes[static_cast<std::size_t>(model - 1)];
    entry->setText(QString::fromStdString(ModelNameOf(model)));
    entry->setVisible(true);
    entry->setEnabled(true);
  }
  menus_.editModel->menuAction()->setVisible(offered.size() >= 2);
}

void MainWindow::chooseModel(int entry) {
  const int model = entry + 1;
  QAction* chosen = menus_.modelTypes[static_cast<std::size_t>(entry)];
  if (model == ws_.caps.ModelType) {
    chosen->setChecked(true);
    return;
  }
  // A new model starts a new data set: a value half typed is taken or refused first.
  if (!validateBeforeLeave()) {
    chosen->setChecked(false);
    return;
  }
  const std::string question = tr("Do you want to program the %1 series?")
                                   .arg(QString::fromStdString(ModelNameOf(model)))
                                   .toStdString();
  if (services_.prompter.ask(Icon::Exclamation, MainTitle(ws_.caps), question, Buttons::OkCancel,
                             Answer::Ok) != Answer::Ok) {
    chosen->setChecked(false);
    return;
  }
  for (QAction* other : menus_.modelTypes) other->setChecked(false);
  chosen->setChecked(true);
  ApplyModel(modelDefinitionFile(), model, ws_.caps);
  refreshTitle();
  showCurrentModel();
  WriteSetting(services_.settings, setting::LastModel, std::to_string(model));
  fileNew();
}

void MainWindow::refreshDestinationMenu() {
  const std::vector<std::string>& captions = destinations_.captions();
  menus_.destination->setEnabled(destinations_.enabled());
  for (int i = 0; i < MainMenus::DestinationEntries; ++i) {
    QAction* entry = menus_.destinations[static_cast<std::size_t>(i)];
    const bool used = i < static_cast<int>(captions.size());
    entry->setText(used ? QString::fromStdString(captions[static_cast<std::size_t>(i)])
                        : QString());
    entry->setVisible(used);
    entry->setChecked(used && i == destinations_.checked());
  }
}

void MainWindow::chooseDestination(int entry) {
  // The destination replaces the data set: a value half typed is taken or refused first, and a
  // refusal leaves the menu as it was.
  if (!validateBeforeLeave()) {
    refreshDestinationMenu();
    return;
  }
  const bool wasChecked = entry == destinations_.checked();
  if (!wasChecked) {
    const std::string caption = destinations_.captions().at(static_cast<std::size_t>(entry));
    if (services_.prompter.ask(Icon::Exclamation, MainTitle(ws_.caps), DestinationQuestion(caption),
                               Buttons::OkCancel, Answer::Ok) != Answer::Ok) {
      refreshDestinationMenu();
      return;
    }
  }
  replaceDataSet(entry);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!unloadAccepted()) {
    event->ignore();
    return;
  }
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window != this && window->isVisible()) window->close();
  }
  storeWindowPlacement();
  event->accept();
}

bool MainWindow::unloadAccepted() {
  if (!ws_.flags.DataChanged) return true;
  const Answer answer = services_.prompter.ask(Icon::Exclamation, MainTitle(ws_.caps),
                                               kSaveQuestion, Buttons::YesNoCancel, Answer::Yes);
  if (answer == Answer::Cancel) return false;
  if (answer == Answer::No) return true;
  return fileSave() == Outcome::Done;
}

void MainWindow::storeWindowPlacement() {
  if (isMinimized()) return;
  const QRect frame = frameGeometry();
  WriteSetting(services_.settings, setting::MainLeft, std::to_string(frame.x() * TwipsPerPixel));
  WriteSetting(services_.settings, setting::MainTop, std::to_string(frame.y() * TwipsPerPixel));
  WriteSetting(services_.settings, setting::MainWidth,
               std::to_string(frame.width() * TwipsPerPixel));
  WriteSetting(services_.settings, setting::MainHeight,
               std::to_string(frame.height() * TwipsPerPixel));
}

}  // namespace tpw::gui
