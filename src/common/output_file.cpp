#include "common/output_file.h"

#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// The permissions a plain fopen would give a new file.
mode_t newFileMode() {
  mode_t mask = umask(0);
  umask(mask);
  return static_cast<mode_t>(0666 & ~mask);
}
}  // namespace

GCoutputFile::GCoutputFile(const char* path) : path_(path), temporary_(std::string(path) + ".XXXXXX") {
  int fd = mkstemp(temporary_.data());
  if (fd < 0) return;
  open_ = true;
  fchmod(fd, newFileMode());
  stream_ = fdopen(fd, "w");
  if (!stream_) {
    close(fd);
    discard();
  }
}

GCoutputFile::~GCoutputFile() { discard(); }

bool GCoutputFile::suspend() {
  if (!stream_) return false;
  bool failed = ferror(stream_) != 0;
  failed = fclose(stream_) != 0 || failed;
  stream_ = nullptr;
  failed_ = failed_ || failed;
  return !failed;
}

FILE* GCoutputFile::resume() {
  if (open_ && !stream_) stream_ = fopen(temporary_.c_str(), "a");
  return stream_;
}

bool GCoutputFile::finish(bool written) {
  if (!open_) return false;
  if (stream_) suspend();
  if (!written || failed_ || rename(temporary_.c_str(), path_.c_str()) != 0) {
    discard();
    return false;
  }
  open_ = false;
  return true;
}

void GCoutputFile::discard() {
  if (stream_) fclose(stream_);
  stream_ = nullptr;
  if (open_) unlink(temporary_.c_str());
  open_ = false;
}
