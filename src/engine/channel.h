// Output and input channels of a run. The report (6), plot file (7), run
// messages (8) and the error console (0) are Channel objects owned by the run
// context; tests capture any of them in memory.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace quarn::engine {

class Channel {
 public:
  Channel() = default;
  Channel(const Channel&) = delete;
  Channel& operator=(const Channel&) = delete;
  ~Channel() { close(); }

  // Creates the file or rewrites it from its start. False when it cannot be created.
  bool open(const std::string& path);
  // Sends every line to an existing stream that the channel does not own (stderr).
  void attach(std::FILE* stream);
  // Keeps every line in memory (tests and the fuzzer).
  void captureInMemory();
  // Flushes and closes; closing a channel that was never opened does nothing.
  void close();
  bool isOpen() const { return file_ != nullptr || memory_; }

  // Appends text to the open line. Lines are written only by endLine().
  void put(std::string_view text);
  // Ends the open line (an empty line when nothing was put).
  void endLine();
  void line(std::string_view text) {
    put(text);
    endLine();
  }
  void emptyLines(int count) {
    for (int i = 0; i < count; ++i) endLine();
  }
  // Length of the line left open so far.
  int column() const { return static_cast<int>(pending_.size()); }
  bool lineOpen() const { return lineOpen_; }

  // Restarts the channel at its first line; what was written is discarded.
  void rewind();

  // Everything written so far to a memory channel.
  const std::string& text() const { return buffer_; }

  // True once a line could not be written to the file.
  bool failed() const { return failed_; }
  // Fault injection for tests: the write of line number n (counted from 1
  // over the life of the channel) and every later one fail.
  void failFromWrite(long n) { failFromWrite_ = n; }

 private:
  std::FILE* file_ = nullptr;
  bool ownsFile_ = false;
  bool memory_ = false;
  bool lineOpen_ = false;
  bool failed_ = false;
  long writes_ = 0;
  long failFromWrite_ = 0;
  std::string pending_;
  std::string buffer_;
};

// The input data file (channel 5) and NAMES.DAT (channel 9): read line by line.
class InputFile {
 public:
  InputFile() = default;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  ~InputFile() { close(); }

  bool open(const std::string& path);
  // Reads from a text held in memory (tests and the fuzzer).
  void openText(std::string text);
  void close();
  bool isOpen() const { return file_ != nullptr || memory_; }

  // Reads the next line without its line end (a CR before the LF is dropped
  // too, so files written on Windows read the same). False at end of file.
  bool readLine(std::string& line);
  void rewind();
  // Size of the open file in bytes.
  long long sizeBytes() const;
  // Number of lines read since opening or the last rewind.
  long lineNumber() const { return lineNumber_; }

 private:
  std::FILE* file_ = nullptr;
  bool memory_ = false;
  std::string text_;
  std::size_t position_ = 0;
  long lineNumber_ = 0;
};

}  // namespace quarn::engine
