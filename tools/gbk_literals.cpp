// gbk_literals: writes a copy of a C++ source file whose narrow string
// literals hold their non-ASCII characters as GBK (code page 936) bytes.
//
//   gbk_literals SOURCE COPY
//
// The sources keep their messages readable, in UTF-8; the programs must
// write them as GBK whatever compiler builds them, and compilers either
// cannot compile literals to GBK at all or do it through a converter that
// many systems lack. So each character of a plain "..." literal becomes
// octal escapes ("请" becomes "\307\353"), and the copy starts with a #line
// directive naming the source, so that diagnostics, debuggers and coverage
// name the file as written. Lines stay where they were.
//
// The table is made by decoding every code of the agreed range with the
// system's converter, since every C library decodes GBK while few encode it.
// The agreed range is the characters that GB2312 itself assigns (leads 0xA1
// to 0xF7, trails 0xA1 to 0xFE, less its empty cells), on which every
// system's decoder agrees, less the two codes where they do not. A
// character outside it is refused, so that no build machine can give other
// bytes.
//
// Left as written: comments, u8"", u"", U"" and L"" literals (the compiler
// encodes those itself). Refused: a non-ASCII character in a character
// literal or a raw string literal, which cannot be given as escapes.

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <iconv.h>
#endif

namespace {

// Two GBK bytes for each character of the agreed range, by code point.
using Table = std::map<char32_t, std::string>;

// The one code point that a character's UTF-8 bytes give, or 0 when they
// are not one whole character.
char32_t decodeUtf8(const std::string& text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || at + length > text.size()) return 0;
  char32_t point = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) {
    if ((byte(at + i) & 0xC0) != 0x80) return 0;
    point = point << 6 | (byte(at + i) & 0x3F);
  }
  at += length;
  return point;
}

// What the system's converter makes of two GBK bytes, in UTF-8; empty when
// it makes nothing of them.
#ifdef _WIN32
std::string decodeGbk(const char pair[2]) {
  wchar_t wide[4];
  const int units = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, pair, 2, wide, 4);
  if (units != 1) return {};  // the agreed range lies in the basic plane
  char utf8[8];
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, 1, utf8, sizeof utf8, nullptr, nullptr);
  return std::string(utf8, bytes > 0 ? bytes : 0);
}
#else
std::string decodeGbk(const char pair[2]) {
  static const iconv_t converter = iconv_open("UTF-8", "GBK");
  if (converter == reinterpret_cast<iconv_t>(-1)) {
    std::cerr << "gbk_literals: the system has no GBK converter\n";
    std::exit(1);
  }
  char* in = const_cast<char*>(pair);  // iconv's signature; it only reads
  std::size_t inLeft = 2;
  char utf8[8];
  char* out = utf8;
  std::size_t outLeft = sizeof utf8;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &in, &inLeft, &out, &outLeft) == static_cast<std::size_t>(-1)) return {};
  return std::string(utf8, out);
}
#endif

// Whether GB2312 itself gives a character to the code lead, trail. Decoders
// of GBK or GB18030 fill some of the cells that GB2312 leaves empty, each
// in its own way (musl's gives the euro sign for A2E3, glibc's nothing), so
// only GB2312's own cells are agreed on.
bool inGb2312(int lead, int trail) {
  if (lead >= 0xB0 && lead <= 0xF7)  // the Chinese characters
    return trail >= 0xA1 && trail <= (lead == 0xD7 ? 0xF9 : 0xFE);
  struct Cells {
    int lead, first, last;
  };
  static const Cells symbols[] = {{0xA1, 0xA1, 0xFE}, {0xA2, 0xB1, 0xE2}, {0xA2, 0xE5, 0xEE},
                                  {0xA2, 0xF1, 0xFC}, {0xA3, 0xA1, 0xFE}, {0xA4, 0xA1, 0xF3},
                                  {0xA5, 0xA1, 0xF6}, {0xA6, 0xA1, 0xB8}, {0xA6, 0xC1, 0xD8},
                                  {0xA7, 0xA1, 0xC1}, {0xA7, 0xD1, 0xF1}, {0xA8, 0xA1, 0xBA},
                                  {0xA8, 0xC5, 0xE9}, {0xA9, 0xA4, 0xEF}};
  for (const Cells& cells : symbols)
    if (cells.lead == lead && trail >= cells.first && trail <= cells.last) return true;
  return false;
}

Table makeTable() {
  Table table;
  std::map<char32_t, int> codes;  // how many codes decode to each character
  for (int lead = 0xA1; lead <= 0xF7; ++lead) {
    for (int trail = 0xA1; trail <= 0xFE; ++trail) {
      if (!inGb2312(lead, trail)) continue;
      // Middle dot and em dash: decoders differ (GB2312's U+30FB and U+2015).
      if (lead == 0xA1 && (trail == 0xA4 || trail == 0xAA)) continue;
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      const std::string decoded = decodeGbk(pair);
      std::size_t at = 0;
      const char32_t point = decoded.empty() ? 0 : decodeUtf8(decoded, at);
      if (point < 0x80 || at != decoded.size()) continue;  // not one character
      table[point] = std::string(pair, 2);
      ++codes[point];
    }
  }
  for (const auto& [point, count] : codes)
    if (count > 1) table.erase(point);  // no one code: no one answer
  return table;
}

