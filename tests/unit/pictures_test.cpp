// Pictures as frames get them: the stand-in product's resource library with every
// picture the frames show, modules on the simulated platform, the per-module cache,
// and files of the images folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/sim/sim_platform.h"
#include "png_writer.h"
#include "testbed/resources.h"
#include "ui/pictures.h"

namespace kxua {
namespace {

// Every picture a frame shows by resource id, at the size the frame shows it.
struct FramePicture {
  std::uint32_t id;
  int width;
  int height;
  const char* what;
};
const FramePicture kFramePictures[] = {
    {500, 31, 23, "risk level 1 (and 0)"}, {501, 31, 23, "risk level 2"},
    {502, 31, 23, "risk level 3"},         {503, 31, 23, "risk level 4"},
    {504, 31, 23, "risk level 5"},         {505, 12, 13, "left arrow up"},
    {506, 12, 13, "left arrow over"},      {507, 12, 13, "left arrow clicked"},
    {508, 12, 13, "left arrow disabled"},  {509, 12, 13, "right arrow up"},
    {510, 12, 13, "right arrow over"},     {511, 12, 13, "right arrow clicked"},
    {512, 12, 13, "right arrow disabled"}, {513, 50, 50, "firewall icon"},
    {519, 7, 5, "details expanded"},       {520, 7, 5, "details collapsed"},
    {621, 18, 18, "previous up"},          {622, 18, 18, "previous over"},
    {623, 18, 18, "previous clicked"},     {624, 18, 18, "previous disabled"},
    {625, 18, 18, "next up"},              {626, 18, 18, "next over"},
    {627, 18, 18, "next clicked"},         {628, 18, 18, "next disabled"},
    {3146, 48, 48, "scheduled task"},      {3148, 50, 50, "application control icon"},
    {3173, 48, 48, "default main icon"},   {3174, 20, 20, "file information"},
};

// The pixels the artwork was drawn with, as the generator wrote them beside the PNG.
platform::Bitmap DrawnPixels(const std::string& name) {
  std::ifstream in(std::string(KXUA_PICTURES_DIR) + "/" + name + ".argb", std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  platform::Bitmap bitmap;
  if (bytes.size() < 8) return bitmap;
  std::uint32_t size[2];
  std::memcpy(size, bytes.data(), 8);
  bitmap.width = static_cast<int>(size[0]);
  bitmap.height = static_cast<int>(size[1]);
  bitmap.pixels.resize((bytes.size() - 8) / 4);
  std::memcpy(bitmap.pixels.data(), bytes.data() + 8, bitmap.pixels.size() * 4);
  return bitmap;
}

class PicturesTest : public ::testing::Test {
 protected:
  sim::ScopedSimPlatform sim;
};

TEST_F(PicturesTest, EveryFramePictureDecodesToItsSizeAndDrawnPixels) {
  testbed::RegisterResourceModule(*sim);
  ui::PictureModule resources(L"KXUAResources.dll");
  ASSERT_TRUE(resources.Loaded());
  for (const FramePicture& expected : kFramePictures) {
    SCOPED_TRACE(expected.what);
    ui::Picture picture = resources.FromResource(expected.id);
    ASSERT_TRUE(picture) << expected.id;
    EXPECT_EQ(picture->width, expected.width);
    EXPECT_EQ(picture->height, expected.height);
    const platform::Bitmap drawn = DrawnPixels(std::to_string(expected.id));
    EXPECT_EQ(picture->pixels, drawn.pixels);
    // Pictures sit on coloured bands: their corners must let the band show.
    EXPECT_LT(picture->pixels.front() >> 24, 0xFFu);
  }
}

TEST_F(PicturesTest, ImagesFolderPictureIsReadFromFile) {
  const std::wstring folder = L"C:\\ProgramData\\Orvex\\Antivirus\\res\\Current\\images\\";
  testbed::AddImagesFolder(*sim, folder);
  ui::Picture picture = ui::PictureFromFile(folder + L"metroalert.PNG");
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->pixels, DrawnPixels("MetroAlert").pixels);
  EXPECT_FALSE(ui::PictureFromFile(folder + L"missing.png"));

  sim->SetFile(L"C:\\broken.png", {0x89, 'P', 'N', 'G'});
  EXPECT_FALSE(ui::PictureFromFile(L"C:\\broken.png"));
}

TEST_F(PicturesTest, ModulesAreFoundByNameInAnyCaseAndOnlyWhileLoaded) {
  sim->AddModule(L"C:\\Product\\KXUAResources.dll", {{{L"png", 7}, {1, 2, 3}}});
  EXPECT_EQ(sim->LoadModule(L"KXUAResources.dll"), 0u) << "a path is not a bare name";
  EXPECT_EQ(sim->LoadModule(L"C:\\Other\\KXUAResources.dll"), 0u);

  const platform::ModuleHandle first = sim->LoadModule(L"c:\\product\\kxuaresources.DLL");
  const platform::ModuleHandle second = sim->LoadModule(L"C:\\Product\\KXUAResources.dll");
  ASSERT_NE(first, 0u);
  EXPECT_EQ(first, second);
  EXPECT_EQ(sim->LoadedModuleCount(), 2);
  EXPECT_EQ(sim->ReadResource(first, 7, L"PNG"), (std::vector<std::uint8_t>{1, 2, 3}));
  EXPECT_FALSE(sim->ReadResource(first, 8, L"PNG"));
  EXPECT_FALSE(sim->ReadResource(first, 7, L"BMP"));

  sim->UnloadModule(first);
  EXPECT_TRUE(sim->ReadResource(first, 7, L"PNG")) << "one load is still held";
  sim->UnloadModule(second);
  EXPECT_EQ(sim->LoadedModuleCount(), 0);
  EXPECT_FALSE(sim->ReadResource(first, 7, L"PNG")) << "an unloaded module is not mapped";
}

TEST_F(PicturesTest, MissingModuleOrPictureGivesNothing) {
  ui::PictureModule absent(L"KXUAResources.dll");
  EXPECT_FALSE(absent.Loaded());
  EXPECT_FALSE(absent.FromResource(500));

  sim->AddModule(L"KXUAResources.dll",
                 {{{L"PNG", 1}, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0}}});
  ui::PictureModule present(L"KXUAResources.dll");
  ASSERT_TRUE(present.Loaded());
  EXPECT_FALSE(present.FromResource(500)) << "no such id";
  EXPECT_FALSE(present.FromResource(1)) << "not a valid PNG";
}

TEST_F(PicturesTest, CacheGivesTheSameBitmapWhileTheModuleIsHeld) {
  testbed::RegisterResourceModule(*sim);
  ui::Picture first;
  {
    ui::PictureModule frame(L"KXUAResources.dll");
    ui::PictureModule images(L"kxuaresources.dll");  // a second holder of the same module
    first = frame.FromResource(505);
    ASSERT_TRUE(first);
    EXPECT_EQ(frame.FromResource(505), first);
    EXPECT_EQ(images.FromResource(505), first);
    EXPECT_NE(frame.FromResource(506), first);
    EXPECT_EQ(sim->LoadedModuleCount(), 2);
  }
  EXPECT_EQ(sim->LoadedModuleCount(), 0) << "every holder unloads what it loaded";

  // Once the module was unloaded its pictures are read again: the system may have
  // mapped a different file under the same handle.
  sim->AddModule(L"KXUAResources.dll", {{{L"PNG", 505}, test::WritePng({1, 1, 8, 6, false, {1, 2, 3, 4}})}});
  ui::PictureModule again(L"KXUAResources.dll");
  ui::Picture replaced = again.FromResource(505);
  ASSERT_TRUE(replaced);
  EXPECT_EQ(replaced->pixels, (std::vector<std::uint32_t>{0x04010203}));
}

}  // namespace
}  // namespace kxua
