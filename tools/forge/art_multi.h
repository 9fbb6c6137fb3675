// art_multi.h -- the multiplayer lobby and the card trade: their backgrounds, buttons and READY lights.
#pragma once

#include "tools/forge/art_canvas.h"
#include "tools/forge/art_shop.h"

namespace multi {
// The lobby's buttons with their own normal and pressed pictures (the pressed ones add "ON").
constexpr int LobbyButtonCount = 4;
constexpr ButtonPlace LobbyButtons[LobbyButtonCount] = {
    {"MultiplayerCreate.QXJ", 188, 241, 50, 24, "CREATE"},
    {"MultiplayerJoin.QXJ", 22, 241, 50, 24, "JOIN"},
    {"MultiplayerGame.QXJ", 134, 241, 50, 24, "GAME"},
    {"MultiplayerTrade.QXJ", 75, 241, 50, 24, "TRADE"},
};
// Back is shared by both screens: its pressed picture, its normal look cut from either background.
constexpr ButtonPlace Back = {"MultiplayerBack.QXJ", 202, 301, 38, 19, "BACK"};
constexpr int PanelX = 10, PanelY = 75, PanelW = 220, PanelH = 160;
constexpr int StateX = 153, StateY = 63;

// The trade's buttons: pressed pictures, normal looks cut from TradeUI.QXG (Back above is the eighth).
constexpr int TradeButtonCount = 7;
constexpr ButtonPlace TradeButtons[TradeButtonCount] = {
    {"TradeUIADD.QXJ", 21, 278, 54, 20, "ADD"},      {"TradeUIDEL.QXJ", 79, 280, 48, 18, "DEL"},
    {"TradeUIREADY.QXJ", 130, 281, 52, 18, "READY"}, {"TradeUICANCEL.QXJ", 185, 278, 53, 20, "CANCEL"},
    {"TradeUIZOOM.QXJ", 201, 0, 39, 20, "ZOOM"},     {"TradeUIMoins.QXJ", 19, 256, 18, 17, "-"},
    {"TradeUIPlus.QXJ", 102, 256, 18, 17, "+"},
};
constexpr ButtonPlace OwnLight = {"TradeUILightLeftGreen.QXJ", 20, 241, 84, 13, "READY"};
constexpr ButtonPlace PartnerLight = {"TradeUILightRightGreen.QXJ", 129, 240, 84, 13, "READY"};
constexpr int OwnBoxX = 19, PartnerBoxX = 129, BoxY = 83, SlotPitchX = 34, SlotPitchY = 52;
constexpr int SlotW = 32, SlotH = 50;
constexpr int OwnNameX = 25, PartnerNameX = 135, NameY = 69;
constexpr int OwnOfferX = 38, PartnerOfferX = 147, OfferW = 62, OfferY = 258;
constexpr int CreditsBandX = 40, CreditsY = 26;
}  // namespace multi

// The lobby's background (withPicture: the room's picture in the message panel); pressedBack draws Back pressed.
RgbPicture DrawLobbyScreen(bool withPicture, bool pressedBack);
RgbPicture DrawLobbyButton(int index, bool pressed);  // index into multi::LobbyButtons
// The trade's background; pressed = the index of a trade button drawn pressed (7 = Back), or -1.
RgbPicture DrawTradeScreen(int pressed);
RgbPicture DrawTradeLight(bool partner);  // the lit READY light
