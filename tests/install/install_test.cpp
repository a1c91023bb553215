// The programs installed as a user or a distribution installs them: `cmake --install` into a
// temporary prefix that is then moved, the files of the desktop integration, the manual pages
// and the bash completion against the programs' own --help, and the Debian package.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>

#include "support/process.h"
#include "support/test_support.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;
using tpw::test::ProcessResult;
using tpw::test::ReadBytes;
using tpw::test::RunCommand;
using tpw::test::TempDir;

const std::string kVersion = TPW52_VERSION;
const std::string kDesktopId = TPW52_DESKTOP_ID;

std::string Quoted(const fs::path& path) {
  return "'" + path.string() + "'";
}

// The environment of a user whose data folders are the test's own, so that a copy installed
// on the machine is never found.
std::string UserEnvironment(const TempDir& dir) {
  return "env XDG_DATA_HOME=" + Quoted(dir / "home-data") +
         " XDG_DATA_DIRS=" + Quoted(dir / "system-data") + " ";
}

void Install(const fs::path& prefix) {
  const ProcessResult result = RunCommand(std::string(TPW52_CMAKE) + " --install " +
                                          Quoted(TPW52_BUILD_DIR) + " --prefix " + Quoted(prefix));
  ASSERT_EQ(result.status, 0) << result.out << result.err;
}

// Every match of the pattern in the text, or of its first group when it has one.
std::set<std::string> Matches(const std::string& text, const std::string& pattern) {
  const std::regex regex(pattern);
  std::set<std::string> found;
  for (auto it = std::sregex_iterator(text.begin(), text.end(), regex);
       it != std::sregex_iterator(); ++it) {
    found.insert(it->size() > 1 ? (*it)[1].str() : it->str());
  }
  return found;
}

// The long options a help text names: "--port", "--yes", ...
const std::string kLongOption = "--[a-z][a-z-]*";
// The lines of a text that are not empty.
const std::string kLine = "[^\n]+";

// Width and height from a PNG's header.
std::pair<int, int> PngSize(const fs::path& path) {
  const std::string bytes = ReadBytes(path);
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0) return {0, 0};
  const auto word = [&bytes](std::size_t at) {
    int value = 0;
    for (std::size_t i = 0; i < 4; ++i)
      value = value * 256 + static_cast<unsigned char>(bytes[at + i]);
    return value;
  };
  return {word(16), word(20)};
}

