/* nkf32.dll: the entry points as the program reaches them through
   GetProcAddress. All are __cdecl with undecorated names; strings are
   NUL-terminated byte strings. Character-set codes: 0 Shift-JIS, 1 EUC-JP,
   2 ISO-2022-JP (JIS), 3 UTF-8.

   Options (SetNkfOption, NkfConvertSized), letters after "-", in any number
   of blank-separated groups:
     s e j w   output Shift-JIS, EUC, JIS, UTF-8 (default s)
     S E J W   the input is Shift-JIS, EUC, JIS, UTF-8 (default: detected for
               output s; Shift-JIS for e, j and w, the program's own text)
     x         keep half-width katakana (otherwise they become full-width)
   and "--bom" to start UTF-8 output with a byte order mark. */
#ifndef QUILLET_NKF32_API_H
#define QUILLET_NKF32_API_H

#include <stddef.h>

#if defined(_WIN32) && defined(__i386__)
#define NKF32_CALL __cdecl
#else
#define NKF32_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef struct NkfConvertResult {
  size_t size;     /* bytes of the whole result, without the NUL */
  size_t written;  /* bytes stored in the output, without the NUL */
  size_t lost;     /* characters not converted faithfully (shown as the geta mark) */
  int detected;    /* input code used: 0-3 */
  int bom;         /* 1: the input began with a UTF-8 byte order mark (dropped) */
  int truncated;   /* 1: the result did not fit; size + 1 bytes are needed */
} NkfConvertResult;

/* Writes the version text, at most 32 bytes with the NUL. */
void NKF32_CALL GetNkfVersion(char* version);

/* Sets the options of the next NkfConvert calls. 0 on success; -1 for an
   unknown option, the previous options staying in force. */
int NKF32_CALL SetNkfOption(const char* options);

/* Converts the NUL-terminated input with the options set. Writes at most
   2 * strlen(in) + 1 bytes: a longer result (JIS and UTF-8 output can need
   more) is cut at a character boundary, NUL-terminated, and reported as
   truncated by NkfGetLastResult. Use NkfConvertSized to get everything. */
void NKF32_CALL NkfConvert(char* out, const char* in);

/* The input code of the last NkfConvert: 0-3. */
int NKF32_CALL NkfGetKanjiCode(void);

/* The figures of the last NkfConvert (lost characters, truncation, ...). */
void NKF32_CALL NkfGetLastResult(NkfConvertResult* result);

/* Detects the encoding of [in, in + length) without converting; *bom (may be
   NULL) tells whether it starts with a UTF-8 byte order mark. Returns 0-3. */
int NKF32_CALL NkfGuessCode(const char* in, size_t length, int* bom);

/* Converts [in, in + length) with the given options (NULL: defaults) into out
   of `capacity` bytes including the NUL; capacity 0 only measures. Keeps no
   state, so it may be called from any thread. Returns 0 when the whole
   result fit, 1 when it was cut (result->size + 1 bytes are needed), -1 for
   bad options. result may be NULL. */
int NKF32_CALL NkfConvertSized(const char* options, const char* in, size_t length, char* out,
                               size_t capacity, NkfConvertResult* result);

typedef void(NKF32_CALL* GetNkfVersionProc)(char*);
typedef int(NKF32_CALL* SetNkfOptionProc)(const char*);
typedef void(NKF32_CALL* NkfConvertProc)(char*, const char*);
typedef int(NKF32_CALL* NkfGetKanjiCodeProc)(void);
typedef void(NKF32_CALL* NkfGetLastResultProc)(NkfConvertResult*);
typedef int(NKF32_CALL* NkfGuessCodeProc)(const char*, size_t, int*);
typedef int(NKF32_CALL* NkfConvertSizedProc)(const char*, const char*, size_t, char*, size_t, NkfConvertResult*);

#ifdef __cplusplus
}
#endif

#endif
