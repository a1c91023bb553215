#include "gui/shell/main_menus.h"

#include <QMenuBar>
#include <QStyle>

#include "gui/shell/toolbar_extension.h"

namespace tpw::gui {

namespace {

QAction* AddItem(QMenu* menu, const QString& caption, const char* name, int index = -1) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (index >= 0) action->setProperty("index", index);
  return action;
}

// A menu carries its control name, and so does the entry that opens it.
QMenu* Named(QMenu* menu, const char* name) {
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

QMenu* AddMenu(QMenuBar* bar, const QString& caption, const char* name) {
  return Named(bar->addMenu(caption), name);
}

QMenu* AddSubMenu(QMenu* parent, const QString& caption, const char* name) {
  return Named(parent->addMenu(caption), name);
}

// "COM&1" to "COM&9" carry an access key; the two-digit ports do not.
QString PortCaption(int index) {
  const int number = index + 1;
  return number < 10 ? QStringLiteral("COM&%1").arg(number) : QStringLiteral("COM%1").arg(number);
}

void BuildFileMenu(MainMenus& m, QMenuBar* bar) {
  m.file = AddMenu(bar, QObject::tr("&File"), "mnuFile");
  m.fileNew = AddItem(m.file, QObject::tr("&New"), "mnuFileNew");
  m.fileOpen = AddItem(m.file, QObject::tr("&Open"), "mnuFileOpen");
  m.fileCompare = AddItem(m.file, QObject::tr("Compare With &File..."), "mnuFileCompare");
  m.fileCompare->setStatusTip(
      QObject::tr("Show how a channel data or image file differs from this data set"));
  m.file->addSeparator();
  m.fileSave = AddItem(m.file, QObject::tr("&Save"), "mnuFileSave");
  m.fileSaveAs = AddItem(m.file, QObject::tr("Save &As..."), "mnuFileSaveAs");
  m.fileSaveAsDefault = AddItem(m.file, QObject::tr("Save As &Default"), "mnuFileSaveAsDefault");
  m.fileSaveAsDefault->setVisible(false);
  m.file->addSeparator();
  m.filePrint = AddItem(m.file, QObject::tr("&Print"), "mnuFilePrint");
  m.filePrintPreview = AddItem(m.file, QObject::tr("Print Pre&view"), "mnuFilePrintPreview");
  m.filePrintToFile = AddItem(m.file, QObject::tr("P&rint to File"), "mnuFilePrintToFile");
  m.file->addSeparator();
  for (int i = 0; i < RecentFiles::Limit; ++i) {
    QAction* entry = AddItem(m.file, QString(), "mnuFileRecent", i);
    entry->setVisible(false);
    m.recentFiles[static_cast<std::size_t>(i)] = entry;
  }
  m.recentSeparator = m.file->addSeparator();
  m.recentSeparator->setVisible(false);
  m.file->setToolTipsVisible(true);  // a recent file's tooltip is its full path
  m.fileExit = AddItem(m.file, QObject::tr("E&xit"), "mnuFileExit");
}

void BuildEditMenu(MainMenus& m, QMenuBar* bar) {
  m.edit = AddMenu(bar, QObject::tr("&Edit"), "mnuEdit");
  m.editModel = AddSubMenu(m.edit, QObject::tr("&Model"), "mnuEditModel");
  for (int i = 0; i < ModelMenuEntries; ++i) {
    m.modelTypes[static_cast<std::size_t>(i)] =
        AddItem(m.editModel, QString(), "mnuEditModelType", i);
    m.modelTypes[static_cast<std::size_t>(i)]->setCheckable(true);
  }
}

void BuildTransferMenu(MainMenus& m, QMenuBar* bar) {
  m.transfer = AddMenu(bar, QObject::tr("&Transfer"), "mnuTransfer");
  m.transferProgram = AddItem(m.transfer, QObject::tr("&Program to Radio"), "mnuTransferProgram");
  m.transferRead = AddItem(m.transfer, QObject::tr("&Read from Radio"), "mnuTransferRead");
  m.transfer->addSeparator();
  m.transferCompare = AddItem(m.transfer, QObject::tr("&Compare With Radio"), "mnuTransferCompare");
  m.transferCompare->setStatusTip(
      QObject::tr("Read the radio and show how it differs from this data set, which stays as "
                  "it is"));
  m.transferTestConnection =
      AddItem(m.transfer, QObject::tr("&Test Connection"), "mnuTransferTestConnection");
  m.transferTestConnection->setStatusTip(
      QObject::tr("Test the cable and the port: what answers, and what the radio is"));
}

void BuildRegionMenu(MainMenus& m, QMenuBar* bar) {
  m.destination = AddMenu(bar, QObject::tr("&Region"), "mnuDestination");
  for (int i = 0; i < MainMenus::DestinationEntries; ++i) {
    QAction* entry = AddItem(m.destination, QString(), "mnuDestinationChild", i);
    entry->setCheckable(true);
    entry->setVisible(false);
    m.destinations[static_cast<std::size_t>(i)] = entry;
  }
}

void BuildOptionsMenu(MainMenus& m, QMenuBar* bar) {
  m.options = AddMenu(bar, QObject::tr("&Options"), "mnuOptions");
  m.serialPort = AddSubMenu(m.options, QObject::tr("&SerialPort"), "mnuOptionsSerialPort");
  for (int i = 0; i < PortMenuSize; ++i) {
    QAction* entry = AddItem(m.serialPort, PortCaption(i), "mnuOptionsSerialPort1", i);
    entry->setCheckable(true);
    m.ports[static_cast<std::size_t>(i)] = entry;
  }
  m.readFirst =
      AddItem(m.options, QObject::tr("&Read Radio Before Programming"), "mnuOptionsReadFirst");
  m.readFirst->setCheckable(true);
  m.readFirst->setStatusTip(
      QObject::tr("Keep a backup of the radio's whole memory, read just before it is programmed"));
  m.verify = AddItem(m.options, QObject::tr("Verify &After Programming"), "mnuOptionsVerify");
  m.verify->setCheckable(true);
  m.verify->setStatusTip(
      QObject::tr("Read back everything written to the radio and check that it holds it"));
  m.hexdump = AddItem(m.options, QObject::tr("Hexdump"), "mnuOptionsHexdump");
  m.hexdump->setCheckable(true);
  m.openImage = AddItem(m.options, QObject::tr("&Open Image File..."), "mnuOptionsOpenImage");
  m.openImage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F2));
  m.saveImage = AddItem(m.options, QObject::tr("Sa&ve Image File..."), "mnuOptionsSaveImage");
  m.saveImage->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F3));
}

