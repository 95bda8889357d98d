#include "platform/gbk_to_utf8.h"

#include <errno.h>
#include <iconv.h>
#include <unistd.h>

#include <cstdint>

namespace console {
namespace {

const char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD in UTF-8

}  // namespace

GbkToUtf8::GbkToUtf8(int fd)
    : fd_(fd), converter_(iconv_open("UTF-8", "GBK")), lead_(0), hasLead_(false) {}

GbkToUtf8::~GbkToUtf8() {
  if (ok()) iconv_close(static_cast<iconv_t>(converter_));
}

// iconv_open's failure is (iconv_t)-1.
bool GbkToUtf8::ok() const { return reinterpret_cast<std::intptr_t>(converter_) != -1; }

bool GbkToUtf8::write(const char* data, std::size_t size) {
  // A lead byte left over from the last chunk goes with the first byte of
  // this one. Should that byte be a lead byte itself, it is the one left over.
  while (hasLead_ && size > 0) {
    const char pair[2] = {lead_, *data};
    hasLead_ = false;
    if (!convert(pair, 2)) return false;
    ++data, --size;
  }
  return convert(data, size);
}

// Converts and writes data, but for the lead byte of a character cut off at
// its end, which is kept for the next chunk.
bool GbkToUtf8::convert(const char* data, std::size_t size) {
  char* in = const_cast<char*>(data);  // iconv's signature; it only reads
  std::size_t left = size;
  char out[4096];
  while (left > 0) {
    char* next = out;
    std::size_t room = sizeof out;
    const std::size_t result = iconv(static_cast<iconv_t>(converter_), &in, &left, &next, &room);
    // Why iconv stopped, taken before the write below, which may leave errno
    // at EINTR though it delivered everything.
    const int stopped = result == static_cast<std::size_t>(-1) ? errno : 0;
    if (!writeAll(out, static_cast<std::size_t>(next - out))) return false;
    if (stopped == 0 || stopped == E2BIG) continue;
    if (stopped == EINVAL) {  // only the last byte is left: a cut character
      lead_ = *in;
      hasLead_ = true;
      return true;
    }
    if (!writeAll(kReplacement, sizeof kReplacement - 1)) return false;  // EILSEQ
    ++in, --left;
  }
  return true;
}

bool GbkToUtf8::writeAll(const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t written = ::write(fd_, data, size);
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return false;
    data += written;
    size -= static_cast<std::size_t>(written);
  }
  return true;
}

}  // namespace console
