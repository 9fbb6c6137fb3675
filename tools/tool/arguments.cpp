// arguments.cpp -- the small command-line reader every duskhaven-tool command uses.
#include "tools/tool/arguments.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

Arguments::Arguments(int argc, char** argv, int first) {
  for (int i = first; i < argc; ++i) words_.emplace_back(argv[i]);
}

bool Arguments::Check(std::size_t maxPositional) {
  auto known = [](const std::vector<std::string>& list, const std::string& w) {
    return std::find(list.begin(), list.end(), w) != list.end();
  };
  for (std::size_t i = 0; i < words_.size(); ++i) {
    const std::string& w = words_[i];
    if (w.size() > 2 && w.compare(0, 2, "--") == 0) {
      std::string name = w.substr(2);
      if (known(values_, name)) {
        if (i + 1 >= words_.size()) {
          error_ = "option --" + name + " needs a value";
          return false;
        }
        given_.emplace_back(name, words_[++i]);
      } else if (known(flags_, name)) {
        given_.emplace_back(name, "");
      } else {
        error_ = "unknown option " + w;
        return false;
      }
    } else {
      positional_.push_back(w);
    }
  }
  if (positional_.size() > maxPositional) {
    error_ = "unexpected argument '" + positional_[maxPositional] + "'";
    return false;
  }
  return true;
}

bool Arguments::Has(const std::string& name) const {
  return std::any_of(given_.begin(), given_.end(), [&](const auto& g) { return g.first == name; });
}

std::string Arguments::Value(const std::string& name, const std::string& fallback) const {
  for (auto it = given_.rbegin(); it != given_.rend(); ++it)
    if (it->first == name) return it->second;
  return fallback;
}

bool ParseNumber(const std::string& text, long long lo, long long hi, long long& out) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  long long v = std::strtoll(text.c_str(), &end, 10);
  if (errno != 0 || end == text.c_str() || *end != '\0' || v < lo || v > hi) return false;
  out = v;
  return true;
}

int ToolFailure(const std::string& message) {
  std::fprintf(stderr, "duskhaven-tool: %s\n", message.c_str());
  return 2;
}
