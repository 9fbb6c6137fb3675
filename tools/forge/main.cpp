// main.cpp -- duskhaven-forge: writes the install tree (--out DIR) or installs it (--install DIR).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/file_system.h"
#include "tools/forge/art_contact_sheet.h"
#include "tools/forge/art_icon.h"
#include "tools/forge/forge.h"

namespace {

const char* const Usage =
    "usage: duskhaven-forge --out DIR       write the data set into DIR\n"
    "       duskhaven-forge --install DIR   write it and record DIR as the game's install directory\n"
    "       duskhaven-forge --contact-sheet FILE.png   every card's pictures on one sheet, for review\n"
    "       duskhaven-forge --icon FILE.svg|FILE.png   the desktop icon, scalable or 256 x 256\n";

int Fail(const std::string& message) {
  std::fprintf(stderr, "duskhaven-forge: %s\n", message.c_str());
  return 2;
}

}  // namespace

bool ForgeOutput::Write(std::string_view gamePath, const std::vector<std::uint8_t>& bytes) {
  std::string rel(gamePath);
  for (char& c : rel)
    if (c == '\\') c = '/';
  std::string path = root_ + "/" + rel;
  auto slash = path.find_last_of('/');
  if (!platform::MakeDirectories(path.substr(0, slash)) || !platform::WriteFileAtomically(path, bytes)) {
    std::fprintf(stderr, "duskhaven-forge: cannot write %s\n", path.c_str());
    return false;
  }
  ++files_;
  return true;
}

bool ForgeOutput::Write(std::string_view gamePath, std::string_view bytes) {
  return Write(gamePath, std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

int main(int argc, char** argv) {
  std::string out, install;
  int icons = 0;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(Usage, stdout);
      return 0;
    }
    if (a == "--contact-sheet" && i + 1 < argc) {
      std::string error;
      if (!WriteContactSheet(argv[++i], error)) return Fail(error);
      std::printf("duskhaven-forge: contact sheet written to %s\n", argv[i]);
      return 0;
    }
    if (a == "--icon" && i + 1 < argc) {
      const std::string file = platform::AbsoluteHostPath(argv[++i]);
      std::string error;
      if (!WriteGameIcon(file, error)) return Fail(error);
      std::printf("duskhaven-forge: icon written to %s\n", file.c_str());
      ++icons;
      continue;
    }
    if ((a == "--out" || a == "--install") && i + 1 < argc) {
      (a == "--out" ? out : install) = argv[++i];
    } else {
      std::fputs(Usage, stderr);
      return Fail("bad argument '" + a + "'");
    }
  }
  if (icons > 0 && out.empty() && install.empty()) return 0;
  if (out.empty() == install.empty()) {
    std::fputs(Usage, stderr);
    return 2;
  }
  std::string root = out.empty() ? install : out;
  if (!root.empty() && root.front() != '/') {
    char* cwd = realpath(".", nullptr);
    if (cwd) {
      root = std::string(cwd) + "/" + root;
      std::free(cwd);
    }
  }
  if (!platform::MakeDirectories(root)) return Fail("cannot create " + root);

  ForgeOutput tree(root);
  if (!ForgeCardData(tree) || !ForgeFont(tree) || !ForgeShellArt(tree) || !ForgeMatchArt(tree) || !ForgeClubArt(tree) ||
      !ForgeFinalArt(tree) || !ForgeSounds(tree))
    return 1;
  if (!install.empty() && !RecordInstallDir(root)) return Fail("cannot record the install directory");
  std::printf("duskhaven-forge: %d files written to %s\n", tree.FilesWritten(), root.c_str());
  return 0;
}
