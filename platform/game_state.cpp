// game_state.cpp -- the process-wide shell state, zero at start.
#include "platform/game_state.h"

#include "platform/display.h"

bool KeyFlags[GameKeyCount] = {};
bool SoundOff = false;

int GameKeyOfCode(std::int32_t key) {
  const auto code = static_cast<std::int16_t>(key & 0xFFFF);
  const std::int16_t codes[GameKeyCount] = {platform::VkUp,    platform::VkDown, platform::VkLeft, platform::VkRight,
                                            platform::VkStart, platform::VkAppA, platform::VkAppB, platform::VkAppC};
  for (int k = 0; k < GameKeyCount; ++k)
    if (codes[k] == code) return k;
  return -1;
}
