// The controls package stand-ins: pictures from a resource path, button faces by
// state, colour sets by id with their opacities, the skinned close button.
#include <gtest/gtest.h>

#include "tests/unit/ui_test_support.h"
#include "ui/kxua_controls.h"
#include "ui/kxua_resources.h"

namespace kxua {
namespace {

using platform::Rect;
using test::Get;

// Synthetic pictures: a w x h bitmap per id, made on first request.
class FakePictures final : public ui::PictureSource {
 public:
  std::shared_ptr<const platform::Bitmap> Png(int id) override {
    auto it = pictures_.find(id);
    if (it != pictures_.end()) return it->second;
    if (id == 404) return nullptr;
    auto bitmap = std::make_shared<platform::Bitmap>();
    bitmap->width = id >= 505 && id <= 512 ? 12 : 20;
    bitmap->height = id >= 505 && id <= 512 ? 13 : 20;
    bitmap->pixels.assign(static_cast<std::size_t>(bitmap->width) * bitmap->height, 0xFF000000u | static_cast<std::uint32_t>(id));
    pictures_[id] = bitmap;
    return bitmap;
  }
  std::map<int, std::shared_ptr<const platform::Bitmap>> pictures_;
};

class ControlsTest : public ::testing::Test {
 protected:
  ControlsTest() {
    ui::KXUAResourcePath::SetPictureSourceFactory([this](const std::wstring& path) -> std::shared_ptr<ui::PictureSource> {
      paths_.push_back(path);
      return pictures_;
    });
    ui::KXUAColors::SetColorLookup([](const std::wstring& id) -> std::optional<platform::Color> {
      if (id == L"IDS_ALERT_BUTTON_COLOR") return 0x00804020;
      return std::nullopt;
    });
    frame_ = test::LoadSample("sample_toast.layout.json", log_);
    Get<ui::KXUAResourcePath>(*frame_, L"ResourcePath").SetPathResource(L"C:\\Product\\KXUAResources.dll");
    sim_->Show(frame_->Handle());
  }
  ~ControlsTest() override {
    ui::KXUAResourcePath::SetPictureSourceFactory(nullptr);
    ui::KXUAColors::SetColorLookup(nullptr);
  }

  const sim::DisplayItem* PictureOf(int id) {
    sim_->Invalidate(frame_->Handle());
    sim_->PaintPending();
    for (const sim::DisplayItem& item : sim_->DisplayList(frame_->Handle()))
      if (item.kind == sim::DisplayItem::Kind::Picture && item.bitmap == pictures_->Png(id).get()) return &item;
    return nullptr;
  }

  const sim::DisplayItem* FillAt(const Rect& rect) {
    sim_->Invalidate(frame_->Handle());
    sim_->PaintPending();
    const sim::DisplayItem* found = nullptr;
    for (const sim::DisplayItem& item : sim_->DisplayList(frame_->Handle()))
      if (item.kind == sim::DisplayItem::Kind::Fill && item.rect == rect) found = &item;
    return found;
  }

  sim::ScopedSimPlatform sim_;
  std::shared_ptr<FakePictures> pictures_ = std::make_shared<FakePictures>();
  std::vector<std::wstring> paths_;
  test::HandlerLog log_;
  std::unique_ptr<test::LayoutFrame> frame_;
};

TEST_F(ControlsTest, PictureBoxesDrawTheirResourceCentred) {
  EXPECT_EQ(paths_, (std::vector<std::wstring>{L"C:\\Product\\KXUAResources.dll"}));
  // MainIcon: left in the 60-pixel header, margins 8, 6, 4, 6: 48 x 48 at (8, 6).
  const sim::DisplayItem* icon = PictureOf(500);
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->rect, (Rect{22, 20, 42, 40})) << "a 20 x 20 picture in the middle";
  EXPECT_EQ(icon->opacity, 255);

