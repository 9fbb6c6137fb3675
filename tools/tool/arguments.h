// arguments.h -- the small command-line reader every duskhaven-tool command uses.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The words after the command name. Options are "--name value" or "--name";
// anything else is a positional word.
class Arguments {
 public:
  Arguments(int argc, char** argv, int first);

  // Declares an option that takes a value / a flag. Call these before Check().
  void AllowValue(const std::string& name) { values_.push_back(name); }
  void AllowFlag(const std::string& name) { flags_.push_back(name); }

  // Parses the words against the declared options; false (with Error() set)
  // for an unknown option or an option missing its value.
  bool Check(std::size_t maxPositional);

  bool Has(const std::string& name) const;
  std::string Value(const std::string& name, const std::string& fallback = "") const;
  const std::vector<std::string>& Positional() const { return positional_; }
  const std::string& Error() const { return error_; }

 private:
  std::vector<std::string> words_;
  std::vector<std::string> values_, flags_;
  std::vector<std::pair<std::string, std::string>> given_;
  std::vector<std::string> positional_;
  std::string error_;
};

// Reads a whole decimal number in [lo, hi]; false for anything else.
bool ParseNumber(const std::string& text, long long lo, long long hi, long long& out);

// Prints "duskhaven-tool: <message>" on stderr and returns the exit code 2.
int ToolFailure(const std::string& message);
