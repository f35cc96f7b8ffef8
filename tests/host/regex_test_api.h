#pragma once
// The engine's C entry points as the program sees them through the DLL.
#include <string>

#include "ancillar/regex/bregexp_api.h"
#include "search/regex_calls.h"

inline RegexApi EngineApi(bool withContextCalls = true) {
  RegexApi api;
  api.match = &BMatch;
  api.subst = &BSubst;
  api.regfree = &BRegfree;
  if (withContextCalls) {
    api.matchEx = &BMatchEx;
    api.substEx = &BSubstEx;
  }
  return api;
}

// Runs BMatch on a whole string: -1 error, 0 none, else sets pos/len.
struct EngineMatchResult {
  int rc = 0;
  int pos = -1;
  int len = 0;
  std::string error;
};

inline EngineMatchResult EngineMatch(const std::string& command, const std::string& subject) {
  EngineMatchResult r;
  BREGEXP* res = nullptr;
  char err[BREGEXP_ERROR_TEXT_SIZE];
  err[0] = '\0';
  r.rc = BMatch(command.c_str(), subject.data(), subject.data() + subject.size(), &res, err);
  if (r.rc > 0 && res) {
    r.pos = static_cast<int>(res->outp - subject.data());
    r.len = static_cast<int>(res->outendp - res->outp);
  }
  if (r.rc < 0) r.error = err;
  BRegfree(res);
  return r;
}

inline int EngineSubst(const std::string& command, const std::string& subject, std::string& out,
                       std::string* error = nullptr) {
  BREGEXP* res = nullptr;
  char err[BREGEXP_ERROR_TEXT_SIZE];
  err[0] = '\0';
  int rc = BSubst(command.c_str(), subject.data(), subject.data() + subject.size(), &res, err);
  out.clear();
  if (rc > 0 && res) out.assign(res->outp, res->outendp);
  if (error) *error = err;
  BRegfree(res);
  return rc;
}
