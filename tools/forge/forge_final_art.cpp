// forge_final_art.cpp -- writes the card master's lair and the end credits: two scene pictures, the credits
// picture and its ten pages.
#include "tools/forge/art_final.h"
#include "tools/forge/font_bmp.h"
#include "tools/forge/forge.h"

namespace {

bool WriteBmpPicture(ForgeOutput& out, const std::string& path, const RgbPicture& picture) {
  return out.Write(path, EncodeBmp24(picture.rgb, picture.width, picture.height));
}

}  // namespace

bool ForgeFinalArt(ForgeOutput& out) {
  if (!WriteJpegPicture(out, "GFX\\MENU\\HELL\\Dazorar1.QXJ", DrawGateScene()) ||
      !WriteJpegPicture(out, "GFX\\MENU\\HELL\\Dazorar2.QXJ", DrawCardMaster()) ||
      !WritePngPicture(out, "GFX\\CREDITS\\end credits.QXG", DrawEndCreditsPicture()))
    return false;
  for (const finale::CreditsPageLook& look : finale::PageLooks)
    if (!WriteBmpPicture(out, "GFX\\CREDITS\\" + look.file, DrawCreditsPage(look))) return false;
  return true;
}
