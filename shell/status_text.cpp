#include "shell/status_text.h"

#include <cstdio>

std::string FormatDocumentSize(long long bytes) {
  char buf[64];
  const char* label = "サイズ";
  if (bytes < 1024)
    std::snprintf(buf, sizeof buf, "%s: %.0fByte", label, static_cast<double>(bytes));
  else if (bytes < 1048576)
    std::snprintf(buf, sizeof buf, "%s: %.2fKB", label, bytes / 1024.0);
  else
    std::snprintf(buf, sizeof buf, "%s: %.2fMB", label, bytes / 1048576.0);
  return buf;
}

std::string FormatCaretPosition(int row, int col) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d 行、%d 列", row, col);
  return buf;
}

std::string FormatReplacedCount(int count) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%d 件置換しました", count);
  return buf;
}

namespace {
struct HelpText {
  unsigned id;
  const char* text;
};
const HelpText kHelpTexts[] = {
    {40001, "アプリケーションの終了と内容の保存確認をします"},
    {40002, "新規にプロジェクトまたはドキュメントを作成します"},
    {40003, "既存のドキュメントを開きます"},
    {40004, "作業中のファイルを閉じます"},
    {40008, "作業中のファイルを保存します"},
    {40009, "作業中のファイルを新しい名前を付けて保存します"},
    {40010, "直前の操作を元にもどします"},
    {40011, "選択範囲を切り取り、クリップボードへコピーします"},
    {40012, "選択範囲をクリップボードへコピーします"},
    {40013, "挿入位置にクリップボードの内容を挿入します"},
    {40014, "選択範囲を削除します"},
    {40015, "Orvenicのバージョン情報を表示します"},
    {40020, "開いているファイルをすべて保存します"},
    {40021, "ファイル全体を選択します"},
    {40024, "作業中のドキュメント内を検索します"},
    {40034, "前の未完了操作を繰り返します"},
    {40037, "ヘルプファイルを開きます"},
    {40042, "エディタオプションの設定を行います"},
    {40044, "指定した文字列を他の文字列で置換します"},
    {40051, "既存のプロジェクトを開きます"},
    {40052, "作業中のプロジェクトを閉じます"},
    {40053, "作業中のプロジェクトを保存します"},
    {40054, "プロジェクトビューの表示/非表示を切り替えます"},
    {40076, "プロジェクトオプションの設定を行います"},
    {40077, "エディタの最前面表示ON/OFFを切り替えます"},
    {40101, "プログラムをデバッグ用にコンパイルし、デバッグ実行します"},
    {40106, "プログラムをリリース用にコンパイルします"},
    {40108, "プログラムをデバッグ用にコンパイルします"},
    {40153, "作業中ドキュメントの文字数をカウントします"},
};
}  // namespace

const char* CommandHelpText(unsigned id) {
  for (const HelpText& h : kHelpTexts)
    if (h.id == id) return h.text;
  return nullptr;
}
