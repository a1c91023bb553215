// Start-up of the main window with the data shipped beside the program, and the rebuild of
// a full channel grid. Runs on the offscreen platform unless another is asked for.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <optional>

#include "adapters/translations/qt_translations.h"
#include "gui_test_support.h"
#include "image/memory_map.h"
#include "link/transfer_messages.h"

using namespace tpw;

namespace {

// The shipped data when the build has put it beside the programs; otherwise a folder with
// one model and one destination template.
std::filesystem::path ProgramFolder(test::TempDir& fallback) {
  const std::filesystem::path beside =
      std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
  if (std::filesystem::exists(beside / "global.ini")) return beside;
  test::WriteBytes(fallback / "global.ini", "[model1]\r\nuse=1\r\natis=1\r\nwx=1\r\n");
  MemoryImage image = test::ValidImage(0xFF);
  image.set(addr::UsableGroups, 0xF0);
  test::WriteBytes(fallback / "QZ815_USA_012D.ini", test::ImageAsString(image));
  return fallback.path();
}

// From the window's creation to the window shown with its first data set.
void StartUp(benchmark::State& state) {
  test::TempDir fallback;
  const std::filesystem::path folder = ProgramFolder(fallback);
  for (auto _ : state) {
    test::GuiFixture f(folder);
    if (!f.window->load()) state.SkipWithError("no model in global.ini");
    f.window->show();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(StartUp)->Unit(benchmark::kMillisecond);

// The German catalogues in front of the application's texts while it lives.
class German {
 public:
  German() {
    test::TempDir fallback;
    loaded_ = catalogues_.load(ProgramFolder(fallback), "de");
    if (loaded_) catalogues_.install();
  }
  bool loaded() const { return loaded_; }

 private:
  ProgramTranslations catalogues_;
  bool loaded_ = false;
};

// Showing a list of 96 channels again, as after every edit; in English (0) and in German (1),
// whose texts are looked up in the catalogue.
void RebuildGrid96(benchmark::State& state) {
  std::optional<German> german;
  if (state.range(0) == 1 && !german.emplace().loaded()) {
    state.SkipWithError("no German catalogue beside the program");
    return;
  }
  test::GuiFixture f;
  f.window->resetEditor(gui::MainWindow::EditorReset::NewDataSet);
  f.ws().model.groups[0].usable = true;
  for (int k = 0; k < 96; ++k) {
    ChannelRecord r;
    r.position = static_cast<std::int16_t>(k % 60);
    r.enabled = r.txEnabled = true;
    f.ws().model.CHUSA.append(r);
  }
  f.window->editor().rebuildTree();
  f.window->show();
  f.window->editor().selectNodeByKey("PU");
  for (auto _ : state) {
    f.window->editor().refreshCurrentNode();
    QCoreApplication::processEvents();
  }
}
BENCHMARK(RebuildGrid96)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A message of the core in German, as the prompter shows it: a fixed text is found whole; a
// composed one ("Not verified: ... at 0x094 (Common Setup: Resume Time)") only after the whole
// lookup failed and every template was tried against it.
void TranslateMessage(benchmark::State& state) {
  const German german;
  if (!german.loaded()) {
    state.SkipWithError("no German catalogue beside the program");
    return;
  }
  TransferResult differs{Outcome::Failed, TransferStep::Verifying};
  differs.verification = {VerificationState::Differs, {0x094}, {"Common Setup: Resume Time"}};
  const std::string composed =
      TransferEndMessages(differs, {TransferMode::Program, "/dev/ttyUSB0"}).at(0).text;
  const std::string text = state.range(0) == 0 ? std::string("Complete!!") : composed;
  for (auto _ : state) benchmark::DoNotOptimize(TranslatedText(text));
}
BENCHMARK(TranslateMessage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
