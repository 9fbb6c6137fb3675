// shop_screen.h -- the card shop: boosters in lots of 1 to 10, their opening animation, and the three deck services.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "club/club_screen.h"
#include "core/image.h"
#include "gfx/screen_button.h"

constexpr int ShopButtonCount = 10;
constexpr int BoosterPictureCount = 11;

// The lots on sale: buttons 0..4.
struct BoosterLot {
  int boosters;
  std::int32_t price;
};
extern const BoosterLot BoosterLots[5];

// Texts of the shop's boxes.
std::wstring NeedCreditsText(std::int32_t price);
std::wstring SoldCardsText(int cards, std::int32_t credits);

class ShopScreen : public ClubScreenBase {
 public:
  // Opens the card manager on top of the shop (return screen 3), with the
  // cards of the last purchase highlighted or not.
  using OpenManager = std::function<void(bool highlightNew)>;

  explicit ShopScreen(OpenManager openManager);
  ~ShopScreen() override;

  void Enter() override;
  void Frame() override;
  void StylusDown(int x, int y) override;
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;
  std::string Report() const override;
  void FocusPlaces(std::vector<FocusPlace>& places) const override;

  // The club's tutorial drives these: stage 4 must buy a booster, stage 5
  // must open the card manager.
  void SetTutorial(bool on) override { tutorial_ = on; }
  void SetTutorialStage(std::uint8_t stage) override { tutorialStage_ = stage; }
  bool Tutorial() const { return tutorial_; }
  std::uint8_t TutorialStage() const { return tutorialStage_; }

  bool Animating() const { return animating_; }
  int AnimationFrame() const { return animFrame_; }
  bool ManagerPending() const { return toManagerPending_; }

 private:
  void DrawCreditsLine(int buffer) const;
  void Buy(int lot);
  void StartAnimation();
  void AnimationStep();
  void EndPending();
  void TutorialGift();
  void FreeAnimationPictures();

  OpenManager openManager_;
  ScreenButton buttons_[ShopButtonCount];
  Image emptyPicture_;
  Image shopPicture_;
  Image boosterPictures_[BoosterPictureCount];
  Image savedBackground_;
  bool animating_ = false;
  std::int8_t animFrame_ = 0;
  bool toManagerPending_ = false;
  std::uint32_t pendingSince_ = 0;
  bool tutorial_ = false;
  std::uint8_t tutorialStage_ = 0;
};