  Get<ui::KXUAPaintBoxPngLux>(*frame_, L"MainIcon").SetResourceID(501);
  EXPECT_EQ(PictureOf(500), nullptr);
  EXPECT_NE(PictureOf(501), nullptr);
  Get<ui::KXUAPaintBoxPngLux>(*frame_, L"MainIcon").SetResourceID(404);
  EXPECT_EQ(PictureOf(501), nullptr) << "a missing picture draws nothing";
}

TEST_F(ControlsTest, ImageButtonsShowTheFaceOfTheirState) {
  auto& arrow = Get<ui::KXUAButtonLuxEx>(*frame_, L"KXZEBtnLArrow");
  const platform::Point origin = arrow.OriginInWindow();
  EXPECT_NE(PictureOf(505), nullptr) << "up";
  sim_->MouseMove(frame_->Handle(), origin.x + 3, origin.y + 3);
  EXPECT_NE(PictureOf(506), nullptr) << "over";
  sim_->MouseDown(frame_->Handle(), origin.x + 3, origin.y + 3);
  EXPECT_NE(PictureOf(507), nullptr) << "clicked";
  sim_->MouseUp(frame_->Handle(), origin.x + 3, origin.y + 3);
  EXPECT_EQ(log_.calls.back(), "KXZEBtnLArrowClick");
  arrow.SetEnabled(false);
  EXPECT_NE(PictureOf(508), nullptr) << "disabled";
  EXPECT_EQ(PictureOf(506), nullptr);
}

TEST_F(ControlsTest, ColourSetsGiveEachFaceItsColourAndOpacity) {
  auto& colors = Get<ui::KXUAColors>(*frame_, L"ColorBtnGeneric");
  EXPECT_EQ(colors.ColorOf(ui::ButtonFace::Up), 0x00804020u) << "from the product's colour id";
  EXPECT_EQ(colors.ColorOf(ui::ButtonFace::Disabled), 0x00804020u)
      << "an id the product lacks falls back to the up colour";
  EXPECT_EQ(colors.OpacityOf(ui::ButtonFace::Over), 245);

  auto& allow = Get<ui::KXUAButtonLuxEx>(*frame_, L"BtnAllow");
  const platform::Point origin = allow.OriginInWindow();
  const Rect bounds{origin.x, origin.y, origin.x + 108, origin.y + 28};
  ASSERT_NE(FillAt(bounds), nullptr);
  EXPECT_EQ(FillAt(bounds)->color, 0x00804020u);
  sim_->MouseMove(frame_->Handle(), origin.x + 5, origin.y + 5);
  EXPECT_EQ(FillAt(bounds)->color, ui::Mix(0x00804020, ui::kWhite, 245)) << "over, on the white panel";
  allow.SetEnabled(false);
  EXPECT_EQ(FillAt(bounds)->color, ui::Mix(0x00804020, ui::kWhite, 100));

  colors.SetColorUp(0x00000080);
  allow.SetEnabled(true);
  sim_->MouseMove(frame_->Handle(), 1, 100);
  EXPECT_EQ(FillAt(bounds)->color, 0x00000080u) << "SetColorUp wins over the id";
}

TEST_F(ControlsTest, SkinButtonColoursFollowTheMouse) {
  auto& close = Get<ui::KXUAButtonSkin>(*frame_, L"KXZEBtnClose");
  auto captionColour = [&] {
    sim_->Invalidate(frame_->Handle());
    sim_->PaintPending();
    return test::FindText(sim_->DisplayList(frame_->Handle()), L"x")->color;
  };
  EXPECT_EQ(captionColour(), ui::kWhite);
  EXPECT_TRUE(test::FindText(sim_->DisplayList(frame_->Handle()), L"x")->font.bold);
  const platform::Point origin = close.OriginInWindow();
  sim_->MouseMove(frame_->Handle(), origin.x + 5, origin.y + 5);
  EXPECT_EQ(captionColour(), 14800329u);
  EXPECT_EQ(log_.calls.back(), "FrameMouseEnter");
  close.SetFontColor(static_cast<int>(ui::SkinState::Over), 0x000000FF);
  EXPECT_EQ(captionColour(), 0x000000FFu);
  close.SetFontColor(7, 0x00FFFFFF);  // no such state: nothing changes
  EXPECT_EQ(captionColour(), 0x000000FFu);
  sim_->Click(frame_->Handle(), origin.x + 5, origin.y + 5);
  EXPECT_EQ(log_.calls.back(), "KXZEBtnCloseClick");
}

}  // namespace
}  // namespace kxua
