// Command line, model definition file, ini values, per-user settings and the window title.
// The folders: where the programs find their data (beside the executable, in ../share/tpw52, or
// in the system's data folders, and what the user is told when it is nowhere), the recent files
// of the File menu and the folder the file dialogs open in.
#include <gtest/gtest.h>

#include "files/ini_file.h"
#include "files/recent_files.h"
#include "files/settings_store.h"
#include "image/translatable.h"
#include "shell/command_line.h"
#include "shell/model_definition.h"
#include "shell/program_folders.h"
#include "shell/program_language.h"
#include "shell/window_title.h"
#include "support/test_support.h"

namespace tpw {
namespace {

TEST(CommandLine, OptionsAfterSlashesAndFilePathsApartFromThem) {
  EXPECT_EQ(ParseCommandLine(""), CommandLineFlags{});
  const CommandLineFlags lower = ParseCommandLine("/d/nt");
  EXPECT_TRUE(lower.DebugMode);
  EXPECT_FALSE(lower.EchoCheckSkip);
  EXPECT_FALSE(lower.LowSpeed);
  const CommandLineFlags spaced = ParseCommandLine("ignored D E / E  /x/DD/");
  EXPECT_EQ(spaced, (CommandLineFlags{false, true, true}));
  EXPECT_EQ(ParseCommandLine(std::vector<std::string>{"/D", "/e", "/D"}),
            (CommandLineFlags{true, true, true}));
  // The desktop application's own switch is found the same way and changes no flag.
  EXPECT_TRUE(HasCommandLineOption({"/d", "/ demo "}, "DEMO"));
  EXPECT_FALSE(HasCommandLineOption({"demo", "/DEMOS"}, "DEMO"));
  EXPECT_EQ(ParseCommandLine("/DEMO"), CommandLineFlags{});

  // The start arguments keep file paths apart from the switches.
  test::TempDir dir;
  const std::string existing = (dir / "E").string();  // a path made of switch-like pieces
  test::WriteBytes(existing, "");
  const std::string missing = (dir / "nt" / "boat.DAT").string();
  const StartArguments start =
      SplitStartArguments({"/d", missing, existing, "/DEMO", "--version", "/e/missing"});
  EXPECT_EQ(start.dataFile, missing);  // a missing .dat is still the file, refused when opened
  EXPECT_EQ(start.ignoredFiles, std::vector<std::string>{existing});
  EXPECT_EQ(start.switches, (std::vector<std::string>{"/d", "/DEMO", "/e/missing"}));
  EXPECT_TRUE(start.version);
  EXPECT_FALSE(start.help);
  // The slashes of the file's path set no flag; only the switches do.
  EXPECT_EQ(ParseCommandLine(start.switches), (CommandLineFlags{true, true, true}));
  EXPECT_TRUE(SplitStartArguments({"-h"}).help);
  EXPECT_EQ(SplitStartArguments({}).dataFile, "");
  // --lang takes the next argument, which is then neither a file nor a switch.
  const StartArguments german = SplitStartArguments({"--lang", "/d", "--lang=fr", "/e"});
  EXPECT_EQ(german.language, "fr");
  EXPECT_EQ(german.switches, std::vector<std::string>{"/e"});
  EXPECT_EQ(SplitStartArguments({"/d", "--lang"}).language, "");
  EXPECT_EQ(SplitStartArguments({"/d"}).language, std::nullopt);
}

// The language of a run: --lang, else Options > Language, else the system's first language
// with a catalogue; English when none fits (the C locale asks for none).
TEST(ProgramLanguage, ChosenInOrderAndTemplatesFilledByNumber) {
  struct Case {
    const char* asked;
    const char* remembered;
    std::vector<std::string> system;
    const char* chosen;
  };
  const Case cases[] = {
      {"de", "nl", {"fr-FR"}, "de"},
      {"", "nl", {"fr-FR"}, "nl"},
      {"", "", {"es-ES", "fr-BE"}, "fr"},
      {"", "", {"de_AT.UTF-8"}, "de"},
      {"", "", {}, "en"},
      {"", "xx", {"es"}, "en"},
      {"NL", "", {}, "nl"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ChooseLanguage(c.asked, c.remembered, c.system), c.chosen) << c.asked << c.remembered;
  }
  EXPECT_EQ(KnownLanguage("es"), std::nullopt);
  EXPECT_EQ(UnknownLanguageMessage("es"),
            "--lang es: there is no such language; choose one of en, de, nl, fr.");

  // A template takes its names by number, each as often as it asks for it; a placeholder
  // without a name stays as it is.
  EXPECT_EQ(Fill("%2 on %1, and %1 again; 100%", {"COM1", "the radio"}),
            "the radio on COM1, and COM1 again; 100%");
  EXPECT_EQ(Fill("%1 and %3", {"a"}), "a and %3");
}

TEST(IniValue, ReadRules) {
  using namespace std::string_literals;
  const std::string text =
      "; comment\r\n"
      "[Model1]\r\n"
      "  USE = #1  \r\n"
      "atis=true\r\n"
      "use=2\r\n"
      "none=<NONE>\r\n"
      "long=" +
      std::string(200, 'x') +
      "\r\n"
      "nul=ab\0cd\r\n"
      "[model2]\n"
      "use=\n"
      "[MODEL1]\n"
      "wx=0\n"s;
  EXPECT_EQ(ReadIniValueFromText(text, "model1", "use"), "1");
  EXPECT_EQ(ReadIniValueFromText(text, "MODEL1", "ATIS"), "true");
  EXPECT_EQ(ReadIniValueFromText(text, "model1", "wx"), "0");
  EXPECT_EQ(ReadIniValueFromText(text, "model1", "none"), "");
  EXPECT_EQ(ReadIniValueFromText(text, "model1", "long"), std::string(127, 'x'));
  EXPECT_EQ(ReadIniValueFromText(text, "model1", "nul"), "ab");
  EXPECT_EQ(ReadIniValueFromText(text, "model2", "use"), "");
  EXPECT_EQ(ReadIniValueFromText(text, "model3", "use"), "");
  EXPECT_EQ(ReadIniValue("/nonexistent/global.ini", "model1", "use"), "");
}

TEST(ModelDefinition, ScanCapabilitiesAndTitles) {
  test::TempDir dir;
  const auto ini = dir / "global.ini";
  EXPECT_TRUE(OfferedModels(ini).empty());
  EXPECT_EQ(StartModel({}, 1), 0);

  test::WriteBytes(ini,
                   "[model1]\r\nuse=#1\r\natis=1\r\nwx=maybe\r\n"
                   "[model2]\r\nuse=0\r\n[model3]\r\nuse=1\r\natis=False\r\nwx=TRUE\r\n"
                   "[model5]\r\nuse=1\r\n");
  EXPECT_EQ(OfferedModels(ini), (std::vector<int>{1, 3}));
  EXPECT_EQ(StartModel({1, 3}, 1), 1);
  EXPECT_EQ(StartModel({1, 3}, 2), 3);
  EXPECT_EQ(StartModel({1, 3, 10}, 10), 10);  // the remembered 10 is not below ten entries...
  EXPECT_EQ(StartModel({10, 3}, 10), 3);      // ...so the last offered model is taken

  const ModelCaps one = LoadModelCaps(ini, 1);
  EXPECT_EQ(one.ModelName, "QZ815");
  EXPECT_TRUE(one.AtisSupported);
  EXPECT_FALSE(one.WxSupported);  // "maybe" leaves it as it was
  ModelCaps three = one;
  three.WxSupported = false;
  ApplyModel(ini, 3, three);
  EXPECT_EQ(three.ModelType, 3);
  EXPECT_EQ(three.ModelName, "Unknown model");
  EXPECT_FALSE(three.AtisSupported);
  EXPECT_TRUE(three.WxSupported);
  EXPECT_EQ(MainTitle(three), "PC Program for Unknown model");

  // The window's title shows the document's name in lower case.
  EXPECT_EQ(WindowTitle(ModelCaps{}, ""), "TPW52  PC Program for QZ815");
  EXPECT_EQ(WindowTitle(ModelCaps{}, "/home/Skipper/Boats/COAST.Dat"),
            "TPW52  PC Program for QZ815 - coast.dat");
  EXPECT_EQ(WindowTitle(three, "a.dat"), "TPW52  PC Program for Unknown model - a.dat");
}

TEST(SettingsStoreTest, DefaultsAndConversions) {
  MemorySettingsStore store;
  EXPECT_EQ(ReadNumberSetting(store, setting::LastModel), 1);
  EXPECT_EQ(ReadNumberSetting(store, setting::ComNum), 1);
  EXPECT_FALSE(ReadFlagSetting(store, setting::HexVisible));
  EXPECT_EQ(ReadSetting(store, setting::MainLeft), "");
  EXPECT_EQ(store.read(setting::DestinationSection, DestinationSettingKey(1), ""), "");

  WriteSetting(store, setting::ComNum, "4");
  WriteSetting(store, setting::LastModel, "letters");
  WriteSetting(store, setting::HexVisible, "True");
  EXPECT_EQ(ReadNumberSetting(store, setting::ComNum), 4);
  EXPECT_EQ(ReadNumberSetting(store, setting::LastModel), 1);
  EXPECT_TRUE(ReadFlagSetting(store, setting::HexVisible));
  EXPECT_EQ(DestinationSettingKey(1), "IniFileName_1");
  EXPECT_TRUE(store.contains("ComPath", "ComNum"));
}

namespace fs = std::filesystem;

void MakeData(const fs::path& folder) {
  fs::create_directories(folder);
  test::WriteBytes(folder / "global.ini", "[model1]\r\nuse=1\r\n");
}

TEST(ProgramFolders, FirstFolderWithTheDataInOrder) {
  test::TempDir root;
  const fs::path bin = root / "usr" / "bin";
  const fs::path shared = root / "usr" / "share";
  const fs::path home = root / "home-data";
  fs::create_directories(bin);
  const std::vector<fs::path> system{home, shared, root / "opt"};

  // Nowhere: every folder is named once, "../share/tpw52" and the system's copy of it included.
  ProgramFolders found = FindProgramFolders(bin, system, root / "user");
  EXPECT_TRUE(found.data.empty());
  EXPECT_EQ(found.searched,
            (std::vector<fs::path>{bin, shared / "tpw52", home / "tpw52", root / "opt" / "tpw52"}));
  const std::string message = NoDataFolderMessage(found.searched);
  for (const fs::path& folder : found.searched) {
    EXPECT_NE(message.find(folder.string()), std::string::npos) << message;
  }
  EXPECT_NE(message.find("\"global.ini\""), std::string::npos);
  EXPECT_EQ(found.programLogFolder(), fs::path());
  EXPECT_EQ(found.userData, root / "user");

  // A system data folder is the last resort; the installed tree wins over it.
  MakeData(root / "opt" / "tpw52");
  EXPECT_EQ(FindProgramFolders(bin, system, {}).data, root / "opt" / "tpw52");
  MakeData(shared / "tpw52");
  found = FindProgramFolders(bin, system, {});
  EXPECT_EQ(found.data, shared / "tpw52");
  EXPECT_FALSE(found.runsFromItsOwnFolder());
  EXPECT_EQ(found.programLogFolder(), fs::path());  // never the installed bin/ folder

  // Data beside the executable (a build, an unpacked copy) comes first; logs may go there.
  MakeData(bin);
  found = FindProgramFolders(bin, system, {});
  EXPECT_EQ(found.data, bin);
  EXPECT_EQ(found.programLogFolder(), bin);

  // A folder without "global.ini" does not count, whatever else it holds.
  test::TempDir other;
  test::WriteBytes(other / "QZ815_UK_012D.ini", "");
  EXPECT_TRUE(FindProgramFolders(other.path(), {}, {}).data.empty());
}

TEST(RecentFilesTest, NewestFirstAtMostEightAndTheirFolderForTheDialogs) {
  MemorySettingsStore store;
  RecentFiles recent(store);
  EXPECT_TRUE(recent.paths().empty());
  for (int i = 1; i <= 10; ++i) recent.add("/boats/" + std::to_string(i) + ".dat");
  ASSERT_EQ(recent.paths().size(), 8u);
  EXPECT_EQ(recent.paths().front(), "/boats/10.dat");
  EXPECT_EQ(recent.paths().back(), "/boats/3.dat");

  // Opening a listed file again moves it up instead of listing it twice, under any name.
  recent.add("/boats/x/../5.dat");
  EXPECT_EQ(recent.paths().size(), 8u);
  EXPECT_EQ(recent.paths()[0], "/boats/5.dat");
  EXPECT_EQ(recent.paths()[1], "/boats/10.dat");

  // The list comes back in the next run, and a removed file stays removed.
  recent.remove("/boats/10.dat");
  const std::vector<std::string> kept = recent.paths();
  RecentFiles nextRun(store);
  EXPECT_EQ(nextRun.paths(), kept);
  EXPECT_EQ(nextRun.paths().size(), 7u);
  EXPECT_EQ(store.read("RecentFiles", "File8", "unset"), "");

  // The file dialogs open only in a folder the user may write.
  test::TempDir dir;
  const fs::path documents = dir / "Documents";
  const auto writable = [&dir](const fs::path& folder) { return folder == dir.path(); };
  EXPECT_EQ(DialogStartFolder({}, documents, writable), documents);
  // The folder of the newest file, while the user may write there.
  const std::string boat = (dir / "boat.dat").string();
  EXPECT_EQ(DialogStartFolder({boat}, documents, writable), dir.path());
  // A folder the user may not write, or one that is gone, gives the documents folder.
  EXPECT_EQ(DialogStartFolder({boat}, documents, [](const fs::path&) { return false; }), documents);
  EXPECT_EQ(DialogStartFolder({(dir / "gone" / "boat.dat").string()}, documents,
                              [](const fs::path&) { return true; }),
            documents);
}

}  // namespace
}  // namespace tpw
