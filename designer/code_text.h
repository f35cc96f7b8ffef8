#pragma once
// Building the generated BASIC files. Every text taken from a record passes
// through one of the appenders below, so that nothing a user typed can end a
// line, close a string literal early or leave a broken double-byte character
// in front of a quote.
#include <cstdint>
#include <string>
#include <string_view>

class CodeBuilder {
 public:
  // Our own fixed text, copied as it is.
  CodeBuilder& Raw(std::string_view s) {
    text_.append(s);
    return *this;
  }
  // A record's text outside quotes (names, identifiers).
  CodeBuilder& Name(std::string_view s);
  // A record's text as a "..." literal; a double quote inside becomes
  // "+Chr$(34)+".
  CodeBuilder& Quoted(std::string_view s);
  // A record's text as an Ex"..." literal (escape sequences are the user's);
  // a double quote becomes "+Chr$(34)+Ex" and a lone backslash before a
  // closing quote is doubled so that it cannot escape it.
  CodeBuilder& ExQuoted(std::string_view s);
  // The text inside a "..." format literal after a leading "%s": like Quoted,
  // with every % doubled.
  CodeBuilder& FormatTail(std::string_view s);
  CodeBuilder& Num(int64_t v);
  // "&H" and eight lower-case hex digits.
  CodeBuilder& Hex(uint32_t v);
  CodeBuilder& EndLine() {
    text_.append("\r\n", 2);
    return *this;
  }

  size_t Size() const { return text_.size(); }
  void CutTo(size_t size) { text_.resize(size); }
  void Reserve(size_t size) { text_.reserve(size); }
  std::string Take() { return std::move(text_); }
  const std::string& Text() const { return text_; }

 private:
  enum class Mode { kName, kQuoted, kEx, kFormat };
  void AppendText(std::string_view s, Mode mode);
  std::string text_;
};

