#include "gui/shell/main_menus.h"

#include <QMenuBar>
#include <QStyle>

namespace tpw::gui {

namespace {

QAction* Item(QMenu* menu, const QString& caption, const char* name, int index = -1) {
  QAction* action = menu->addAction(caption);
  action->setObjectName(QString::fromLatin1(name));
  if (index >= 0) action->setProperty("index", index);
  return action;
}

QMenu* Menu(QMenuBar* bar, const QString& caption, const char* name) {
  QMenu* menu = bar->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

QMenu* SubMenu(QMenu* parent, const QString& caption, const char* name) {
  QMenu* menu = parent->addMenu(caption);
  menu->setObjectName(QString::fromLatin1(name));
  menu->menuAction()->setObjectName(QString::fromLatin1(name));
  return menu;
}

// "COM&1" to "COM&9" carry an access key; the two-digit ports do not.
QString PortCaption(int index) {
  const int number = index + 1;
  return number < 10 ? QStringLiteral("COM&%1").arg(number) : QStringLiteral("COM%1").arg(number);
}

void BuildFileMenu(MainMenus& m, QMenuBar* bar) {
  m.file = Menu(bar, QObject::tr("&File"), "mnuFile");
  m.fileNew = Item(m.file, QObject::tr("&New"), "mnuFileNew");
  m.fileOpen = Item(m.file, QObject::tr("&Open"), "mnuFileOpen");
  m.file->addSeparator();
  m.fileSave = Item(m.file, QObject::tr("&Save"), "mnuFileSave");
  m.fileSaveAs = Item(m.file, QObject::tr("Save &As..."), "mnuFileSaveAs");
  m.fileSaveAsDefault = Item(m.file, QObject::tr("Save As &Default"), "mnuFileSaveAsDefault");
  m.fileSaveAsDefault->setVisible(false);
  m.file->addSeparator();
  m.filePrint = Item(m.file, QObject::tr("&Print"), "mnuFilePrint");
  m.filePrintToFile = Item(m.file, QObject::tr("P&rint to File"), "mnuFilePrintToFile");
  m.file->addSeparator();
  for (int i = 0; i < RecentFiles::Limit; ++i) {
    QAction* entry = Item(m.file, QString(), "mnuFileRecent", i);
    entry->setVisible(false);
    m.recentFiles[static_cast<std::size_t>(i)] = entry;
  }
  m.recentSeparator = m.file->addSeparator();
  m.recentSeparator->setVisible(false);
  m.file->setToolTipsVisible(true);  // a recent file's tooltip is its full path
  m.fileExit = Item(m.file, QObject::tr("E&xit"), "mnuFileExit");
}

void BuildOtherMenus(MainMenus& m, QMenuBar* bar) {
  m.edit = Menu(bar, QObject::tr("&Edit"), "mnuEdit");
  m.editModel = SubMenu(m.edit, QObject::tr("&Model"), "mnuEditModel");
  for (int i = 0; i < MainMenus::ModelEntries; ++i) {
    m.modelTypes[static_cast<std::size_t>(i)] = Item(m.editModel, QString(), "mnuEditModelType", i);
    m.modelTypes[static_cast<std::size_t>(i)]->setCheckable(true);
  }

  m.transfer = Menu(bar, QObject::tr("&Transfer"), "mnuTransfer");
  m.transferProgram = Item(m.transfer, QObject::tr("&Program to Radio"), "mnuTransferProgram");
  m.transferRead = Item(m.transfer, QObject::tr("&Read from Radio"), "mnuTransferRead");

  m.destination = Menu(bar, QObject::tr("&Region"), "mnuDestination");
  for (int i = 0; i < MainMenus::DestinationEntries; ++i) {
    QAction* entry = Item(m.destination, QString(), "mnuDestinationChild", i);
    entry->setCheckable(true);
    entry->setVisible(false);
    m.destinations[static_cast<std::size_t>(i)] = entry;
  }

  m.options = Menu(bar, QObject::tr("&Options"), "mnuOptions");
  m.serialPort = SubMenu(m.options, QObject::tr("&SerialPort"), "mnuOptionsSerialPort");
  for (int i = 0; i < MainMenus::PortEntries; ++i) {
    QAction* entry = Item(m.serialPort, PortCaption(i), "mnuOptionsSerialPort1", i);
    entry->setCheckable(true);
    m.ports[static_cast<std::size_t>(i)] = entry;
  }
  m.hexdump = Item(m.options, QObject::tr("Hexdump"), "mnuOptionsHexdump");
  m.hexdump->setCheckable(true);

  m.help = Menu(bar, QObject::tr("&Help"), "mnuHelp");
  m.helpContents = Item(m.help, QObject::tr("&Contents"), "mnuHelpContents");
  m.help->addSeparator();
  m.helpAbout = Item(m.help, QObject::tr("&About KVX Version"), "mnuHelpAbout");
}

// A toolbar button runs its menu command, and only while that menu item is enabled.
QAction* Button(QToolBar* bar, QAction* command, const QString& key, const QString& caption,
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
  QToolBar* bar = m.toolBar;
  Button(bar, m.fileNew, QStringLiteral("New"), QObject::tr("New"), QStyle::SP_FileIcon);
  Button(bar, m.fileOpen, QStringLiteral("Open"), QObject::tr("Open"), QStyle::SP_DialogOpenButton);
  Button(bar, m.fileSave, QStringLiteral("Save"), QObject::tr("Save"), QStyle::SP_DialogSaveButton);
  bar->addSeparator();
  Button(bar, m.filePrint, QStringLiteral("Print"), QObject::tr("Print"),
         QStyle::SP_FileDialogDetailedView);
  bar->addSeparator();
  Button(bar, m.transferProgram, QStringLiteral("Program"), QObject::tr("Program"),
         QStyle::SP_ArrowUp);
  Button(bar, m.transferRead, QStringLiteral("Read"), QObject::tr("Read"), QStyle::SP_ArrowDown);
  // The second program and read buttons are kept but hidden, as they have always been.
  Button(bar, m.transferProgram, QStringLiteral("Program2"), QObject::tr("Program"),
         QStyle::SP_ArrowUp)
      ->setVisible(false);
  Button(bar, m.transferRead, QStringLiteral("Read2"), QObject::tr("Read"), QStyle::SP_ArrowDown)
      ->setVisible(false);
}

}  // namespace

MainMenus MainMenus::Build(QMainWindow& window) {
  MainMenus m;
  QMenuBar* bar = window.menuBar();
  bar->setObjectName(QStringLiteral("menuBar"));
  BuildFileMenu(m, bar);
  BuildOtherMenus(m, bar);
  BuildToolBar(m, window);
  return m;
}

}  // namespace tpw::gui
