#include "files/hex_image_file.h"

#include <gtest/gtest.h>

#include "files/atomic_file.h"
#include "image/image_codec.h"
#include "image/memory_map.h"
#include "session/flag_guard.h"
#include "support/test_support.h"

namespace tpw {
namespace {

using test::ImageAsString;
using test::ValidImage;

constexpr const char* kTitle = "PC Program for QZ815";

// A data set that a refused file must leave exactly as it was.
struct OpenFixture : test::TestContext {
  test::TempDir dir;

  OpenFixture() {
    ws.image = ValidImage(1);
    ws.image.set(0x300, 16);
    ws.model.CHUSA.append({.position = 16, .enabled = true});
    ws.documentPath = "keep.dat";
    ws.flags.DataChanged = true;
  }
  std::filesystem::path file(const MemoryImage& image, const std::string& name = "in.hex") {
    test::WriteBytes(dir / name, ImageAsString(image));
    return dir / name;
  }
  void expectUnchanged(const MemoryImage& imageBefore, const SettingsModel& modelBefore) {
    EXPECT_EQ(ws.image, imageBefore);
    EXPECT_EQ(ws.model, modelBefore);
    EXPECT_EQ(ws.documentPath, "keep.dat");
    EXPECT_TRUE(ws.flags.DataChanged);
    EXPECT_FALSE(ws.flags.TransferBusy);
  }
};

// Every refused file leaves the data set as it was: the box names the file and what was found
// in it, and only the system's failures are logged.
TEST(OpenImageFile, RefusedFilesChangeNothing) {
  struct Case {
    std::string name;  // folder.hex is made a folder, large.hex three sparse gigabytes
    std::string bytes;
    std::string message;  // "{}" stands for the file's path
    Icon icon = Icon::Critical;
    std::string logged;  // how the error log line starts, if one is logged
    int modelType = 1;
  };
  const std::string good = ImageAsString(ValidImage(1));
  MemoryImage halfVersion = ValidImage(1);
  halfVersion.set(0x7FE, 0);
  halfVersion.set(0x7FF, 0);
  MemoryImage newImage = ValidImage(1);
  newImage.set(0x081, 0x2C);
  newImage.set(0x7FF, 0x2C);
  const std::string size = "bad file!!\r\n{}: expected 2048 bytes and found ";
  const std::string memory = ", so it is no image of the radio's memory.";
  const std::string words = "ModelType Error !!\r\n{}: the model words at 0x080 and 0x7FE hold ";
  const std::string read = "FileRead Error!!\r\n{}: ";
  const Case cases[] = {
      {"in.hex", good.substr(0, 2047), size + "2047" + memory},
      {"in.hex", good + "x", size + "2049" + memory},
      {"in.hex", "", size + "0" + memory},
      {"large.hex", "", size + "3000000000" + memory},
      {"in.hex", ImageAsString(halfVersion),
       words + "0x012D and 0x0000; an image of the QZ815 holds 0x012D in both."},
      {"in.hex", ImageAsString(newImage),
       words + "0x012C and 0x012C; an image of the QZ815 holds 0x012D in both."},
      {"in.hex", ImageAsString(ValidImage(7)),
       "Region Unmatched !!\r\n{}: the file is for the region USA and the data set for UK, and "
       "the USA region is never mixed with another. Choose the region USA first (the Region menu, "
       "or --destination USA on the command line), then open the file again."},
      {"in.hex", good,
       "ModelType Error !!\r\n{}: the program is set to the model Unknown model, which has no "
       "image files.",
       Icon::Critical, "", 2},
      {"missing.hex", "", read + "the file does not exist. Check its name and folder.",
       Icon::Exclamation, "frmMain.ReadHexFileAs -> 2"},
      {"folder.hex", "", read + "it is a folder, not a file. Give the name of a file.",
       Icon::Exclamation,
       "frmMain.ReadHexFileAs -> " +
           NumberedDescription(std::make_error_code(std::errc::is_a_directory))},
  };
  for (Case c : cases) {
    OpenFixture f;
    const std::filesystem::path path = f.dir / c.name;
    c.message.replace(c.message.find("{}"), 2, path.string());
    SCOPED_TRACE(c.message);
    f.ws.caps.ModelType = c.modelType;
    if (c.name == "folder.hex") {
      std::filesystem::create_directory(path);
    } else if (c.name != "missing.hex") {
      test::WriteBytes(path, c.bytes);
      // Three gigabytes that take no room: a read of it would take the program's memory.
      if (c.name == "large.hex") std::filesystem::resize_file(path, 3'000'000'000ULL);
    }
    const MemoryImage image = f.ws.image;
    const SettingsModel model = f.ws.model;
    EXPECT_EQ(OpenImageFile(f.ctx, path).outcome, Outcome::Failed);
    ASSERT_EQ(f.prompter.boxes.size(), 1u);
    EXPECT_EQ(f.prompter.boxes[0].text, c.message);
    EXPECT_EQ(f.prompter.boxes[0].title, kTitle);
    EXPECT_EQ(f.prompter.boxes[0].icon, c.icon);
    EXPECT_FALSE(f.prompter.boxes[0].question);
    EXPECT_EQ(f.diagnostics.errors.size(), c.logged.empty() ? 0u : 1u);
    for (const std::string& logged : f.diagnostics.errors)
      EXPECT_TRUE(logged.starts_with(c.logged));
    f.expectUnchanged(image, model);
  }
}

TEST(OpenImageFile, RegionQuestion) {
  OpenFixture f;
  f.ws.image.set(addr::RegionCode, 1);
  const MemoryImage image = f.ws.image;
  const SettingsModel model = f.ws.model;
  const auto path = f.file(ValidImage(3));

  f.prompter.plan(Answer::No);
  EXPECT_EQ(OpenImageFile(f.ctx, path).outcome, Outcome::Cancelled);
  ASSERT_EQ(f.prompter.boxes.size(), 1u);
  const auto& box = f.prompter.boxes[0];
  EXPECT_TRUE(box.question);
  EXPECT_EQ(box.text, "The region is unmatched.\r\nDo you want to change the region?");
  EXPECT_EQ(box.icon, Icon::Exclamation);
  EXPECT_EQ(box.buttons, Buttons::YesNo);
  EXPECT_EQ(box.defaultAnswer, Answer::No);
  EXPECT_EQ(box.title, kTitle);
  f.expectUnchanged(image, model);

  f.prompter.plan(Answer::Yes);
  const ImageOpenResult result = OpenImageFile(f.ctx, path);
  EXPECT_EQ(result.outcome, Outcome::Done);
  EXPECT_TRUE(result.regionChangeAccepted);
  EXPECT_EQ(f.ws.image, ValidImage(3));
  EXPECT_EQ(f.ws.model.groups[2].label, "NL");
  EXPECT_EQ(f.ws.model.CHUSA.size(), 96);  // the file's lists replace the old ones
  EXPECT_EQ(f.ws.documentPath, path.string());
}

TEST(OpenImageFile, RegionsThatBothCountAsUsaNeedNoQuestion) {
  OpenFixture f;
  f.ws.image.set(addr::RegionCode, 9);
  const ImageOpenResult result = OpenImageFile(f.ctx, f.file(ValidImage(7)));
  EXPECT_EQ(result.outcome, Outcome::Done);
  EXPECT_FALSE(result.regionChangeAccepted);
  EXPECT_TRUE(f.prompter.boxes.empty());
  EXPECT_EQ(f.ws.image.at(addr::RegionCode), 7);
}

TEST(SaveImageBytes, SavedImageReopensByteForByte) {
  OpenFixture f;
  MemoryImage image = ValidImage(1);
  for (int a = 0; a < 0x80; ++a) image.set(a, static_cast<std::uint8_t>(a));  // not decoded
  f.ws.image = image;
  const auto path = f.dir / "out.hex";
  test::WriteBytes(path, std::string(5000, 'x'));
  ASSERT_EQ(SaveImageBytes(f.ctx, path), Outcome::Done);
  EXPECT_EQ(test::ReadBytes(path), ImageAsString(image));
  EXPECT_FALSE(f.ws.flags.TransferBusy);
  EXPECT_EQ(f.host.fileSettles, 1);

  f.ws.image = ValidImage(1);
  EXPECT_EQ(OpenImageFile(f.ctx, path).outcome, Outcome::Done);
  EXPECT_EQ(f.ws.image, image);
}

TEST(SaveImageBytes, FailedSaveIsReportedAndLeavesNoTemporaryFile) {
  OpenFixture f;
  const auto target = f.dir / "folder.hex";
  std::filesystem::create_directories(target);
  test::WriteBytes(target / "inside", "kept");
  EXPECT_EQ(SaveImageBytes(f.ctx, target), Outcome::Failed);
  ASSERT_EQ(f.prompter.texts(),
            std::vector<std::string>{"FileSave Error!!\r\n" + target.string() +
                                     ": it is a folder, not a file. Give the name of a file."});
  EXPECT_EQ(f.prompter.boxes[0].icon, Icon::Exclamation);
  EXPECT_EQ(f.prompter.boxes[0].title, kTitle);
  ASSERT_EQ(f.diagnostics.errors.size(), 1u);
  EXPECT_EQ(f.diagnostics.errors[0].rfind("frmMain.SaveHexFileAs -> ", 0), 0u);
  EXPECT_EQ(test::ReadBytes(target / "inside"), "kept");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(f.dir.path())) {
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST(SaveImageFile, EncodesAndCorrectsBeforeSaving) {
  OpenFixture f;
  f.ws.image = ValidImage(0xFF);
  f.ws.model = {};
  f.ws.model.CHINT.append({.position = 16, .enabled = true});
  f.ws.model.groups[1].usable = true;
  f.ws.image.set(addr::CurrentMode, 0);
  f.ws.image.set(addr::CurrentGroup, 0);
  f.ws.model.CHRG.append({.enabled = true, .displayLeft = "7", .rxFrequency = 156.0137});
  const SettingsModel model = f.ws.model;
  const auto path = f.dir / "out.hex";
  ASSERT_EQ(SaveImageFile(f.ctx, path), Outcome::Done);
  EXPECT_EQ(f.ws.model, model);  // saving never changes the settings
  MemoryImage saved;
  ASSERT_EQ(ReadImageFile(path, 1, saved), ImageFileStatus::Ok);
  EXPECT_EQ(saved.at(0x3C0), 16);
  EXPECT_EQ(saved.at(0x120), 0x80);
  EXPECT_EQ(saved.at(addr::CurrentGroup), 1);
  EXPECT_EQ(saved.word(addr::CurrentChannel), 0);
  EXPECT_EQ(saved, f.ws.image);
}

TEST(LoadDestinationImage, LoadsTemplatesSilently) {
  OpenFixture f;
  MemoryImage templ = ValidImage(2);
  templ.set(0x100, 0x80);
  templ.set(0x300, 16);
  EXPECT_TRUE(LoadDestinationImage(f.ctx, f.file(templ, "QZ815_BE_012D.ini")));
  EXPECT_EQ(f.ws.image, templ);  // no region check: the template brings its own
  EXPECT_EQ(f.ws.model.CHUSA.size(), 1);
  EXPECT_EQ(f.ws.model.groups[2].label, "BE");
  EXPECT_TRUE(f.prompter.boxes.empty());
  EXPECT_FALSE(f.ws.flags.TransferBusy);

  const MemoryImage image = f.ws.image;
  test::WriteBytes(f.dir / "short.ini", std::string(100, '\xFF'));
  EXPECT_FALSE(LoadDestinationImage(f.ctx, f.dir / "short.ini"));
  MemoryImage wrong = ValidImage(2);
  wrong.set(0x081, 0x2C);
  EXPECT_FALSE(LoadDestinationImage(f.ctx, f.file(wrong, "wrong.ini")));
  EXPECT_FALSE(LoadDestinationImage(f.ctx, f.dir / "missing.ini"));
  ASSERT_EQ(f.diagnostics.errors.size(), 1u);
  EXPECT_EQ(f.diagnostics.errors[0].rfind("frmMain.FileReadIni -> ", 0), 0u);
  EXPECT_TRUE(f.prompter.boxes.empty());
  EXPECT_EQ(f.ws.image, image);
}

TEST(LoadDestinationImage, ReadInsideABusyResetLeavesTheWindowBusy) {
  OpenFixture f;
  const std::filesystem::path templ = f.file(ValidImage(2), "QZ815_BE_012D.ini");
  {
    FlagGuard reset(f.ws.flags.TransferBusy, true);
    EXPECT_TRUE(LoadDestinationImage(f.ctx, templ));
    EXPECT_TRUE(f.ws.flags.TransferBusy);
  }
  EXPECT_FALSE(f.ws.flags.TransferBusy);
}

}  // namespace
}  // namespace tpw