TEST(InstalledTree, MovedPrefixFindsItsDataAndSaysWhereItLooked) {
  TempDir dir;
  Install(dir / "stage");
  // Installed under one prefix, run from another: nothing may depend on the prefix.
  fs::rename(dir / "stage", dir / "moved");
  const fs::path bin = dir / "moved" / "bin";
  const fs::path data = dir / "moved" / "share" / "tpw52";
  const std::string cli = UserEnvironment(dir) + Quoted(bin / "tpw52-cli");

  ProcessResult listed = RunCommand(cli + " destinations");
  ASSERT_EQ(listed.status, 0) << listed.err;
  const std::set<std::string> lines = Matches(listed.out, kLine);
  EXPECT_EQ(lines.size(), 7u) << listed.out;
  for (const std::string& line : lines) EXPECT_THAT(line, HasSubstr(data.string()));
  EXPECT_THAT(listed.out,
              HasSubstr("\nQZ815_UK      UK        " + (data / "QZ815_UK_012D.ini").string()));

  // A data file is read over a shipped template; the image equals the template's own.
  const std::string uk = Quoted(data / "QZ815_UK_012D.ini");
  ASSERT_EQ(RunCommand(cli + " convert " + uk + " " + Quoted(dir / "boat.dat")).status, 0);
  const ProcessResult converted = RunCommand(cli + " convert " + Quoted(dir / "boat.dat") + " " +
                                             Quoted(dir / "boat.hex") + " --destination uk");
  ASSERT_EQ(converted.status, 0) << converted.err;
  ASSERT_EQ(RunCommand(cli + " convert " + uk + " " + Quoted(dir / "uk.hex")).status, 0);
  EXPECT_EQ(ReadBytes(dir / "boat.hex"), ReadBytes(dir / "uk.hex"));

  // Logs of the installed program go to the user's data folder, never beside the program.
  const ProcessResult read =
      RunCommand(cli + " read --debug --port " + Quoted(dir / "no-such-port") + " --out " +
                 Quoted(dir / "radio.hex"));
  EXPECT_EQ(read.status, 1) << read.err;
  EXPECT_FALSE(fs::exists(bin / "err.log"));
  EXPECT_FALSE(fs::exists(bin / "log"));
  EXPECT_TRUE(fs::exists(dir / "home-data" / "TPW52" / "err.log"));

  // Without the data, the message names every folder looked in.
  fs::rename(data, dir / "put-aside");
  const ProcessResult missing = RunCommand(cli + " destinations");
  EXPECT_EQ(missing.status, 1);
  for (const fs::path& folder :
       {bin, data, dir / "home-data" / "tpw52", dir / "system-data" / "tpw52"}) {
    EXPECT_THAT(missing.err, HasSubstr(folder.string() + "\n"));
  }
  const ProcessResult noBase =
      RunCommand(cli + " convert " + Quoted(dir / "boat.dat") + " " + Quoted(dir / "again.hex"));
  EXPECT_EQ(noBase.status, 1);
  EXPECT_THAT(noBase.err, HasSubstr(data.string()));

  // The user's own data folder is looked in too.
  fs::create_directories(dir / "home-data");
  fs::rename(dir / "put-aside", dir / "home-data" / "tpw52");
  listed = RunCommand(cli + " destinations");
  ASSERT_EQ(listed.status, 0) << listed.err;
  EXPECT_THAT(listed.out, HasSubstr((dir / "home-data" / "tpw52").string()));
}

// Installed in place: the programs start without a display, beside the files of the desktop
// integration, the manual pages and the documentation.
TEST(InstalledTree, RunsWithoutADisplayAndCarriesItsDesktopFiles) {
  TempDir dir;
  Install(dir.path());
  // No display and a platform that needs one: --help and --version must not open a window.
  const std::string noDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb ";
  for (const std::string program : {"tpw52", "tpw52-cli", "qz815-sim"}) {
    const ProcessResult version =
        RunCommand(noDisplay + Quoted(dir / "bin" / program) + " --version");
    EXPECT_EQ(version.status, 0) << program << version.err;
    EXPECT_EQ(version.out, program + " " + kVersion + "\n");
  }
  const ProcessResult help = RunCommand(noDisplay + Quoted(dir / "bin" / "tpw52") + " --help");
  EXPECT_EQ(help.status, 0) << help.err;
  for (const char* named : {"FILE", "/D", "/E", "/NT", "/DEMO", "--version"}) {
    EXPECT_THAT(help.out, HasSubstr(named));
  }

  // Started for real, the window needs a desktop: one sentence says so and where to go.
  const std::string noDesktop =
      "tpw52 needs a desktop session to show its window; tpw52-cli does the same work without "
      "one (see tpw52-cli --help).\n";
  for (const std::string platform :
       {"QT_QPA_PLATFORM=xcb ", "-u QT_QPA_PLATFORM ", "DISPLAY=:97 QT_QPA_PLATFORM=xcb "}) {
    const ProcessResult started =
        RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY " + platform + Quoted(dir / "bin" / "tpw52"));
    EXPECT_EQ(started.status, 1) << platform << started.err;
    EXPECT_EQ(started.err, noDesktop) << platform;
  }
  // In the language asked for, from the catalogue installed beside the data.
  const ProcessResult german = RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " +
                                          Quoted(dir / "bin" / "tpw52") + " --lang de");
  EXPECT_EQ(german.status, 1);
  EXPECT_EQ(german.err,
            "tpw52 braucht eine Desktop-Sitzung, um sein Fenster zu zeigen; tpw52-cli erledigt "
            "dieselbe Arbeit ohne eine (siehe tpw52-cli --help).\n");

  const fs::path share = dir / "share";
  EXPECT_TRUE(fs::is_regular_file(share / "applications" / (kDesktopId + ".desktop")));
  EXPECT_TRUE(fs::is_regular_file(share / "metainfo" / (kDesktopId + ".metainfo.xml")));
  EXPECT_TRUE(fs::is_regular_file(share / "icons/hicolor/scalable/apps" / (kDesktopId + ".svg")));
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    EXPECT_EQ(PngSize(share / "icons/hicolor" / folder / "apps" / (kDesktopId + ".png")),
              std::make_pair(size, size))
        << folder;
  }
  for (const char* page : {"tpw52.1", "tpw52-cli.1", "qz815-sim.1"}) {
    const std::string text = ReadBytes(share / "man/man1" / page);
    EXPECT_THAT(text, HasSubstr("\"" + fs::path(page).stem().string() + " " + kVersion + "\""));
  }
  EXPECT_TRUE(fs::is_regular_file(share / "bash-completion/completions/tpw52-cli"));
  EXPECT_TRUE(fs::is_regular_file(share / "doc/tpw52/README.md"));
  EXPECT_TRUE(fs::is_regular_file(share / "doc/tpw52/screenshots/main-window.png"));
  // The desktop entry, the metainfo and the icon fit together as a software centre reads them.
  const ProcessResult tree =
      RunCommand("appstreamcli validate-tree --no-net " + Quoted(dir.path()));
  EXPECT_EQ(tree.status, 0) << tree.out << tree.err;
}

