// Renders the main views of the desktop application offscreen into PNG files, for the README.
// Usage: tpw52-screenshots <folder>
#include <QApplication>
#include <QDir>
#include <QTableWidget>

#include "gui/about/about_box.h"
#include "gui_test_support.h"

using namespace tpw;

namespace {

void Save(QWidget& widget, const QDir& folder, const QString& name) {
  widget.grab().save(folder.filePath(name + QStringLiteral(".png")));
}

void FillDemoData(Workspace& ws) {
  ws.model.groups[0] = {true, 0, "USA"};
  ws.model.groups[1] = {true, 0, "INT"};
  ws.model.groups[2] = {true, 0, "CAN"};
  ws.model.groups[3] = {true, 0, "EXP"};
  for (int position : {1, 5, 6, 8, 9, 12, 13, 14, 16, 18, 20, 22, 24, 26, 28, 63, 65, 66, 67, 68}) {
    ChannelRecord r;
    r.Position = static_cast<std::int16_t>(position);
    r.Enable = r.TxEnable = true;
    r.Duplex = static_cast<std::int16_t>(position >= 24 && position <= 28 ? 2 : 0);
    r.ScanMemory = position % 3 == 0;
    r.LowPower = position == 13 || position == 67;
    ws.model.CHUSA.append(r);
  }
  const std::pair<const char*, double> regional[] = {
      {"HB", 157.0}, {"MR", 157.125}, {"FS", 156.325}, {"YC", 157.575}};
  for (const auto& [name, freq] : regional) {
    ChannelRecord r;
    r.Enable = r.TxEnable = true;
    r.CHDisplayL = name;
    r.Rxfreq = r.Txfreq = freq;
    r.ExpCB1 = true;
    r.ExpCB2 = freq > 157;
    r.ScanMemory = freq < 157.2;
    ws.model.CHRG.append(r);
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  QDir().mkpath(folder.path());
  test::GuiFixture f;
  gui::MainWindow& window = *f.window;
  window.resetEditor(-1);
  FillDemoData(f.ws());
  window.editor().rebuildTree();
  window.resize(760, 520);
  window.show();
  window.editor().selectNodeByKey(QStringLiteral("General"));
  Save(window, folder, QStringLiteral("main-window"));
  window.editor().selectNodeByKey(QStringLiteral("PU"));
  Save(window, folder, QStringLiteral("channel-grid"));
  window.editor().selectNodeByKey(QStringLiteral("PR"));
  Save(window, folder, QStringLiteral("rg-channels"));
  gui::AboutBox about(&window);
  about.show();
  Save(about, folder, QStringLiteral("about"));
  return 0;
}
