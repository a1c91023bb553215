#include "gui/shell/main_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QStyle>
#include <QTextEdit>
#include <QVBoxLayout>

#include "adapters/translations/qt_translations.h"
#include "gui/about/about_box.h"
#include "gui/shell/busy_window.h"
#include "gui/shell/language_menu.h"
#include "session/message_texts.h"
#include "shell/window_title.h"

namespace tpw::gui {

namespace {

constexpr auto kNewDelay = std::chrono::milliseconds(100);
constexpr auto kSettlePause = std::chrono::milliseconds(500);

}  // namespace

MainWindow::MainWindow(Workspace& ws, MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      ws_(ws),
      services_(std::move(services)),
      destinations_(services_.dataFolder),
      recent_(services_.settings) {
  setObjectName(QStringLiteral("frmMain"));
  menus_ = MainMenus::Build(*this);
  buildPanes();
  buildStatusBar();
  portMenu_ = new SerialPortMenu(menus_.serialPort, menus_.ports, services_.settings, this);
  AddLanguageMenu(menus_.options, services_.settings);
  connect(portMenu_, &SerialPortMenu::choiceChanged, this,
          [this] { portPanel_->setText(portMenu_->caption()); });
  connectCommands();
  connectEditCommands();
  refreshRecentMenu();
  setAcceptDrops(true);
  newDataSetTimer_ = new QTimer(this);
  newDataSetTimer_->setObjectName(QStringLiteral("Timer1"));
  newDataSetTimer_->setSingleShot(true);
  connect(newDataSetTimer_, &QTimer::timeout, this, &MainWindow::newDataSetNow);
  setMinimumSize(MainWindowMinimum);
  resize(MainWindowMinimum);
  qApp->installEventFilter(this);
  refreshTitle();
  showCurrentModel();
}

void MainWindow::buildPanes() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  splitter_ = new QSplitter(Qt::Horizontal, central);
  splitter_->setObjectName(QStringLiteral("imgSplitter"));
  splitter_->setChildrenCollapsible(false);
  editor_ = new EditorPane(ws_, services_.prompter, splitter_);
  installSetupPages();
  editor_->tree()->setMinimumWidth(SplitterMinimum);
  // A page larger than its pane (the longer words of a language, a large font) scrolls rather
  // than squeezing its texts.
  auto* pageArea = new QScrollArea(splitter_);
  pageArea->setObjectName(QStringLiteral("panelsArea"));
  pageArea->setWidgetResizable(true);
  pageArea->setFrameShape(QFrame::NoFrame);
  pageArea->setFocusPolicy(Qt::NoFocus);  // Tab goes from the tree to the page's controls
  pageArea->setWidget(editor_->panels());
  pageArea->setMinimumWidth(SplitterMinimum);
  splitter_->addWidget(editor_->tree());
  splitter_->addWidget(pageArea);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({SplitterMinimum, MainWindowMinimum.width() - SplitterMinimum});
  layout->addWidget(splitter_, 1);
  hexView_ = new HexDumpView(central);
  hexView_->setMinimumHeight(160);
  hexView_->hide();
  layout->addWidget(hexView_);
  setCentralWidget(central);
  connect(editor_, &EditorPane::hintChanged, this, &MainWindow::setHint);
}

void MainWindow::fitPanes() {
  // The splitter starts where the longest node text fits, and never left of the width each
  // pane keeps.
  QTreeWidget* tree = editor_->tree();
  tree->resizeColumnToContents(0);
  const int fitting = tree->columnWidth(0) + 2 * tree->frameWidth() + 4;
  const int left = std::max(SplitterMinimum, fitting);
  // The longer words of a language can make a page wider than the window's minimum leaves it:
  // the window then opens wide enough for its widest page beside a scroll bar, as far as the
  // screen allows.
  const int pages = editor_->panels()->minimumSizeHint().width();
  const int needed =
      left + splitter_->handleWidth() + pages + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int screenWidth = screen() ? screen()->availableGeometry().width() : needed;
  if (needed > width()) resize(std::max(width(), std::min(needed, screenWidth)), height());
  splitter_->setSizes({left, std::max(SplitterMinimum, width() - left)});
}

void MainWindow::buildStatusBar() {
  statusBar()->setObjectName(QStringLiteral("sbStatusBar"));
  hintPanel_ = new QLabel(this);
  hintPanel_->setObjectName(QStringLiteral("sbStatusBarPanel1"));
  portPanel_ = new QLabel(this);
  portPanel_->setObjectName(QStringLiteral("sbStatusBarPanel2"));
  modelPanel_ = new QLabel(this);
  modelPanel_->setObjectName(QStringLiteral("sbStatusBarPanel3"));
  statusBar()->addWidget(hintPanel_, 1);
  statusBar()->addPermanentWidget(portPanel_);
  statusBar()->addPermanentWidget(modelPanel_);
}

void MainWindow::connectCommands() {
  connect(menus_.fileNew, &QAction::triggered, this, &MainWindow::fileNew);
  connect(menus_.fileExit, &QAction::triggered, this, &QWidget::close);
  connect(menus_.helpContents, &QAction::triggered, this, &MainWindow::helpContents);
  connect(menus_.helpAbout, &QAction::triggered, this, &MainWindow::helpAbout);
  connect(menus_.helpBackups, &QAction::triggered, this, &MainWindow::helpShowBackups);
  connect(menus_.helpDiagnostics, &QAction::triggered, this, &MainWindow::helpSaveDiagnostics);
  connect(menus_.readFirst, &QAction::toggled, this, [this](bool on) {
    WriteSetting(services_.settings, setting::ReadFirst, on ? "1" : "0");
  });
  connect(menus_.verify, &QAction::toggled, this,
          [this](bool on) { WriteSetting(services_.settings, setting::Verify, on ? "1" : "0"); });
  connect(menus_.hexdump, &QAction::triggered, this, &MainWindow::toggleHexdump);
  connect(menus_.transferRead, &QAction::triggered, this, &MainWindow::transferRead);
  connect(menus_.transferProgram, &QAction::triggered, this, &MainWindow::transferProgram);
  connect(menus_.transferCompare, &QAction::triggered, this, &MainWindow::compareWithRadio);
  connect(menus_.transferTestConnection, &QAction::triggered, this, &MainWindow::testConnection);
  connect(menus_.fileCompare, &QAction::triggered, this, &MainWindow::compareWithFile);
  connect(menus_.fileOpen, &QAction::triggered, this, &MainWindow::fileOpen);
  connect(menus_.fileSave, &QAction::triggered, this, &MainWindow::fileSave);
  connect(menus_.fileSaveAs, &QAction::triggered, this, &MainWindow::fileSaveAs);
  connect(menus_.filePrint, &QAction::triggered, this, &MainWindow::filePrint);
  connect(menus_.filePrintPreview, &QAction::triggered, this, &MainWindow::filePrintPreview);
  connect(menus_.filePrintToFile, &QAction::triggered, this, &MainWindow::filePrintToFile);
  connect(menus_.openImage, &QAction::triggered, this, &MainWindow::openImageFile);
  connect(menus_.saveImage, &QAction::triggered, this, &MainWindow::saveImageFile);
  for (int i = 0; i < ModelMenuEntries; ++i) {
    connect(menus_.modelTypes[static_cast<std::size_t>(i)], &QAction::triggered, this,
            [this, i] { chooseModel(i); });
  }
  for (int i = 0; i < MainMenus::DestinationEntries; ++i) {
    connect(menus_.destinations[static_cast<std::size_t>(i)], &QAction::triggered, this,
            [this, i] { chooseDestination(i); });
  }
  for (int i = 0; i < RecentFiles::Limit; ++i) {
    connect(menus_.recentFiles[static_cast<std::size_t>(i)], &QAction::triggered, this,
            [this, i] { openRecentFile(i); });
  }
}

void MainWindow::setHint(const QString& hint) {
  hintPanel_->setText(hint);
}

void MainWindow::refreshTitle() {
  setWindowTitle(QString::fromStdString(WindowTitle(ws_.caps, ws_.documentPath, TranslatedUtf8)));
}

void MainWindow::showCurrentModel() {
  modelPanel_->setText(QString::fromStdString(ws_.caps.ModelName));
  if (menus_.editModel->menuAction()->isVisible()) {
    for (QAction* entry : menus_.modelTypes) {
      if (!entry->isEnabled()) entry->setVisible(false);
    }
  }
}

bool MainWindow::validateBeforeLeave() {
  return editor_->validateBeforeLeave();
}

void MainWindow::resetEditor(EditorReset reset) {
  if (reset == EditorReset::NewDataSet) {
    Context ctx = context();
    // No entry is loaded here: building the menu loads the remembered one.
    NewDataSet(ctx, services_.settings, destinations_, -1);
    destinations_.build(ctx, services_.settings);
    refreshDestinationMenu();
  }
  showStartState();
}

void MainWindow::resetEditorToDestination(int entry) {
  Context ctx = context();
  NewDataSet(ctx, services_.settings, destinations_, entry);
  refreshDestinationMenu();
  showStartState();
}

void MainWindow::showStartState() {
  editor_->resetPanels();
  editor_->buildTree();
  editor_->selectNodeByKey(QStringLiteral("General"));
  editor_->state().currentNode = -1;
  setHint(QString());
  ws_.documentPath.clear();
  refreshTitle();
  editor_->updateGroupLabels();
}

void MainWindow::showReplacedImage(bool regionChangeAccepted) {
  editor_->selectNodeByKey(QStringLiteral("General"));
  editor_->refreshCurrentNode();
  editor_->rebuildTree();
  refreshTitle();
  if (regionChangeAccepted) {
    destinations_.syncToRegion(ws_.image);
    refreshDestinationMenu();
  }
  hexView_->refresh(ws_.image);
}

void MainWindow::fileNew() {
  if (!validateBeforeLeave()) return;
  // The reset waits until the menu has closed.
  newDataSetTimer_->start(kNewDelay);
}

void MainWindow::newDataSetNow() {
  newDataSetTimer_->stop();
  replaceDataSet(std::nullopt);
}

void MainWindow::replaceDataSet(std::optional<int> destination) {
  BusyWindow busy(this);
  editor_->selectNodeByKey(QStringLiteral("General"));
  services_.host.pause(kSettlePause);
  const std::string step =
      destination ? "Region " + destinations_.captions().at(static_cast<std::size_t>(*destination))
                  : std::string("New");
  DataSetStep replacing(ws_, step, StepKind::Load);
  if (destination) {
    resetEditorToDestination(*destination);
  } else {
    resetEditor(EditorReset::NewDataSet);
  }
  replacing.commit();
}

void MainWindow::helpContents() {
  services_.prompter.message(Icon::Information, AppTitle, msg::NoHelp);
}

void MainWindow::helpAbout() {
  AboutBox about(this);
  about.exec();
}

void MainWindow::toggleHexdump() {
  // The action has already inverted its own check mark.
  hexView_->setVisible(menus_.hexdump->isChecked());
  hexView_->refresh(ws_.image);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The window sees key strokes before its controls: Enter never puts a line break into a
  // text box of this window, while the control with the focus still gets the key itself.
  if (event->type() == QEvent::KeyPress) {
    auto* widget = qobject_cast<QWidget*>(watched);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (widget != nullptr && widget->window() == this &&
        (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
        (qobject_cast<QTextEdit*>(widget) != nullptr ||
         qobject_cast<QPlainTextEdit*>(widget) != nullptr)) {
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace tpw::gui