// Every option the help of a program names is in its manual page (written "\-\-port").
void ExpectInManualPage(const std::string& page, const std::string& help) {
  const std::string text = ReadBytes(fs::path(TPW52_MAN_DIR) / page);
  for (std::string option : Matches(help, kLongOption)) {
    const std::string asWritten = std::regex_replace(option, std::regex("-"), "\\-");
    EXPECT_THAT(text, HasSubstr(asWritten)) << page;
  }
}

// What the completion offers for a command line (bash words) whose last word is being typed.
std::set<std::string> Completion(const std::string& words, const fs::path& folder = ".") {
  TempDir scriptDir;
  tpw::test::WriteBytes(scriptDir / "complete.sh", "source '" + std::string(TPW52_COMPLETION) +
                                                       "'\n" + "COMP_WORDS=(" + words + ")\n" +
                                                       "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
                                                       "_tpw52_cli\n"
                                                       "printf '%s\\n' \"${COMPREPLY[@]}\"\n");
  const ProcessResult result =
      RunCommand("cd " + Quoted(folder) + " && bash " + Quoted(scriptDir / "complete.sh"));
  EXPECT_EQ(result.status, 0) << result.err;
  return Matches(result.out, kLine);
}

TEST(InstalledTree, ManualPagesAndCompletionFollowTheHelp) {
  const std::string cli = Quoted(TPW52_CLI);
  const ProcessResult help = RunCommand(cli + " --help");
  ASSERT_EQ(help.status, 0);
  ExpectInManualPage("tpw52-cli.1", help.out);
  ExpectInManualPage(
      "qz815-sim.1",
      RunCommand(Quoted(fs::path(TPW52_CLI).parent_path() / "qz815-sim") + " --help").out);
  ExpectInManualPage(
      "tpw52.1", RunCommand(Quoted(fs::path(TPW52_CLI).parent_path() / "tpw52") + " --help").out);

  // The commands are the lines under "Subcommands:" of the help.
  const std::set<std::string> commands =
      Matches(help.out.substr(help.out.find("Subcommands:")), "\n  ([a-z-]+)");
  ASSERT_EQ(commands.size(), 15u) << help.out;
  std::set<std::string> first = Completion(cli + " \"\"");
  // Besides the commands, the options of the program itself (--help, --version, --lang).
  std::erase_if(first, [](const std::string& word) { return word.starts_with("--"); });
  EXPECT_EQ(first, commands);

  for (const std::string& name : commands) {
    const std::string commandHelp = RunCommand(cli + " " + name + " --help").out;
    ExpectInManualPage("tpw52-cli.1", commandHelp);
    const std::set<std::string> offered = Completion(cli + " " + name + " --");
    const std::set<std::string> options = Matches(commandHelp, kLongOption);
    for (const std::string& option : options) {
      EXPECT_TRUE(offered.contains(option)) << name << " " << option;
    }
    EXPECT_TRUE(std::includes(options.begin(), options.end(), offered.begin(), offered.end()))
        << name << " offers an option it does not have";
  }

  // Files by extension, and the destinations by name.
  TempDir files;
  for (const char* name : {"a.hex", "b.DAT", "c.txt", "d.csv"})
    tpw::test::WriteBytes(files / name, "");
  fs::create_directories(files / "boats");
  EXPECT_EQ(Completion(cli + " write \"\"", files.path()),
            (std::set<std::string>{"a.hex", "b.DAT", "boats"}));
  EXPECT_EQ(Completion(cli + " import-csv a.hex \"\"", files.path()),
            (std::set<std::string>{"a.hex", "b.DAT", "boats", "d.csv"}));
  EXPECT_EQ(Completion(cli + " convert a.hex --dat \"\"", files.path()),
            (std::set<std::string>{"b.DAT", "boats"}));
  EXPECT_EQ(Completion(cli + " read --destination QZ815_U"),
            (std::set<std::string>{"QZ815_UK", "QZ815_USA"}));
}

