#pragma once
/* C interface of BREGEXP.DLL (exported undecorated, __cdecl).
 *
 * Command strings: "m/pattern/flags" or "s/pattern/replacement/flags", with
 * "/", "#" or "@" as delimiter ("\/" inside a part is the delimiter itself).
 * Flags: k Shift-JIS text, i ignore case (ASCII, full-width Latin, Greek and
 * Cyrillic letters), g replace every match, s "." also matches CR and LF,
 * x extended syntax. Patterns use Perl syntax; "^" and "$" match at line
 * starts and ends. Replacements use Perl's "$1", "${1}", "$&", "\n", "\t".
 *
 * Every call takes the subject as [subjectStart, subjectEnd) (no terminator
 * needed), stores a new result object in *result (releasing one already
 * there; *result must be NULL or a live object) or NULL, and on error writes
 * a NUL-terminated Shift-JIS message of at most 255 bytes into errorText
 * (a 256-byte buffer). No call ever throws.
 */
#ifdef __cplusplus
extern "C" {
#endif

#if defined(_WIN32)
#define BREGEXP_CALL __cdecl
#else
#define BREGEXP_CALL
#endif

typedef struct BREGEXP {
  /* BMatch: the matched text within the subject. BSubst: the whole
   * substituted subject, in a buffer owned by this object (NUL-terminated).
   * BSubstEx: the replacement text of the one match. */
  const char* outp;
  const char* outendp;
  const char* matchp;     /* start of the (first) match within the subject */
  const char* matchendp;  /* its end */
  int nparens;            /* number of capture groups */
  const char** startp;    /* [nparens + 1]: group starts within the subject, NULL when unset */
  const char** endp;      /* [nparens + 1]: group ends */
  int nsubst;             /* BSubst: number of replacements made */
  void* engine;           /* private to the library */
} BREGEXP;

/* 1 match (result set), 0 no match, -1 error (errorText filled). */
int BREGEXP_CALL BMatch(const char* command, const char* subjectStart, const char* subjectEnd,
                        BREGEXP** result, char* errorText);
/* 1 substituted (outp..outendp is the whole new text), 0 no match, -1 error. */
int BREGEXP_CALL BSubst(const char* command, const char* subjectStart, const char* subjectEnd,
                        BREGEXP** result, char* errorText);
/* Transliteration ("tr/.../.../"): not supported; always -1 with a message. */
int BREGEXP_CALL BTrans(const char* command, const char* subjectStart, const char* subjectEnd,
                        BREGEXP** result, char* errorText);
/* Splitting: not supported; always -1 with a message. */
int BREGEXP_CALL BSplit(const char* command, const char* subjectStart, const char* subjectEnd,
                        int limit, BREGEXP** result, char* errorText);
/* Releases a result object; NULL is allowed. */
void BREGEXP_CALL BRegfree(BREGEXP* result);
/* Static version text. */
const char* BREGEXP_CALL BRegexpVersion(void);

/* As BMatch, but the search starts at searchStart inside the text
 * [textStart, subjectEnd): look-behind, "\b" and "^" see the characters
 * before searchStart, and double-byte characters are counted from textStart.
 * searchStart must be a character start. */
int BREGEXP_CALL BMatchEx(const char* command, const char* textStart, const char* searchStart,
                          const char* subjectEnd, BREGEXP** result, char* errorText);
/* Finds the first match at or after searchStart (as BMatchEx, "g" ignored)
 * and gives its replacement text in outp..outendp and the replaced span in
 * matchp..matchendp: one replacement costs time proportional to the distance
 * to its match, never a copy of the rest of the text. */
int BREGEXP_CALL BSubstEx(const char* command, const char* textStart, const char* searchStart,
                          const char* subjectEnd, BREGEXP** result, char* errorText);

typedef int(BREGEXP_CALL* BMatchProc)(const char*, const char*, const char*, BREGEXP**, char*);
typedef int(BREGEXP_CALL* BSubstProc)(const char*, const char*, const char*, BREGEXP**, char*);
typedef int(BREGEXP_CALL* BTransProc)(const char*, const char*, const char*, BREGEXP**, char*);
typedef int(BREGEXP_CALL* BSplitProc)(const char*, const char*, const char*, int, BREGEXP**, char*);
typedef void(BREGEXP_CALL* BRegfreeProc)(BREGEXP*);
typedef const char*(BREGEXP_CALL* BRegexpVersionProc)(void);
typedef int(BREGEXP_CALL* BMatchExProc)(const char*, const char*, const char*, const char*, BREGEXP**, char*);
typedef int(BREGEXP_CALL* BSubstExProc)(const char*, const char*, const char*, const char*, BREGEXP**, char*);

#define BREGEXP_ERROR_TEXT_SIZE 256

#ifdef __cplusplus
}
#endif
