// Reads the key-replay command's tokens: key names and aliases, precision settings, typed
// texts and runs of one-character keys. Validation happens before any key is pressed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct ScriptStep {
  enum class Kind { Key, Precision, Typed };
  Kind kind = Kind::Key;
  int key = 0;              // command number, for Key
  std::int32_t precision = 0;  // for Precision
  std::string_view name;    // canonical key name, or the token as given for settings and typed texts
  std::string_view typed;   // for Typed
};

struct ScriptError {
  std::string token;
  std::size_t position = 0;  // 1-based number of the token
};

// Appends the steps of one token; false (and nothing appended) when the token is not valid.
bool ParseToken(std::string_view token, std::vector<ScriptStep>& steps);

// Splits text into blank-separated tokens, skipping lines whose first non-blank is '#'.
std::vector<std::string_view> SplitScript(std::string_view text);
