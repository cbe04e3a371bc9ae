#include "engine/channel.h"

#include <sys/stat.h>
#include <unistd.h>

namespace quarn::engine {

bool Channel::open(const std::string& path) {
  close();
  file_ = std::fopen(path.c_str(), "w");
  ownsFile_ = file_ != nullptr;
  return file_ != nullptr;
}

void Channel::attach(std::FILE* stream) {
  close();
  file_ = stream;
  ownsFile_ = false;
}

void Channel::captureInMemory() {
  close();
  memory_ = true;
  buffer_.clear();
}

void Channel::close() {
  if (lineOpen_) endLine();
  if (file_ != nullptr) {
    if (std::fflush(file_) != 0) failed_ = true;
    if (ownsFile_ && std::fclose(file_) != 0) failed_ = true;
  }
  file_ = nullptr;
  ownsFile_ = false;
  memory_ = false;
}

void Channel::put(std::string_view text) {
  pending_.append(text);
  lineOpen_ = true;
}

void Channel::endLine() {
  pending_.push_back('\n');
  ++writes_;
  if (failFromWrite_ > 0 && writes_ >= failFromWrite_) {
    failed_ = true;
  } else if (memory_) {
    buffer_.append(pending_);
  } else if (file_ != nullptr) {
    if (std::fwrite(pending_.data(), 1, pending_.size(), file_) != pending_.size()) failed_ = true;
  }
  pending_.clear();
  lineOpen_ = false;
}

void Channel::rewind() {
  pending_.clear();
  lineOpen_ = false;
  if (memory_) {
    buffer_.clear();
  } else if (file_ != nullptr && ownsFile_) {
    if (std::fflush(file_) != 0 || ftruncate(fileno(file_), 0) != 0) failed_ = true;
    std::rewind(file_);
  }
}

bool InputFile::open(const std::string& path) {
  close();
  // Only regular files: a directory or a device would open but read nonsense.
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  file_ = std::fopen(path.c_str(), "rb");
  lineNumber_ = 0;
  return file_ != nullptr;
}

void InputFile::openText(std::string text) {
  close();
  memory_ = true;
  text_ = std::move(text);
  position_ = 0;
  lineNumber_ = 0;
}

void InputFile::close() {
  if (file_ != nullptr) std::fclose(file_);
  file_ = nullptr;
  memory_ = false;
  text_.clear();
  position_ = 0;
}

bool InputFile::readLine(std::string& line) {
  line.clear();
  if (memory_) {
    if (position_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', position_);
    if (end == std::string::npos) end = text_.size();
    line.assign(text_, position_, end - position_);
    position_ = end + 1;
  } else {
    if (file_ == nullptr) return false;
    int c = std::fgetc(file_);
    if (c == EOF) return false;
    while (c != EOF && c != '\n') {
      line.push_back(static_cast<char>(c));
      c = std::fgetc(file_);
    }
  }
  if (!line.empty() && line.back() == '\r') line.pop_back();
  ++lineNumber_;
  return true;
}

void InputFile::rewind() {
  if (memory_) position_ = 0;
  if (file_ != nullptr) std::rewind(file_);
  lineNumber_ = 0;
}

long long InputFile::sizeBytes() const {
  if (memory_) return static_cast<long long>(text_.size());
  if (file_ == nullptr) return 0;
  struct stat info {};
  if (::fstat(fileno(file_), &info) != 0) return 0;
  return static_cast<long long>(info.st_size);
}

}  // namespace quarn::engine