class Copier {
 public:
  Copier(const std::string& name, const std::string& text, const Table& table)
      : name_(name), text_(text), table_(table) {}

  // The copy, or false after saying on standard error what was refused.
  bool copy(std::string& out) {
    while (at_ < text_.size()) {
      const char c = text_[at_];
      if (c == '/' && next() == '/') {
        copyThrough("\n");
      } else if (c == '/' && next() == '*') {
        copyThrough("*/");
      } else if (c == '"') {
        if (!literal()) return false;
      } else if (c == '\'' && !digitSeparator()) {
        if (!characterLiteral()) return false;
      } else {
        take(1);
      }
    }
    out = std::move(out_);
    return true;
  }

 private:
  char next() const { return at_ + 1 < text_.size() ? text_[at_ + 1] : '\0'; }

  static bool isWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

  // The letters just before position at that belong to the same word: a
  // literal's prefix (u8, L, R, ...).
  std::string prefix() const {
    std::size_t start = at_;
    while (start > 0 && isWordChar(text_[start - 1])) --start;
    return text_.substr(start, at_ - start);
  }

  // A quote inside a number, as in 1'000'000.
  bool digitSeparator() const {
    const std::string word = prefix();
    return !word.empty() && std::isdigit(static_cast<unsigned char>(word[0]));
  }

  void take(std::size_t count) {
    out_.append(text_, at_, count);
    at_ += count;
  }

  void copyThrough(const std::string& end) {
    const std::size_t found = text_.find(end, at_ + 2);
    take(found == std::string::npos ? text_.size() - at_ : found + end.size() - at_);
  }

  int line() const {
    return 1 + static_cast<int>(std::count(text_.begin(), text_.begin() + at_, '\n'));
  }

  bool refuse(const std::string& why) const {
    std::cerr << name_ << ':' << line() << ": " << why << '\n';
    return false;
  }

  bool literal() {
    const std::string word = prefix();
    const bool raw = !word.empty() && word.back() == 'R';
    const std::string encoding = raw ? word.substr(0, word.size() - 1) : word;
    if (raw) {
      const std::size_t open = text_.find('(', at_);
      const std::string end = ")" + text_.substr(at_ + 1, open - at_ - 1) + "\"";
      const std::size_t close = text_.find(end, open);
      const std::size_t stop = close == std::string::npos ? text_.size() : close + end.size();
      if (encoding.empty() && !ascii(at_, stop))
        return refuse("a raw string literal cannot hold its characters as GBK escapes");
      take(stop - at_);
      return true;
    }
    take(1);  // the opening quote
    const bool convert = encoding.empty();
    while (at_ < text_.size() && text_[at_] != '"' && text_[at_] != '\n') {
      if (text_[at_] == '\\') {
        take(2);  // an escape stays as it is
      } else if (static_cast<unsigned char>(text_[at_]) < 0x80 || !convert) {
        take(1);
      } else if (!character()) {
        return false;
      }
    }
    take(1);  // the closing quote
    return true;
  }

  // One non-ASCII character of a plain literal, as octal escapes: unlike
  // hexadecimal ones, they never run on into a digit that follows.
  bool character() {
    std::size_t end = at_;
    const char32_t point = decodeUtf8(text_, end);
    if (point == 0) return refuse("a literal holds bytes that are not UTF-8");
    const auto found = table_.find(point);
    if (found == table_.end()) {
      char code[16];
      std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(point));
      return refuse(std::string("character ") + code +
                    " is outside the characters the messages may use (GB2312)");
    }
    for (const char byte : found->second) {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\%03o", static_cast<unsigned char>(byte));
      out_ += escape;
    }
    at_ = end;
    return true;
  }

  bool characterLiteral() {
    std::size_t end = at_ + 1;
    while (end < text_.size() && text_[end] != '\'' && text_[end] != '\n')
      end += text_[end] == '\\' ? 2 : 1;
    if (!ascii(at_, end)) return refuse("a character literal cannot hold a non-ASCII character");
    take(end + 1 - at_);
    return true;
  }

  bool ascii(std::size_t from, std::size_t to) const {
    for (std::size_t i = from; i < to && i < text_.size(); ++i)
      if (static_cast<unsigned char>(text_[i]) >= 0x80) return false;
    return true;
  }

  const std::string& name_;
  const std::string& text_;
  const Table& table_;
  std::size_t at_ = 0;
  std::string out_;
};

// The name as a #line directive takes it: forward slashes, quotes escaped.
std::string lineName(std::string name) {
  std::string quoted;
  for (char c : name) {
    if (c == '\\') c = '/';
    if (c == '"') quoted += '\\';
    quoted += c;
  }
  return quoted;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: gbk_literals SOURCE COPY\n";
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::cerr << "gbk_literals: cannot read " << argv[1] << '\n';
    return 1;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const Table table = makeTable();
  std::string copy;
  if (!Copier(argv[1], text, table).copy(copy)) return 1;
  std::ofstream out(argv[2], std::ios::binary);
  out << "#line 1 \"" << lineName(argv[1]) << "\"\n" << copy;
  out.close();
  if (!out) {
    std::cerr << "gbk_literals: cannot write " << argv[2] << '\n';
    std::remove(argv[2]);
    return 1;
  }
  return 0;
}
