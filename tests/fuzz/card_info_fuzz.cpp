// card_info_fuzz.cpp -- fuzzes the card information file under the real card set: any file gives a text, never a
// crash, and the start-up check of the file never crashes either.
#include <cstdint>
#include <vector>

#include "data/card_database.h"
#include "tests/fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const CardDataFiles& files = ForgedCardData();
  if (!OpenCardDatabaseBytes(files.index, files.records)) BrokenProperty("the forged card data cannot be opened");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> info(data, data + size);
  CheckCardInfoBytes(info);
  const int count = CardCount(), q = count / 4;
  // The first and last card of every level, and a family in the middle.
  for (int id : {1, 2, q, q + 1, q + q / 2, 2 * q + 1, 3 * q, 3 * q + 1, count}) {
    const std::wstring text = CardInfoTextOf(info, id);
    FUZZ_CHECK(text.find(L"\nLevel ") != std::wstring::npos);
  }
  FUZZ_CHECK(CardInfoTextOf(info, 0).empty() && CardInfoTextOf(info, count + 1).empty());
  return 0;
}