void BuildHelpMenu(MainMenus& m, QMenuBar* bar) {
  m.help = AddMenu(bar, QObject::tr("&Help"), "mnuHelp");
  m.helpContents = AddItem(m.help, QObject::tr("&Contents"), "mnuHelpContents");
  m.help->addSeparator();
  m.helpBackups = AddItem(m.help, QObject::tr("Show &Backups Folder"), "mnuHelpBackups");
  m.helpDiagnostics = AddItem(m.help, QObject::tr("Save &Diagnostics..."), "mnuHelpDiagnostics");
  m.help->addSeparator();
  m.helpAbout = AddItem(m.help, QObject::tr("&About KVX Version"), "mnuHelpAbout");
}

// A toolbar button runs its menu command, and only while that menu item is enabled.
QAction* AddToolButton(QToolBar* bar, QAction* command, const QString& key, const QString& caption,
                       QStyle::StandardPixmap icon) {
  QAction* button = bar->addAction(bar->style()->standardIcon(icon), caption);
  button->setObjectName(QStringLiteral("tbToolBar_") + key);
  button->setProperty("key", key);
  button->setToolTip(command->text().remove(QLatin1Char('&')));
  QObject::connect(button, &QAction::triggered, command, [command] {
    if (command->isEnabled()) command->trigger();
  });
  return button;
}

void BuildToolBar(MainMenus& m, QMainWindow& window) {
  m.toolBar = window.addToolBar(QObject::tr("Toolbar"));
  m.toolBar->setObjectName(QStringLiteral("tbToolBar"));
  m.toolBar->setMovable(false);
  m.toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  NameExtensionButton(*m.toolBar);
  QToolBar* bar = m.toolBar;
  AddToolButton(bar, m.fileNew, QStringLiteral("New"), QObject::tr("New"), QStyle::SP_FileIcon);
  AddToolButton(bar, m.fileOpen, QStringLiteral("Open"), QObject::tr("Open"),
                QStyle::SP_DialogOpenButton);
  AddToolButton(bar, m.fileSave, QStringLiteral("Save"), QObject::tr("Save"),
                QStyle::SP_DialogSaveButton);
  bar->addSeparator();
  AddToolButton(bar, m.filePrint, QStringLiteral("Print"), QObject::tr("Print"),
                QStyle::SP_FileDialogDetailedView);
  bar->addSeparator();
  AddToolButton(bar, m.transferProgram, QStringLiteral("Program"), QObject::tr("Program"),
                QStyle::SP_ArrowUp);
  AddToolButton(bar, m.transferRead, QStringLiteral("Read"), QObject::tr("Read"),
                QStyle::SP_ArrowDown);
  // A second Program and Read button, hidden, under keys of their own: they run the same
  // commands as the first.
  AddToolButton(bar, m.transferProgram, QStringLiteral("Program2"), QObject::tr("Program"),
                QStyle::SP_ArrowUp)
      ->setVisible(false);
  AddToolButton(bar, m.transferRead, QStringLiteral("Read2"), QObject::tr("Read"),
                QStyle::SP_ArrowDown)
      ->setVisible(false);
}

}  // namespace

MainMenus MainMenus::Build(QMainWindow& window) {
  MainMenus m;
  QMenuBar* bar = window.menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));
  BuildFileMenu(m, bar);
  BuildEditMenu(m, bar);
  BuildTransferMenu(m, bar);
  BuildRegionMenu(m, bar);
  BuildOptionsMenu(m, bar);
  BuildHelpMenu(m, bar);
  BuildToolBar(m, window);
  return m;
}

}  // namespace tpw::gui
