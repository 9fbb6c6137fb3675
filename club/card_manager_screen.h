// card_manager_screen.h -- the card manager: the whole set page by page, the deck (or trade box) strip, dragging, zoom
// and sale.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "club/club_screen.h"
#include "core/card.h"
#include "core/image.h"
#include "data/player_record.h"
#include "gfx/screen_button.h"

constexpr int ManagerButtonCount = 8;
constexpr int GridSlots = 24;
constexpr int StripSlots = 7;
constexpr int SlotW = 32;
constexpr int SlotH = 50;
constexpr int LastPageStart = 336;

// Where things stand on the manager's screen.
inline int GridSlotX(int slot) { return 34 * (slot % 6) + 18; }
inline int GridSlotY(int slot) { return 52 * (slot / 6) + 25; }
inline int StripSlotX(int k) { return 33 * k + 4; }
constexpr int StripY = 247;
// The grid slot strictly containing the point, or -1.
int GridSlotAt(int x, int y);
// The strip slot whose hit area (33k+4 <= x <= 33k+36, 246 < y < 298) holds the point, or -1.
int StripSlotAt(int x, int y);
int NextPageStart(int pageStart);
int PreviousPageStart(int pageStart);

class CardManagerScreen : public ClubScreenBase {
 public:
  // tradeFrame runs in every Frame in trade mode (the link stays serviced).
  CardManagerScreen(bool highlightNew, bool tradeMode, std::function<void()> tradeFrame = {});
  ~CardManagerScreen() override = default;

  void Enter() override;
  void Frame() override;
  void StylusDown(int x, int y) override;
  void StylusMove(int x, int y) override;
  bool StylusUp(int x, int y) override;
  void Redraw(int buffer) override;
  void SaveState(ByteWriter& out) const override;
  bool LoadState(ByteReader& in) override;
  std::string Report() const override;
  // The page's 24 cards, the strip's seven and the buttons; Left and Right keep turning the pages.
  void FocusPlaces(std::vector<FocusPlace>& places) const override;
  bool ArrowsBrowse() const override { return true; }

  // Set by the club's tutorial: selling and leaving are refused, and the
  // screen finishes at the first release of a grid card once the deck is full.
  void SetTutorial(bool on) override { tutorial_ = on; }
  bool Tutorial() const { return tutorial_; }

  int PageStart() const { return pageStart_; }
  int ZoomSlot() const { return zoomSlot_; }
  int StripSlot() const { return stripSlot_; }
  int StripScroll() const { return stripScroll_; }
  bool Dragging() const { return dragging_; }
  bool ZoomShown() const { return zoomShown_; }
  bool TradeMode() const { return tradeMode_; }
  // The card id shown in grid slot i, or -1 beyond the set.
  int GridId(int slot) const;
  // Whether the id is among the cards of the last purchase being highlighted.
  bool IsNew(int id) const;

 private:
  const Card& CardRecord(int id);
  ImageView SmallPicture(int id);
  void DrawSlotCard(int id, int x, int y, int buffer);
  void DrawGridSlot(int slot, int buffer);
  void DrawStrip(int buffer);
  void DrawStripSlot(int k, int buffer);
  void DrawCreditsLine(int buffer);
  int StripId(int index) const;  // the card in deck (or trade-box) position index, -1 none
  int StripScrollLimit() const;
  void RecomputeStripScroll();

  void Highlight(int x, int y);
  void RemoveHighlight();
  void ClearSelection();
  void ChangePage(int pageStart);

  void DropCard();
  void DropOnStripFromGrid(int k);
  void Zoom();
  void SellSelected();
  void AddOrRemoveSelected();
  int SelectedId() const;
  void Saved();

  ScreenButton buttons_[ManagerButtonCount];
  Image emptyPicture_;
  Image borderPicture_;

  std::int16_t pageStart_ = 0;
  std::int8_t selectedSlot_ = -1;
  std::int8_t zoomSlot_ = -1;
  bool highlighted_ = false;
  int highlightX_ = 0, highlightY_ = 0;
  Image highlightSaved_;
  std::int8_t stripSlot_ = -1;
  std::int8_t stripScroll_ = 0;

  bool dragging_ = false;
  bool dragFromStrip_ = false;
  int dragId_ = -1;
  int dragIndex_ = -1;  // the deck (or trade-box) position a strip card came from
  int grabX_ = 0, grabY_ = 0;
  int dragX_ = 0, dragY_ = 0;
  Image dragSaved_;

  bool zoomShown_ = false;
  bool highlightNew_ = false;
  std::int16_t newCards_[LastBoosterSize];
  bool tradeMode_ = false;
  std::function<void()> tradeFrame_;
  bool tutorial_ = false;

  // Cards and small pictures met while the manager is open, by id.
  Card cards_[CollectionSize + 1];
  bool cardRead_[CollectionSize + 1] = {};
  Image small_[CollectionSize + 1];
  bool smallTried_[CollectionSize + 1] = {};
};
