// Files changed by other programs: which change is asked about on activation
// and before saving, how answers are remembered, what is settled before a
// document is written over its file, and the texts the user reads.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/disk_watch.h"
#include "files/file_notices.h"

namespace {

FileStamp Present(uint64_t time, uint64_t size, bool readOnly = false) {
  FileStamp s;
  s.presence = FilePresence::kPresent;
  s.writeTime = time;
  s.size = size;
  s.readOnly = readOnly;
  return s;
}
FileStamp Missing() { return FileStamp(); }
FileStamp Unknown() {
  FileStamp s;
  s.presence = FilePresence::kUnknown;
  return s;
}

constexpr DiskChange N = DiskChange::kNone, C = DiskChange::kChanged, D = DiskChange::kDeleted;

// One moment in a document's life: what happens, and what both questions
// would then be about.
enum class Event { kLook, kTold, kKept, kStart };
struct Step {
  Event event;
  FileStamp disk;
  DiskChange tell;       // ChangeToTell after the event
  DiskChange overwrite;  // ChangeBeforeOverwrite after the event
};

void RunLife(const char* name, FileStamp opened, const std::vector<Step>& steps) {
  SCOPED_TRACE(name);
  DiskWatch w;
  DiskWatchStart(w, opened);
  for (size_t i = 0; i < steps.size(); ++i) {
    const Step& s = steps[i];
    switch (s.event) {
      case Event::kLook: break;
      case Event::kTold: DiskWatchTold(w, s.disk); break;
      case Event::kKept: DiskWatchKeptOurs(w, s.disk); break;
      case Event::kStart: DiskWatchStart(w, s.disk); break;
    }
    EXPECT_EQ(ChangeToTell(w, s.disk), s.tell) << "step " << i;
    EXPECT_EQ(ChangeBeforeOverwrite(w, s.disk), s.overwrite) << "step " << i;
  }
}

}  // namespace

TEST(DiskWatch, ChangesAreAskedAboutOnceAndKeepingOursLetsTheNextSaveOverwrite) {
  const FileStamp a = Present(100, 10), b = Present(200, 10), c = Present(200, 11), d = Present(300, 12);
  RunLife("untouched file", a, {{Event::kLook, a, N, N}, {Event::kLook, Present(100, 10, true), N, N}});
  RunLife("the time alone or the size alone is a change", a,
      {{Event::kLook, b, C, C}, {Event::kLook, Present(100, 11), C, C}});
  RunLife("keep ours: neither activation nor the next save asks; a further change asks again", a,
      {{Event::kLook, b, C, C}, {Event::kKept, b, N, N}, {Event::kLook, c, C, C}, {Event::kKept, c, N, N},
       {Event::kLook, d, C, C}});
  RunLife("asked but not decided (a cancelled save): activation is quiet, the save asks again", a,
      {{Event::kTold, b, N, C}, {Event::kLook, c, C, C}});
  RunLife("after a save or reload the new state is ours and old answers are forgotten", a,
      {{Event::kKept, b, N, N}, {Event::kStart, c, N, N}, {Event::kLook, b, C, C}});
  RunLife("deleted, told, then back with other content", a,
      {{Event::kLook, Missing(), D, D}, {Event::kTold, Missing(), N, D}, {Event::kLook, b, C, C}});
  RunLife("back exactly as it was is no change", a, {{Event::kTold, Missing(), N, D}, {Event::kLook, a, N, N}});
  RunLife("a state that cannot be read is never asked about", a, {{Event::kLook, Unknown(), N, N}});
  RunLife("nothing read yet (untitled, or the file was missing): no watching", Missing(),
      {{Event::kLook, a, N, N}, {Event::kLook, Missing(), N, N}});
}

