// loading_screen.cpp -- OpenLoadingScreen, LoadingStep and the final pan of the loading picture.
#include "gfx/loading_screen.h"

#include "core/image.h"
#include "core/random.h"
#include "core/version.h"
#include "gfx/draw_image.h"
#include "gfx/font.h"
#include "gfx/picture_load.h"
#include "gfx/screen_buffers.h"
#include "platform/game_state.h"
#include "platform/messages.h"
#include "platform/waits.h"

LoadingScreen Loading;

const wchar_t* const LoadingHints[HintCount] = {
    L"You can move faster in the club using the Quick menu.",
    L"The cardshop is the place to go when you have some cash.",
    L"A deck is a the pack of cards you will use to play against your opponents.",
    L"All place of the club can be entered by clicking the picture or Action button.",
    L"In a booster there are a lot of common card and a few rare only.",
    L"A rare card is a card level 3 or 4, A common card is a card level 1 or 2.",
    L"When you buy a booster, you can see the new cards highlighted in red in the card manager.",
    L"You can create up to three characters.",
    L"You can save anytime by exiting the game with the Start button.",
    L"Choose carefully your cards, looks at the colored dots, those are power information.",
    L"The blue color is the strongest.",
    L"Having a lot of Dots is not necessary a good thing.",
    L"Selling double cards is another way to earn cash in Duskhaven.",
    L"The instant play and tounaments are the places to go to earn cash and reputation.",
    L"You can cut the music off in the option menu",
    L"There are three level of opponents in the Instant play room.",
    L"There are 45 differents opponents in the game.",
    L"You'll need all card and A lot of cash to challenge Dazorar.",
    L"You have to defeat all the opponent of the current class to battle the stronger ones.",
    L"You can see the Number of Win/defeat/draw of each opponents.",
    L"All the statistics are recorded into the Options room.",
    L"You can battle an opponent as often as you want.",
    L"There are random blocks among the Board to add a little more strategy in each match.",
    L"Those Dots/Powericons are the most important thing to understand in the game.",
    L"Be carefull to not attack with Less power than the other card or you would loose it.",
    L"Always check carefully the diagonals dots.",
    L"If you win a multihit fight , try to think to protect the string of card obtained.",
    L"Trading with multiplayer is a good way to obtain rare cards.",
    L"You can see the tutorial again by creating a new character.",
    L"Touneys are hard, but the reward is worth it...",
    L"Practice a lot against weak opponents.",
    L"If you score a Perfect, you'll win the sixteen opponent cards.",
    L"Don't forget to sell your Doubles!",
    L"You can trade cards and money in multiplayer.",
    L"Don't forget you can Drag and Drop card in the Card manager.",
    L"The saves are automatic, so don't try to exit a game if you are loosing.",
    L"Some of the characters are VANTOR related...",
    L"You can see your statistics in the option menu.",
};

namespace {

constexpr int StripX = 5, StripY = 307, StripW = 150, StripH = 20;
constexpr int ScreenRows = 320;

void DrawVersion() {
  const std::wstring version = VersionLine();
  DrawTextTinted(version, 235 - TextWidth(GameFont, version), StripY, GameFont, 3, 0);
}

void DrawHint() {
  DrawText(L"HINT :", 5, 3, GameFont, 0);
  DrawWrapped(LoadingHints[Loading.hint % HintCount], 40, 3, 220, 0);
}

void DrawPanFrame(int column) {
  DrawImageColumns(0, 0, Loading.picture, column, 240, 0);
  DrawVersion();
  DrawHint();
}

void Finish() {
  const int width = Loading.picture.Width();
  int column = 0;
  for (;;) {
    SoundTickIfOn();
    DrawPanFrame(column);
    PresentScreen();
    platform::Message m;
    const bool tapped = platform::RemoveNextStylusMessage(m) && m.kind == platform::MessageKind::StylusDown;
    if (column + 240 >= width || tapped) break;
    ++column;
  }
  DrawPanFrame(column);
  PresentScreen();
  FlushInput();
  WaitForTapOrActionKey();
}

}  // namespace

std::wstring VersionLine() {
  const std::string text = VersionText;
  return std::wstring(text.begin(), text.end());
}

void OpenLoadingScreen(int totalSteps) {
  Loading.step = 0;
  LoadImageFile(L"GFX\\LOADING\\EnterGAME.QXJ", Loading.picture, true);
  for (bool& shown : Loading.rowShown) shown = false;
  Loading.totalSteps = static_cast<std::int16_t>(totalSteps);
  Loading.rowsPerStep = static_cast<std::uint8_t>(totalSteps > 0 ? ScreenRows / totalSteps : 0);
  Loading.hint = static_cast<std::uint8_t>(Random(HintCount));
  Loading.underText = CropBuffer(StripX, StripY, StripW, StripH, 0);
}

void LoadingStep() {
  DrawImage(StripX, StripY, Loading.underText, 0);
  ++Loading.step;
  if (Loading.step >= Loading.totalSteps) {
    Finish();
    return;
  }
  for (int i = 0; i < Loading.rowsPerStep; ++i) {
    int r = Random(ScreenRows);
    // Every row shown already would never end the search (a step total below 1 row per step cannot get here).
    for (int tries = 0; Loading.rowShown[r] && tries < ScreenRows; ++tries) r = (r + 1) % ScreenRows;
    DrawImageRow(r, Loading.picture, 0);
    Loading.rowShown[r] = true;
  }
  DrawVersion();
  GrabBuffer(StripX, StripY, 0, Loading.underText);
  std::wstring text = L"Loading please wait";
  text.append(static_cast<std::size_t>(Loading.step % 5), L'.');
  DrawText(text, StripX, StripY, GameFont, 0);
  DrawHint();
  PresentScreen();
}

void CloseLoadingScreen() {
  Loading.picture = Image();
  Loading.underText = Image();
}
