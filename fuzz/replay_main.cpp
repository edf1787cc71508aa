// Replays fuzz inputs without libFuzzer: every file named, and every file inside every folder
// named, in sorted order, through the target's LLVMFuzzerTestOneInput. A failed invariant
// aborts; the abort handler then names the input that broke it. Fails on an empty corpus too,
// so that a lost corpus folder cannot pass as a green test.

#include <algorithm>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <string>
#include <vector>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// Set before each input; the handler may only use async-signal-safe calls.
std::string g_current;

extern "C" void NameFailingInput(int sig) {
  static const char prefix[] = "failing input: ";
  [[maybe_unused]] auto a = write(STDERR_FILENO, prefix, sizeof prefix - 1);
  [[maybe_unused]] auto b = write(STDERR_FILENO, g_current.data(), g_current.size());
  [[maybe_unused]] auto c = write(STDERR_FILENO, "\n", 1);
  std::signal(sig, SIG_DFL);
  std::raise(sig);
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  std::vector<fs::path> files;
  for (int i = 1; i < argc; ++i) {
    const fs::path arg = argv[i];
    std::error_code ec;
    if (fs::is_directory(arg, ec)) {
      for (const auto& item : fs::directory_iterator(arg))
        if (item.is_regular_file()) files.push_back(item.path());
    } else if (fs::is_regular_file(arg, ec)) {
      files.push_back(arg);
    } else {
      std::fprintf(stderr, "no such file or folder: %s\n", argv[i]);
      return 2;
    }
  }
  std::sort(files.begin(), files.end());
  if (files.empty()) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR|FILE ... (found no input)\n", argv[0]);
    return 2;
  }
  for (const int sig : {SIGABRT, SIGSEGV, SIGFPE, SIGILL, SIGBUS}) std::signal(sig, NameFailingInput);
  std::size_t bytes = 0;
  for (const auto& file : files) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.eof() && in.fail()) {
      std::fprintf(stderr, "cannot read %s\n", file.c_str());
      return 2;
    }
    g_current = file.string();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(data.data()), data.size());
    bytes += data.size();
  }
  std::printf("replayed %zu inputs, %zu bytes\n", files.size(), bytes);
  return 0;
}
