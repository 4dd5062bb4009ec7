#include "console/Gbk.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace vm {

namespace {

// One conversion descriptor per direction, opened on first use.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) {
      throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts `in`; an input sequence that cannot be converted is skipped
  // (stepping `badStep(in, i)` bytes) and replaced by "?".
  template <typename BadStep>
  std::string convert(std::string_view in, BadStep badStep) {
    std::string out;
    out.resize(in.size() * 4 + 8);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (srcLeft > 0) {
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      if (r != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        size_t used = static_cast<size_t>(dst - out.data());
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dstLeft = out.size() - used;
        continue;
      }
      // EILSEQ or EINVAL: replace the offending bytes.
      size_t step = badStep(std::string_view(src, srcLeft));
      src += step;
      srcLeft -= step;
      if (dstLeft < 1) {
        size_t used = static_cast<size_t>(dst - out.data());
        out.resize(out.size() * 2);
        dst = out.data() + used;
        dstLeft = out.size() - used;
      }
      *dst++ = '?';
      --dstLeft;
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(static_cast<size_t>(dst - out.data()));
    return out;
  }

 private:
  iconv_t cd_;
};

size_t utf8SequenceLength(std::string_view s) {
  unsigned char c = static_cast<unsigned char>(s[0]);
  size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
  return n > s.size() ? s.size() : n;
}

size_t gbkSequenceLength(std::string_view s) {
  int n = gbkCharLength(s, 0);
  return n == 2 ? 2 : 1;
}

}  // namespace

std::string gbk(std::string_view utf8Text) {
  static Converter toGbk("GBK", "UTF-8");
  return toGbk.convert(utf8Text, utf8SequenceLength);
}

std::string utf8(std::string_view gbkText) {
  static Converter toUtf8("UTF-8", "GBK");
  return toUtf8.convert(gbkText, gbkSequenceLength);
}

}  // namespace vm