TEST(DiskWatch, WhatIsSettledBeforeWritingOverTheFile) {
  using S = OverwriteStep;
  struct Case {
    OverwriteFacts facts;
    std::vector<S> steps;
  };
  const Case cases[] = {
      {{false, N, 0, 0}, {}},
      {{false, C, 0, 0}, {S::kAskReloadOrOverwrite}},
      {{false, D, 0, 0}, {}},  // gone: writing creates it again
      {{false, N, 3, 0}, {S::kConfirmOpenLosses}},
      {{false, N, 0, 2}, {S::kConfirmOpenLosses}},
      {{false, C, 3, 2}, {S::kAskReloadOrOverwrite, S::kConfirmOpenLosses}},
      // Read-only: nothing else matters, another name is the only way.
      {{true, C, 3, 2}, {S::kOfferSaveAs}},
      {{true, N, 0, 0}, {S::kOfferSaveAs}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(OverwriteSteps(cases[i].facts), cases[i].steps) << i;
}

TEST(FileNotices, TextsTheUserReads) {
  const std::string p = "C:\\a\\b.txt";
  OpenFindings none;
  EXPECT_EQ(OpenNotice(p, none), "");
  EXPECT_FALSE(OpenNoticeWarns(none));

  OpenFindings lost;
  lost.lostChars = 3;
  lost.charset = Charset::kUtf8;
  EXPECT_EQ(OpenNotice(p, lost),
            "\"C:\\a\\b.txt\" には、3 文字、UTF-8 として正しくないか Shift-JIS で表せない文字があります。\n"
            "それらの文字は〓で表示されています。このまま保存すると元の文字は失われます。");
  EXPECT_TRUE(OpenNoticeWarns(lost));

  OpenFindings all = lost;
  all.nulBytes = 39187;
  all.readOnly = true;
  EXPECT_EQ(OpenNotice(p, all),
            "\"C:\\a\\b.txt\" には、3 文字、UTF-8 として正しくないか Shift-JIS で表せない文字があります。\n"
            "それらの文字は〓で表示されています。このまま保存すると元の文字は失われます。\n\n"
            "\"C:\\a\\b.txt\" には、NUL 文字 (0x00) が 39187 個あります。テキストではないファイルかもしれません。\n"
            "NUL 文字は空白で表示されています。このまま保存すると NUL 文字は空白に置き換わります。\n\n"
            "\"C:\\a\\b.txt\" は読み取り専用です。変更を保存するときは、別の名前で保存してください。");

  OpenFindings readOnly;
  readOnly.readOnly = true;
  EXPECT_FALSE(OpenNoticeWarns(readOnly));
  EXPECT_EQ(OpenNotice(p, readOnly),
            "\"C:\\a\\b.txt\" は読み取り専用です。変更を保存するときは、別の名前で保存してください。");

  EXPECT_EQ(OpenLossesSaveQuestion(p, 5, 0),
            "\"C:\\a\\b.txt\" を開いたときに、NUL 文字 5 個を空白に置き換えています。\n"
            "上書き保存すると、ファイルの元の内容は失われます。保存しますか？");
  EXPECT_EQ(OpenLossesSaveQuestion(p, 0, 2),
            "\"C:\\a\\b.txt\" を開いたときに、2 文字を〓に置き換えています。\n"
            "上書き保存すると、ファイルの元の内容は失われます。保存しますか？");
  EXPECT_EQ(OpenLossesSaveQuestion(p, 5, 2),
            "\"C:\\a\\b.txt\" を開いたときに、NUL 文字 5 個を空白に、2 文字を〓に置き換えています。\n"
            "上書き保存すると、ファイルの元の内容は失われます。保存しますか？");

  EXPECT_EQ(ChangedOnDiskQuestion(p, false), "\"C:\\a\\b.txt\" は他のプログラムによって変更されました。再読み込みしますか？");
  EXPECT_EQ(ChangedOnDiskQuestion(p, true),
            "\"C:\\a\\b.txt\" は他のプログラムによって変更されました。再読み込みしますか？\n"
            "再読み込みすると、この文書で保存していない変更は置き換えられます。");
  EXPECT_EQ(WriteFailedSaveAsQuestion(p), "\"C:\\a\\b.txt\" ファイルへの書き込みに失敗しました。\n別の名前で保存しますか？");
  EXPECT_EQ(ReadOnlySaveQuestion(p), "\"C:\\a\\b.txt\" は読み取り専用のため、上書き保存できません。別の名前で保存しますか？");
}
