#include "files/file_notices.h"

#include "files/charset_names.h"

namespace {

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

std::string Count(size_t n) { return std::to_string(static_cast<unsigned long long>(n)); }

}  // namespace

bool OpenNoticeWarns(const OpenFindings& f) { return f.nulBytes > 0 || f.lostChars > 0; }

std::string OpenNotice(const std::string& path, const OpenFindings& f) {
  std::string text;
  auto paragraph = [&text](const std::string& p) {
    if (!text.empty()) text += "\n\n";
    text += p;
  };
  if (f.lostChars > 0) {
    paragraph(Quoted(path) + " には、" + Count(f.lostChars) + " 文字、" + CharsetName(f.charset) +
              " として正しくないか Shift-JIS で表せない文字があります。\n"
              "それらの文字は〓で表示されています。このまま保存すると元の文字は失われます。");
  }
  if (f.nulBytes > 0) {
    paragraph(Quoted(path) + " には、NUL 文字 (0x00) が " + Count(f.nulBytes) +
              " 個あります。テキストではないファイルかもしれません。\n"
              "NUL 文字は空白で表示されています。このまま保存すると NUL 文字は空白に置き換わります。");
  }
  if (f.readOnly) {
    paragraph(Quoted(path) + " は読み取り専用です。変更を保存するときは、別の名前で保存してください。");
  }
  return text;
}

std::string OpenLossesSaveQuestion(const std::string& path, size_t nulBytes, size_t lostChars) {
  std::string what;
  if (nulBytes > 0 && lostChars > 0) {
    what = "NUL 文字 " + Count(nulBytes) + " 個を空白に、" + Count(lostChars) + " 文字を〓に";
  } else if (nulBytes > 0) {
    what = "NUL 文字 " + Count(nulBytes) + " 個を空白に";
  } else {
    what = Count(lostChars) + " 文字を〓に";
  }
  return Quoted(path) + " を開いたときに、" + what +
         "置き換えています。\n上書き保存すると、ファイルの元の内容は失われます。保存しますか？";
}

std::string ChangedOnDiskQuestion(const std::string& path, bool documentModified) {
  std::string text = Quoted(path) + " は他のプログラムによって変更されました。再読み込みしますか？";
  if (documentModified) text += "\n再読み込みすると、この文書で保存していない変更は置き換えられます。";
  return text;
}

std::string ChangedBeforeSaveQuestion(const std::string& path) {
  return Quoted(path) +
         " は他のプログラムによって変更されました。再読み込みしますか？\n"
         "「いいえ」を選ぶと、その変更の上にこの文書の内容を上書き保存します。";
}

std::string DeletedOnDiskNotice(const std::string& path) {
  return Quoted(path) +
         " は他のプログラムによって削除されたか、名前を変更されました。\n"
         "文書の内容を残すには、保存し直してください。";
}

std::string ReadOnlySaveQuestion(const std::string& path) {
  return Quoted(path) + " は読み取り専用のため、上書き保存できません。別の名前で保存しますか？";
}

std::string WriteFailedSaveAsQuestion(const std::string& path) {
  return Quoted(path) + " ファイルへの書き込みに失敗しました。\n別の名前で保存しますか？";
}
