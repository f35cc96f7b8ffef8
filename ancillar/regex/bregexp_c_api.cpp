// The C entry points of BREGEXP.DLL (also linked into the host tests). Each
// one validates its arguments, runs the engine and turns every failure,
// including any exception, into -1 and an error text.
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include <boost/version.hpp>

#include "ancillar/regex/bregexp_api.h"
#include "ancillar/regex/regex_engine.h"
#include "platform/sjis.h"

namespace {

constexpr unsigned kMagic = 0x42524558u;

struct ResultObject {
  BREGEXP pub{};
  unsigned magic = kMagic;
  std::string buffer;
  std::vector<const char*> starts;
  std::vector<const char*> ends;
};

// Copies at most 255 bytes without splitting a double-byte character.
void WriteError(char* errorText, const std::string& message) {
  if (!errorText) return;
  const char* end = message.data() + message.size();
  size_t n = 0;
  while (n < message.size()) {
    size_t len = static_cast<size_t>(SjisCharLen(message.data() + n, end));
    if (n + len > BREGEXP_ERROR_TEXT_SIZE - 1) break;
    n += len;
  }
  std::memcpy(errorText, message.data(), n);
  errorText[n] = '\0';
}

void Release(BREGEXP* r) {
  if (!r) return;
  auto* obj = static_cast<ResultObject*>(r->engine);
  if (!obj || &obj->pub != r || obj->magic != kMagic) return;
  obj->magic = 0;
  delete obj;
}

ResultObject* NewResult(const RegexSpan& span) {
  auto* obj = new ResultObject();
  obj->pub.engine = obj;
  obj->starts = span.subBegin;
  obj->ends = span.subEnd;
  obj->pub.matchp = span.begin;
  obj->pub.matchendp = span.end;
  obj->pub.nparens = span.subBegin.empty() ? 0 : static_cast<int>(span.subBegin.size()) - 1;
  obj->pub.startp = obj->starts.empty() ? nullptr : obj->starts.data();
  obj->pub.endp = obj->ends.empty() ? nullptr : obj->ends.data();
  return obj;
}

void PointAtBuffer(ResultObject* obj) {
  obj->pub.outp = obj->buffer.c_str();
  obj->pub.outendp = obj->buffer.c_str() + obj->buffer.size();
}

enum class Op { kMatch, kSubst, kSubstOne };

int Run(Op op, const char* command, const char* text, const char* from, const char* end, BREGEXP** result,
        char* errorText) {
  std::string error;
  try {
    if (result) {
      Release(*result);
      *result = nullptr;
    }
    if (!command || !text || !from || !end || from < text || end < from) {
      WriteError(errorText, "正規表現の呼び出しの引数が正しくありません。");
      return -1;
    }
    if (!result) {
      WriteError(errorText, "結果を受け取る場所が指定されていません。");
      return -1;
    }
    auto program = GetRegexProgram(command, error);
    if (!program) {
      WriteError(errorText, error);
      return -1;
    }
    if (IsSubstituteProgram(*program) != (op != Op::kMatch)) {
      WriteError(errorText, op == Op::kMatch ? "検索には m/パターン/ の形のコマンドを指定してください。"
                                             : "置換には s/パターン/置換文字列/ の形のコマンドを指定してください。");
      return -1;
    }
    RegexSpan span;
    int rc = 0;
    std::string out;
    int count = 0;
    switch (op) {
      case Op::kMatch: rc = RegexFind(*program, text, from, end, span, error); break;
      case Op::kSubst: rc = RegexSubstitute(*program, text, from, end, out, span, count, error); break;
      case Op::kSubstOne: rc = RegexReplacementOf(*program, text, from, end, span, out, error); break;
    }
    if (rc < 0) {
      WriteError(errorText, error);
      return -1;
    }
    if (rc == 0) return 0;
    std::unique_ptr<ResultObject> obj(NewResult(span));
    if (op == Op::kMatch) {
      obj->pub.outp = span.begin;
      obj->pub.outendp = span.end;
    } else {
      obj->buffer = std::move(out);
      obj->pub.nsubst = op == Op::kSubst ? count : 1;
      PointAtBuffer(obj.get());
    }
    *result = &obj.release()->pub;
    return 1;
  } catch (...) {
    WriteError(errorText, "メモリが足りません。");
    return -1;
  }
}

int Unsupported(BREGEXP** result, char* errorText, const char* message) {
  try {
    if (result) {
      Release(*result);
      *result = nullptr;
    }
  } catch (...) {
  }
  WriteError(errorText, message);
  return -1;
}

}  // namespace

extern "C" {

int BREGEXP_CALL BMatch(const char* command, const char* subjectStart, const char* subjectEnd,
                        BREGEXP** result, char* errorText) {
  return Run(Op::kMatch, command, subjectStart, subjectStart, subjectEnd, result, errorText);
}

int BREGEXP_CALL BSubst(const char* command, const char* subjectStart, const char* subjectEnd,
                        BREGEXP** result, char* errorText) {
  return Run(Op::kSubst, command, subjectStart, subjectStart, subjectEnd, result, errorText);
}

int BREGEXP_CALL BMatchEx(const char* command, const char* textStart, const char* searchStart,
                          const char* subjectEnd, BREGEXP** result, char* errorText) {
  return Run(Op::kMatch, command, textStart, searchStart, subjectEnd, result, errorText);
}

int BREGEXP_CALL BSubstEx(const char* command, const char* textStart, const char* searchStart,
                          const char* subjectEnd, BREGEXP** result, char* errorText) {
  return Run(Op::kSubstOne, command, textStart, searchStart, subjectEnd, result, errorText);
}

int BREGEXP_CALL BTrans(const char*, const char*, const char*, BREGEXP** result, char* errorText) {
  return Unsupported(result, errorText, "文字の置き換え (tr) はこのライブラリでは使えません。");
}

int BREGEXP_CALL BSplit(const char*, const char*, const char*, int, BREGEXP** result, char* errorText) {
  return Unsupported(result, errorText, "分割 (split) はこのライブラリでは使えません。");
}

void BREGEXP_CALL BRegfree(BREGEXP* result) {
  try {
    Release(result);
  } catch (...) {
  }
}

const char* BREGEXP_CALL BRegexpVersion(void) {
  return "Quillet BREGEXP 1.0 (Shift-JIS, Boost.Regex " BOOST_LIB_VERSION ")";
}

}  // extern "C"
