// An output file that appears under its name only when it is complete: it is
// written under a temporary name in the same directory, every write and the
// close are checked, and it is renamed on success or removed on failure, so a
// failed or interrupted write never leaves a file that looks finished nor
// destroys the previous good one.
#pragma once
#include <cstdio>
#include <string>

class GCoutputFile {
 public:
  explicit GCoutputFile(const char* path);
  ~GCoutputFile();  // a file not finished is removed
  GCoutputFile(const GCoutputFile&) = delete;
  GCoutputFile& operator=(const GCoutputFile&) = delete;

  // The stream of the temporary file, or null when it could not be made.
  FILE* stream() const { return stream_; }
  // The temporary file's name, for writers that open files by name (image
  // libraries); they must have closed it before finish().
  const char* temporaryPath() const { return temporary_.c_str(); }
  const char* path() const { return path_.c_str(); }
  // Closes the stream and gives the file its name when nothing failed and
  // `written` is true; otherwise removes it. True when the file is in place.
  bool finish(bool written = true);
  // For files others append to by name before the file is complete: closes
  // the stream (checked; a failure makes finish() fail) and keeps the
  // unfinished file at temporaryPath(). False when a write or the close failed.
  bool suspend();
  // Opens the unfinished file again for appending; the stream, or null.
  FILE* resume();
  // Drops the unfinished file.
  void discard();

 private:
  std::string path_;
  std::string temporary_;
  FILE* stream_ = nullptr;
  bool open_ = false;  // the temporary file exists
  bool failed_ = false;  // a write or close before the last resume() failed
};

// Writes `path` through `write(FILE*)`, which returns false on its own
// failure; true when the file is complete and in place.
template <class Writer>
bool GCwriteOutputFile(const char* path, Writer&& write) {
  GCoutputFile file(path);
  if (!file.stream()) return false;
  bool ok = write(file.stream());
  return file.finish(ok);
}
