// sound_wave.h -- writes a RIFF WAVE file of 16-bit mono PCM.
#pragma once

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int rate);