TEST(DebianPackage, HoldsTheInstalledTreeAndItsDependencies) {
  TempDir dir;
  const ProcessResult built = RunCommand(std::string(TPW52_CPACK) + " -G DEB --config " +
                                         Quoted(fs::path(TPW52_BUILD_DIR) / "CPackConfig.cmake") +
                                         " -B " + Quoted(dir.path()));
  ASSERT_EQ(built.status, 0) << built.out << built.err;
  fs::path deb;
  for (const auto& entry : fs::directory_iterator(dir.path())) {
    if (entry.path().extension() == ".deb") deb = entry.path();
  }
  ASSERT_FALSE(deb.empty()) << built.out;

  // The package holds the installed tree under /usr, file for file (InstalledTree checks it).
  const fs::path tree = dir / "tree";
  Install(tree);
  std::set<std::string> installed;
  for (const auto& entry : fs::recursive_directory_iterator(tree)) {
    if (!entry.is_directory()) installed.insert("./usr/" + fs::relative(entry, tree).string());
  }
  const std::string contents =
      RunCommand("{ dpkg-deb --fsys-tarfile " + Quoted(deb) + " | tar -t; }").out;
  std::set<std::string> packaged = Matches(contents, kLine);
  std::erase_if(packaged, [](const std::string& path) { return path.ends_with("/"); });
  EXPECT_EQ(packaged, installed) << contents;
  // The serial port is reached through the dialout group, never through a shipped rule.
  EXPECT_THAT(contents, Not(HasSubstr("udev")));

  const std::string fields = RunCommand("dpkg-deb --field " + Quoted(deb)).out;
  EXPECT_THAT(fields, HasSubstr("Package: tpw52\n"));
  EXPECT_THAT(fields, HasSubstr("Version: " + kVersion + "\n"));
  for (const char* library : {"libqt6widgets6", "libqt6serialport6", "libc6"}) {
    EXPECT_THAT(fields, HasSubstr(library));
  }
}

}  // namespace
